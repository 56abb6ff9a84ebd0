#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zam {

struct TParseCase {
    const char* text;
    double value;
    int integer;
    int status;
};

TEST(ParseNumber, AcceptsCommaPlusAndExponentAndRejectsTheRest)
{
    const TParseCase cases[] = {
        { "1,25", 1.25, 1, 2 },
        { "+3", 3, 3, 0 },
        { "  7+ ", 7, 7, 0 },
        { "", 0, 0, -1 },
        { "   ", 0, 0, -1 },
        { "1.2.3", 0, 0, -2 },
        { "2.5E3", 2500, 2500, 1 },
        { "-0,5", -0.5, 0, 1 },
        { "2.5", 2.5, 2, 1 }, // halves to even
        { "3.5", 3.5, 4, 1 },
        { "1e-3", 0.001, 0, 0 },
        { ".5", 0.5, 0, 1 },
        { "5.", 5, 5, 0 },
        { "abc", 0, 0, -2 },
        { "1 000", 0, 0, -2 },
        { "nan", 0, 0, -2 },
        { "inf", 0, 0, -2 },
        { "1e400", 0, 0, -2 },
        { "1e", 0, 0, -2 },
        { "-", 0, 0, -2 },
        { "5000000000", 5e9, 2147483647, 0 },
        { "12.000", 12, 12, 3 },
    };
    for (const auto& c : cases) {
        TParsedNumber n = ParseNumber(c.text);
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(n.integer, c.integer) << c.text;
        EXPECT_EQ(n.status, c.status) << c.text;
    }
}

struct TFormatCase {
    int decimals;
    double x;
    const char* text;
};

TEST(FormatFixed, RoundsHalfAwayFromZeroAndDropsZerosForNegativeDecimals)
{
    const TFormatCase cases[] = {
        { -3, 2, "2" },
        { 3, 2, "2.000" },
        { -2, 2.5, "2.5" },
        { 2, 2.675, "2.68" }, // as printed, not as stored in binary
        { 2, -2.675, "-2.68" },
        { 0, 0.5, "1" },
        { 0, -0.5, "-1" },
        { 0, 1.5, "2" },
        { 0, 2.5, "3" },
        { 3, -0.0001, "0.000" }, // no "-0.000"
        { 3, -0.0, "0.000" },
        { 1, 99.96, "100.0" },
        { 4, 1e-7, "0.0000" },
        { 0, 123456789012.0, "123456789012" },
        { -4, 0.1 + 0.2, "0.3" },
        { 2, 1e20, "100000000000000000000.00" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.decimals, c.x), c.text) << c.decimals << " " << c.x;
}

TEST(FormatAuto, ShowsUpToTenDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(FormatAuto(12.5), "12.5");
    EXPECT_EQ(FormatAuto(0.5), "0.5");
    EXPECT_EQ(FormatAuto(0), "0");
    EXPECT_EQ(FormatAuto(123456.7), "123457");
    EXPECT_EQ(FormatAuto(1.234567), "1.23457");
    EXPECT_EQ(FormatAuto(0.00012345678), "0.00012346");
    EXPECT_EQ(FormatAuto(-12.5), "-12.5");
}

TEST(FormatSmall, SwitchesToTwoDigitExponentBelowAboutTenToMinusFive)
{
    EXPECT_EQ(FormatSmall(3e-7), "3.00000E-07");
    EXPECT_EQ(FormatSmall(-1.234567e-8), "-1.23457E-08");
    EXPECT_EQ(FormatSmall(3e-6), "0.0000030000");
    EXPECT_EQ(FormatSmall(12.5), "12.5000");
    EXPECT_EQ(FormatSmall(0), "0.00000");
    EXPECT_EQ(FormatSmall(2e6), "2000000");
}

TEST(FormatWidth, ReducesDecimalsThenUsesExponentThenMarksOverflow)
{
    EXPECT_EQ(FormatWidth(4, 6, 123.456), "123.46");
    EXPECT_EQ(FormatWidth(2, 8, 1.5), "    1.50");
    EXPECT_EQ(FormatWidth(2, 0, 1.5), "");
    EXPECT_EQ(FormatWidth(-3, 5, 2.5), "  2.5");
    std::string over = FormatWidth(2, 3, 1E5);
    EXPECT_EQ(over.size(), 3U);
    EXPECT_EQ(over[0], '*');
    EXPECT_EQ(FormatWidth(0, 7, 1.23e9), "1.2E+09");
    std::string small = FormatWidth(2, 12, 1.5e-30);
    EXPECT_EQ(small.size(), 12U);
    EXPECT_EQ(small, "        0.00");
}

TEST(FormatExponent, HasSignMantissaAndFourExponentDigits)
{
    EXPECT_EQ(FormatExponent(1.234567e-8, 14), " 1.23457E-0008");
    EXPECT_EQ(FormatExponent(-9.999996, 14), "-1.00000E+0001");
    EXPECT_EQ(FormatExponent(0, 14), " 0.00000E+0000");
}

TEST(ProbabilityText, StatesConfidenceOrTheUpperBound)
{
    EXPECT_EQ(ProbabilityText(1E-5), " p>99.99%");
    EXPECT_EQ(ProbabilityText(0.05), " p=95%");
    EXPECT_EQ(ProbabilityText(0.0123), " p=98.77%");
    EXPECT_EQ(ProbabilityText(2.0), " p=0%");
}

TEST(FormatFunctions, NeverPrintNanOrInfinityAsDigits)
{
    EXPECT_EQ(FormatFixed(2, std::nan("")), "Nan");
    EXPECT_EQ(FormatAuto(INFINITY), "+Inf");
    EXPECT_EQ(FormatWidth(2, 6, -INFINITY), "  -Inf");
}

}
