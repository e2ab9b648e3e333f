// Saved forms: what is written reads back the same, whatever the values hold, and a file that is
// damaged or not a saved form is refused with a message that says where.

#include "forms/SavedForm.h"
#include "forms/Json.h"

#include <gtest/gtest.h>

namespace {

forms::SavedForm sample()
{
    return {.kindName = "Albarà",
            .kindNumber = 170,
            .model = "B",
            .values = {{"nom", "Maria \"la Puig\" i Soler"},
                       {"adreca", "C/ Major, 1\nsegona línia\n\ttabulada"},
                       {"camí", "C:\\carpeta\\fitxer €, ŀ, 😀"},
                       {"buit", ""},
                       {"control", std::string("a\x01"
                                               "b\x7f",
                                               4)}},
            .lines = {{"3", "Cadira | plegable", "25"}, {"", "", ""}}};
}

std::string readError(std::string_view bytes)
{
    const forms::SavedFormRead read = forms::readSavedForm(bytes);
    EXPECT_FALSE(read.form.has_value()) << bytes;
    return read.error;
}

const std::string kHead =
    R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "Carta", "numero": 161}, )";

} // namespace

TEST(SavedForm, WhatIsWrittenReadsBackTheSame)
{
    const std::string bytes = forms::writeSavedForm(sample());
    const forms::SavedFormRead read = forms::readSavedForm(bytes);
    ASSERT_TRUE(read.form.has_value()) << read.error << "\n" << bytes;
    EXPECT_EQ(*read.form, sample());

    // Readable by a person: one field a line, line breaks escaped, letters as they are.
    EXPECT_NE(bytes.find("\n    \"adreca\": \"C/ Major, 1\\nsegona línia\\n\\ttabulada\",\n"), std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find(R"("nom": "Maria \"la Puig\" i Soler")"), std::string::npos);
    EXPECT_NE(bytes.find(R"("control": "a\u0001b\u007f")"), std::string::npos);

    // A form without lines or model writes neither, and an empty one still reads.
    forms::SavedForm empty;
    empty.kindName = "Carta";
    empty.kindNumber = 161;
    const std::string emptyBytes = forms::writeSavedForm(empty);
    EXPECT_EQ(emptyBytes.find("linies"), std::string::npos);
    EXPECT_EQ(emptyBytes.find("model"), std::string::npos);
    EXPECT_EQ(forms::readSavedForm(emptyBytes).form, empty);
}

TEST(SavedForm, ReadsWhatAnotherProgramWrites)
{
    // Compact, escaped otherwise, keys in another order, after a byte-order mark as Windows
    // editors write one.
    const auto form =
        forms::readSavedForm("\xEF\xBB\xBF" + std::string(R"({"camps":{"nom":"\u00c0ngel \ud83d\ude00\/"},"versio":1,)"
                                                          R"("document":{"numero":161,"nom":"Carta"},)"
                                                          R"("format":"plecta-formulari"})"));
    ASSERT_TRUE(form.form.has_value()) << form.error;
    EXPECT_EQ(form.form->kindNumber, 161);
    ASSERT_EQ(form.form->values.size(), 1u);
    EXPECT_EQ(form.form->values[0].second, "Àngel 😀/");
}

// A damaged file is refused with the byte offset where reading stopped.
TEST(SavedForm, DamagedFilesNameTheByteOffset)
{
    const struct
    {
        std::string bytes;
        std::string mentions;
    } cases[] = {
        {"", "octet 0: el fitxer s'acaba"},
        {kHead + R"("camps": {"nom": "Maria)", "octet " + std::to_string(kHead.size() + 23) + ": un text"},
        {kHead + R"("camps": {"nom" "Maria"}})", "octet " + std::to_string(kHead.size() + 16) + ": s'esperava «:»"},
        {kHead + "\"camps\": {\"nom\": \"a\xFF\"}}", "octet " + std::to_string(kHead.size() + 19) + ": hi ha bytes"},
        {kHead + "\"camps\": {\"nom\": \"a\nb\"}}", "octet " + std::to_string(kHead.size() + 19) + ": un text"},
        {kHead + R"("camps": {"nom": "\ud83d"}})",
         "octet " + std::to_string(kHead.size() + 18) + ": una seqüència \\u"},
        {kHead + R"("camps": {"nom": "\x41"}})", "octet " + std::to_string(kHead.size() + 18)},
        {kHead + R"("camps": {"nom": "a", "nom": "b"}})",
         "octet " + std::to_string(kHead.size() + 22) + ": la clau «nom»"},
        {kHead + R"("camps": {}} x)", "octet " + std::to_string(kHead.size() + 13) + ": hi ha més text"},
        {"01", "octet 1: hi ha més text"},
        {std::string(100, '[') + std::string(100, ']'), "massa nivells"},
    };
    for (const auto &c : cases)
        EXPECT_NE(readError(c.bytes).find(c.mentions), std::string::npos) << c.bytes << "\n" << readError(c.bytes);
}

// Valid JSON that is no saved form, or one this program is too old to read.
TEST(SavedForm, FilesOfAnotherShapeAreRefusedByWhatIsWrong)
{
    const struct
    {
        std::string bytes;
        std::string mentions;
    } cases[] = {
        {"[]", "objecte JSON"},
        {R"({"format": "altre", "versio": 1})", "el format és «altre»"},
        {R"({"format": "plecta-formulari", "versio": 2, "camps": {}})", "versió 2 del format, més nova"},
        {R"({"format": "plecta-formulari", "versio": 1.5})", "«versio» hauria de ser un nombre enter"},
        {R"({"format": "plecta-formulari", "versio": 1, "camps": {}})", "hi falta «document»"},
        {kHead + R"("camps": {}, "finestra": 3})", "la clau «finestra»"},
        {kHead + R"("camps": {"data": 2024}})", "el camp «data» hauria de tenir un text"},
        {kHead + R"("camps": {}, "linies": [["a", 1]]})", "la línia 1 hauria de tenir només textos"},
        {kHead + R"("camps": {}, "linies": ["a|b"]})", "la línia 1 hauria de ser una llista"},
        {kHead + R"("camps": {}, "model": "C"})", "«A» o «B»"},
    };
    for (const auto &c : cases)
        EXPECT_NE(readError(c.bytes).find(c.mentions), std::string::npos) << c.bytes << "\n" << readError(c.bytes);
}
