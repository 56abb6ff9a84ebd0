#pragma once

#include <string>
#include <string_view>

namespace zam {

// Number status: -1 empty, -2 not a number, otherwise the count of decimals
// written. Reports repeat entered numbers with that precision.
inline constexpr int kStatusEmpty = -1;
inline constexpr int kStatusInvalid = -2;

struct TParsedNumber {
    int integer = 0;
    double value = 0.0;
    int status = kStatusEmpty;
    bool Valid() const { return status >= 0; }
};

// User input and stored data: blanks and '+' at the ends are ignored, ','
// counts as the decimal point. Independent of the process locale.
TParsedNumber ParseNumber(std::string_view text);
int ParseInteger(std::string_view text);
double ParseReal(std::string_view text);

// Fixed-point text with |d| decimals, rounded half away from zero; a negative d
// drops trailing zeros and then a trailing point. Zero never carries a sign.
std::string FormatFixed(int decimals, double x);

// Up to four significant decimals beyond the integer digits, at most ten.
std::string FormatAuto(double x);

// Like FormatAuto for ordinary values, exponent notation below about 1E-5.
std::string FormatSmall(double x);

// Right-aligned in width characters: fewer decimals first, then exponent
// notation, finally "*" and the first width-1 characters as overflow mark.
std::string FormatWidth(int decimals, int width, double x);

// Exponent notation of the given total width: sign (blank when positive),
// mantissa, "E", exponent sign and four exponent digits.
std::string FormatExponent(double x, int width);

// " p=95%" style confidence of a test statistic being exceeded.
std::string ProbabilityText(double probability);

}
