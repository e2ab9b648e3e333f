// plecta_check_forms_to_avoid: the forms to avoid against the Catalan dictionary. Every word of
// every correct form must be one the dictionary knows; a form to avoid that is a single word must
// be one it rejects, so that the checker never marks a word the dictionary accepts; and the list
// holds at least 300 forms. Prints every fault and fails on any; skipped without a dictionary.

#include "check/FormsToAvoid.h"
#include "check/SpellDictionary.h"
#include "check/Words.h"
#include "reference/ReferenceTables.h"
#include "text/Cp1252.h"

#include <iostream>
#include <string>

namespace {

constexpr int kSkipped = 77;
constexpr std::size_t kLeast = 300;

std::string shown(const std::string &cp1252Text)
{
    return "\"" + cp1252::toUtf8(cp1252Text) + "\"";
}

} // namespace

int main()
{
    const auto dictionary = check::SpellDictionary::load();
    if (!dictionary) {
        std::cout << "no Catalan dictionary installed; skipped\n";
        return kSkipped;
    }
    int faults = 0;
    std::size_t count = 0;
    for (const AvoidEntry *e = g_formsToAvoid; e->form; ++e, ++count) {
        const std::string form = e->form;
        const auto formWords = check::checkedWords(form);
        if (formWords.size() == 1 && formWords.front().end == form.size() && dictionary->knows(form)) {
            std::cout << shown(form) << ": the dictionary accepts this word\n";
            ++faults;
        }
        for (const std::string &correct : check::FormsToAvoid::correctForms(*e)) {
            for (const check::WordSpan &word : check::checkedWords(correct)) {
                const std::string text = correct.substr(word.begin, word.end - word.begin);
                if (!dictionary->knows(text)) {
                    std::cout << shown(form) << ": correct form " << shown(correct) << " has the unknown word "
                              << shown(text) << '\n';
                    ++faults;
                }
            }
        }
    }
    std::cout << count << " forms to avoid, " << faults << " faults\n";
    if (count < kLeast) {
        std::cout << "fewer than " << kLeast << " forms\n";
        return 1;
    }
    return faults == 0 ? 0 : 1;
}
