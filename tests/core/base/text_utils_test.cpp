#include "base/bounds.h"
#include "base/text_utils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zam {

TEST(CaretList, FieldsAreOneBasedAndMissingFieldsEmpty)
{
    EXPECT_EQ(GetField("a^b^c", 1), "a");
    EXPECT_EQ(GetField("a^b^c", 3), "c");
    EXPECT_EQ(GetField("a^b^c", 4), "");
    EXPECT_EQ(GetField("a^^c", 2), "");
    EXPECT_EQ(GetField("a^b", 0), "");
    EXPECT_EQ(SplitFields("a^^b^", kCaret, 0), (std::vector<std::string> { "a", "", "b", "" }));
    EXPECT_EQ(SplitFields("x", kCaret, 3), (std::vector<std::string> { "x", "", "" }));
    EXPECT_EQ(CountChar("a^b^c", '^'), 2);
    EXPECT_EQ(LastPos("ab", "abxab"), 4);
    EXPECT_EQ(LastPos("q", "abc"), 0);
}

TEST(Align, LeftCentreRightWithCutting)
{
    EXPECT_EQ(Align(" ab ", 5, -1), "ab   ");
    EXPECT_EQ(Align("ab", 5, 0), " ab  ");
    EXPECT_EQ(Align("ab", 5, 1), "   ab");
    EXPECT_EQ(Align("abcdef", 3, -1), "abc");
    EXPECT_EQ(Align("abcdef", 3, 1), "def");
    EXPECT_EQ(PadRight("abc", 5), "abc  ");
    EXPECT_EQ(PadRight("abcdef", 2), "ab");
    EXPECT_EQ(PadRight("abc", 0), "abc");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 3), "abXYef");
    EXPECT_EQ(OverwriteAt("ab", "XY", 5), "ab  XY");
}

TEST(CaseFolding, CoversUmlauts)
{
    EXPECT_TRUE(EqualsNoCase("[Results]", "[RESULTS]"));
    EXPECT_TRUE(EqualsNoCase("Größe", "GRöSSE") == false);
    EXPECT_TRUE(EqualsNoCase("Ärger", "äRGER"));
    EXPECT_EQ(LowerCase("ÄÖÜ.KLB"), "äöü.klb");
}

TEST(Bounds, ClampAndRound)
{
    EXPECT_EQ(ClampInt(5, 0, 3), 3);
    EXPECT_DOUBLE_EQ(ClampReal(99.9, 90, 95.5), 95.5);
    EXPECT_DOUBLE_EQ(ClampReal(99.9, 90, 100), 99.9);
    EXPECT_DOUBLE_EQ(ClampReal(99.9, 90, 50), 90);
    EXPECT_EQ(RoundClamped(1e12), 2147483647);
    EXPECT_EQ(RoundClamped(-1e12), -2147483647);
    EXPECT_EQ(RoundClamped(std::nan("")), 0);
}

TEST(SafeMath, SetsTheSharedFlagInsteadOfFailing)
{
    EXPECT_DOUBLE_EQ(SafeExp(100), std::exp(85.0));
    EXPECT_TRUE(MathErrorFlag());
    EXPECT_DOUBLE_EQ(SafeExp(-100), 0.0);
    EXPECT_FALSE(MathErrorFlag());
    EXPECT_DOUBLE_EQ(SafeLn(0), -33000);
    EXPECT_TRUE(MathErrorFlag());
    EXPECT_DOUBLE_EQ(SafeLn(1), 0);
    EXPECT_FALSE(MathErrorFlag());
    EXPECT_DOUBLE_EQ(SafeSqrt(-4), 0);
    EXPECT_TRUE(MathErrorFlag());
    EXPECT_DOUBLE_EQ(SafeSqrt(std::nan("")), 0);
    EXPECT_DOUBLE_EQ(SafeSqrt(9), 3);
    EXPECT_FALSE(MathErrorFlag());
}

TEST(MaxRelDeviation, PercentOfMeanWithGuards)
{
    EXPECT_DOUBLE_EQ(MaxRelDeviation({}), -1);
    std::vector<double> zeroMean { -1, 1 };
    EXPECT_DOUBLE_EQ(MaxRelDeviation(zeroMean), -1);
    std::vector<double> one { 5 };
    EXPECT_DOUBLE_EQ(MaxRelDeviation(one), 0);
    std::vector<double> v { 9, 10, 11, 10 };
    EXPECT_DOUBLE_EQ(MaxRelDeviation(v), 10);
}

}
