#include "models/LineTable.h"

#include "models/TemplateEngine.h"

namespace plecta {
namespace {

constexpr std::string_view kEuro = " \x80";
constexpr std::size_t kTotalsLabelWidth = 16;
constexpr std::size_t kTotalsAmountWidth = 16;

bool hasAmounts(const LineTable &table)
{
    return table.quantityColumn >= 0 && table.priceColumn >= 0 && table.amountColumn >= 0;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\xA0") == std::string_view::npos;
}

std::string_view cell(std::span<const std::string> cells, int column)
{
    return column >= 0 && std::size_t(column) < cells.size() ? std::string_view(cells[std::size_t(column)])
                                                             : std::string_view();
}

std::vector<std::string> rowCells(const FieldSource &fields, int row, std::size_t columns)
{
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < columns; ++c)
        cells.push_back(fields.cellText(kLineListId, row, int(c)));
    return cells;
}

std::size_t columnCount(const LineTable &table)
{
    return std::max<std::size_t>(table.headings.size(), std::size_t(std::max(table.amountColumn, 0) + 1));
}

// The line's amount: the one written, else quantity × price; nothing when neither is a number.
std::optional<money::Cents> amountOf(const LineTable &table, std::span<const std::string> cells)
{
    const std::string_view written = cell(cells, table.amountColumn);
    if (!isBlank(written))
        return money::readAmount(written).value;
    const auto quantity = money::readQuantity(cell(cells, table.quantityColumn)).value;
    const auto price = money::readAmount(cell(cells, table.priceColumn)).value;
    if (!quantity || !price)
        return std::nullopt;
    return money::lineAmount(*quantity, *price);
}

std::string heading(const LineTable &table, int column)
{
    if (column >= 0 && std::size_t(column) < table.headings.size())
        return std::string(table.headings[std::size_t(column)]);
    return "columna " + std::to_string(column + 1);
}

} // namespace

std::vector<std::string> documentCells(const FieldSource &fields, const LineTable &table, int row)
{
    std::vector<std::string> cells = rowCells(fields, row, columnCount(table));
    if (hasAmounts(table) && isBlank(cells[std::size_t(table.amountColumn)])) {
        if (const auto amount = amountOf(table, cells))
            cells[std::size_t(table.amountColumn)] = money::formatAmount(*amount);
    }
    return cells;
}

std::vector<TotalsLine> lineTotals(const FieldSource &fields, const LineTable &table)
{
    const int rows = fields.hasField(kLineListId) ? fields.rowCount(kLineListId) : 0;
    if (!hasAmounts(table) || rows == 0)
        return {};
    money::Cents base = 0;
    for (int r = 0; r < rows; ++r) {
        const auto amount = amountOf(table, rowCells(fields, r, columnCount(table)));
        if (!amount || base + *amount > money::kLargestAmount)
            return {};
        base += *amount;
    }
    std::vector<TotalsLine> lines{{"Base imposable", money::formatAmount(base) + std::string(kEuro)}};
    std::optional<int> rate = kGeneralVatRate;
    if (table.rateFieldId != 0) {
        const std::optional<std::string> written = fieldContent(fields, table.rateFieldId);
        rate = written ? money::readVatRate(*written) : std::nullopt;
    }
    if (!rate)
        return lines;
    const money::Cents vat = money::vatOf(base, *rate);
    lines.push_back({*rate == 0 ? std::string("Exempt d'IVA") : "IVA " + money::formatVatRate(*rate),
                     money::formatAmount(vat) + std::string(kEuro)});
    lines.push_back({"Total", money::formatAmount(base + vat) + std::string(kEuro)});
    return lines;
}

std::string totalsText(const FieldSource &fields, const LineTable &table)
{
    const std::size_t width = table.rowTemplate.size() >= 2 ? table.rowTemplate.size() - 2 : 0;
    std::string out;
    for (const TotalsLine &line : lineTotals(fields, table)) {
        std::string text = line.label;
        text.append(kTotalsLabelWidth > text.size() ? kTotalsLabelWidth - text.size() : 1, ' ');
        text.append(kTotalsAmountWidth > line.amount.size() ? kTotalsAmountWidth - line.amount.size() : 0, ' ');
        text += line.amount;
        out.append(width > text.size() ? width - text.size() : 0, ' ');
        out += text + "\r\n";
    }
    return out;
}

LineCheck checkLine(const LineTable &table, std::span<const std::string> cells, bool amountMustAgree)
{
    LineCheck check;
    if (!hasAmounts(table))
        return check;
    const auto refuse = [&](int column, const std::string &why) {
        check.problem = heading(table, column) + " \xAB" + std::string(cell(cells, column)) + "\xBB: " + why;
        return check;
    };
    const std::string_view quantityText = cell(cells, table.quantityColumn);
    const std::string_view priceText = cell(cells, table.priceColumn);
    const std::string_view amountText = cell(cells, table.amountColumn);
    std::optional<money::Thousandths> quantity;
    std::optional<money::Cents> price;
    if (!isBlank(quantityText)) {
        const auto reading = money::readQuantity(quantityText);
        if (!reading.value)
            return refuse(table.quantityColumn, reading.whyNot);
        quantity = reading.value;
    }
    if (!isBlank(priceText)) {
        const auto reading = money::readAmount(priceText);
        if (!reading.value)
            return refuse(table.priceColumn, reading.whyNot);
        price = reading.value;
    }
    if (quantity && price) {
        check.computedAmount = money::lineAmount(*quantity, *price);
        if (!check.computedAmount)
            return refuse(table.amountColumn, "import massa gran: el m\xE0xim \xE9s 999.999.999,99");
    }
    if (!isBlank(amountText)) {
        const auto reading = money::readAmount(amountText);
        if (!reading.value)
            return refuse(table.amountColumn, reading.whyNot);
        if (amountMustAgree && check.computedAmount && *reading.value != *check.computedAmount)
            return refuse(table.amountColumn,
                          "no \xE9s quantitat \xD7 preu (" + money::formatAmount(*check.computedAmount) + ")");
    }
    return check;
}

} // namespace plecta
