#include "base/coded_real.h"
#include "base/line_scramble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace zam {

TEST(LineScramble, IsItsOwnInverseForEveryCharacterAndKey)
{
    for (long long key = 0; key < 66; ++key) {
        for (int c = 32; c < 256; ++c) {
            auto s = static_cast<unsigned char>(ScrambleChar(static_cast<unsigned char>(c), key));
            ASSERT_GE(s, 32) << "key " << key << " char " << c;
            ASSERT_EQ(static_cast<unsigned char>(ScrambleChar(s, key)), c) << "key " << key << " char " << c;
        }
    }
}

TEST(LineScramble, KeyIsLineNumberPlusColumn)
{
    std::string line;
    for (int c = 32; c < 256; ++c)
        line += static_cast<char>(c);
    for (int lineNo : { 0, 1, 7, 32, 1000 }) {
        std::string s = line;
        ScrambleLine(s, lineNo);
        for (std::size_t k = 0; k < s.size(); ++k)
            ASSERT_EQ(s[k], ScrambleChar(static_cast<unsigned char>(line[k]), lineNo + static_cast<long long>(k) + 1));
        ScrambleLine(s, lineNo);
        EXPECT_EQ(s, line);
    }
}

TEST(LineScramble, WorkedCharacters)
{
    // key 1 (line 0, column 1): swap bits 5/6 (1 mod 3); low bits 3<->4, 1<->2, XOR 31 (1 mod 11).
    // 'A' = 010 00001: high 010 -> 001 (bits 5/6 swapped), low 00001 -> 00001 -> 11110.
    EXPECT_EQ(static_cast<unsigned char>(ScrambleChar('A', 1)), 0x3E);
    // key 0: swap bits 5/7, low 3<->4, 1<->2, XOR 1. ' ' = 001 00000 -> 100 00001.
    EXPECT_EQ(static_cast<unsigned char>(ScrambleChar(' ', 0)), 0x81);
    // control characters are taken as "."
    EXPECT_EQ(ScrambleChar('\t', 5), ScrambleChar('.', 5));
}

TEST(CodedReal, SixByteRealLetters)
{
    EXPECT_EQ(EncodeReal(0).substr(0, 2), "AA");
    EXPECT_EQ(EncodeReal(0), "AAAAAAAAAAAA");
    EXPECT_EQ(EncodeReal(1.0), "IBAAAAAAAAAA");
    EXPECT_EQ(EncodeReal(-1.0), "IBAAAAAAAAIA");
    EXPECT_DOUBLE_EQ(DecodeReal("IBAAAAAAAAAA"), 1.0);
    EXPECT_DOUBLE_EQ(DecodeReal("IBAAAAAAAAA"), 0.0); // 11 letters
    EXPECT_DOUBLE_EQ(DecodeReal(""), 0.0);
}

TEST(CodedReal, RoundTripKeepsElevenSignificantDigits)
{
    for (double x : { 3.14159265358979, -2.5e-7, 1e20, 1e-20, 123456.789012, -0.0001, 10000.0, 1e38 }) {
        double back = DecodeReal(EncodeReal(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 2e-12) << x;
    }
}

TEST(CodedReal, OutOfRangeValuesStayFinite)
{
    EXPECT_DOUBLE_EQ(DecodeReal(EncodeReal(1e-60)), 0.0);
    EXPECT_GT(DecodeReal(EncodeReal(1e60)), 1e38);
    EXPECT_DOUBLE_EQ(DecodeReal(EncodeReal(std::nan(""))), 0.0);
    EXPECT_DOUBLE_EQ(DecodeReal(EncodeReal(std::numeric_limits<double>::infinity())), 0.0);
}

TEST(CodedReal, SixteenLettersAreAnIeeeDouble)
{
    double x = 1.0 / 3.0;
    unsigned char bytes[8];
    std::memcpy(bytes, &x, 8);
    std::string code;
    for (unsigned char b : bytes) {
        code += static_cast<char>('A' + (b >> 4));
        code += static_cast<char>('A' + (b & 15));
    }
    EXPECT_DOUBLE_EQ(DecodeReal(code), x);
    // letters are not checked; a pattern that is no number reads as 0
    EXPECT_DOUBLE_EQ(DecodeReal("PPPPPPPPPPPPPPPP"), 0.0);
}

}
