#include "check/SpellDictionary.h"

#include "check/Words.h"
#include "text/Cp1252.h"

#include <hunspell/hunspell.hxx>

#include <cstdlib>

namespace check {

namespace fs = std::filesystem;

SpellDictionary::SpellDictionary(std::unique_ptr<Hunspell> hunspell) : m_hunspell(std::move(hunspell)) {}

SpellDictionary::~SpellDictionary() = default;

std::vector<fs::path> SpellDictionary::searchFolders()
{
    if (const char *folder = std::getenv("PLECTA_DICTIONARY_DIR"))
        return {fs::path(folder)};
    return {"/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts"};
}

std::unique_ptr<SpellDictionary> SpellDictionary::load()
{
    for (const fs::path &folder : searchFolders()) {
        for (const char *name : {"ca_ES", "ca"}) {
            if (auto dictionary = load(folder / (std::string(name) + ".aff"), folder / (std::string(name) + ".dic")))
                return dictionary;
        }
    }
    return nullptr;
}

std::unique_ptr<SpellDictionary> SpellDictionary::load(const fs::path &aff, const fs::path &dic)
{
    std::error_code error;
    if (!fs::is_regular_file(aff, error) || !fs::is_regular_file(dic, error))
        return nullptr;
    auto hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
    if (hunspell->get_dict_encoding() != "UTF-8")
        return nullptr;
    return std::unique_ptr<SpellDictionary>(new SpellDictionary(std::move(hunspell)));
}

bool SpellDictionary::knows(std::string_view cp1252Word) const
{
    return m_hunspell->spell(cp1252::toUtf8(plainApostrophes(cp1252Word)));
}

std::vector<std::string> SpellDictionary::suggestions(std::string_view cp1252Word) const
{
    std::vector<std::string> out;
    for (const std::string &utf8 : m_hunspell->suggest(cp1252::toUtf8(plainApostrophes(cp1252Word)))) {
        cp1252::Conversion word = cp1252::fromUtf8(utf8);
        if (!word.error)
            out.push_back(std::move(word.text));
    }
    return out;
}

} // namespace check
