#pragma once
// The line items of the delivery note and the order as the documents show them: each line's
// amount (quantity × unit price unless the user wrote another) and, under the table, the taxable
// base, the VAT at the form's rate and the total. Exact decimals (Money.h); texts Windows-1252.

#include "models/FieldSource.h"
#include "models/Money.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plecta {

// One table row of the line list in the text output: a line ending with CR LF, with the column
// markers "%0%" to "%9%". A "%" that does not begin such a marker is an ordinary character.
using RowTemplate = std::string_view;

// How a form's line list becomes a table. A column number below 0 means the form has none.
struct LineTable
{
    LineTable(RowTemplate row = {}) : rowTemplate(row) {}
    LineTable(RowTemplate row, std::vector<std::string> columnHeadings, int quantity, int price, int amount,
              int rateField)
        : rowTemplate(row), headings(std::move(columnHeadings)), quantityColumn(quantity), priceColumn(price),
          amountColumn(amount), rateFieldId(rateField)
    {}

    RowTemplate rowTemplate;
    std::vector<std::string> headings; // Windows-1252, one per column
    int quantityColumn = -1;
    int priceColumn = -1;
    int amountColumn = -1;
    int rateFieldId = 0; // the field that holds the VAT rate; 0: the general rate
};

// The rate forms without a field of their own use: the general rate, 21 %.
inline constexpr int kGeneralVatRate = 21'00;

// The cells of one line as the documents show them: the amount filled in (as "75,00") where the
// user left it empty and the quantity and price are numbers.
std::vector<std::string> documentCells(const FieldSource &fields, const LineTable &table, int row);

// A line of the totals under the table: "Base imposable", "IVA 21 %", "Total" and the sum.
struct TotalsLine
{
    std::string label;
    std::string amount; // "1.234,56 €"
};

// The totals of the line list; none when it has no lines or a line's amount is not a number.
// Without a readable rate only the base is given.
std::vector<TotalsLine> lineTotals(const FieldSource &fields, const LineTable &table);

// The totals as text lines (CR LF), right-aligned to the width of the row template.
std::string totalsText(const FieldSource &fields, const LineTable &table);

// Checks one line as the user gives it. Each message names the column (its heading) and says what
// is wrong, in Catalan (Windows-1252); an amount that differs from quantity × price is refused
// only when `amountMustAgree`.
struct LineCheck
{
    std::optional<std::string> problem;
    std::optional<money::Cents> computedAmount;
};
LineCheck checkLine(const LineTable &table, std::span<const std::string> cells, bool amountMustAgree);

} // namespace plecta
