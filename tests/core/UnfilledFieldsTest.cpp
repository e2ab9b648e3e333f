// What a document still lacks before it leaves: placeholders and choice labels, named in order.
#include "FormTestSupport.h"

#include "forms/FormDescription.h"
#include "models/UnfilledFields.h"

#include <gtest/gtest.h>

namespace {

using formtest::cp;

std::vector<std::string> names(std::string_view utf8Document)
{
    std::vector<std::string> out;
    for (const plecta::UnfilledField &field : plecta::unfilledFields(cp(utf8Document)))
        out.push_back(cp1252::toUtf8(field.name));
    return out;
}

TEST(UnfilledFields, NamesWhatIsLeftOnceInDocumentOrder)
{
    struct Case
    {
        const char *document;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"Horari: <HORARI>\r\nSignat: <NOM i COGNOMS>\r\nCàrrec\r\n<NOM i COGNOMS>\r\n",
         {"HORARI", "NOM i COGNOMS", "CÀRREC"}},
        {"Càrrec: ningú ha triat; <DIA>", {"CÀRREC", "DIA"}},
        // Named up to its comma; the label inside is that placeholder's word, not a choice left.
        {"<NOM i COGNOMS, (Càrrec)> <NOM i COGNOMS>", {"NOM i COGNOMS"}},
        {"<ÒRGAN> i <CÀRREC/EMPRESA DEL DESTINATARI>", {"ÒRGAN", "CÀRREC/EMPRESA DEL DESTINATARI"}},
        // Not placeholders: an address, a comparison, a user's own angle brackets, a broken line.
        {"Escriviu a <maria@puig.cat> si 3 < 4 i 5 > 2; <Maria>; <NOM\r\nCOGNOMS>; <A>", {}},
        // Not a label: a word that only begins with it, or the office written out.
        {"Càrrecs i encàrrecs; la presidenta", {}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(names(c.document), c.names) << c.document;

    const auto twice = plecta::unfilledFields(cp("<NOM> i <NOM>, Càrrec i Càrrec"));
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_EQ(twice[0].occurrences, 2);
    EXPECT_EQ(twice[1].occurrences, 2);
    EXPECT_EQ(twice[0].position, 0u);
}

// A box whose whole text is one placeholder shows it as a greyed hint.
TEST(UnfilledFields, AWholePlaceholderIsAHint)
{
    for (const char *text :
         {"<NOM i COGNOMS>", "<NOM i COGNOMS, (Càrrec)>", "<CÀRREC/EMPRESA DEL DESTINATARI>", "<DNI/NIE>"})
        EXPECT_TRUE(plecta::isPlaceholder(cp(text))) << text;
    for (const char *text :
         {"", "<>", "<A>", "<maria@puig.cat>", "Sr. <NOM>", "<NOM> i <COGNOMS>", "<NOM\r\nX>", "Càrrec", "<NOM"})
        EXPECT_FALSE(plecta::isPlaceholder(cp(text))) << text;
}

TEST(UnfilledFields, TheMessageCountsAndNamesThem)
{
    EXPECT_EQ(plecta::unfilledFieldsMessage({}), "");
    EXPECT_EQ(cp1252::toUtf8(plecta::unfilledFieldsMessage(plecta::unfilledFields(cp("<HORARI>")))),
              "Queda 1 camp per omplir: HORARI");
    EXPECT_EQ(cp1252::toUtf8(plecta::unfilledFieldsMessage(
                  plecta::unfilledFields(cp("<HORARI> <NOM i COGNOMS> Càrrec <NOM i COGNOMS>")))),
              "Queden 3 camps per omplir: HORARI, NOM i COGNOMS, CÀRREC");
}

// Every kind left as it starts has something to fill; what is named stands in its document.
TEST(UnfilledFields, EveryUntouchedFormHasFieldsLeft)
{
    for (int id = 160; id <= 190; ++id) {
        const forms::FormDef *form = forms::formByLayoutId(id);
        if (!form)
            continue;
        const std::string document = formtest::untouched(*form, std::chrono::year{2024} / 3 / 15);
        const auto fields = plecta::unfilledFields(document);
        EXPECT_FALSE(fields.empty()) << id;
        for (const plecta::UnfilledField &field : fields) {
            const bool placeholder = document.compare(field.position, field.name.size() + 1, "<" + field.name) == 0;
            const bool label = field.name == cp("CÀRREC") && document.compare(field.position, 6, cp("Càrrec")) == 0;
            EXPECT_TRUE(placeholder || label) << id << " " << cp1252::toUtf8(field.name);
        }
    }
}

} // namespace
