#include "base/cp1252.h"

#include <gtest/gtest.h>

namespace zam {

TEST(Cp1252, LiteralsAreCompiledToWindows1252)
{
    std::string s = "ä§€";
    ASSERT_EQ(s.size(), 3U);
    EXPECT_EQ(static_cast<unsigned char>(s[0]), 0xE4);
    EXPECT_EQ(static_cast<unsigned char>(s[1]), 0xA7);
    EXPECT_EQ(static_cast<unsigned char>(s[2]), 0x80);
}

TEST(Cp1252, Utf8RoundTripKeepsEveryByte)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, HighControlRangeIsNotLatin1)
{
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x84"), "\xE2\x80\x9E"); // low double quote
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8"); // Y with diaeresis
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x93"), "\x96"); // en dash
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // not in the code page
}

TEST(Cp1252, InvalidUtf8IsTakenByteByByte)
{
    EXPECT_EQ(Utf8ToCp1252("M\xFC" "ller"), "M\xFC" "ller");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "\xC3");
    EXPECT_EQ(Utf8ToCp1252("\xE0\x80\x80"), "\xE0\x80\x80"); // overlong
}

TEST(Cp1252, DosCodePage850ForUmlauts)
{
    EXPECT_EQ(AnsiToOem("äöüÄÖÜß"), "\x84\x94\x81\x8E\x99\x9A\xE1");
    EXPECT_EQ(OemToAnsi("\x84\x94\x81\x8E\x99\x9A\xE1"), "äöüÄÖÜß");
    EXPECT_EQ(AnsiToOem("abc 123"), "abc 123");
    EXPECT_EQ(AnsiToOem("€"), "?"); // code page 850 has no euro sign
    EXPECT_EQ(OemToAnsi("\xB0"), "?"); // a box-drawing shade
    std::string latin;
    for (int c = 0xA0; c < 0x100; ++c)
        latin += static_cast<char>(c);
    // every Latin-1 letter and sign of 850 comes back unchanged
    std::string back = OemToAnsi(AnsiToOem(latin));
    for (std::size_t i = 0; i < latin.size(); ++i) {
        if (AnsiToOem(latin.substr(i, 1)) != "?") {
            EXPECT_EQ(back[i], latin[i]) << i;
        }
    }
}

}
