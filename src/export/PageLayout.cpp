#include "export/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace docexport {

std::vector<std::string> documentLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // a line has begun and not yet ended
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            continue;
        }
        open = true;
        if (c == '\t')
            line.append(8 - line.size() % 8, ' ');
        else
            line += c;
    }
    if (open)
        lines.push_back(std::move(line));
    while (!lines.empty() && lines.back().find_first_not_of(' ') == std::string::npos)
        lines.pop_back();
    return lines;
}

int columnsThatFit(double widthPt, double pointSize, double advanceEm)
{
    // The small allowance keeps a line that fits exactly from losing its last column to rounding.
    return std::max(1, int(std::floor(widthPt / (pointSize * advanceEm) + 1e-6)));
}

double fittingPointSize(std::span<const std::string> lines, double widthPt, double advanceEm)
{
    const std::size_t wrapsAnyway = std::size_t(columnsThatFit(widthPt, kSmallestPointSize, advanceEm));
    std::size_t widest = 0;
    for (const std::string &line : lines) {
        if (line.size() <= wrapsAnyway)
            widest = std::max(widest, line.size());
    }
    for (double size = kLargestPointSize; size > kSmallestPointSize; size -= kPointSizeStep) {
        if (widest <= std::size_t(columnsThatFit(widthPt, size, advanceEm)))
            return size;
    }
    return kSmallestPointSize;
}

std::vector<std::string> wrapLine(std::string_view line, int columns)
{
    const std::size_t width = std::size_t(std::max(1, columns));
    std::vector<std::string> pieces;
    while (line.size() > width) {
        // Break after the last space within the width, so the space ends the piece and the next
        // piece begins with the next word.
        std::size_t cut = line.substr(0, width).find_last_of(' ');
        cut = cut == std::string_view::npos || cut == 0 ? width : cut + 1;
        pieces.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
    }
    pieces.emplace_back(line);
    return pieces;
}

std::vector<Page> paginate(std::span<const std::string> lines, int columns, int linesPerPage)
{
    const std::size_t perPage = std::size_t(std::max(1, linesPerPage));
    std::vector<Page> pages(1);
    for (const std::string &line : lines) {
        std::vector<std::string> pieces = wrapLine(line, columns);
        const std::size_t room = perPage - pages.back().size();
        if (pieces.size() > room && pieces.size() <= perPage && !pages.back().empty())
            pages.emplace_back();
        for (std::string &piece : pieces) {
            if (pages.back().size() == perPage)
                pages.emplace_back();
            pages.back().push_back(std::move(piece));
        }
    }
    return pages;
}

} // namespace docexport
