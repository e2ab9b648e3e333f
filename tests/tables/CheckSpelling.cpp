// plecta_check_spelling: passes every text of the compiled-in vocabulary, abbreviations and
// symbols through Hunspell (Catalan and Castilian dictionaries), prints the rate of accepted
// records per table and the words the dictionaries reject, and fails below 99 %. The handbook's
// own wording, the document models line by line, the treatments text line by line and every text
// of the forms and catalogues (labels, initial texts, choice items, column headings, kind names,
// descriptions), must pass in full.
//
// Grammatical labels and feminine endings are not words and are left out. In the handbook's own
// wording a word that the abbreviations or symbols list gives as written (an acronym such as
// "DNI", an abbreviation such as "Excm.") is set aside: the dictionary does not hold them.
//
// Usage: plecta_check_spelling [--list-same]   (--list-same lists the records whose two sides
// are the same text)

#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"
#include "models/DocumentModels.h"
#include "reference/ReferenceTables.h"
#include "reference/Treatments.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <cctype>
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

// The sources that must pass in full: the handbook's own wording.
const std::set<std::string> kOwnWording = {"models", "treatments", "forms"};

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
    return cp1252::toUtf8(withoutLabels(cp1252Text, labels));
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

// Lines of a Windows-1252 text with CR LF or LF ends, cut at its first NUL.
std::vector<std::string> textLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string line(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

// A model line without its placeholders and markup ("{?nom}", "{/?}": braces are never document
// text); the text around them is what the dictionary reads.
std::string withoutPlaceholders(std::string line)
{
    for (const auto &[open, close] : {std::pair{'%', '%'}, std::pair{'{', '}'}}) {
        for (std::size_t at; (at = line.find(open)) != std::string::npos;) {
            const std::size_t end = line.find(close, at + 1);
            line.replace(at, end == std::string::npos ? std::string::npos : end - at + 1, " ");
        }
    }
    return line;
}

// The handbook's own wording as the dictionary reads it: no feminine endings ("Degà -ana"), and no
// elided article before a numeral or a quotation mark ("d'1 d'octubre", "l'«assabentat»"), which
// the dictionary only knows before a word.
void addOwnText(std::vector<Text> &texts, const std::string &table, const std::string &where, std::string utf8)
{
    utf8 = cp1252::toUtf8(withoutLabels(cp1252::fromUtf8(utf8).text, false));
    for (std::size_t at = 0; (at = utf8.find('\'', at)) != std::string::npos; ++at) {
        const bool elided = at > 0 && (utf8[at - 1] == 'd' || utf8[at - 1] == 'l') &&
                            (at < 2 || !std::isalpha(static_cast<unsigned char>(utf8[at - 2])));
        const unsigned char next = at + 1 < utf8.size() ? static_cast<unsigned char>(utf8[at + 1]) : ' ';
        if (elided && (std::isdigit(next) || next == 0xC2 /* « */)) {
            utf8.erase(at - 1, 2);
            at -= 1;
        }
    }
    if (utf8.find_first_not_of(" \t") != std::string::npos)
        texts.push_back({table, where, utf8});
}

// The models and the treatments text, a record a line; every text the forms and the catalogues
// show, a record each (those are UTF-8 in the program).
void addOwnWording(std::vector<Text> &texts)
{
    for (const plecta::DocumentModel &model : plecta::documentModels()) {
        const std::vector<std::string> lines = textLines(model.bytes);
        for (std::size_t i = 0; i < lines.size(); ++i)
            addOwnText(texts, "models", "model " + std::to_string(model.id) + " line " + std::to_string(i + 1),
                       cp1252::toUtf8(withoutPlaceholders(lines[i])));
    }
    const std::vector<std::string> treatments = textLines(treatments::treatmentsText());
    for (std::size_t i = 0; i < treatments.size(); ++i)
        addOwnText(texts, "treatments", "treatments line " + std::to_string(i + 1), cp1252::toUtf8(treatments[i]));

    std::set<std::string_view> seen;
    const auto addForm = [&](std::string_view where, std::string_view text) {
        if (seen.insert(text).second)
            addOwnText(texts, "forms", std::string(where), std::string(text));
    };
    for (const forms::FormDef *form : forms::allForms()) {
        for (const forms::Item &item : form->items) {
            addForm(form->objectName, item.text);
            for (std::string_view choice : item.items)
                addForm(form->objectName, choice);
        }
        if (form->lineItems) {
            for (const forms::ListColumn &column : form->lineItems->columns)
                addForm(form->objectName, column.header);
            for (std::string_view label : form->lineItems->dialogLabels)
                addForm(form->objectName, label);
        }
    }
    for (const forms::DocListEntry *catalogue : {forms::g_tcDocList, forms::g_apDocList}) {
        for (const forms::DocListEntry &row : forms::catalogueRows(catalogue)) {
            addForm("catalogue", row.name);
            addForm("catalogue", row.description);
        }
    }
}

// Acronyms and abbreviations as the handbook's lists write them, full stops left out as the
// dictionary's reports leave them out.
std::set<std::string> listedAbbreviations()
{
    std::set<std::string> listed;
    const auto add = [&](const char *text) {
        std::string written = cp1252::toUtf8(trimmed(text));
        std::istringstream parts(written);
        for (std::string part; parts >> part;) {
            while (!part.empty() && part.back() == '.')
                part.pop_back();
            if (!part.empty())
                listed.insert(part);
        }
    };
    for (const AbbrevEntry *e = g_abbreviations; e->abbreviation; ++e)
        add(e->abbreviation);
    for (const SymbolEntry *e = g_symbols; e->symbol; ++e)
        add(e->symbol);
    return listed;
}

// Not words: rules and separators ("-----", " - "), and format masks of one repeated capital ("HH",
// "MM" in "HH.MM").
bool isNotAWord(const std::string &token)
{
    if (std::none_of(token.begin(), token.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        return true;
    return token.size() > 1 && std::isupper(static_cast<unsigned char>(token[0])) &&
           token.find_first_not_of(token[0]) == std::string::npos;
}

// Drops from the own wording's rejections what is not a word and the words the lists give as
// acronyms or abbreviations.
void setListedAside(const std::vector<Text> &texts, std::vector<std::vector<std::string>> &rejected)
{
    static const std::set<std::string> listed = listedAbbreviations();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (kOwnWording.count(texts[i].table))
            std::erase_if(rejected[i],
                          [](const std::string &word) { return listed.count(word) != 0 || isNotAWord(word); });
    }
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
    setListedAside(texts, rejected);
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
    bool ownWordingPasses = true;
    for (const auto &[table, rate] : rates) {
        std::cout << "  " << table << ": " << rate.accepted << " of " << rate.total << " records, "
                  << 100.0 * rate.value() << " %" << (kOwnWording.count(table) ? " (all must pass)" : "") << '\n';
        if (kOwnWording.count(table) && rate.accepted != rate.total)
            ownWordingPasses = false;
    }
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
    return pooled.value() >= kRequiredRate && ownWordingPasses;
}

} // namespace

int main(int argc, char **argv)
{
    const bool listSame = argc > 1 && std::string(argv[1]) == "--list-same";

    std::vector<Text> catalan;
    std::vector<Text> castilian;
    std::vector<std::size_t> sameText; // indexes into the vocabulary
    std::size_t index = 0;
    for (const VocabEntry *e = g_vocabulary; e->castilian; ++e, ++index) {
        const std::string where = "vocabulary " + std::to_string(index + 1);
        catalan.push_back({"vocabulary", where, prepared(trimmed(e->catalan), true)});
        castilian.push_back({"vocabulary", where, prepared(trimmed(e->castilian), true)});
        if (trimmed(e->castilian) == trimmed(e->catalan))
            sameText.push_back(index);
    }
    for (const AbbrevEntry *e = g_abbreviations; e->abbreviation; ++e)
        catalan.push_back({"abbreviations", "abbreviation " + cp1252::toUtf8(trimmed(e->abbreviation)),
                           prepared(trimmed(e->meaning), false)});
    for (const SymbolEntry *e = g_symbols; e->symbol; ++e)
        catalan.push_back({"symbols", "symbol " + cp1252::toUtf8(trimmed(e->symbol)), prepared(e->description, false)});
    addOwnWording(catalan);

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
        std::cout << "FAILED: fewer than 99 % of the records pass the spelling check, or the handbook's own "
                     "wording has a word the dictionary rejects\n";
        return 1;
    }
    return 0;
}
