#include "base/dates.h"

#include "base/number_text.h"
#include "base/text_utils.h"

#include <cstdio>
#include <ctime>

namespace zam {

namespace {
    struct TNow {
        int day, month, year, hour, minute;
    };
    TNow g_fixed { 0, 0, 0, 0, 0 };

    TNow Now()
    {
        if (g_fixed.year != 0)
            return g_fixed;
        std::time_t t = std::time(nullptr);
        std::tm tm {};
        localtime_r(&t, &tm);
        return { tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour, tm.tm_min };
    }

    std::string TwoDigits(int v)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d", v);
        return buf;
    }

    // A whole number written without decimals, or -1.
    int WholeNumber(std::string_view text)
    {
        TParsedNumber n = ParseNumber(text);
        if (n.status != 0)
            return -1;
        return n.integer;
    }

    bool ToInt(std::string_view text, int& out) { return ParsePlainInteger(text, out); }

    std::string WithLeadingZero(std::string s) { return s.size() == 1 ? "0" + s : s; }

    int Field(std::string_view text, std::size_t pos, std::size_t len)
    {
        int v = 0;
        if (pos >= text.size())
            return 0;
        ToInt(text.substr(pos, len), v);
        return v;
    }
}

void SetFixedNow(int day, int month, int year, int hour, int minute)
{
    g_fixed = { day, month, year, hour, minute };
}

bool IsValidDate(int day, int month, int year)
{
    if (month < 1 || month > 12 || day < 1 || day > 31 || year <= 1800 || year >= 2100)
        return false;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return day <= 30;
    if (month == 2)
        return day <= ((year % 4 == 0 && year != 1900) ? 29 : 28);
    return true;
}

bool IsValidTime(int hour, int minute, int second)
{
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    return hour < 24 || (minute == 0 && second == 0);
}

int PackDate(int day, int month, int year) { return day + 256 * month + 65536 * year; }

TDate UnpackDate(int packed)
{
    TDate d { packed & 0xFF, (packed >> 8) & 0xFF, packed >> 16 };
    if (!IsValidDate(d.day, d.month, d.year))
        d.day = 0;
    return d;
}

TDate ParseDate(std::string_view input)
{
    std::string t;
    for (char c : input)
        if (c != ' ')
            t += c;
    TDate d { -1, -1, -2 };
    std::size_t dot = t.find('.');
    if (dot != std::string::npos) {
        if (dot != 1 && dot != 2)
            return d;
        int day = -1;
        bool ok = ToInt(std::string_view(t).substr(0, dot), day);
        std::string rest = t.substr(dot + 1);
        if (rest.find('.') == 1)
            rest = "0" + rest;
        int month = -1;
        int year = -2;
        if (rest.find('.') != std::string::npos) {
            ok = ok && rest.find('.') == 2 && rest.size() >= 4 && rest.size() <= 7;
            ok = ok && ToInt(std::string_view(rest).substr(0, 2), month) && ToInt(std::string_view(rest).substr(3), year);
        } else if (rest.size() <= 2) {
            ok = ok && (rest.empty() || ToInt(rest, month));
        } else {
            ok = false;
        }
        if (ok)
            d = { day, month, year };
        return d;
    }
    if (t.size() < 3 || t.size() > 8)
        return d;
    if (t.size() % 2 == 1)
        t = "0" + t;
    int day = -1;
    int month = -1;
    int year = -2;
    bool ok = ToInt(std::string_view(t).substr(0, 2), day) && ToInt(std::string_view(t).substr(2, 2), month);
    if (ok && t.size() > 4)
        ok = ToInt(std::string_view(t).substr(4), year);
    if (ok)
        d = { day, month, year };
    return d;
}

int DateFromText(std::string_view text)
{
    TDate d = ParseDate(text);
    if (!IsValidDate(d.day, d.month, d.year))
        return 0;
    return PackDate(d.day, d.month, d.year);
}

std::string DateText(int day, int month, int year)
{
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

std::string TodayText()
{
    TNow n = Now();
    return DateText(n.day, n.month, n.year);
}

int Today()
{
    TNow n = Now();
    return PackDate(n.day, n.month, n.year);
}

std::string NowText()
{
    TNow n = Now();
    return TwoDigits(n.day) + "." + TwoDigits(n.month) + "." + std::to_string(n.year) + " " + TwoDigits(n.hour) + ":"
        + TwoDigits(n.minute);
}

std::string NormalizeDateTime(std::string_view input)
{
    std::string t = Trim(input).substr(0, 40);
    std::size_t dot1 = t.find('.');
    if (dot1 != 1 && dot1 != 2)
        return {};
    std::string dayText = WithLeadingZero(t.substr(0, dot1));
    std::string rest = t.substr(dot1 + 1);
    std::size_t dot2 = rest.find('.');
    if (dot2 != 1 && dot2 != 2)
        return {};
    std::string monthText = WithLeadingZero(rest.substr(0, dot2));
    rest = rest.substr(dot2 + 1);
    std::size_t blank = rest.find(' ');
    std::string yearText = rest.substr(0, blank);
    int day = WholeNumber(dayText);
    int month = WholeNumber(monthText);
    int year = WholeNumber(yearText);
    if (yearText.empty() || year < 0 || (year > 100 && year < 1980) || year > 2079)
        return {};
    if (year < 100)
        year += year < 80 ? 2000 : 1900;
    if (!IsValidDate(day, month, year))
        return {};
    std::string yy = yearText.size() == 1 ? "0" + yearText : yearText.substr(yearText.size() - 2);
    std::string date = dayText + "." + monthText + "." + yy;
    if (blank == std::string::npos)
        return date;

    std::string time = TrimLeft(rest.substr(blank + 1));
    std::size_t sep = time.find(':');
    if (sep == std::string::npos)
        sep = time.find('.');
    if (sep != 1 && sep != 2)
        return {};
    bool colon = time[sep] == ':';
    std::string hourText = WithLeadingZero(time.substr(0, sep));
    std::string minutes = time.substr(sep + 1);
    if (colon) {
        std::size_t sec = minutes.find(':');
        if (sec != std::string::npos)
            minutes.erase(sec);
    }
    minutes = TrimLeft(minutes);
    if (minutes.size() > 2)
        return {};
    minutes = WithLeadingZero(minutes);
    int hour = WholeNumber(hourText);
    int minute = WholeNumber(minutes);
    if (hour < 0 || minute < 0 || !IsValidTime(hour, minute, 0))
        return {};
    return date + "  " + hourText + ":" + minutes;
}

std::string CombineDateTime(std::string_view date, std::string_view time)
{
    std::string d = Trim(date);
    std::size_t blank = d.find(' ');
    if (blank != std::string::npos)
        d.erase(blank);
    return NormalizeDateTime(d + " " + Trim(time));
}

int CompareDateTime(std::string_view a, std::string_view b)
{
    if (a == b)
        return 0;
    std::string sa(a);
    std::string sb(b);
    if (sa.size() == 8)
        sa += "  00:00";
    if (sb.size() == 8)
        sb += "  00:00";
    auto cmp = [](int x, int y) { return x < y ? 1 : x > y ? -1 : 0; };
    if (sa.substr(0, 8) == sb.substr(0, 8)) {
        int r = cmp(Field(sa, 10, 2), Field(sb, 10, 2));
        return r != 0 ? r : cmp(Field(sa, 13, 2), Field(sb, 13, 2));
    }
    auto year = [](const std::string& s) {
        int y = Field(s, 6, 2);
        return y < 80 ? y + 100 : y;
    };
    int r = cmp(year(sa), year(sb));
    if (r == 0)
        r = cmp(Field(sa, 3, 2), Field(sb, 3, 2));
    if (r == 0)
        r = cmp(Field(sa, 0, 2), Field(sb, 0, 2));
    return r;
}

std::string ReformatDateTime(std::string_view input)
{
    std::string t = Trim(input).substr(0, 40);
    auto part = [](std::string& rest, char sep) {
        std::size_t p = rest.find(sep);
        std::string out;
        if (p == std::string::npos)
            return out;
        out = p == 1 ? "0" + rest.substr(0, 1) : p >= 2 ? rest.substr(p - 2, 2) : std::string();
        rest = rest.substr(p + 1);
        return out;
    };
    std::string rest = t;
    std::string day = part(rest, '.');
    rest = TrimLeft(rest);
    std::string month = part(rest, '.');
    std::size_t blank = rest.find(' ');
    std::string yearText = rest.substr(0, blank);
    std::string year = yearText.size() == 1 ? "0" + yearText
        : yearText.size() >= 2              ? yearText.substr(yearText.size() - 2)
                                            : std::string();
    std::string date = day + "." + month + "." + year;
    if (day.size() + month.size() + year.size() != 6)
        date.clear();
    if (blank == std::string::npos)
        return date;
    std::string time = TrimLeft(rest.substr(blank + 1));
    std::size_t sep = time.find(':');
    if (sep == std::string::npos)
        sep = time.find('.');
    if (sep == std::string::npos)
        return date;
    std::string hour = sep <= 1 ? "0" + time.substr(0, 1) : time.substr(sep - 2, 2);
    std::string after = time.substr(sep + 1);
    std::size_t end = after.find_first_of(":.");
    std::string m = after.substr(0, end);
    if (m.empty())
        return date;
    std::string minutes = m.size() == 1 ? "0" + m : m.substr(m.size() - 2);
    return date + "  " + hour + ":" + minutes;
}

int DayNumber(int day, int month, int year)
{
    int q = month <= 2 ? year - 1801 : year - 1800;
    int c = month <= 2 ? 0 : static_cast<int>(0.4 * month + 2.3);
    int s = ((month <= 2 && year > 1900) || (month > 2 && year >= 1900)) ? 1 : 0;
    return 365 * (year - 1800) + 31 * month + (day - 1) + q / 4 - c - s - 395;
}

int DaysBetween(int packedA, int packedB)
{
    auto number = [](int packed) {
        return DayNumber(packed & 0xFF, (packed >> 8) & 0xFF, packed >> 16);
    };
    return number(packedB) - number(packedA);
}

}
