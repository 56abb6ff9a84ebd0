#include "output/csv_text.h"

#include "base/text_utils.h"

#include <algorithm>

namespace zam {

bool IsRealSyntax(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            ++digits;
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i == t.size())
        return true;
    if (t[i] != 'e' && t[i] != 'E')
        return false;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    int expDigits = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        ++expDigits;
    }
    return expDigits > 0;
}

std::string QuoteCsv(std::string_view text)
{
    std::string q = "\"";
    for (char c : text) {
        q += c;
        if (c == '"')
            q += '"';
    }
    return q + "\"";
}

std::string CsvField(std::string_view text, char separator, bool colon)
{
    std::string t = Trim(text);
    if (colon && !t.empty() && t.back() == ':')
        t.pop_back();
    bool number = IsRealSyntax(t);
    if (number && !t.empty() && t.back() == '.')
        t.pop_back();
    if (number) {
        if (separator != ',')
            std::replace(t.begin(), t.end(), '.', ',');
        return t;
    }
    if (separator == ',') {
        std::replace(t.begin(), t.end(), ',', '.');
        if (IsRealSyntax(t))
            return t;
    }
    if (t.find(separator) != std::string::npos || t.find('"') != std::string::npos)
        return QuoteCsv(t);
    return t;
}

std::string CsvLine(std::string_view row, char cellSeparator, char separator, bool colon)
{
    std::vector<std::string> pieces = SplitFields(row, cellSeparator);
    if (pieces.size() > 1 && pieces.back().empty())
        pieces.pop_back();
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += separator;
        out += CsvField(pieces[i], separator, colon);
    }
    return out;
}

}
