#pragma once
// The Catalan spelling dictionary (Hunspell's), read from where the system installs it. Words go
// in and come out as Windows-1252; the dictionary itself works in UTF-8.
//
// Not safe for use from two threads at once: load it on any thread, then use it from one.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace check {

class SpellDictionary
{
public:
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary &) = delete;
    SpellDictionary &operator=(const SpellDictionary &) = delete;

    // The folders looked in: PLECTA_DICTIONARY_DIR alone when it is set, otherwise the system's
    // dictionary folders.
    static std::vector<std::filesystem::path> searchFolders();
    // The Catalan dictionary from the first folder that holds one (ca_ES or ca), or null.
    static std::unique_ptr<SpellDictionary> load();
    // The dictionary of the given .aff/.dic pair, or null when either is missing.
    static std::unique_ptr<SpellDictionary> load(const std::filesystem::path &aff, const std::filesystem::path &dic);

    bool knows(std::string_view cp1252Word) const;
    // The dictionary's suggestions that Windows-1252 can hold, best first.
    std::vector<std::string> suggestions(std::string_view cp1252Word) const;

private:
    explicit SpellDictionary(std::unique_ptr<Hunspell> hunspell);
    std::unique_ptr<Hunspell> m_hunspell;
};

} // namespace check
