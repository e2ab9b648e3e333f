// The merge rules of the template engine and the line-item rows, on small models made for each
// rule and on the real delivery note and order.

#include "models/TemplateEngine.h"
#include "models/DocumentModels.h"
#include "models/MemoryFieldSource.h"

#include <gtest/gtest.h>

#include <vector>

using namespace plecta;
using namespace std::string_literals;

namespace {

std::string merge(const FieldSource &fields, const std::vector<FieldName> &table, std::string_view model,
                  std::optional<RowTemplate> row = std::nullopt)
{
    std::string out = "left over";
    MergeTemplate(fields, table, model, out, row);
    return out;
}

// The rows the engine writes for a line list, alone.
std::string rows(const std::vector<std::vector<std::string>> &lines, RowTemplate row)
{
    MemoryFieldSource fields;
    fields.setLineList(kLineListId, lines);
    return merge(fields, {}, "%list%", row);
}

std::string spaces(std::size_t n)
{
    return std::string(n, ' ');
}

const std::string kBar = "\xA6"; // the column separator "¦"

MemoryField control(FieldKind kind, std::string text, std::vector<std::string> items = {})
{
    MemoryField field;
    field.kind = kind;
    field.text = std::move(text);
    field.items = std::move(items);
    return field;
}

} // namespace

TEST(TemplateEngine, PlaceholderMatchCoversTheClosingPercent)
{
    MemoryFieldSource fields;
    fields.setEdit(1, "one");
    fields.setEdit(10, "ten");
    const std::string model = "[%field1%][%field10%][%field11%][%field1%0]";
    EXPECT_EQ(merge(fields, {{"field1", 1}, {"field10", 10}}, model), "[one][ten][%field11%][one0]");
    EXPECT_EQ(merge(fields, {{"field10", 10}, {"field1", 1}}, model), "[one][ten][%field11%][one0]");
}

TEST(TemplateEngine, PlaceholdersMatchWithoutRegardToCase)
{
    MemoryFieldSource fields;
    fields.setEdit(3, "x");
    EXPECT_EQ(merge(fields, {{"field3", 3}}, "%FIELD3% %Field3% %field3%"), "x x x");
    EXPECT_EQ(merge(fields, {{"FIELD3", 3}}, "%field3%"), "x");
}

TEST(TemplateEngine, PlaceholdersOfNoUsableFieldStayAsWritten)
{
    MemoryFieldSource fields;
    fields.setEdit(8, "dead").live = false;
    fields.set(9, control(FieldKind::None, "a button"));
    fields.setEdit(10, "ten");
    const std::vector<FieldName> names = {{"mort", 8}, {"boto", 9}, {"deu", 10}, {"absent", 7}};
    EXPECT_EQ(merge(fields, names, "<%mort%|%boto%|%absent%|%deu%|%desconegut%>"),
              "<%mort%|%boto%|%absent%|ten|%desconegut%>");
    // Only letters, digits and "_" make a name: anything else leaves the "%" as text.
    EXPECT_EQ(merge(fields, names, "%de u% %deu %deu%"), "%de u% %deu ten");
}

TEST(TemplateEngine, EachFieldKindGivesItsValue)
{
    MemoryFieldSource fields;
    fields.set(1, control(FieldKind::OneLineText, "typed"));
    fields.set(2, control(FieldKind::FixedText, "label"));
    fields.set(3, control(FieldKind::Date, "dijous, 6 de setembre de 2001"));
    fields.setChoice(4,
                     {"Fax", "Tel\xE8"
                             "fon"},
                     1);
    fields.setChoice(5,
                     {"Fax", "Tel\xE8"
                             "fon"},
                     std::nullopt);
    fields.setChoice(6, {"Fax"}, 4);
    fields.set(7, control(FieldKind::LineList, "not a value"));
    fields.set(8, control(FieldKind::Choice, "typed, not picked", {"A"}));
    fields.set(9, control(FieldKind::EditableChoice, "typed into the list", {"A"}));
    fields.set(10, control(FieldKind::MultiLineText, "one\r\ntwo"));
    const std::vector<FieldName> table = {{"field1", 1}, {"field2", 2}, {"field3", 3}, {"field4", 4}, {"field5", 5},
                                          {"field6", 6}, {"field7", 7}, {"field8", 8}, {"field9", 9}, {"field10", 10}};
    EXPECT_EQ(merge(fields, table,
                    "%field1%|%field2%|%field3%|%field4%|%field5%|%field6%|%field7%|%field8%|%field9%|%field10%"),
              "typed|label|6 de setembre de 2001|Tel\xE8" // a date picker's weekday stays in the picker
              "fon|||%field7%||typed into the list|one\r\ntwo");
}

TEST(TemplateEngine, FieldContentIsNeverScannedAgain)
{
    MemoryFieldSource fields;
    fields.setEdit(1, "16% i %field2% %LIST%");
    fields.setEdit(2, "two");
    fields.setLineList(kLineListId, {{"a", "b", "c", "d"}});
    EXPECT_EQ(merge(fields, {{"field1", 1}, {"field2", 2}}, "[%field1%]", kDeliveryNoteRowTemplate),
              "[16% i %field2% %LIST%]");
}

TEST(TemplateEngine, StrayPercentSignsAreCopied)
{
    MemoryFieldSource fields;
    fields.setEdit(1, "one");
    const std::vector<FieldName> table = {{"field1", 1}};
    EXPECT_EQ(merge(fields, table, "%%field1%%"), "%one%");
    EXPECT_EQ(merge(fields, table, "50% de %field1"), "50% de %field1");
    EXPECT_EQ(merge(fields, table, "%field1%%"), "one%");
    EXPECT_EQ(merge(fields, table, "%lis"), "%lis");
}

TEST(TemplateEngine, RepeatedAndEmptyFields)
{
    MemoryFieldSource fields;
    fields.setEdit(1, "Girona");
    fields.setEdit(2, "");
    EXPECT_EQ(merge(fields, {{"field1", 1}, {"field2", 2}}, "%field1%, %field2%, %field1%."), "Girona, , Girona.");
}

TEST(TemplateEngine, TextEndsAtTheFirstNul)
{
    MemoryFieldSource fields;
    fields.setEdit(1, "one");
    EXPECT_EQ(merge(fields, {{"field1", 1}}, "a %field1%\r\n\0%field1%\0"s), "a one\r\n");
    EXPECT_EQ(merge(fields, {{"field1", 1}}, "\0"s), "");
}

TEST(TemplateEngine, ModelById)
{
    MemoryFieldSource fields;
    fields.setEdit(1042, "Nota");
    std::string out = "left over";
    MergeTemplate(fields, std::vector<FieldName>{{"text", 1042}}, 171, out);
    EXPECT_EQ(out, "\r\nNota\r\n\r\n");
    MergeTemplate(fields, std::vector<FieldName>{{"text", 1042}}, 172, out);
    EXPECT_EQ(out, "");
}

TEST(TemplateEngine, ListExpandsOnlyWithAListAndARowTemplate)
{
    MemoryFieldSource fields;
    EXPECT_EQ(merge(fields, {}, "[%list%]", kOrderRowTemplate), "[]"); // no line list
    fields.setLineList(kLineListId, {{"1", "2", "3", "4", "5"}});
    EXPECT_EQ(merge(fields, {}, "[%list%]"), "[]");                     // no row template
    EXPECT_EQ(merge(fields, {}, "[%LIST%]", "%4%|\r\n"), "[5  |\r\n]"); // any letter case
    fields.field(kLineListId)->live = false;
    EXPECT_EQ(merge(fields, {}, "[%list%]", kOrderRowTemplate), "[]");
    fields.setLineList(kLineListId, {});
    EXPECT_EQ(merge(fields, {}, "[%list%]", kOrderRowTemplate), "[]");
}

TEST(RowTemplate, ShortValuesArePaddedToThreeCharacters)
{
    // The delivery note's example row: 3, Cadira, 25, 75.
    const std::string expected = kBar + " 3  " + spaces(5) + kBar + "   Cadira" + spaces(28) + kBar + " 25 " +
                                 spaces(10) + kBar + "    75 " + spaces(5) + kBar + "\r\n";
    EXPECT_EQ(rows({{"3", "Cadira", "25", "75"}}, kDeliveryNoteRowTemplate), expected);
    EXPECT_EQ(expected.size(), kDeliveryNoteRowTemplate.size());

    EXPECT_EQ(rows({{"", "ab", "x"}}, "%0%|%1%|%2%|%3%|\r\n"), "   |ab |x  |   |\r\n");
    // A "%" that begins no marker is an ordinary character.
    EXPECT_EQ(rows({{"a", "b"}}, "%1%%x%%"), "b  %x%%");
}

TEST(RowTemplate, RowsComeOutInListOrder)
{
    EXPECT_EQ(rows({{"c"}, {"b"}, {"a"}}, "%0%\r\n"), "c  \r\nb  \r\na  \r\n");
}

TEST(RowTemplate, ValueFillingItsFieldKeepsTheSeparatorsInPlace)
{
    const std::string concept34(34, 'x');
    const std::string row = rows({{"1", concept34, "2", "3"}}, kDeliveryNoteRowTemplate);
    const std::string expected = kBar + " 1  " + spaces(5) + kBar + "   " + concept34 + kBar + " 2  " + spaces(10) +
                                 kBar + "    3  " + spaces(5) + kBar + "\r\n";
    EXPECT_EQ(row, expected);
}

TEST(RowTemplate, LongerValuePushesTheRestOfItsRowRight)
{
    const std::string concept35 = "Cadira de despatx girat\xF2ria negra 5";
    ASSERT_EQ(concept35.size(), 35u);
    EXPECT_EQ(rows({{"1", concept35, "2", "3"}}, kDeliveryNoteRowTemplate),
              kBar + " 1  " + spaces(5) + kBar + "   " + concept35 + kBar + " 2  " + spaces(10) + kBar + "    3  " +
                  spaces(5) + kBar + "\r\n");

    // A value longer than the spaces after its marker meets the separator at once.
    EXPECT_EQ(rows({{"1234567"}}, "|%0%  |\r\n"), "|1234567|\r\n");
    EXPECT_EQ(rows({{"abcd", "ef"}}, "%0%%1%\r\n"), "abcdef \r\n");
}

TEST(RowTemplate, OrderKeepsEveryColumnOfAnOverlongLine)
{
    const std::string description = "Paper DIN A4 blanc de 80 g, capsa de 500";
    ASSERT_EQ(description.size(), 40u);
    const std::string import = "1.234.567,89 EUR";
    MemoryFieldSource fields;
    fields.setLineList(kLineListId,
                       {{"REF-001", description, "12", "3,50", "42,00"}, {"REF-002", "Grapes", "2", "1,20", import}});
    std::string document;
    MergeTemplate(fields, std::vector<FieldName>{}, 182, document, kOrderRowTemplate);

    const std::string closing = "+----------+---------------------------------+-------+----------+-----------" + kBar;
    const std::string expected = "\r\n" + kBar + " REF-001  " + kBar + " " + description + kBar + " 12    " + kBar +
                                 " 3,50     " + kBar + " 42,00    " + kBar + "\r\n" //
                                 + kBar + " REF-002  " + kBar + " Grapes" + spaces(26) + kBar + " 2     " + kBar +
                                 " 1,20     " + kBar + " " + import + kBar + "\r\n" + closing + "\r\n";
    EXPECT_NE(document.find(closing + expected), std::string::npos) << document;
}
