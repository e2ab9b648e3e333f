// plecta_gen_tables: turns the reference data files under resources/tables into the constant
// Windows-1252 arrays of reference/ReferenceTables.h.
//
// Usage: plecta_gen_tables TABLES_DIR OUTPUT.cpp
//
// Texts are padded to their table's width here. A text wider than its width, or one that
// Windows-1252 cannot hold, fails the build: the lists would show it cut or garbled.

#include "DataFile.h"
#include "FormsToAvoid.h"

#include "reference/ReferenceTables.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kVocabularyWidth = 40;
constexpr std::size_t kAbbrevWidth = 18;
constexpr std::size_t kMeaningWidth = 47;
constexpr std::size_t kSymbolWidth = 8;
constexpr std::size_t kDescriptionLimit = 57;
constexpr std::size_t kMunicipalityNameWidth = 43; // the longest official name
constexpr std::size_t kComarcaWidth = 18;

// Pads a text to its width, or records a fault when the text would have to be cut.
std::string padded(const Record &record, std::size_t field, std::size_t width, const char *what, Faults &faults)
{
    const std::string &text = record.fields[field];
    if (text.size() > width) {
        faults.add(record.where, std::string(what) + " " + quoted(text) + " is " + std::to_string(text.size()) +
                                     " characters, wider than " + std::to_string(width) + "; reword it");
        return text;
    }
    return text + std::string(width - text.size(), ' ');
}

bool parseNumber(const std::string &text, std::uint32_t &value)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = static_cast<std::uint32_t>(std::stoul(text));
    return true;
}

// The vocabulary is written in parts, one file per letter range, read in file-name order. The
// count is the tests' business, so a part still missing is no fault here.
std::vector<fs::path> vocabularyFiles(const fs::path &dir)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(dir, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".tsv")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Returns the records, for the forms to avoid that take their Catalan from the vocabulary.
std::vector<Record> writeVocabulary(std::ostream &out, const fs::path &dir, Faults &faults)
{
    std::vector<Record> records;
    out << "const VocabEntry g_vocabulary[] = {\n";
    for (const fs::path &file : vocabularyFiles(dir / "vocabulary")) {
        for (Record &r : readDataFile(file, 2, 2, faults)) {
            out << "    {" << literal(padded(r, 0, kVocabularyWidth, "Castilian text", faults)) << ", "
                << literal(padded(r, 1, kVocabularyWidth, "Catalan text", faults)) << "},\n";
            records.push_back(std::move(r));
        }
    }
    out << "    {nullptr, nullptr},\n};\n\n";
    return records;
}

void writeAbbreviations(std::ostream &out, const fs::path &dir, Faults &faults)
{
    out << "const AbbrevEntry g_abbreviations[] = {\n";
    for (const Record &r : readDataFile(dir / "abbreviations.tsv", 2, 2, faults)) {
        out << "    {" << literal(padded(r, 0, kAbbrevWidth, "abbreviation", faults)) << ", "
            << literal(padded(r, 1, kMeaningWidth, "meaning", faults)) << "},\n";
    }
    out << "    {nullptr, nullptr},\n};\n\n";
}

void writeSymbols(std::ostream &out, const fs::path &dir, Faults &faults)
{
    out << "const SymbolEntry g_symbols[] = {\n";
    for (const Record &r : readDataFile(dir / "symbols.tsv", 2, 2, faults)) {
        const std::string &description = r.fields[1];
        if (description.size() > kDescriptionLimit)
            faults.add(r.where, "description " + quoted(description) + " is longer than " +
                                    std::to_string(kDescriptionLimit) + " characters");
        out << "    {" << literal(padded(r, 0, kSymbolWidth, "symbol", faults)) << ", " << literal(description)
            << "},\n";
    }
    out << "    {nullptr, nullptr},\n};\n\n";
}

// The comarques list, and one padded string per comarca that the municipalities share.
std::map<std::string, std::string> writeComarques(std::ostream &out, const fs::path &dir, Faults &faults)
{
    const std::vector<Record> records = readDataFile(dir / "comarques.tsv", 1, 1, faults);
    std::map<std::string, std::string> symbolByName;
    out << "namespace {\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string &name = records[i].fields[0];
        if (symbolByName.count(name)) {
            faults.add(records[i].where, quoted(name) + " repeated");
            continue;
        }
        const std::string symbol = "kComarca" + std::to_string(i);
        symbolByName[name] = symbol;
        out << "const char " << symbol << "[] = " << literal(padded(records[i], 0, kComarcaWidth, "comarca", faults))
            << ";\n";
    }
    out << "} // namespace\n\nconst char *const g_comarques[] = {\n";
    for (const Record &r : records)
        out << "    " << literal(r.fields[0]) << ",\n";
    out << "    nullptr,\n};\n\n";
    return symbolByName;
}

// Returns each municipality's name and main postcode, for the table of further postcodes.
std::map<std::string, std::uint32_t> writeMunicipalities(std::ostream &out, const fs::path &dir,
                                                         const std::map<std::string, std::string> &comarcaSymbols,
                                                         Faults &faults)
{
    std::map<std::string, std::uint32_t> mainPostcodes;
    out << "const MunicipalityEntry g_municipalities[] = {\n";
    for (const Record &r : readDataFile(dir / "municipalities.tsv", 4, 5, faults)) {
        std::uint32_t width = kMunicipalityNameWidth;
        std::uint32_t postcode = 0;
        std::uint32_t prefix = 0;
        if (r.fields.size() == 5 && !parseNumber(r.fields[4], width))
            faults.add(r.where, "name width " + quoted(r.fields[4]) + " is not a number");
        if (r.fields[2].size() != 5 || !parseNumber(r.fields[2], postcode))
            faults.add(r.where, "postcode " + quoted(r.fields[2]) + " is not five digits");
        if (!parseNumber(r.fields[3], prefix))
            faults.add(r.where, "prefix " + quoted(r.fields[3]) + " is not a number");
        const auto comarca = comarcaSymbols.find(r.fields[1]);
        if (comarca == comarcaSymbols.end()) {
            faults.add(r.where, "comarca " + quoted(r.fields[1]) + " is not in comarques.tsv");
            continue;
        }
        out << "    {" << literal(padded(r, 0, width, "name", faults)) << ", " << comarca->second << ", " << postcode
            << "u, " << prefix << "u},\n";
        mainPostcodes[r.fields[0]] = postcode;
    }
    out << "    {nullptr, nullptr, 0u, 0u},\n};\n\n";
    return mainPostcodes;
}

// postcodes.tsv: a municipality's name and its further postcodes, separated by commas; one row
// per postcode in the table.
void writeOtherPostcodes(std::ostream &out, const fs::path &dir,
                         const std::map<std::string, std::uint32_t> &mainPostcodes, Faults &faults)
{
    out << "const OtherPostcodeEntry g_otherPostcodes[] = {\n";
    std::map<std::string, bool> listed;
    for (const Record &r : readDataFile(dir / "postcodes.tsv", 2, 2, faults)) {
        const auto municipality = mainPostcodes.find(r.fields[0]);
        if (municipality == mainPostcodes.end()) {
            faults.add(r.where, quoted(r.fields[0]) + " is not in municipalities.tsv");
            continue;
        }
        if (listed[r.fields[0]])
            faults.add(r.where, quoted(r.fields[0]) + " listed twice");
        listed[r.fields[0]] = true;
        std::stringstream codes(r.fields[1]);
        std::string code;
        std::map<std::uint32_t, bool> seen;
        while (std::getline(codes, code, ',')) {
            std::uint32_t postcode = 0;
            if (code.size() != 5 || !parseNumber(code, postcode)) {
                faults.add(r.where, "postcode " + ::quoted(code) + " is not five digits");
                continue;
            }
            if (postcode == municipality->second || seen[postcode])
                faults.add(r.where, "postcode " + code + " repeated");
            seen[postcode] = true;
            out << "    {" << literal(r.fields[0]) << ", " << postcode << "u},\n";
        }
    }
    out << "    {nullptr, 0u},\n};\n\n";
}

void writeNumeralWords(std::ostream &out, const fs::path &dir, Faults &faults)
{
    // The data file names its groups; their order and sizes are the header's.
    static const char *const groupNames[] = {
        "hundreds-feminine",  "hundreds-masculine",  "units-feminine", "units-masculine", "tens",
        "thousands-feminine", "thousands-masculine",
    };
    static_assert(std::size(groupNames) == std::size(kNumeralGroups));

    const std::vector<Record> records = readDataFile(dir / "numerals.tsv", 3, 3, faults);
    std::size_t position = 0;
    for (std::size_t g = 0; g < std::size(kNumeralGroups); ++g) {
        const NumeralGroup &group = kNumeralGroups[g];
        for (unsigned index = group.lowest(); index <= group.highest(); ++index, ++position) {
            const std::string expected = std::string(groupNames[g]) + " " + std::to_string(index);
            if (position != group.offset() + (index - group.lowest())) {
                faults.add((dir / "numerals.tsv").string(), "groups out of the header's layout");
                return;
            }
            if (position >= records.size()) {
                faults.add((dir / "numerals.tsv").string(), "ends before " + expected);
                return;
            }
            const Record &r = records[position];
            if (r.fields[0] + " " + r.fields[1] != expected)
                faults.add(r.where, "expected " + expected);
            // The writer puts one space between words; a word's own spaces must be single too.
            if (r.fields[2].find("  ") != std::string::npos)
                faults.add(r.where, "two spaces in a row in \"" + r.fields[2] + "\"");
        }
    }
    if (records.size() != kNumeralWordCount)
        faults.add((dir / "numerals.tsv").string(),
                   std::to_string(records.size()) + " words, expected " + std::to_string(kNumeralWordCount));

    out << "const char *const g_numeralWords[kNumeralWordCount] = {\n";
    for (const Record &r : records)
        out << "    " << literal(r.fields[2]) << ", // " << r.fields[0] << " " << r.fields[1] << "\n";
    out << "};\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: plecta_gen_tables TABLES_DIR OUTPUT.cpp\n";
        return 2;
    }
    const fs::path dir = argv[1];
    const fs::path output = argv[2];

    Faults faults;
    std::ostringstream out;
    out << "// Generated by plecta_gen_tables from the files in resources/tables; do not edit.\n"
           "#include \"reference/ReferenceTables.h\"\n\n";
    const std::vector<Record> vocabulary = writeVocabulary(out, dir, faults);
    writeFormsToAvoid(out, dir / "castilianisms.tsv", vocabulary, faults);
    writeAbbreviations(out, dir, faults);
    writeSymbols(out, dir, faults);
    const auto comarcaSymbols = writeComarques(out, dir, faults);
    const auto mainPostcodes = writeMunicipalities(out, dir, comarcaSymbols, faults);
    writeOtherPostcodes(out, dir, mainPostcodes, faults);
    writeNumeralWords(out, dir, faults);

    if (faults.any()) {
        faults.print();
        std::cerr << "plecta_gen_tables: the reference data has faults; nothing written\n";
        return 1;
    }
    fs::create_directories(output.parent_path());
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file) {
        std::cerr << "plecta_gen_tables: cannot write " << output.string() << '\n';
        return 1;
    }
    return 0;
}
