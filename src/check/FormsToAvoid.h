#pragma once
// The compiled-in forms to avoid (Castilian words and calques), found in a Windows-1252 text.
// Letter case and the kind of apostrophe do not matter; a phrase's words may be separated by any
// run of spaces or line ends, never by punctuation.

#include "check/Words.h"
#include "reference/ReferenceTables.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace check {

struct AvoidMatch
{
    std::size_t begin;
    std::size_t end;
    const AvoidEntry *entry;
};

class FormsToAvoid
{
public:
    FormsToAvoid();

    // The forms in the text, in text order, none overlapping: where several begin at one word,
    // the longest.
    std::vector<AvoidMatch> find(std::string_view text, const std::vector<WordSpan> &words) const;

    // The entry of a form ("en base a"), or null.
    const AvoidEntry *entry(std::string_view form) const;

    // The vocabulary record (its index in g_vocabulary) for an entry: the one whose Castilian
    // text is the form to avoid, or else the first whose Catalan is the first correct form;
    // -1 when there is none.
    static int vocabularyRow(const AvoidEntry &entry);

    // The correct forms of an entry, one by one.
    static std::vector<std::string> correctForms(const AvoidEntry &entry);

private:
    std::unordered_map<std::string, std::vector<const AvoidEntry *>> m_byFirstPart; // longest first
};

} // namespace check
