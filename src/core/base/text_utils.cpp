#include "base/text_utils.h"

#include <algorithm>

namespace zam {

namespace {
    // Case folding of Windows-1252 letters, umlauts included.
    char ToUpper1252(char c)
    {
        auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            return static_cast<char>(u - 32);
        if (u == 0x9A || u == 0x9C || u == 0x9E)
            return static_cast<char>(u - 16);
        if (u == 0xFF)
            return static_cast<char>(0x9F);
        return c;
    }

    char ToLower1252(char c)
    {
        auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            return static_cast<char>(u + 32);
        if (u == 0x8A || u == 0x8C || u == 0x8E)
            return static_cast<char>(u + 16);
        if (u == 0x9F)
            return static_cast<char>(0xFF);
        return c;
    }
}

std::string Trim(std::string_view text)
{
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    std::size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string TrimLeft(std::string_view text)
{
    std::size_t b = text.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(text.substr(b));
}

std::string TrimRight(std::string_view text)
{
    std::size_t e = text.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(text.substr(0, e + 1));
}

std::string GetField(std::string_view list, int k, char separator)
{
    if (k < 1)
        return {};
    std::size_t start = 0;
    for (int field = 1; field < k; ++field) {
        std::size_t p = list.find(separator, start);
        if (p == std::string_view::npos)
            return {};
        start = p + 1;
    }
    std::size_t end = list.find(separator, start);
    return std::string(list.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::vector<std::string> SplitFields(std::string_view text, char separator, int minCount)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t p = text.find(separator, start);
        if (p == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            break;
        }
        fields.emplace_back(text.substr(start, p - start));
        start = p + 1;
    }
    while (static_cast<int>(fields.size()) < minCount)
        fields.emplace_back();
    return fields;
}

std::string JoinFields(const std::vector<std::string>& fields, char separator)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += fields[i];
    }
    return out;
}

int CountChar(std::string_view text, char c)
{
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

int LastPos(std::string_view sub, std::string_view text)
{
    if (sub.empty())
        return 0;
    std::size_t p = text.rfind(sub);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Align(std::string_view text, int width, int mode)
{
    std::string t = Trim(text);
    if (width <= 0)
        return {};
    auto w = static_cast<std::size_t>(width);
    if (t.size() >= w) {
        if (mode > 0)
            return t.substr(t.size() - w);
        return t.substr(0, w);
    }
    std::size_t free = w - t.size();
    if (mode < 0)
        return t + std::string(free, ' ');
    if (mode == 0)
        return std::string(free / 2, ' ') + t + std::string(free - free / 2, ' ');
    return std::string(free, ' ') + t;
}

std::string PadRight(std::string_view text, int width)
{
    if (width <= 0)
        return std::string(text);
    std::string t(text);
    t.resize(static_cast<std::size_t>(width), ' ');
    return t;
}

std::string OverwriteAt(std::string_view text, std::string_view insert, int column)
{
    std::string t(text);
    if (column < 1)
        column = 1;
    auto start = static_cast<std::size_t>(column - 1);
    if (t.size() < start + insert.size())
        t.resize(start + insert.size(), ' ');
    t.replace(start, insert.size(), insert);
    return t;
}

std::string CommaToPoint(std::string_view text)
{
    std::string t(text);
    std::replace(t.begin(), t.end(), ',', '.');
    return t;
}

bool ParsePlainInteger(std::string_view text, int& out, bool trim)
{
    std::string t = trim ? Trim(text) : std::string(text);
    std::size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    if (i == t.size() || t.size() - i > 9)
        return false;
    int v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
    }
    out = t[0] == '-' ? -v : v;
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpper1252(a[i]) != ToUpper1252(b[i]))
            return false;
    }
    return true;
}

std::string UpperCase(std::string_view text)
{
    std::string t(text);
    std::transform(t.begin(), t.end(), t.begin(), ToUpper1252);
    return t;
}

std::string LowerCase(std::string_view text)
{
    std::string t(text);
    std::transform(t.begin(), t.end(), t.begin(), ToLower1252);
    return t;
}

}
