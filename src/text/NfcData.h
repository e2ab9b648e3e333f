#pragma once
// The canonical-composition tables of the input gate, generated at build time from the Unicode
// Character Database (tools/gen_nfc). Each table is sorted by code point.

#include <cstddef>

namespace textgate::nfc {

struct CombiningClass
{
    char32_t codePoint;
    unsigned char value; // never 0: a character not listed is a starter
};

struct Decomposition
{
    char32_t codePoint;
    unsigned char length;
    char32_t parts[4]; // the full canonical decomposition
};

struct Composition
{
    char32_t first;
    char32_t second;
    char32_t composite;
};

extern const CombiningClass kCombiningClasses[];
extern const std::size_t kCombiningClassCount;
extern const Decomposition kDecompositions[];
extern const std::size_t kDecompositionCount;
extern const Composition kCompositions[]; // sorted by (first, second)
extern const std::size_t kCompositionCount;

} // namespace textgate::nfc
