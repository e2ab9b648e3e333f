// Builds the canonical-composition tables of the input gate from the Unicode Character Database:
// the combining classes, full canonical decompositions and primary compositions that can take
// part in turning a text into one that Windows-1252 holds. A character outside these tables can
// never end up in an accepted text, so the gate needs nothing more of Unicode than this.
//
// Usage: gen_nfc UnicodeData.txt CompositionExclusions.txt OUTPUT.cpp

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Character
{
    int combiningClass = 0;
    std::vector<char32_t> decomposition; // canonical only; empty when none
};

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "gen_nfc: %s\n", message.c_str());
    std::exit(1);
}

std::vector<std::string> splitFields(const std::string &line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ';'))
        fields.push_back(field);
    return fields;
}

char32_t hexValue(const std::string &text)
{
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used, 16);
    if (used != text.size() || value > 0x10FFFF)
        fail("bad code point: " + text);
    return char32_t(value);
}

std::map<char32_t, Character> readUnicodeData(const char *path)
{
    std::ifstream in(path);
    if (!in)
        fail(std::string("cannot read ") + path);
    std::map<char32_t, Character> characters;
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = splitFields(line);
        if (fields.size() < 6)
            fail("short line: " + line);
        Character c;
        c.combiningClass = std::stoi(fields[3]);
        if (!fields[5].empty() && fields[5][0] != '<') { // "<compat>" and the like are not canonical
            std::istringstream parts(fields[5]);
            std::string part;
            while (parts >> part)
                c.decomposition.push_back(hexValue(part));
        }
        if (c.combiningClass != 0 || !c.decomposition.empty())
            characters[hexValue(fields[0])] = c;
    }
    if (characters.size() < 1000)
        fail(std::string(path) + " holds too few characters to be the Unicode data file");
    return characters;
}

std::set<char32_t> readExclusions(const char *path)
{
    std::ifstream in(path);
    if (!in)
        fail(std::string("cannot read ") + path);
    std::set<char32_t> excluded;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        if (!line.empty())
            excluded.insert(hexValue(line));
    }
    return excluded;
}

class Database
{
public:
    Database(std::map<char32_t, Character> characters, std::set<char32_t> excluded)
        : m_characters(std::move(characters)), m_excluded(std::move(excluded))
    {}

    int combiningClass(char32_t cp) const
    {
        const auto it = m_characters.find(cp);
        return it == m_characters.end() ? 0 : it->second.combiningClass;
    }

    const std::vector<char32_t> *decomposition(char32_t cp) const
    {
        const auto it = m_characters.find(cp);
        return it == m_characters.end() || it->second.decomposition.empty() ? nullptr : &it->second.decomposition;
    }

    std::vector<char32_t> fullDecomposition(char32_t cp) const
    {
        const std::vector<char32_t> *parts = decomposition(cp);
        if (!parts)
            return {cp};
        std::vector<char32_t> out;
        for (char32_t part : *parts) {
            const std::vector<char32_t> sub = fullDecomposition(part);
            out.insert(out.end(), sub.begin(), sub.end());
        }
        return out;
    }

    // A primary composite: a two-part decomposition that composition may rebuild.
    bool composes(char32_t cp) const
    {
        const std::vector<char32_t> *parts = decomposition(cp);
        return parts && parts->size() == 2 && !m_excluded.contains(cp) && combiningClass(cp) == 0 &&
               combiningClass(parts->front()) == 0;
    }

    const std::map<char32_t, Character> &characters() const { return m_characters; }

private:
    std::map<char32_t, Character> m_characters;
    std::set<char32_t> m_excluded;
};

std::string hex(char32_t cp)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(cp));
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        fail("usage: gen_nfc UnicodeData.txt CompositionExclusions.txt OUTPUT.cpp");
    const Database db(readUnicodeData(argv[1]), readExclusions(argv[2]));

    // The characters an accepted text may hold: Windows-1252's, and "ŀ"/"Ŀ", which the gate writes
    // "l·"/"L·".
    std::set<char32_t> targets{0x013F, 0x0140};
    for (char32_t cp = 0; cp < 0x3000; ++cp) {
        if (cp1252::fromUnicode(cp))
            targets.insert(cp);
    }

    // Every character that can appear in the decomposed form of an accepted text.
    std::set<char32_t> alphabet = targets;
    for (char32_t t : targets) {
        for (char32_t part : db.fullDecomposition(t))
            alphabet.insert(part);
    }

    // The composites composition must be able to build: the targets, and each first part of a
    // needed composite that is itself composed (built first, then extended).
    std::set<char32_t> needed;
    std::vector<char32_t> pending(targets.begin(), targets.end());
    while (!pending.empty()) {
        const char32_t cp = pending.back();
        pending.pop_back();
        if (!db.composes(cp) || !needed.insert(cp).second)
            continue;
        pending.push_back(db.decomposition(cp)->front());
    }

    std::ostringstream out;
    out << "// Generated by gen_nfc from the Unicode Character Database. Do not edit.\n\n"
        << "#include \"text/NfcData.h\"\n\nnamespace textgate::nfc {\n\n";

    out << "const CombiningClass kCombiningClasses[] = {\n";
    std::size_t classes = 0;
    for (char32_t cp : alphabet) {
        if (const int ccc = db.combiningClass(cp)) {
            out << "    {" << hex(cp) << ", " << ccc << "},\n";
            ++classes;
        }
    }
    out << "};\nconst std::size_t kCombiningClassCount = " << classes << ";\n\n";

    out << "const Decomposition kDecompositions[] = {\n";
    std::size_t decompositions = 0;
    for (const auto &[cp, character] : db.characters()) {
        if (character.decomposition.empty())
            continue;
        const std::vector<char32_t> parts = db.fullDecomposition(cp);
        if (!std::all_of(parts.begin(), parts.end(), [&](char32_t p) { return alphabet.contains(p); }))
            continue;
        if (parts.size() > 4)
            fail("decomposition longer than four: " + hex(cp));
        out << "    {" << hex(cp) << ", " << parts.size() << ", {";
        for (std::size_t i = 0; i < parts.size(); ++i)
            out << (i ? ", " : "") << hex(parts[i]);
        out << "}},\n";
        ++decompositions;
    }
    out << "};\nconst std::size_t kDecompositionCount = " << decompositions << ";\n\n";

    // Sorted by (first, second) for a binary search.
    std::vector<std::array<char32_t, 3>> pairs;
    for (char32_t cp : needed) {
        const std::vector<char32_t> &parts = *db.decomposition(cp);
        pairs.push_back({parts[0], parts[1], cp});
    }
    std::sort(pairs.begin(), pairs.end());
    out << "const Composition kCompositions[] = {\n";
    for (const auto &p : pairs)
        out << "    {" << hex(p[0]) << ", " << hex(p[1]) << ", " << hex(p[2]) << "},\n";
    out << "};\nconst std::size_t kCompositionCount = " << pairs.size() << ";\n\n} // namespace textgate::nfc\n";

    if (classes == 0 || decompositions == 0 || pairs.size() < 50)
        fail("the tables came out nearly empty; is the Unicode data file complete?");

    // Written only when changed, so an unchanged table does not rebuild the core.
    const std::string text = out.str();
    std::ifstream old(argv[3], std::ios::binary);
    std::ostringstream oldText;
    oldText << old.rdbuf();
    if (old && oldText.str() == text)
        return 0;
    std::ofstream file(argv[3], std::ios::binary);
    file << text;
    if (!file.flush())
        fail(std::string("cannot write ") + argv[3]);
    return 0;
}
