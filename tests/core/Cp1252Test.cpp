// The Windows-1252 codec: every byte survives the trip through Unicode, the 0x80-0x9F block is
// the code page's own (not Latin-1's controls), and letter case covers the accented letters.

#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <set>

TEST(Cp1252, EveryByteRoundTripsThroughUnicodeAndUtf8)
{
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t cp = cp1252::toUnicode(byte);
        EXPECT_TRUE(seen.insert(cp).second) << "byte " << b << " shares a code point";
        EXPECT_EQ(cp1252::fromUnicode(cp), byte) << "byte " << b;

        const std::string one(1, static_cast<char>(byte));
        const cp1252::Conversion back = cp1252::fromUtf8(cp1252::toUtf8(one));
        EXPECT_FALSE(back.error.has_value()) << "byte " << b;
        EXPECT_EQ(back.text, one) << "byte " << b;
    }
}

TEST(Cp1252, HighBlockIsTheCodePagesOwn)
{
    EXPECT_EQ(cp1252::toUnicode(0x80), U'\u20AC'); // euro sign
    EXPECT_EQ(cp1252::toUnicode(0x85), U'\u2026'); // ellipsis
    EXPECT_EQ(cp1252::toUnicode(0x8A), U'\u0160'); // S caron
    EXPECT_EQ(cp1252::toUnicode(0x92), U'\u2019'); // typographic apostrophe
    EXPECT_EQ(cp1252::toUnicode(0x96), U'\u2013'); // en dash
    EXPECT_EQ(cp1252::toUnicode(0x9F), U'\u0178'); // Y diaeresis
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252::toUnicode(undefined), char32_t{undefined});
    // Latin-1 above the block: the Catalan letters are single bytes.
    EXPECT_EQ(cp1252::toUtf8("\xE0\xE7\xB7\xA6"), "\xC3\xA0\xC3\xA7\xC2\xB7\xC2\xA6"); // à ç · ¦
}

TEST(Cp1252, TextOutsideTheCodePageIsRefused)
{
    EXPECT_FALSE(cp1252::fromUnicode(U'\u0140').has_value()); // l with middle dot, one letter
    EXPECT_FALSE(cp1252::fromUnicode(U'\u0080').has_value()); // a C1 control 0x80 does not hold

    const cp1252::Conversion text = cp1252::fromUtf8("col\xC5\x80"
                                                     "eg");
    ASSERT_TRUE(text.error.has_value());
    EXPECT_EQ(text.error->offset, 3u);
    EXPECT_EQ(text.error->codePoint, U'\u0140');

    const cp1252::Conversion malformed = cp1252::fromUtf8("a\xC3");
    ASSERT_TRUE(malformed.error.has_value());
    EXPECT_EQ(malformed.error->codePoint, U'\uFFFD');
}

TEST(Cp1252, LetterCase)
{
    const std::pair<unsigned char, unsigned char> pairs[] = {
        {'A', 'a'},           {'Z', 'z'},           {0xC0, 0xE0} /* À */, {0xC7, 0xE7} /* Ç */,
        {0xC9, 0xE9} /* É */, {0xCF, 0xEF} /* Ï */, {0xD3, 0xF3} /* Ó */, {0xDA, 0xFA} /* Ú */,
        {0x8A, 0x9A} /* Š */, {0x8C, 0x9C} /* Œ */, {0x8E, 0x9E} /* Ž */, {0x9F, 0xFF} /* Ÿ */};
    for (const auto &[upper, lower] : pairs) {
        EXPECT_EQ(cp1252::toLower(upper), lower) << int(upper);
        EXPECT_EQ(cp1252::toUpper(lower), upper) << int(lower);
    }
    // Signs and letters without a partner stay as they are.
    for (unsigned char same : {0xD7 /* × */, 0xF7 /* ÷ */, 0xDF /* ß */, 0xB5 /* µ */, 0xB7 /* · */, 0x25 /* % */}) {
        EXPECT_EQ(cp1252::toLower(same), same) << int(same);
        EXPECT_EQ(cp1252::toUpper(same), same) << int(same);
    }
    EXPECT_EQ(cp1252::toLower("ACTA DE LA REUNI\xD3"), "acta de la reuni\xF3");
}
