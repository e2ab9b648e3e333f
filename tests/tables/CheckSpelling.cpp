// plecta_check_spelling: passes every text of the compiled-in vocabulary, abbreviations and
// symbols through Hunspell (Catalan and Castilian dictionaries), prints the rate of accepted
// records per table and the words the dictionaries reject, and fails below 99 %.
//
// Grammatical labels and feminine endings are not words and are left out; the geminated l,
// stored as "l.l", is read as "l·l", the form the dictionary knows.
//
// Usage: plecta_check_spelling [--list-same]   (--list-same lists the records whose two sides
// are the same text)

#include "reference/ReferenceTables.h"
#include "text/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSkipped = 77; // ctest's usual "skipped" code
constexpr double kRequiredRate = 0.99;

struct Text
{
    std::string table; // which list it comes from, for the report
    std::string where; // its record, for the report
    std::string utf8;  // prepared for the dictionary
};

std::string trimmed(const char *text)
{
    std::string out(text);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

std::vector<std::string> splitSpaces(const std::string &text)
{
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool isLabel(const std::string &token)
{
    static const std::set<std::string> labels = {"m", "f", "pl", "adj", "adv", "v", "prep", "conj"};
    return labels.count(token) != 0;
}

// Drops the labels after a vocabulary word and every feminine ending ("-a", "-iva;"), keeping the
// punctuation that followed an ending. A label closed by a note ("compulsa f; ara, ...") goes too.
std::string withoutLabels(const std::string &text, bool labels)
{
    std::vector<std::string> words = splitSpaces(text);
    while (labels && words.size() > 1 && isLabel(words.back()))
        words.pop_back();
    std::string out;
    for (std::string &word : words) {
        if (labels && !out.empty() && word.size() > 1 && (word.back() == ';' || word.back() == ',') &&
            isLabel(word.substr(0, word.size() - 1))) {
            out.back() = word.back(); // the punctuation belongs to the word before
            out += ' ';
            continue;
        }
        if (word.size() > 1 && word[0] == '-') {
            std::size_t end = 1;
            while (end < word.size() && word[end] != ';' && word[end] != ',' && word[end] != ')')
                ++end;
            word = word.substr(end);
            if (word.empty())
                continue;
            if (!out.empty())
                out.pop_back(); // the punctuation belongs to the word before
        }
        out += word + ' ';
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

std::string prepared(const std::string &cp1252Text, bool labels)
{
    std::string utf8 = cp1252::toUtf8(withoutLabels(cp1252Text, labels));
    for (std::size_t at = 0; (at = utf8.find("l.l", at)) != std::string::npos; at += 3)
        utf8.replace(at, 3, "l\xC2\xB7l");
    return utf8;
}

// Runs Hunspell's pipe mode over the texts, one a line; returns for each text the words rejected.
bool rejectedWords(const std::vector<Text> &texts, const std::string &dictionary,
                   std::vector<std::vector<std::string>> &rejected)
{
    const std::filesystem::path input =
        std::filesystem::temp_directory_path() / ("plecta_spelling_" + dictionary + ".txt");
    {
        std::ofstream out(input);
        for (const Text &t : texts)
            out << '^' << t.utf8 << '\n'; // '^' keeps a text from being read as a command
    }
    const std::string command = "hunspell -a -i utf-8 -d " + dictionary + " < " + input.string() + " 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    rejected.assign(texts.size(), {});
    std::string line;
    std::size_t index = 0;
    bool header = true;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe)) {
        line = buffer;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (header) {
            header = false; // the version banner
            continue;
        }
        if (line.empty()) {
            ++index; // a blank line closes the results of one input line
            continue;
        }
        if ((line[0] == '&' || line[0] == '#' || line[0] == '?') && index < texts.size()) {
            std::istringstream fields(line.substr(2));
            std::string word;
            fields >> word;
            rejected[index].push_back(word);
        }
    }
    const int status = pclose(pipe);
    std::filesystem::remove(input);
    return status == 0 && index == texts.size();
}

struct Rate
{
    std::size_t accepted = 0;
    std::size_t total = 0;
    double value() const { return total ? static_cast<double>(accepted) / total : 1.0; }
};

// Checks one language; prints the rates and the rejected words; returns the pooled rate.
bool checkLanguage(const std::string &language, const std::string &dictionary, const std::vector<Text> &texts,
                   std::vector<std::vector<std::string>> &rejected, bool &dictionaryMissing)
{
    if (!rejectedWords(texts, dictionary, rejected)) {
        dictionaryMissing = true;
        std::cout << "hunspell with the dictionary " << dictionary << " could not be run\n";
        return false;
    }
    std::map<std::string, Rate> rates;
    Rate pooled;
    std::map<std::string, std::vector<std::string>> recordsByWord;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool ok = rejected[i].empty();
        rates[texts[i].table].total += 1;
        rates[texts[i].table].accepted += ok;
        pooled.total += 1;
        pooled.accepted += ok;
        for (const std::string &word : rejected[i])
            recordsByWord[word].push_back(texts[i].where + " \"" + texts[i].utf8 + '"');
    }
    std::cout << std::fixed << std::setprecision(2);
    std::cout << language << " (" << dictionary << "):\n";
    for (const auto &[table, rate] : rates)
        std::cout << "  " << table << ": " << rate.accepted << " of " << rate.total << " records, "
                  << 100.0 * rate.value() << " %\n";
    std::cout << "  all: " << pooled.accepted << " of " << pooled.total << " records, " << 100.0 * pooled.value()
              << " %\n";
    if (!recordsByWord.empty()) {
        std::cout << "  words the dictionary rejects:\n";
        for (const auto &[word, records] : recordsByWord) {
            std::cout << "    " << word << ": ";
            for (std::size_t i = 0; i < records.size(); ++i)
                std::cout << (i ? "; " : "") << records[i];
            std::cout << '\n';
        }
    }
    return pooled.value() >= kRequiredRate;
}

} // namespace

int main(int argc, char **argv)
{
    const bool listSame = argc > 1 && std::string(argv[1]) == "--list-same";

    std::vector<Text> catalan;
    std::vector<Text> castilian;
    std::vector<std::size_t> sameText; // indexes into the vocabulary
    std::size_t index = 0;
    for (const VocabEntry *e = g_vocabulary; e->pszCastella; ++e, ++index) {
        const std::string where = "vocabulary " + std::to_string(index + 1);
        catalan.push_back({"vocabulary", where, prepared(trimmed(e->pszCatala), true)});
        castilian.push_back({"vocabulary", where, prepared(trimmed(e->pszCastella), true)});
        if (trimmed(e->pszCastella) == trimmed(e->pszCatala))
            sameText.push_back(index);
    }
    for (const AbbrevEntry *e = g_abbreviations; e->pszAbbrev; ++e)
        catalan.push_back({"abbreviations", "abbreviation " + cp1252::toUtf8(trimmed(e->pszAbbrev)),
                           prepared(trimmed(e->pszMeaning), false)});
    for (const SymbolEntry *e = g_symbols; e->pszSymbol; ++e)
        catalan.push_back(
            {"symbols", "symbol " + cp1252::toUtf8(trimmed(e->pszSymbol)), prepared(e->pszDescription, false)});

    bool missing = false;
    std::vector<std::vector<std::string>> catalanRejected;
    std::vector<std::vector<std::string>> castilianRejected;
    const bool catalanOk = checkLanguage("Catalan", "ca_ES", catalan, catalanRejected, missing);
    const bool castilianOk = checkLanguage("Castilian", "es_ES", castilian, castilianRejected, missing);
    if (missing)
        return kSkipped;

    // A text shared by both sides is honest only when it is Catalan too: a Castilian word left
    // untranslated would be rejected by the Catalan dictionary.
    std::size_t untranslated = 0;
    for (std::size_t i : sameText)
        untranslated += !catalanRejected[i].empty();
    std::cout << "vocabulary records with the same text on both sides: " << sameText.size() << ", " << untranslated
              << " of them with a word the Catalan dictionary rejects\n";
    if (listSame) {
        for (std::size_t i : sameText)
            std::cout << "  " << castilian[i].where << ": " << catalan[i].utf8
                      << (catalanRejected[i].empty() ? "" : "   <- not Catalan?") << '\n';
    }
    if (!catalanOk || !castilianOk) {
        std::cout << "FAILED: fewer than 99 % of the records pass the spelling check\n";
        return 1;
    }
    return 0;
}
