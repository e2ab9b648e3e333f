#pragma once
// The compiled-in reference tables. Generated at build time from resources/tables/ by
// tools/gen_tables; nothing is read from files at run time.
//
// Every text is Windows-1252. Many texts are padded with trailing spaces to a fixed width, and the
// padding is data: lists show, sort and search the texts as stored, so never trim them. Each table
// is walked from its first record to the end record, whose first text is null; no reader keeps a
// count of its own.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

struct VocabEntry
{
    const char *castilian; // padded to 40
    const char *catalan;   // padded to 40
};

struct AbbrevEntry
{
    const char *abbreviation; // padded to 18
    const char *meaning;      // padded to 47
};

struct SymbolEntry
{
    const char *symbol;      // padded to 8
    const char *description; // not padded, at most 57 characters
};

struct MunicipalityEntry
{
    const char *name;          // padded to 43, with the few exceptions the data file states
    const char *comarca;       // padded to 18; one stored string per comarca
    std::uint32_t postcode;    // 8630 for 08630
    std::uint32_t phonePrefix; // 93, 972, 973 or 977
};

// A postcode a municipality has besides its main one (its postcode); a municipality may have
// several. municipality is its name as g_municipalities stores it, without the padding.
struct OtherPostcodeEntry
{
    const char *municipality;
    std::uint32_t postcode;
};

// A form to avoid in Catalan text (a Castilian word or calque, lower case, a phrase's words
// separated by single spaces), the Catalan to write instead (forms separated by ", ") and a note.
struct AvoidEntry
{
    const char *form;
    const char *correct;
    const char *note;
};

// Castilian-Catalan vocabulary, grouped by Catalan headword in dictionary order.
extern const VocabEntry g_vocabulary[];
// The forms to avoid, in the data file's order.
extern const AvoidEntry g_formsToAvoid[];
// Abbreviations, loosely alphabetical by their letters.
extern const AbbrevEntry g_abbreviations[];
// Symbols, unit signs and acronyms, loosely alphabetical by description after the first five.
extern const SymbolEntry g_symbols[];
// Municipalities by name; the three whose names begin with an accented capital come last.
extern const MunicipalityEntry g_municipalities[];
// The further postcodes, grouped by municipality in the municipalities' order.
extern const OtherPostcodeEntry g_otherPostcodes[];
// The comarques in alphabetical order, unpadded, closed by a null entry.
extern const char *const g_comarques[];

// The words numbers are written with, in seven consecutive groups and without an end marker: the
// numeral writer indexes them through the group views below.
enum class NumeralGender { Feminine, Masculine };

class NumeralGroup
{
public:
    constexpr NumeralGroup(std::size_t offset, unsigned lowest, unsigned highest)
        : m_offset(offset), m_lowest(lowest), m_highest(highest)
    {}

    // The word for a value (units) or a digit (tens, hundreds, thousands).
    const char *operator[](unsigned index) const;

    constexpr unsigned lowest() const { return m_lowest; }
    constexpr unsigned highest() const { return m_highest; }
    constexpr std::size_t offset() const { return m_offset; }
    constexpr std::size_t size() const { return m_highest - m_lowest + 1; }

private:
    std::size_t m_offset;
    unsigned m_lowest;
    unsigned m_highest;
};

inline constexpr NumeralGroup g_numeralHundredsFeminine{0, 1, 9};
inline constexpr NumeralGroup g_numeralHundredsMasculine{9, 1, 9};
inline constexpr NumeralGroup g_numeralUnitsFeminine{18, 0, 29};
inline constexpr NumeralGroup g_numeralUnitsMasculine{48, 0, 29};
inline constexpr NumeralGroup g_numeralTens{78, 1, 9};
inline constexpr NumeralGroup g_numeralThousandsFeminine{87, 1, 9};
inline constexpr NumeralGroup g_numeralThousandsMasculine{96, 1, 9};

// The groups in the order the table stores them.
inline constexpr NumeralGroup kNumeralGroups[] = {
    g_numeralHundredsFeminine,
    g_numeralHundredsMasculine,
    g_numeralUnitsFeminine,
    g_numeralUnitsMasculine,
    g_numeralTens,
    g_numeralThousandsFeminine,
    g_numeralThousandsMasculine,
};

inline constexpr std::size_t kNumeralWordCount = 105;
extern const char *const g_numeralWords[kNumeralWordCount];

inline const char *NumeralGroup::operator[](unsigned index) const
{
    // Checked in every build: an index outside the group would read another group's word or
    // past the end of the table.
    if (index < m_lowest || index > m_highest || m_offset + (index - m_lowest) >= kNumeralWordCount)
        std::abort();
    return g_numeralWords[m_offset + (index - m_lowest)];
}

constexpr const NumeralGroup &numeralUnits(NumeralGender gender)
{
    return gender == NumeralGender::Feminine ? g_numeralUnitsFeminine : g_numeralUnitsMasculine;
}

constexpr const NumeralGroup &numeralHundreds(NumeralGender gender)
{
    return gender == NumeralGender::Feminine ? g_numeralHundredsFeminine : g_numeralHundredsMasculine;
}

constexpr const NumeralGroup &numeralThousands(NumeralGender gender)
{
    return gender == NumeralGender::Feminine ? g_numeralThousandsFeminine : g_numeralThousandsMasculine;
}
