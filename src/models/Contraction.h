#pragma once
// How a field's value joins the model's words before it, as Catalan writes them. The model says
// "a %municipi%" and the user chooses "el Masnou": the document says "al Masnou". Every reader
// of the models (the window, the command line, the merge) goes through the engine and gets this.
//
// - "a ", "de ", "per " before a value that begins with the article "el " or "els " contract:
//   "al", "als", "del", "dels", "pel", "pels" ("a la Garriga", "a l'Ametlla de Mar" stay).
// - "de " and "el " before a value that begins with a vowel, or h and a vowel, elide: "d'Anna",
//   "d'Horta", "l'1 de març", "l'11 de març". Not before i or u that are semivowels, with or
//   without h ("de iode", "de Huelva", "de Iolanda"), and not before a figure read with a
//   consonant ("el 10", "de 1.000").
// - A value that begins a paragraph with an article starts it with a capital ("El Masnou, ...").
// - A value that ends with the comma or full stop the model puts after it gives it once
//   ("Benvolguda senyora," before the model's "," stays "Benvolguda senyora,").
// The model's word keeps its letter case ("De" gives "D'", "A" gives "Al"). Only the model's own
// text before the value is rewritten, never an earlier value.

#include <cstddef>
#include <string>
#include <string_view>

namespace plecta {

// Appends `value` to `output`; the model's text before it starts at `modelTextStart`, and
// `modelAfter` is the model's text that follows it.
void appendFieldValue(std::string &output, std::size_t modelTextStart, std::string_view value,
                      std::string_view modelAfter);

// Whether "de" and "el" elide before this text, by the rule above.
bool elidesBefore(std::string_view text);

} // namespace plecta
