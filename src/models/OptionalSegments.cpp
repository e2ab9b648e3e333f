#include "models/OptionalSegments.h"

#include <vector>

namespace plecta {

namespace {

constexpr std::string_view kOpen = "{?";
constexpr std::string_view kClose = "{/?}";

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The name of the opening marker at the start of `text`, or nothing when none stands there.
std::string_view openingName(std::string_view text)
{
    if (!text.starts_with(kOpen))
        return {};
    std::size_t end = kOpen.size();
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    if (end == kOpen.size() || end >= text.size() || text[end] != '}')
        return {};
    return text.substr(kOpen.size(), end - kOpen.size());
}

bool atLineStart(std::string_view text, std::size_t at)
{
    return at == 0 || text[at - 1] == '\n';
}

// The length of the line end at `at`, 0 when none is there.
std::size_t lineEndAt(std::string_view text, std::size_t at)
{
    if (text.substr(at).starts_with("\r\n"))
        return 2;
    return at < text.size() && text[at] == '\n' ? 1 : 0;
}

struct OpenSegment
{
    bool kept = true;        // this segment and all segments around it are kept
    bool wholeLines = false; // it began at a line start
};

} // namespace

std::string resolveOptionalSegments(std::string_view model, const FieldHasValue &hasValue)
{
    std::string out;
    out.reserve(model.size());
    std::vector<OpenSegment> open;
    const auto keeping = [&open] { return open.empty() || open.back().kept; };

    std::size_t p = 0;
    while (p < model.size()) {
        const std::string_view rest = model.substr(p);
        if (const std::string_view name = openingName(rest); !name.empty()) {
            open.push_back({keeping() && hasValue(name), atLineStart(model, p)});
            p += kOpen.size() + name.size() + 1;
            continue;
        }
        if (rest.starts_with(kClose)) {
            const bool endsWithLineEnd = atLineStart(model, p);
            p += kClose.size();
            if (open.empty())
                continue;
            const OpenSegment closed = open.back();
            open.pop_back();
            // A dropped segment of whole lines takes its last line end with it, unless the line
            // end was inside the segment already.
            if (!closed.kept && closed.wholeLines && !endsWithLineEnd && keeping() && atLineStart(out, out.size()))
                p += lineEndAt(model, p);
            continue;
        }
        if (keeping())
            out += rest.front();
        ++p;
    }
    return out;
}

} // namespace plecta
