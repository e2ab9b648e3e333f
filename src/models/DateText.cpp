#include "models/DateText.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace plecta {

namespace {

// The month with its preposition, elided before a vowel. Windows-1252 ("\xE7" is "ç").
constexpr std::array<std::string_view, 12> kMonthPhrases = {"de gener",    "de febrer", "de mar\xE7",  "d'abril",
                                                            "de maig",     "de juny",   "de juliol",   "d'agost",
                                                            "de setembre", "d'octubre", "de novembre", "de desembre"};

// Monday first, as std::chrono::weekday::iso_encoding() counts.
constexpr std::array<std::string_view, 7> kWeekdays = {"dilluns",   "dimarts",  "dimecres", "dijous",
                                                       "divendres", "dissabte", "diumenge"};

std::string_view monthPhrase(std::chrono::year_month_day date)
{
    return kMonthPhrases[static_cast<unsigned>(date.month()) - 1];
}

std::string number(long value, int minDigits)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*ld", minDigits, value);
    return digits;
}

} // namespace

std::chrono::year_month_day localToday()
{
    const std::time_t now = std::time(nullptr);
    const std::tm *local = std::localtime(&now); // the program's one thread is its only caller
    if (!local)
        return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return std::chrono::year{local->tm_year + 1900} / (local->tm_mon + 1) / local->tm_mday;
}

void MakeDateText(std::string &text)
{
    MakeDateText(text, localToday());
}

void MakeDateText(std::string &text, std::chrono::year_month_day date)
{
    text.clear();
    if (!date.ok())
        return;
    text = number(static_cast<unsigned>(date.day()), 1);
    text += ' ';
    text += monthPhrase(date);
    text += " de ";
    text += number(static_cast<int>(date.year()), 4);
}

std::string_view withoutWeekday(std::string_view dateText)
{
    for (const std::string_view weekday : kWeekdays) {
        if (dateText.starts_with(weekday) && dateText.substr(weekday.size()).starts_with(", "))
            return dateText.substr(weekday.size() + 2);
    }
    return dateText;
}

void MakeLongDateText(std::string &text, std::chrono::year_month_day date)
{
    text.clear();
    if (!date.ok())
        return;
    std::string day;
    MakeDateText(day, date);
    const std::chrono::weekday weekday{std::chrono::sys_days{date}};
    text = kWeekdays[weekday.iso_encoding() - 1];
    text += ", ";
    text += day;
}

} // namespace plecta
