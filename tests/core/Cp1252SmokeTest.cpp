#include "text/Cp1252.h"
#include <gtest/gtest.h>

TEST(Cp1252Smoke, EuroSignIsByte80)
{
    EXPECT_EQ(cp1252::toUtf8("\x80"), "\xE2\x82\xAC");
}
