#pragma once
// Catalan date texts, in Windows-1252.

#include <chrono>
#include <string>
#include <string_view>

namespace plecta {

// The date the commercial forms preset in their date fields, written as Catalan writes dates:
// "6 de setembre de 2001" (the day without a leading zero, the month phrase, "de" and the year).
// The first form takes today's local date.
void MakeDateText(std::string &text);
void MakeDateText(std::string &text, std::chrono::year_month_day date);

// The long date a date picker shows: "dijous, 6 de setembre de 2001".
void MakeLongDateText(std::string &text, std::chrono::year_month_day date);

// A date as a document writes it: the long date without its weekday ("6 de setembre de 2001"
// for "dijous, 6 de setembre de 2001"); any other text as it is.
std::string_view withoutWeekday(std::string_view dateText);

// Today's date on the local calendar.
std::chrono::year_month_day localToday();

} // namespace plecta
