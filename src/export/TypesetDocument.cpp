#include "export/TypesetDocument.h"

#include "text/Cp1252.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace docexport {
namespace {

using plecta::BlockKind;

// The layout takes its lengths (margins, padding, borders) in pixels of a 96 dpi screen and
// scales them to the device itself; only the fonts are measured on the device.
constexpr double kLayoutDpi = 96.0;

double mmToPixels(double mm, const QPaintDevice *)
{
    return mm / 25.4 * kLayoutDpi;
}

double pointsToPixels(double points, const QPaintDevice *)
{
    return points / 72.0 * kLayoutDpi;
}

QTextBlockFormat blockFormat(const plecta::DocumentBlock &block, const QPaintDevice *device)
{
    QTextBlockFormat format;
    const double line = pointsToPixels(kBodyPointSize * 1.2, device);
    format.setTopMargin(block.blankLinesBefore * line * 0.8);
    format.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    switch (block.kind) {
    case BlockKind::Title: format.setBottomMargin(line * 0.5); break;
    case BlockKind::Heading: format.setTopMargin(format.topMargin() + line * 0.3); break;
    case BlockKind::Verb:
        format.setTopMargin(format.topMargin() + line * 0.3);
        format.setBottomMargin(line * 0.3);
        format.setAlignment(Qt::AlignJustify);
        break;
    case BlockKind::Body: format.setAlignment(Qt::AlignJustify); break;
    case BlockKind::Item: format.setLeftMargin(mmToPixels(6, device)); break;
    case BlockKind::Place: format.setTopMargin(format.topMargin() + line * 0.5); break;
    case BlockKind::Signature: format.setTopMargin(format.topMargin() + mmToPixels(kSignatureSpaceMm, device)); break;
    case BlockKind::Addressee:
    case BlockKind::Lines:
    case BlockKind::Table: break;
    }
    // A TAB of the text ("La secretària<TAB>Vist i plau") goes to the middle of the line.
    format.setTabPositions({QTextOption::Tab(mmToPixels(kTabStopMm, device), QTextOption::LeftTab)});
    return format;
}

QTextCharFormat charFormat(BlockKind kind)
{
    QTextCharFormat format;
    const bool bold = kind == BlockKind::Title || kind == BlockKind::Heading;
    format.setFont(typesetFont(kind == BlockKind::Title ? kTitlePointSize : kBodyPointSize, bold));
    return format;
}

void insertText(QTextCursor &cursor, std::string_view cp1252Text, const QTextCharFormat &format)
{
    QString text = fromCp1252(cp1252Text);
    text.replace(u'\n', QChar::LineSeparator);
    cursor.insertText(text, format);
}

// A paragraph's text; in a verb paragraph the verb in bold.
void insertParagraph(QTextCursor &cursor, const plecta::DocumentBlock &block)
{
    const QTextCharFormat format = charFormat(block.kind);
    if (block.kind != BlockKind::Verb) {
        insertText(cursor, block.text, format);
        return;
    }
    const plecta::TextSpan verb = plecta::performativeVerb(block.text);
    const std::string_view text = block.text;
    QTextCharFormat bold = format;
    bold.setFontWeight(QFont::Bold);
    bold.setFontLetterSpacing(104);
    insertText(cursor, text.substr(0, verb.begin), format);
    insertText(cursor, text.substr(verb.begin, verb.end - verb.begin), bold);
    insertText(cursor, text.substr(verb.end), format);
}

void insertCell(QTextTable *table, int row, int column, std::string_view text, bool right,
                const QTextCharFormat &format)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat alignment;
    alignment.setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
    cursor.setBlockFormat(alignment);
    insertText(cursor, text, format);
}

// Where each row of the line items stands, to keep rows whole on a page.
struct RowPlace
{
    QTextTable *table = nullptr;
    int row = 0;
};

QTextTableFormat itemTableFormat(int columns, const std::vector<bool> &numeric)
{
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorder(1); // 0,75 pt
    format.setBorderCollapse(true);
    format.setCellPadding(pointsToPixels(3, nullptr));
    format.setCellSpacing(0);
    format.setHeaderRowCount(1); // repeated at the top of every page the table reaches
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(pointsToPixels(8, nullptr));
    // The numbers take a column wide enough for "Preu unitari" on one line; the text columns what is
    // left.
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c) {
        if (numeric[std::size_t(c)])
            widths.append(QTextLength(QTextLength::PercentageLength, 16));
        else
            widths.append(QTextLength(QTextLength::VariableLength, 0));
    }
    format.setColumnWidthConstraints(widths);
    return format;
}

// The table of line items. A row listed in `breaksBefore` starts a new table on a new page, with
// the headings again, so that no row is split over two pages.
void insertItemTable(QTextCursor &cursor, const plecta::ItemTable &items, const std::set<int> &breaksBefore,
                     std::vector<RowPlace> &places)
{
    const int columns = int(items.headings.size());
    if (columns == 0)
        return;
    QTextCharFormat heading;
    heading.setFont(typesetFont(kTablePointSize, true));
    QTextCharFormat plain;
    plain.setFont(typesetFont(kTablePointSize));
    QTextTableCellFormat shaded;
    shaded.setBackground(QColor(235, 235, 235));

    const int rows = int(items.rows.size());
    int first = 0;
    do {
        const auto next = breaksBefore.upper_bound(first);
        const int end = next == breaksBefore.end() ? rows : std::min(*next, rows);
        QTextTableFormat format = itemTableFormat(columns, items.numeric);
        if (first > 0)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextTable *table = cursor.insertTable(end - first + 1, columns, format);
        for (int c = 0; c < columns; ++c) {
            const bool right = items.numeric[std::size_t(c)];
            table->cellAt(0, c).setFormat(shaded);
            insertCell(table, 0, c, items.headings[std::size_t(c)], right, heading);
            for (int r = first; r < end; ++r)
                insertCell(table, r - first + 1, c, items.rows[std::size_t(r)][std::size_t(c)], right, plain);
        }
        for (int r = first; r < end; ++r)
            places.push_back({table, r - first + 1});
        cursor.movePosition(QTextCursor::End);
        first = end;
    } while (first < rows);
    if (items.totals.empty())
        return;
    // The totals under the table's right edge, in a frame of their own without rules.
    QTextTableFormat totalsFormat;
    totalsFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    totalsFormat.setBorder(0);
    totalsFormat.setCellPadding(pointsToPixels(3, nullptr));
    totalsFormat.setWidth(QTextLength(QTextLength::PercentageLength, 40));
    totalsFormat.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 60), QTextLength(QTextLength::PercentageLength, 40)});
    totalsFormat.setCellSpacing(0);
    totalsFormat.setAlignment(Qt::AlignRight);
    totalsFormat.setTopMargin(pointsToPixels(4, nullptr));
    QTextTable *totals = cursor.insertTable(int(items.totals.size()), 2, totalsFormat);
    for (int r = 0; r < int(items.totals.size()); ++r) {
        const bool last = r + 1 == int(items.totals.size());
        const QTextCharFormat &text = last ? heading : plain;
        insertCell(totals, r, 0, items.totals[std::size_t(r)].label, false, text);
        std::string amount = items.totals[std::size_t(r)].amount;
        if (const std::size_t space = amount.rfind(' '); space != std::string::npos)
            amount[space] = '\xA0'; // the euro sign stays with its number
        insertCell(totals, r, 1, amount, true, text);
    }
    cursor.movePosition(QTextCursor::End);
}

// Moves the closing addressee lines to the foot of the last page, when there is room for it.
void addresseeToFoot(QTextDocument &document, int firstAddresseeBlock, double pageHeight)
{
    QTextBlock block = document.findBlockByNumber(firstAddresseeBlock);
    if (!block.isValid())
        return;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const double bottom = layout->documentSize().height();
    const double top = layout->blockBoundingRect(block).top();
    const double pageOfTop = std::floor(top / pageHeight);
    const double room = (pageOfTop + 1) * pageHeight - bottom - 2;
    if (std::floor((bottom - 1) / pageHeight) != pageOfTop || room <= 0)
        return;
    // The margin is in the layout's 96 dpi pixels, the room in the device's.
    const QPaintDevice *device = layout->paintDevice();
    const double scale = device ? device->logicalDpiY() / kLayoutDpi : 1.0;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(format.topMargin() + room / scale);
    cursor.setBlockFormat(format);
}

} // namespace

QString typesetFamily()
{
    static const QString family = [] {
        for (const char16_t *name : {u"Liberation Sans", u"DejaVu Sans", u"FreeSans"}) {
            const QString candidate = QString::fromUtf16(name);
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont typesetFont(double pointSize, bool bold)
{
    QFont font(typesetFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Pages are drawn as outlines at the printer's or the PDF's resolution: hinting for a screen's
    // pixel grid would only cost time (the glyph programs run for every size) and bend the shapes.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString fromCp1252(std::string_view text)
{
    const std::string utf8 = cp1252::toUtf8(text);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

namespace {

std::unique_ptr<QTextDocument> build(const plecta::StructuredDocument &structure, QPaintDevice *device, QSizeF pageSize,
                                     const std::vector<std::set<int>> &breaks,
                                     std::vector<std::vector<RowPlace>> &places, int &firstAddressee)
{
    // The page and the device come before the text, and the text is filled in one edit block: the
    // layout runs once, at its end, for the device. (A layout made after the filling would first lay
    // the whole text out for the screen, and setting the page would lay it out again.)
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setDefaultFont(typesetFont(kBodyPointSize));
    document->setUndoRedoEnabled(false);
    document->setPageSize(pageSize);
    document->documentLayout()->setPaintDevice(device);

    QTextCursor cursor(document.get());
    cursor.beginEditBlock();
    bool first = true;
    firstAddressee = -1;
    places.clear();
    for (const plecta::DocumentBlock &block : structure.blocks) {
        if (block.kind == BlockKind::Table) {
            places.emplace_back();
            insertItemTable(cursor, block.table, breaks[places.size() - 1], places.back());
            first = true; // a table leaves an empty paragraph after it: the next block takes it
            continue;
        }
        if (first)
            cursor.setBlockFormat(blockFormat(block, device));
        else
            cursor.insertBlock(blockFormat(block, device));
        first = false;
        if (block.kind == BlockKind::Addressee && firstAddressee < 0)
            firstAddressee = cursor.blockNumber();
        else if (block.kind != BlockKind::Addressee)
            firstAddressee = -1; // only a closing addressee goes to the foot
        insertParagraph(cursor, block);
    }
    cursor.endEditBlock();
    return document;
}

// The first row that runs over a page's end, as (table block, row), if any.
std::optional<std::pair<std::size_t, int>> splitRow(QTextDocument &document,
                                                    const std::vector<std::vector<RowPlace>> &places, double pageHeight)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (std::size_t t = 0; t < places.size(); ++t) {
        for (std::size_t r = 0; r < places[t].size(); ++r) {
            const RowPlace &place = places[t][r];
            // A row's first cell gives its top; the tallest cell's last paragraph its bottom.
            const double top =
                layout->blockBoundingRect(place.table->cellAt(place.row, 0).firstCursorPosition().block()).top();
            double bottom = 0;
            for (int c = 0; c < place.table->columns(); ++c)
                bottom = std::max(
                    bottom,
                    layout->blockBoundingRect(place.table->cellAt(place.row, c).lastCursorPosition().block()).bottom());
            const bool split = std::floor(top / pageHeight) != std::floor((bottom - 1) / pageHeight);
            if (split && bottom - top < pageHeight / 2 && place.row > 1)
                return std::pair(t, int(r));
        }
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<QTextDocument> typesetDocument(const plecta::StructuredDocument &structure, QPaintDevice *device,
                                               QSizeF pageSize)
{
    std::size_t tables = 0;
    for (const plecta::DocumentBlock &block : structure.blocks)
        tables += block.kind == BlockKind::Table;
    std::vector<std::set<int>> breaks(tables);
    std::vector<std::vector<RowPlace>> places;
    int firstAddressee = -1;
    std::unique_ptr<QTextDocument> document;
    // Laid out again with a new page before each row that would be split, until none is.
    for (;;) {
        document = build(structure, device, pageSize, breaks, places, firstAddressee);
        if (document->pageCount() < 2)
            break;
        const auto split = splitRow(*document, places, pageSize.height());
        if (!split)
            break;
        breaks[split->first].insert(split->second);
    }
    if (firstAddressee >= 0)
        addresseeToFoot(*document, firstAddressee, pageSize.height());
    return document;
}

} // namespace docexport
