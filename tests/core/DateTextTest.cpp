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

TEST(DateText, DayMonthPhraseAndYearAsCatalanWritesThem)
{
    EXPECT_EQ(dateText(2026y / December / 8), "8 de desembre de 2026");
    EXPECT_EQ(dateText(2002y / March / 1), "1 de mar\xE7 de 2002");
    EXPECT_EQ(dateText(2001y / August / 31), "31 d'agost de 2001");
    EXPECT_EQ(dateText(2001y / September / 6), "6 de setembre de 2001");
    EXPECT_EQ(dateText(2026y / January / 10), "10 de gener de 2026");
    EXPECT_EQ(dateText(2024y / April / 9), "9 d'abril de 2024");
    EXPECT_EQ(dateText(1999y / October / 12), "12 d'octubre de 1999");
    EXPECT_EQ(dateText(2000y / December / 25), "25 de desembre de 2000");
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

TEST(DateText, DocumentsWriteTheDateWithoutItsWeekday)
{
    EXPECT_EQ(withoutWeekday(longDateText(2026y / December / 8)), "8 de desembre de 2026");
    EXPECT_EQ(withoutWeekday(longDateText(2026y / March / 1)), "1 de mar\xE7 de 2026");
    // Anything that is no weekday and a comma stays: a typed date, a word that only starts alike.
    EXPECT_EQ(withoutWeekday("8 de desembre de 2026"), "8 de desembre de 2026");
    EXPECT_EQ(withoutWeekday("dilluns 8 de desembre"), "dilluns 8 de desembre");
    EXPECT_EQ(withoutWeekday("dimarts"), "dimarts");
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
    EXPECT_TRUE(std::regex_match(today, std::regex("[1-3]?[0-9] (de |d')[a-z\xE7]+ de [0-9]{4}"))) << today;
    EXPECT_TRUE(localToday().ok());
}
