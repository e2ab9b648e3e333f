// The two catalogues of document kinds and their descriptions.

#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace forms;

namespace {

// Headings each followed by at least one kind; every kind under a heading; marker at the end.
void expectWellFormed(const DocListEntry *catalogue, std::size_t kinds)
{
    const auto rows = catalogueRows(catalogue);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().nLevel, 0);
    EXPECT_TRUE(catalogue[rows.size()].pszName.empty());
    std::size_t kindCount = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DocListEntry &row = rows[i];
        if (row.nLevel == 0) {
            EXPECT_EQ(row.nFormID, 0);
            EXPECT_EQ(row.nPosition, 0);
            EXPECT_TRUE(row.pszDescription.empty());
            ASSERT_LT(i + 1, rows.size());
            EXPECT_EQ(rows[i + 1].nLevel, 1) << row.pszName << " has no kinds";
        } else {
            ++kindCount;
            EXPECT_NE(row.nFormID, 0);
            EXPECT_FALSE(row.pszDescription.empty()) << row.pszName;
        }
    }
    EXPECT_EQ(kindCount, kinds);
}

} // namespace

TEST(FormsCatalogue, CommercialKindsAndTheirForms)
{
    expectWellFormed(g_tcDocList, 11);
    const auto rows = catalogueRows(g_tcDocList);
    EXPECT_EQ(rows[0].pszName, "Actes i certificats");
    EXPECT_EQ(rows[1].pszName, "acta de reunió");

    // Kind, layout, position in its group and the form class that fills it.
    const struct
    {
        std::string_view name;
        int formId;
        int position;
        std::string_view form;
    } expected[] = {
        {"acta de reunió", 160, 1, "CTCViewActaReunio"},
        {"certificat", 161, 2, "CTCViewCert"},
        {"convocatòria de reunió", 162, 1, "CTCViewConvReunio"},
        {"invitació", 163, 2, "CTCViewActaInvitacio"},
        {"comunicat de premsa", 164, 1, "CTCViewComPremsa"},
        {"comunicat intern individual", 175, 2, "CTCViewCommIntIndv"},
        {"comunicat intern col·lectiu", 176, 3, "CTCViewCommIntCol"},
        {"carta", 177, 1, "CTCViewCarta"},
        {"saluda", 178, 2, "CTCViewSaluda"},
        {"albarà", 179, 1, "CTCViewAlbara"},
        {"comanda", 181, 2, "CTCViewComanda"},
    };
    std::size_t next = 0;
    for (const DocListEntry &row : rows) {
        if (row.nLevel == 0)
            continue;
        ASSERT_LT(next, std::size(expected));
        EXPECT_EQ(row.pszName, expected[next].name);
        EXPECT_EQ(row.nFormID, expected[next].formId);
        EXPECT_EQ(row.nPosition, expected[next].position);
        const FormDef *form = formByLayoutId(row.nFormID);
        ASSERT_NE(form, nullptr) << row.pszName;
        EXPECT_EQ(form->className, expected[next].form);
        ++next;
    }
}

TEST(FormsCatalogue, PublicAdministrationKinds)
{
    expectWellFormed(g_apDocList, 10);
    const auto rows = catalogueRows(g_apDocList);
    EXPECT_EQ(rows[0].pszName, "Documentació que inicia el procediment");
    EXPECT_EQ(rows[1].pszName, "sol·licitud - Model A");
    std::set<int> ids;
    for (const DocListEntry &row : rows) {
        if (row.nLevel == 1) {
            EXPECT_EQ(row.nPosition, 1) << row.pszName;
            ids.insert(row.nFormID);
        }
    }
    EXPECT_EQ(ids, (std::set<int>{165, 166, 173, 174, 185, 186, 187, 188, 189, 190}));
    EXPECT_EQ(rows.back().pszName, "recurs potestatiu de reposició");
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
            if (row.nLevel == 1) {
                EXPECT_TRUE(fromTable(row.pszDescription)) << row.pszName;
                byName[row.pszName] = row.pszDescription;
            }
        }
    }
    EXPECT_EQ(byName.size(), 21u);
    EXPECT_EQ(texts.size(), 20u);
    EXPECT_EQ(byName["sol·licitud - Model A"].data(), byName["sol·licitud - Model B"].data());
    EXPECT_NE(byName["albarà"], byName["saluda"]);
    EXPECT_NE(byName["albarà"].find("lliura"), std::string_view::npos);
    // Texts keep their tabs and missing spaces as written.
    EXPECT_NE(byName["comunicat de premsa"].find("no té\tcap"), std::string_view::npos);
    EXPECT_NE(byName["al.legació"].find("lesal·legacions"), std::string_view::npos);
    EXPECT_TRUE(byName["comunicat intern col·lectiu"].ends_with("diversos receptors"));
}
