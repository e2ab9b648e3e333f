#pragma once
// The paragraph kinds a document model may name with a token at a line's start ("{verb}"), shared
// by the engine and the build-time generator that checks the models. Header only, standard C++.

#include <array>
#include <optional>
#include <string_view>

namespace plecta {

enum class BlockKind { Lines, Title, Heading, Verb, Body, Item, Place, Signature, Addressee, Table };

struct BlockKindName
{
    BlockKind kind;
    std::string_view name;
};

inline constexpr std::array kBlockKindNames{
    BlockKindName{BlockKind::Lines, "text"},          BlockKindName{BlockKind::Title, "title"},
    BlockKindName{BlockKind::Heading, "heading"},     BlockKindName{BlockKind::Verb, "verb"},
    BlockKindName{BlockKind::Body, "body"},           BlockKindName{BlockKind::Item, "item"},
    BlockKindName{BlockKind::Place, "place"},         BlockKindName{BlockKind::Signature, "signature"},
    BlockKindName{BlockKind::Addressee, "addressee"}, BlockKindName{BlockKind::Table, "table"},
};

// The kind a token names ("verb" → Verb); nothing for a word that is no kind.
constexpr std::optional<BlockKind> blockKindNamed(std::string_view name)
{
    for (const BlockKindName &entry : kBlockKindNames) {
        if (entry.name == name)
            return entry.kind;
    }
    return std::nullopt;
}

// The length of the kind token at the start of `line` ("{verb}" → 6), 0 when there is none.
constexpr std::size_t kindTokenLength(std::string_view line)
{
    if (line.empty() || line.front() != '{')
        return 0;
    const std::size_t close = line.find('}');
    if (close == std::string_view::npos || !blockKindNamed(line.substr(1, close - 1)))
        return 0;
    return close + 1;
}

} // namespace plecta
