// Exact money: reading the Catalan way, refusing what is not an amount, line amounts and totals.

#include "models/DocumentModels.h"
#include "models/LineTable.h"
#include "models/MemoryFieldSource.h"
#include "models/TemplateEngine.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

using namespace money;
using plecta::LineTable;
using plecta::MemoryFieldSource;

namespace {

std::string utf8(const std::string &cp1252Text)
{
    return cp1252::toUtf8(cp1252Text);
}

TEST(Money, ReadsAmountsAsCataloniaWritesThem)
{
    const struct
    {
        const char *text;
        Cents cents;
    } cases[] = {
        {"25", 2500},
        {"25,5", 2550},
        {"0,10", 10},
        {"1.234,56", 123456},
        {" 7,00 \x80", 700},
        {"1.234.567", 123456700},
        {"999.999.999,99", 99'999'999'999},
        {"007", 700},
    };
    for (const auto &c : cases) {
        const auto reading = readAmount(c.text);
        ASSERT_TRUE(reading.value) << c.text << ": " << reading.whyNot;
        EXPECT_EQ(*reading.value, c.cents) << c.text;
    }
}

TEST(Money, RefusesWhatIsNoAmountWithTheReason)
{
    const struct
    {
        const char *text;
        const char *reason; // a piece of the Catalan message, UTF-8
    } cases[] = {
        {"3,2,1", "no és un nombre"},    {"1e9", "no és un nombre"},
        {"12.34", "no és un nombre"},    {"", "no és un nombre"},
        {"1.2345", "no és un nombre"},   {",5", "no és un nombre"},
        {"-1", "no pot ser negatiu"},    {"1,234", "massa decimals"},
        {"1.000.000.000", "massa gran"}, {"999.999.999,991", "massa decimals"},
        {"9999999999", "massa gran"},
    };
    for (const auto &c : cases) {
        const auto reading = readAmount(c.text);
        EXPECT_FALSE(reading.value) << c.text;
        EXPECT_NE(utf8(reading.whyNot).find(c.reason), std::string::npos) << c.text << ": " << utf8(reading.whyNot);
    }
    EXPECT_EQ(*readQuantity("0,250").value, 250);
    EXPECT_FALSE(readQuantity("0,2501").value);
}

TEST(Money, MultipliesExactlyAndFormatsInCatalan)
{
    EXPECT_EQ(lineAmount(3'000, 10), 30);   // 0,10 × 3 = 0,30, not 0,30000000000000004
    EXPECT_EQ(lineAmount(1'500, 333), 500); // 1,5 × 3,33 = 4,995 → 5,00 (half up)
    EXPECT_EQ(lineAmount(1'000, kLargestAmount), kLargestAmount);
    EXPECT_FALSE(lineAmount(2'000, kLargestAmount));
    EXPECT_EQ(vatOf(19500, 21'00), 4095);
    EXPECT_EQ(vatOf(5, 21'00), 1); // 0,0105 → 0,01
    EXPECT_EQ(formatAmount(123456), "1.234,56");
    EXPECT_EQ(formatAmount(5), "0,05");
    EXPECT_EQ(formatAmount(kLargestAmount), "999.999.999,99");
    EXPECT_EQ(readVatRate("21 %"), 21'00);
    EXPECT_EQ(readVatRate("16%"), 16'00);
    EXPECT_EQ(readVatRate("5,5 %"), 5'50);
    EXPECT_EQ(readVatRate("exempt"), 0);
    EXPECT_FALSE(readVatRate("<TIPUS>"));
    EXPECT_FALSE(readVatRate("150 %"));
    EXPECT_EQ(formatVatRate(21'00), "21 %");
    EXPECT_EQ(formatVatRate(5'50), "5,5 %");
}

const std::vector<std::string> kHeadings{"Refer\xE8ncia", "Descripci\xF3", "Quant.", "Preu unit.", "Import"};

LineTable orderTable(int rateField = 7)
{
    return LineTable("\xA6 %0% \xA6 %1% \xA6 %2% \xA6 %3% \xA6 %4% \xA6\r\n", kHeadings, 2, 3, 4, rateField);
}

TEST(LineTotals, ComputesAmountsBaseVatAndTotal)
{
    MemoryFieldSource fields;
    fields.setLineList(plecta::kLineListId,
                       {{"R-1", "Cadira de roure", "3", "25,00", ""}, {"R-2", "Taula", "1", "120,00", ""}});
    fields.setChoice(7, {"10 %", "21 %", "4 %", "exempt"}, 1);
    EXPECT_EQ(plecta::documentCells(fields, orderTable(), 0)[4], "75,00");
    EXPECT_EQ(plecta::documentCells(fields, orderTable(), 1)[4], "120,00");
    const auto totals = plecta::lineTotals(fields, orderTable());
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(totals[0].label + " " + totals[0].amount, "Base imposable 195,00 \x80");
    EXPECT_EQ(totals[1].label + " " + totals[1].amount, "IVA 21 % 40,95 \x80");
    EXPECT_EQ(totals[2].label + " " + totals[2].amount, "Total 235,95 \x80");

    // An amount the user wrote is theirs; the exempt rate gives no VAT.
    fields.field(plecta::kLineListId)->rows[1][4] = "100";
    fields.field(7)->selected = 3;
    const auto exempt = plecta::lineTotals(fields, orderTable());
    ASSERT_EQ(exempt.size(), 3u);
    EXPECT_EQ(exempt[0].amount, "175,00 \x80");
    EXPECT_EQ(exempt[1].label + " " + exempt[1].amount, "Exempt d'IVA 0,00 \x80");

    // A rate that is no number leaves the base alone; a line that is no number, no totals.
    fields.setEdit(7, "<TIPUS>");
    EXPECT_EQ(plecta::lineTotals(fields, orderTable()).size(), 1u);
    fields.field(plecta::kLineListId)->rows[0][2] = "tres";
    EXPECT_TRUE(plecta::lineTotals(fields, orderTable()).empty());
    EXPECT_EQ(plecta::documentCells(fields, orderTable(), 0)[4], "");
}

TEST(LineTotals, CheckNamesTheColumnAndRefusesADisagreeingAmount)
{
    const auto check = [](std::vector<std::string> cells, bool mustAgree) {
        return plecta::checkLine(orderTable(), cells, mustAgree);
    };
    EXPECT_EQ(*check({"R-1", "Cadira", "3", "25,00", ""}, true).computedAmount, 7500);
    EXPECT_FALSE(check({"R-1", "Cadira", "3", "25,00", "75"}, true).problem);
    EXPECT_FALSE(check({"R-1", "Cadira", "3", "25,00", "70"}, false).problem);
    EXPECT_EQ(utf8(check({"R-1", "Cadira", "3", "25,00", "70"}, true).problem.value_or("")),
              "Import «70»: no és quantitat × preu (75,00)");
    EXPECT_EQ(utf8(check({"R-1", "Cadira", "3,2,1", "25", ""}, true).problem.value_or(""))
                  .find("Quant. «3,2,1»: no és un nombre"),
              0u);
    EXPECT_NE(utf8(check({"R-1", "Cadira", "1", "-1", ""}, true).problem.value_or("")).find("Preu unit."),
              std::string::npos);
    EXPECT_NE(utf8(check({"R", "C", "1.000", "999.999.999", ""}, true).problem.value_or("")).find("massa gran"),
              std::string::npos);
}

TEST(LineTotals, TextTotalsStandUnderTheTableRightAligned)
{
    MemoryFieldSource fields;
    fields.setLineList(plecta::kLineListId, {{"R-1", "Cadira", "3", "25,00", ""}});
    fields.setEdit(7, "21 %");
    const LineTable table(plecta::kOrderRowTemplate, kHeadings, 2, 3, 4, 7);
    std::string rows, out;
    plecta::MergeTemplate(fields, {}, "%list%", rows, table);
    EXPECT_NE(rows.find("75,00"), std::string::npos);
    plecta::MergeTemplate(fields, {}, "%list%--\r\n%totals%.", out, table);
    const std::size_t width = plecta::kOrderRowTemplate.size() - 2;
    const auto line = [&](std::string text) { return std::string(width - text.size(), ' ') + text + "\r\n"; };
    EXPECT_EQ(out, rows + "--\r\n" + line("Base imposable           75,00 \x80") +
                       line("IVA 21 %                 15,75 \x80") + line("Total                    90,75 \x80") + ".");
    // No lines, no totals.
    fields.setLineList(plecta::kLineListId, {});
    plecta::MergeTemplate(fields, {}, "%list%--\r\n%totals%.", out, table);
    EXPECT_EQ(out, "--\r\n.");
}

} // namespace
