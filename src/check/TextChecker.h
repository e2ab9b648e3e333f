#pragma once
// Checks Catalan text as it is written: words the spelling dictionary does not know, and forms to
// avoid (Castilian words and calques) with the handbook's correct forms. Texts are Windows-1252;
// positions are byte offsets, which are character offsets.
//
// Without a dictionary only the forms to avoid are checked. The names of the municipalities and
// comarques and the abbreviations and symbols of the handbook are known words.
//
// check() may be called from any one thread at a time; it keeps what the dictionary said of each
// word, so a text checked again after a keystroke costs little.

#include "check/FormsToAvoid.h"
#include "check/SpellDictionary.h"

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace check {

enum class FindingKind { Spelling, Castilianism };

struct Finding
{
    std::size_t begin;
    std::size_t end;
    FindingKind kind;
    const AvoidEntry *entry = nullptr; // for a castilianism: its correct forms and note
};

// Words set aside by the user ("Ignora"), as check() compares them: lower case, ' for ’.
using IgnoredWords = std::set<std::string>;

class TextChecker
{
public:
    explicit TextChecker(std::unique_ptr<SpellDictionary> dictionary);

    bool checksSpelling() const { return m_dictionary != nullptr; }

    // Every finding, in text order. A word inside a form to avoid is not reported again as
    // misspelt. Findings whose text is among the ignored words are left out.
    std::vector<Finding> check(std::string_view text, const IgnoredWords &ignored = {}) const;

    // What to write instead, best first. The case of the found text's first letter is kept.
    std::vector<std::string> suggestions(std::string_view text, const Finding &finding) const;

    // The key under which a found text is ignored.
    static std::string ignoredKey(std::string_view foundText);

private:
    bool knows(std::string_view word) const;

    std::unique_ptr<SpellDictionary> m_dictionary;
    FormsToAvoid m_formsToAvoid;
    std::unordered_set<std::string> m_knownWords;
    mutable std::mutex m_cacheMutex;
    mutable std::unordered_map<std::string, bool> m_spellCache;
};

} // namespace check
