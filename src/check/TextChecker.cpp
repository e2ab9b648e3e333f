#include "check/TextChecker.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace check {
namespace {

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The words of a name or an abbreviation, as the checker reads words.
void addWordsOf(std::unordered_set<std::string> &known, std::string_view text)
{
    const std::string name = trimmed(text);
    for (const WordSpan &word : checkedWords(name))
        known.insert(plainApostrophes(name.substr(word.begin, word.end - word.begin)));
}

std::unordered_set<std::string> handbookWords()
{
    std::unordered_set<std::string> known;
    for (const MunicipalityEntry *m = g_municipalities; m->name; ++m)
        addWordsOf(known, m->name);
    for (const char *const *c = g_comarques; *c; ++c)
        addWordsOf(known, *c);
    for (const AbbrevEntry *a = g_abbreviations; a->abbreviation; ++a)
        addWordsOf(known, a->abbreviation);
    for (const SymbolEntry *s = g_symbols; s->symbol; ++s)
        addWordsOf(known, s->symbol);
    return known;
}

// "l'Hospitalet" -> "Hospitalet"; a word without an elided article or preposition stays empty.
std::string_view afterElision(std::string_view word)
{
    const std::size_t apostrophe = word.find('\'');
    if (apostrophe == std::string_view::npos || apostrophe > 2)
        return {};
    return word.substr(apostrophe + 1);
}

std::string withCaseOf(std::string form, std::string_view found)
{
    if (!form.empty() && !found.empty()) {
        const auto first = static_cast<unsigned char>(found.front());
        if (cp1252::toLower(first) != first)
            form.front() = static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(form.front())));
    }
    return form;
}

} // namespace

TextChecker::TextChecker(std::unique_ptr<SpellDictionary> dictionary)
    : m_dictionary(std::move(dictionary)), m_knownWords(handbookWords())
{}

std::string TextChecker::ignoredKey(std::string_view foundText)
{
    return cp1252::toLower(plainApostrophes(foundText));
}

bool TextChecker::knows(std::string_view word) const
{
    const std::string plain = plainApostrophes(word);
    if (m_knownWords.count(plain))
        return true;
    const std::string_view elided = afterElision(plain);
    if (!elided.empty() && m_knownWords.count(std::string(elided)))
        return true;
    std::lock_guard lock(m_cacheMutex);
    const auto cached = m_spellCache.find(plain);
    if (cached != m_spellCache.end())
        return cached->second;
    const bool known = m_dictionary->knows(plain);
    m_spellCache.emplace(plain, known);
    return known;
}

std::vector<Finding> TextChecker::check(std::string_view text, const IgnoredWords &ignored) const
{
    const std::vector<WordSpan> words = checkedWords(text);
    std::vector<Finding> findings;
    const auto isIgnored = [&](std::size_t begin, std::size_t end) {
        return !ignored.empty() && ignored.count(ignoredKey(text.substr(begin, end - begin)));
    };
    const std::vector<AvoidMatch> matches = m_formsToAvoid.find(text, words);
    auto match = matches.begin();
    for (const WordSpan &word : words) {
        while (match != matches.end() && match->end <= word.begin) {
            if (!isIgnored(match->begin, match->end))
                findings.push_back({match->begin, match->end, FindingKind::Castilianism, match->entry});
            ++match;
        }
        const bool inForm = match != matches.end() && match->begin < word.end;
        if (inForm || !m_dictionary || isIgnored(word.begin, word.end))
            continue;
        if (!knows(text.substr(word.begin, word.end - word.begin)))
            findings.push_back({word.begin, word.end, FindingKind::Spelling});
    }
    for (; match != matches.end(); ++match) {
        if (!isIgnored(match->begin, match->end))
            findings.push_back({match->begin, match->end, FindingKind::Castilianism, match->entry});
    }
    return findings;
}

std::vector<std::string> TextChecker::suggestions(std::string_view text, const Finding &finding) const
{
    const std::string_view found = text.substr(finding.begin, finding.end - finding.begin);
    std::vector<std::string> out;
    if (finding.kind == FindingKind::Castilianism && finding.entry) {
        for (std::string &form : FormsToAvoid::correctForms(*finding.entry))
            out.push_back(withCaseOf(std::move(form), found));
    } else if (m_dictionary) {
        std::lock_guard lock(m_cacheMutex);
        out = m_dictionary->suggestions(found);
    }
    return out;
}

} // namespace check
