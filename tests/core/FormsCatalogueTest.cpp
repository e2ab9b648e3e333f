// The two catalogues of document kinds and their descriptions.

#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string_view>
#include <vector>

using namespace forms;

namespace {

// Headings each followed by at least one kind; every kind under a heading; marker at the end.
void expectWellFormed(const DocListEntry *catalogue, std::size_t kinds)
{
    const auto rows = catalogueRows(catalogue);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().level, 0);
    EXPECT_TRUE(catalogue[rows.size()].name.empty());
    std::size_t kindCount = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DocListEntry &row = rows[i];
        if (row.level == 0) {
            EXPECT_EQ(row.formId, 0);
            EXPECT_EQ(row.position, 0);
            EXPECT_TRUE(row.description.empty());
            ASSERT_LT(i + 1, rows.size());
            EXPECT_EQ(rows[i + 1].level, 1) << row.name << " has no kinds";
        } else {
            ++kindCount;
            EXPECT_NE(row.formId, 0);
            EXPECT_FALSE(row.description.empty()) << row.name;
        }
    }
    EXPECT_EQ(kindCount, kinds);
}

} // namespace

TEST(FormsCatalogue, CommercialKindsAndTheirForms)
{
    expectWellFormed(g_tcDocList, 12);
    const auto rows = catalogueRows(g_tcDocList);
    EXPECT_EQ(rows[0].name, "Actes i certificats");
    EXPECT_EQ(rows[1].name, "acta de reunió");

    // Kind, layout, position in its group and the form class that fills it.
    const struct
    {
        std::string_view name;
        int formId;
        int position;
        std::string_view form;
    } expected[] = {
        {"acta de reunió", 160, 1, "minutesForm"},
        {"certificat", 161, 2, "certificateForm"},
        {"convocatòria de reunió", 162, 1, "meetingNoticeForm"},
        {"invitació", 163, 2, "invitationForm"},
        {"comunicat de premsa", 164, 1, "pressReleaseForm"},
        {"comunicat intern individual", 175, 2, "memoToOnePersonForm"},
        {"comunicat intern col·lectiu", 176, 3, "memoToStaffForm"},
        {"carta", 177, 1, "letterForm"},
        {"saluda", 178, 2, "salutationForm"},
        {"albarà", 179, 1, "deliveryNoteForm"},
        {"comanda", 181, 2, "orderForm"},
        {"pressupost", 198, 3, "quoteForm"},
    };
    std::size_t next = 0;
    for (const DocListEntry &row : rows) {
        if (row.level == 0)
            continue;
        ASSERT_LT(next, std::size(expected));
        EXPECT_EQ(row.name, expected[next].name);
        EXPECT_EQ(row.formId, expected[next].formId);
        EXPECT_EQ(row.position, expected[next].position);
        const FormDef *form = formByLayoutId(row.formId);
        ASSERT_NE(form, nullptr) << row.name;
        EXPECT_EQ(form->objectName, expected[next].form);
        ++next;
    }
}

TEST(FormsCatalogue, PublicAdministrationKinds)
{
    expectWellFormed(g_apDocList, 17);
    const auto rows = catalogueRows(g_apDocList);
    EXPECT_EQ(rows[0].name, "Documentació que inicia el procediment");
    EXPECT_EQ(rows[1].name, "sol·licitud - Model A");
    std::set<int> ids;
    for (const DocListEntry &row : rows) {
        if (row.level == 1) {
            EXPECT_EQ(row.position, 1) << row.name;
            ids.insert(row.formId);
        }
    }
    EXPECT_EQ(ids,
              (std::set<int>{165, 166, 173, 174, 185, 186, 187, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197}));
    EXPECT_EQ(rows.back().name, "reclamació davant la Comissió de Garantia del Dret d'Accés a la Informació Pública");
}

// One table of texts serves both catalogues; only the two application models share a text.
TEST(FormsCatalogue, DescriptionsAreSharedFromOneTable)
{
    const auto texts = docDescriptions();
    std::set<const char *> owners;
    for (std::string_view text : texts)
        owners.insert(text.data());
    auto fromTable = [&](std::string_view description) { return owners.contains(description.data()); };

    std::map<std::string_view, std::string_view> byName;
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList}) {
        for (const DocListEntry &row : catalogueRows(catalogue)) {
            if (row.level == 1) {
                EXPECT_TRUE(fromTable(row.description)) << row.name;
                byName[row.name] = row.description;
            }
        }
    }
    EXPECT_EQ(byName.size(), 29u);
    EXPECT_EQ(texts.size(), 28u);
    EXPECT_EQ(byName["sol·licitud - Model A"].data(), byName["sol·licitud - Model B"].data());
    EXPECT_NE(byName["albarà"], byName["saluda"]);
    EXPECT_NE(byName["albarà"].find("lliura"), std::string_view::npos);
    // Texts keep their tabs as written; words once run together stand apart.
    EXPECT_NE(byName["comunicat de premsa"].find("no té\tcap"), std::string_view::npos);
    EXPECT_NE(byName["al·legació"].find("les al·legacions"), std::string_view::npos);
    EXPECT_TRUE(byName["comunicat intern col·lectiu"].ends_with("diversos receptors."));
    // The two appeals as the law has them: what each is against, before whom, and its articles.
    EXPECT_NE(byName["recurs d'alçada"].find("que no posen fi a la via administrativa"), std::string_view::npos);
    EXPECT_NE(byName["recurs d'alçada"].find("(articles 121 i 122 de la Llei 39/2015)"), std::string_view::npos);
    EXPECT_NE(byName["recurs potestatiu de reposició"].find("només contra els actes que posen fi"),
              std::string_view::npos);
    EXPECT_NE(byName["recurs potestatiu de reposició"].find("davant el mateix òrgan"), std::string_view::npos);
    EXPECT_NE(byName["recurs potestatiu de reposició"].find("(articles 123 i 124 de la Llei 39/2015)"),
              std::string_view::npos);
    for (const auto &[name, text] : byName)
        EXPECT_EQ(text.find("administrat "), std::string_view::npos) << name << ": la persona interessada";
    // Headings are names, with no hyphen standing for a dash.
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList})
        for (const DocListEntry &row : catalogueRows(catalogue)) {
            if (row.level == 0) {
                EXPECT_EQ(std::string_view(row.name).find(" - "), std::string_view::npos) << row.name;
            }
        }
}

// Every text a form or a catalogue shows: labels, initial texts, choice items, column headings,
// the line-item dialogs' labels, kind names and descriptions (UTF-8, as the forms hold them).
TEST(FormsCatalogue, EveryTextCitesTheLawInForceAndWritesTheGeminatedLWithTheMiddleDot)
{
    std::vector<std::string_view> texts;
    for (const FormDef *form : allForms()) {
        for (const Item &item : form->items) {
            texts.push_back(item.text);
            texts.insert(texts.end(), item.items.begin(), item.items.end());
        }
        if (form->lineItems) {
            for (const ListColumn &column : form->lineItems->columns)
                texts.push_back(column.header);
            texts.insert(texts.end(), form->lineItems->dialogLabels.begin(), form->lineItems->dialogLabels.end());
        }
    }
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList}) {
        for (const DocListEntry &row : catalogueRows(catalogue))
            texts.insert(texts.end(), {row.name, row.description});
    }
    ASSERT_GT(texts.size(), 300u);

    const std::string_view outdated[] = {"LRJPAC",  "30/1992",  "3/1993", "sóc", "fou notificada", "Quantiat",
                                         "conviar", "protol·l", "2 . ",   "  ,", "corresponqui"};
    for (std::string_view text : texts) {
        for (std::string_view word : outdated)
            EXPECT_EQ(text.find(word), std::string_view::npos) << '"' << text << "\" holds \"" << word << '"';
        for (std::size_t at = 1; (at = text.find('.', at)) != std::string_view::npos && at + 2 < text.size(); ++at)
            EXPECT_FALSE((text[at - 1] | 0x20) == 'l' && (text[at + 1] | 0x20) == 'l' &&
                         std::isalpha(static_cast<unsigned char>(text[at + 2])))
                << '"' << text << "\": the geminated l takes the middle dot";
    }

    // What the documents cite, the labels cite too.
    const auto holds = [&](std::string_view wanted) {
        return std::any_of(texts.begin(), texts.end(), [&](std::string_view t) { return t.find(wanted) != t.npos; });
    };
    EXPECT_TRUE(holds("l'article 76.1 de la Llei 39/2015, d'1 d'octubre"));
    EXPECT_TRUE(holds("l'article 94 de la Llei 39/2015, d'1 d'octubre"));
    EXPECT_TRUE(holds("d'acord amb la Llei 4/2014, d'1 d'abril"));
    EXPECT_TRUE(holds("sol·licitud"));
    EXPECT_TRUE(holds("al·legació"));
}
