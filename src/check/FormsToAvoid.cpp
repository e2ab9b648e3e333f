#include "check/FormsToAvoid.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace check {
namespace {

bool isSpace(unsigned char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == 0xA0;
}

bool isApostrophe(unsigned char byte)
{
    return byte == '\'' || byte == 0x92;
}

// Whether a word part ends at pos: no letter follows, and no middle dot or elided article or
// preposition ("l'", "d'") that would carry the word on. An apostrophe after a longer word begins
// a weak pronoun ("enterar-se'n"), which stands apart.
bool endsPart(std::string_view text, std::size_t pos)
{
    if (pos == text.size())
        return true;
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (isWordCharacter(byte))
        return false;
    if (pos + 1 == text.size() || !isWordCharacter(static_cast<unsigned char>(text[pos + 1])))
        return true;
    if (byte == 0xB7)
        return false;
    if (!isApostrophe(byte))
        return true;
    const bool elided = pos == 1 || (pos >= 2 && !isWordCharacter(static_cast<unsigned char>(text[pos - 2])));
    return !elided;
}

// The end of the form when the text holds it at start, or npos.
std::size_t matchAt(std::string_view text, std::size_t start, std::string_view form)
{
    std::size_t i = start;
    for (const char f : form) {
        if (i >= text.size())
            return std::string_view::npos;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (f == ' ') {
            if (!isSpace(byte))
                return std::string_view::npos;
            while (i < text.size() && isSpace(static_cast<unsigned char>(text[i])))
                ++i;
            continue;
        }
        const bool same = f == '\'' ? isApostrophe(byte) : cp1252::toLower(byte) == static_cast<unsigned char>(f);
        if (!same)
            return std::string_view::npos;
        ++i;
    }
    return endsPart(text, i) ? i : std::string_view::npos;
}

std::string firstPart(std::string_view form)
{
    return std::string(form.substr(0, form.find_first_of(" -")));
}

} // namespace

FormsToAvoid::FormsToAvoid()
{
    for (const AvoidEntry *e = g_formsToAvoid; e->form; ++e)
        m_byFirstPart[firstPart(e->form)].push_back(e);
    for (auto &[key, entries] : m_byFirstPart) {
        std::sort(entries.begin(), entries.end(),
                  [](const AvoidEntry *a, const AvoidEntry *b) { return std::strlen(a->form) > std::strlen(b->form); });
    }
}

std::vector<AvoidMatch> FormsToAvoid::find(std::string_view text, const std::vector<WordSpan> &words) const
{
    std::vector<AvoidMatch> matches;
    std::size_t searchedTo = 0;
    for (const WordSpan &part : wordParts(words, text)) {
        if (part.begin < searchedTo)
            continue;
        const std::string key = cp1252::toLower(plainApostrophes(text.substr(part.begin, part.end - part.begin)));
        const auto candidates = m_byFirstPart.find(key);
        if (candidates == m_byFirstPart.end())
            continue;
        for (const AvoidEntry *e : candidates->second) {
            const std::size_t end = matchAt(text, part.begin, e->form);
            if (end != std::string_view::npos) {
                matches.push_back({part.begin, end, e});
                searchedTo = end;
                break;
            }
        }
    }
    return matches;
}

const AvoidEntry *FormsToAvoid::entry(std::string_view form) const
{
    const auto candidates = m_byFirstPart.find(firstPart(form));
    if (candidates == m_byFirstPart.end())
        return nullptr;
    for (const AvoidEntry *e : candidates->second) {
        if (form == e->form)
            return e;
    }
    return nullptr;
}

int FormsToAvoid::vocabularyRow(const AvoidEntry &entry)
{
    const auto unpadded = [](const char *cell) {
        std::string_view text(cell);
        return text.substr(0, text.find_last_not_of(' ') + 1);
    };
    const std::string first = correctForms(entry).front();
    int byCatalan = -1;
    for (int row = 0; g_vocabulary[row].castilian; ++row) {
        if (unpadded(g_vocabulary[row].castilian) == entry.form)
            return row;
        const std::string_view catalan = unpadded(g_vocabulary[row].catalan);
        const bool sameWord =
            catalan.starts_with(first) && (catalan.size() == first.size() || catalan[first.size()] == ' ');
        if (byCatalan < 0 && sameWord)
            byCatalan = row;
    }
    return byCatalan;
}

std::vector<std::string> FormsToAvoid::correctForms(const AvoidEntry &entry)
{
    std::vector<std::string> forms;
    const std::string_view all = entry.correct;
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t comma = all.find(", ", start);
        forms.emplace_back(all.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 2;
    }
    return forms;
}

} // namespace check
