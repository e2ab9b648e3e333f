#pragma once
// How a finished document goes onto A4 pages, shared by the printed pages, the PDF and the
// OpenDocument file so that all three agree: every line where it is (the models are laid out by
// line, so nothing is reflowed), a monospaced font, 2.5 cm margins. Standard C++ over the
// document's Windows-1252 bytes, where one byte is one column.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace docexport {

inline constexpr double kPageWidthMm = 210.0;
inline constexpr double kPageHeightMm = 297.0;
inline constexpr double kMarginMm = 25.0;
// The width of the text between the margins, in points (1/72 inch).
inline constexpr double kTextWidthPt = (kPageWidthMm - 2 * kMarginMm) / 25.4 * 72.0;

// The font size is the largest of these steps at which the document's lines fit the width.
inline constexpr double kLargestPointSize = 10.0;
inline constexpr double kSmallestPointSize = 8.0;
inline constexpr double kPointSizeStep = 0.5;
// The advance of a monospaced face, as a fraction of its size (the Courier family's 0.6 em).
inline constexpr double kMonospaceAdvanceEm = 0.6;

// The document's lines: split at CR LF (a lone LF or CR counts too), TABs expanded to the next
// multiple of eight columns as the Document view shows them, blank lines at the end left out
// (they would only start an empty page).
std::vector<std::string> documentLines(std::string_view cp1252Text);

// How many columns of a monospaced face fit a width.
int columnsThatFit(double widthPt, double pointSize, double advanceEm);

// The largest size from kLargestPointSize down to kSmallestPointSize, in steps of kPointSizeStep,
// at which every line fits the width. A line that would not fit even at the smallest size wraps
// anyway and so does not shrink the rest.
double fittingPointSize(std::span<const std::string> lines, double widthPt, double advanceEm);

// A line wider than the page continues on the next lines: broken after the last space that
// fits, or at the last column when there is none. A line that fits comes back whole.
std::vector<std::string> wrapLine(std::string_view line, int columns);

using Page = std::vector<std::string>;

// The document's pages: lines wrapped to the columns, and a wrapped line (a line table's row
// among them) never split over two pages unless it is longer than a whole page. At least one
// page, empty for an empty document.
std::vector<Page> paginate(std::span<const std::string> lines, int columns, int linesPerPage);

} // namespace docexport
