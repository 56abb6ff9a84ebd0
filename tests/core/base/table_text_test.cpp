#include "base/table_text.h"

#include <gtest/gtest.h>

namespace zam {

TEST(TableText, CellBuildsWidthAndAlignmentMarkers)
{
    EXPECT_EQ(Cell("  12.5", 8, 1, 0), "\xBC" "8\xBF" "12.5");
    EXPECT_EQ(Cell("12.5", 8, 1, 3), "\xBC" "8\xAB" "312.5");
    EXPECT_EQ(Cell(" mitte ", 12, 0, 0), "\xBC<\xC7mitte");
    EXPECT_EQ(Cell("links  ", 0, -1, 0), "\xBC" "0links");
    EXPECT_EQ(Cell("links  ", 5, -1, 0), "\xBC" "5links");
    EXPECT_EQ(Cell("1.5", 5, -1, 2), "\xBC" "5\xBB" "21.5");
    EXPECT_EQ(Cell("abc ", 4, -2, 0), "\xBC" "4\x83" "abc");
    EXPECT_EQ(Cell("|", 6, 1, 0), "\xBC" "6|");
    EXPECT_EQ(FieldWidth(10), "\xBC:");
    EXPECT_EQ(RightText("  x"), "\xBFx");
    EXPECT_EQ(CentreText(" x "), "\xC7x");
}

TEST(TableText, StripMarkupRemovesMarkersWithTheirDigits)
{
    EXPECT_EQ(StripMarkup("\xBC" "8\xBF" "12.5|\xBC" "5\xAB" "3x"), "12.5x");
    EXPECT_EQ(StripMarkup("%%0000Zelle"), "Zelle");
    EXPECT_EQ(StripMarkup("a\xB3" "b\xBD" "c\xC7" "d\x83" "e"), "abcde");
    EXPECT_EQ(StripMarkup("a\xAC" "Xb\xF7" "c"), "ab\xF7" "c");
    EXPECT_EQ(StripMarkup("ends with marker \xBC"), "ends with marker ");
    EXPECT_EQ(CleanLine("a|b\tc"), "ab c");
}

}
