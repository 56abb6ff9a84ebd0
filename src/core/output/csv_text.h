#pragma once

#include <string>
#include <string_view>

namespace zam {

// "Standard real syntax" with a decimal point: sign, digits, at most one
// point, optional exponent.
bool IsRealSyntax(std::string_view text);

// The text in double quotes, every quote inside doubled.
std::string QuoteCsv(std::string_view text);

// One exported field: numbers get the decimal comma unless the separator is
// ","; texts with the separator or a quote are quoted.
std::string CsvField(std::string_view text, char separator, bool colon);

// A row of cells joined by cellSeparator as one CSV line.
std::string CsvLine(std::string_view row, char cellSeparator, char separator, bool colon);

}
