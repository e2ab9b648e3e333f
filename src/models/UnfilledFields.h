#pragma once
// What a finished document still lacks: the placeholders its boxes were left with ("<HORARI>")
// and the choice items that only name their choice ("Càrrec"), so that saving, printing or
// exporting can say so first.

#include <string>
#include <string_view>
#include <vector>

namespace plecta {

struct UnfilledField
{
    std::string name;     // Windows-1252, as a person reads it: "HORARI", "NOM i COGNOMS", "CÀRREC"
    std::size_t position; // the byte of the document where it first stands
    int occurrences;      // how many times it stands in the document
};

// The choice items that name the choice instead of answering it ("Càrrec" above "President",
// "Secretària"...): a document that still says one has a choice left unmade.
inline constexpr std::string_view kChoiceLabels[] = {"C\xE0rrec"};

// Each placeholder and each choice label left in a Windows-1252 document, once, in the order of
// their first place in it. A placeholder is "<" and ">" around text on one line whose first word
// is in capitals ("<NOM i COGNOMS>", "<DIA>"), so that an address such as "<maria@puig.cat>" or
// a "<" in the user's own text is not taken for one; it is named by its text up to a comma
// ("<NOM i COGNOMS, (Càrrec)>" is "NOM i COGNOMS"). A choice label counts as a whole word.
std::vector<UnfilledField> unfilledFields(std::string_view cp1252Document);

// Whether a field's whole text is one placeholder ("<NOM i COGNOMS>", "<NOM i COGNOMS, (Càrrec)>"),
// by the same rule: what a form shows as a greyed hint in an empty box.
bool isPlaceholder(std::string_view cp1252Text);

// The sentence that names them (Windows-1252): "Queda 1 camp per omplir: HORARI", "Queden 3 camps
// per omplir: HORARI, NOM i COGNOMS, CÀRREC"; empty when nothing is left.
std::string unfilledFieldsMessage(const std::vector<UnfilledField> &fields);

} // namespace plecta
