#include "models/OptionalSegments.h"

#include "text/Cp1252.h"

#include <vector>

namespace plecta {

namespace {

constexpr std::string_view kOpen = "{?";
constexpr std::string_view kClose = "{/?}";

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1252::toLower(static_cast<unsigned char>(a[i])) != cp1252::toLower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// An opening marker: "{?name}", "{?name=text}" or "{?name!=text}".
struct Opening
{
    std::size_t length = 0; // 0: no opening marker here
    std::string_view name;
    std::optional<std::string_view> text; // compared with the value, when given
    bool negated = false;

    bool keeps(const std::optional<std::string> &value) const
    {
        const std::string_view held = value ? trimmed(*value) : std::string_view();
        if (!text)
            return !held.empty();
        return equalsNoCase(held, trimmed(*text)) != negated;
    }
};

Opening openingAt(std::string_view text)
{
    Opening opening;
    if (!text.starts_with(kOpen))
        return opening;
    std::size_t end = kOpen.size();
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    if (end == kOpen.size() || end >= text.size())
        return opening;
    opening.name = text.substr(kOpen.size(), end - kOpen.size());
    if (text[end] == '!' || text[end] == '=') {
        opening.negated = text[end] == '!';
        if (opening.negated && (++end >= text.size() || text[end] != '='))
            return {};
        const std::size_t close = text.find_first_of("{}", end + 1);
        if (close == std::string_view::npos || text[close] != '}')
            return {};
        opening.text = text.substr(end + 1, close - end - 1);
        end = close;
    }
    if (text[end] != '}')
        return {};
    opening.length = end + 1;
    return opening;
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

std::string resolveOptionalSegments(std::string_view model, const FieldValue &valueOf)
{
    std::string out;
    out.reserve(model.size());
    std::vector<OpenSegment> open;
    const auto keeping = [&open] { return open.empty() || open.back().kept; };

    std::size_t p = 0;
    while (p < model.size()) {
        const std::string_view rest = model.substr(p);
        if (const Opening opening = openingAt(rest); opening.length > 0) {
            open.push_back({keeping() && opening.keeps(valueOf(opening.name)), atLineStart(model, p)});
            p += opening.length;
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
