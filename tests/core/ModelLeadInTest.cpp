// The model's words that open a large box's line, shown beside the box in the form.
#include "forms/ModelLeadIn.h"
#include "forms/FormDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const forms::FormDef *formWithModel(int modelId)
{
    for (const forms::FormDef *form : forms::allForms()) {
        if (form->modelId == modelId)
            return form;
    }
    return nullptr;
}

TEST(ModelLeadIn, TheWordsBeforeABoxAtTheStartOfItsLine)
{
    struct Case
    {
        int model;
        const char *field;
        std::string leadIn;
    };
    const Case cases[] = {
        {169, "raonament", "Que"},                            // "     Que %raonament%"
        {169, "peticio", "Que"},    {188, "raons", "1. Que"}, // the complaint numbers its reasons
        {185, "declaracio", "Que"}, {169, "nom", ""},         // the placeholder opens its line
        {169, "comarca", ""},                                 // it follows another placeholder
        {163, "punts", ""},                                   // a line of its own
        {169, "no_such_field", ""},
    };
    for (const Case &c : cases) {
        const forms::FormDef *form = formWithModel(c.model);
        ASSERT_NE(form, nullptr) << c.model;
        EXPECT_EQ(forms::modelLeadIn(*form, c.field), c.leadIn) << c.model << ' ' << c.field;
    }
}

// Whatever a model says, a lead-in is a few words of text, never a placeholder or markup.
TEST(ModelLeadIn, IsAFewWordsForEveryBoxOfEveryForm)
{
    int found = 0;
    for (const forms::FormDef *form : forms::allForms()) {
        for (const forms::Item &item : form->items) {
            if (item.kind != forms::ItemKind::Box || item.lines <= 1)
                continue;
            const std::string leadIn = forms::modelLeadIn(*form, item.name);
            EXPECT_EQ(leadIn.find_first_of("%{}"), std::string::npos) << form->objectName << ' ' << item.name;
            EXPECT_LE(leadIn.size(), 20u) << form->objectName << ' ' << item.name;
            found += !leadIn.empty();
        }
    }
    EXPECT_GE(found, 6);
}

} // namespace
