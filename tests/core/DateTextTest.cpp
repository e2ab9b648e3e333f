#include "models/DateText.h"

#include <gtest/gtest.h>

#include <regex>

using namespace plecta;
using namespace std::chrono;

namespace {

std::string dateText(year_month_day date)
{
    std::string text = "left over";
    MakeDateText(text, date);
    return text;
}

std::string longDateText(year_month_day date)
{
    std::string text = "left over";
    MakeLongDateText(text, date);
    return text;
}

} // namespace

TEST(DateText, TwoDigitDayMonthPhraseAndYear)
{
    EXPECT_EQ(dateText(2002y / March / 1), "01 de mar\xE7 2002");
    EXPECT_EQ(dateText(2001y / August / 31), "31 d'agost 2001");
    EXPECT_EQ(dateText(2001y / September / 6), "06 de setembre 2001");
    EXPECT_EQ(dateText(2026y / January / 10), "10 de gener 2026");
    EXPECT_EQ(dateText(2024y / April / 9), "09 d'abril 2024");
    EXPECT_EQ(dateText(1999y / October / 12), "12 d'octubre 1999");
    EXPECT_EQ(dateText(2000y / December / 25), "25 de desembre 2000");
    EXPECT_EQ(dateText(987y / May / 2), "02 de maig 0987");
}

TEST(DateText, LongDateOfTheDatePickers)
{
    EXPECT_EQ(longDateText(2026y / December / 7), "dilluns, 7 de desembre de 2026");
    EXPECT_EQ(longDateText(2001y / August / 31), "divendres, 31 d'agost de 2001");
    EXPECT_EQ(longDateText(2001y / September / 5), "dimecres, 5 de setembre de 2001");
    EXPECT_EQ(longDateText(2001y / September / 6), "dijous, 6 de setembre de 2001");
    EXPECT_EQ(longDateText(2002y / March / 2), "dissabte, 2 de mar\xE7 de 2002");
    EXPECT_EQ(longDateText(2002y / March / 3), "diumenge, 3 de mar\xE7 de 2002");
    EXPECT_EQ(longDateText(2024y / October / 1), "dimarts, 1 d'octubre de 2024");
    EXPECT_EQ(longDateText(2024y / February / 29), "dijous, 29 de febrer de 2024");
}

TEST(DateText, InvalidDateGivesEmptyText)
{
    EXPECT_EQ(dateText(2023y / February / 29), "");
    EXPECT_EQ(longDateText(2023y / February / 30), "");
}

TEST(DateText, TodayHasTheShapeOfADate)
{
    std::string today;
    MakeDateText(today);
    EXPECT_TRUE(std::regex_match(today, std::regex("[0-3][0-9] (de |d')[a-z\xE7]+ [0-9]{4}"))) << today;
    EXPECT_TRUE(localToday().ok());
}
