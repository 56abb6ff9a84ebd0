#pragma once

#include <string>
#include <string_view>

namespace zam {

// German dates, day first. A packed date is day + 256 month + 65536 year
// (0 = no date); a day number counts days since 31.12.1800.

struct TDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

bool IsValidDate(int day, int month, int year);
bool IsValidTime(int hour, int minute, int second);
int PackDate(int day, int month, int year);
TDate UnpackDate(int packed);
// A missing part is -1 (day, month) or -2 (year).
TDate ParseDate(std::string_view text);
int DateFromText(std::string_view text);
std::string DateText(int day, int month, int year);
std::string TodayText();
int Today();
// "09.12.2026 16:51"
std::string NowText();

// dd.mm.yy or dd.mm.yy  hh:mm; empty when not a valid date (and time).
std::string NormalizeDateTime(std::string_view text);
std::string CombineDateTime(std::string_view date, std::string_view time);
// 1 when a is earlier, -1 when later, 0 when equal.
int CompareDateTime(std::string_view a, std::string_view b);
std::string ReformatDateTime(std::string_view text);

int DayNumber(int day, int month, int year);
int DaysBetween(int packedA, int packedB);

// For tests: a fixed "now" (year 0 restores the clock).
void SetFixedNow(int day, int month, int year, int hour, int minute);

}
