#pragma once
// A filled form kept in a file of its own (".plecta"): UTF-8 JSON that a person can read and
// another program can write.
//
//     {
//       "format": "plecta-formulari",
//       "versio": 1,
//       "document": {"nom": "certificat", "numero": 161},
//       "model": "A",
//       "camps": {"expedidor": "Maria Puig i Soler", "vistiplau": "la presidenta"}
//     }
//
// "model" (the certificate's A or B) and "linies" (the line items top to bottom, one text per
// column) are there only when the form has them. Nothing else is kept: no window state, no
// paths. Reading checks the file's shape only; whether the kind exists and its fields take the
// values is for whoever fills the form.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

inline constexpr std::string_view kSavedFormFormat = "plecta-formulari";
inline constexpr int kSavedFormVersion = 1;
inline constexpr std::string_view kSavedFormExtension = ".plecta";

struct SavedForm
{
    std::string kindName;                                    // as the catalogue shows it (UTF-8)
    int kindNumber = 0;                                      // the kind's form id
    std::string model;                                       // "A", "B" or empty
    std::vector<std::pair<std::string, std::string>> values; // field name, UTF-8 value, in form order
    std::vector<std::vector<std::string>> lines;             // top to bottom, one value per column

    bool operator==(const SavedForm &) const = default;
};

std::string writeSavedForm(const SavedForm &form);

struct SavedFormRead
{
    std::optional<SavedForm> form;
    std::string error; // a Catalan sentence (UTF-8) naming the byte offset or the key; empty when read
};

SavedFormRead readSavedForm(std::string_view bytes);

} // namespace forms
