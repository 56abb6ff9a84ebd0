#include "base/table_text.h"
#include "base/table_text_fields.h"
#include "output/page_text.h"
#include "output/result_tables.h"

#include <gtest/gtest.h>

namespace zam {

TEST(PageText, FieldsAlignAndRulesFillTheirWidth)
{
    struct TCase {
        std::string text;
        int width;
        std::string plain;
    };
    const TCase cases[] = {
        { Cell("Methode", 10, -1, 0) + Cell("DIN 38402", 12, 1, 0), 40, "Methode      DIN 38402" },
        { Cell("Methode", 10, -1, 0) + "DIN", 40, "MethodeDIN" }, // unmarked text stays in the field
        { Cell("a", 5, 0, 0) + "|", 10, "  a  -----" },
        { "|", 8, "--------" },
        { "\xB3", 4, "----" },
        { Cell("x", 3, -1, 0) + FieldWidth(4) + "\xBD", 20, "x  ____" },
        { Cell("12.5", 8, 1, 3) + Cell("mg/l", 6, -1, 0), 30, "    12.5mg/l" },
        { Cell("Methode ¬: ÷", 12, -1, 0) + Cell("Wert", 6, -1, 0), 30, "Methode :   Wert" },
        { Cell("abcdefgh", 4, 1, 0) + Cell("X", 2, -1, 0), 30, "efghX" },
        { RightText("rechts"), 12, "      rechts" },
        { CentreText("mitte"), 11, "   mitte" },
        { "", 10, "" },
        { "\xBC", 10, "" },
        { "\xBC" "5\xBF", 10, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableTextToPlain(c.text, c.width), c.plain) << c.text;
}

TEST(PageText, FieldWithoutWidthRunsToTheNextWidthMarker)
{
    auto f = SplitTableText("abc\xBF" "def" "\xBC" "3xy");
    ASSERT_EQ(f.size(), 2U);
    EXPECT_EQ(f[0].text, "abc\xBF" "def"); // no width: alignment characters stay text
    EXPECT_EQ(f[1].width, 3);
    auto g = SplitTableText("\xBC" "4ab\xBF" "cd");
    ASSERT_EQ(g.size(), 2U);
    EXPECT_EQ(g[0].text, "ab");
    EXPECT_EQ(g[1].align, TFieldAlign::Right);
    EXPECT_EQ(g[1].text, "cd");
    EXPECT_FALSE(HasTextMargin("|"));
    EXPECT_TRUE(HasTextMargin("x|"));
}

TEST(PageText, TextPageWithTitlesNoticeAndInformation)
{
    TTMng m;
    TTabHead h;
    h.Kind = 'A';
    h.TitleCount = 2;
    h.LeftTitle = { "Kalibrierfunktion", "Blei", "" };
    h.RightTitle = { "ZAM", "09.12.2026", "" };
    h.Notice = "Hinweis!";
    h.FixedLines = 1;
    h.FixedRows = 1;
    m.StartTable(1, h);
    m.AddTableLine(Cell("Methode", 10, -1, 0) + Cell("DIN", 0, -1, 0));
    m.AddTableLine(Cell("Kopf", 10, -1, 0));
    m.AddTableLine(Cell("n", 10, -1, 0) + Cell("10", 5, 1, 0));
    TPlainTextDisplay d(40);
    ASSERT_TRUE(m.ShowTable(1, d));
    std::vector<std::string> expected {
        "Kalibrierfunktion                    ZAM",
        "Blei                          09.12.2026",
        std::string(40, '='),
        ">> Hinweis!",
        "",
        "Methode   DIN",
        std::string(40, '-'),
        "Kopf",
        std::string(40, '-'),
        "n            10",
    };
    EXPECT_EQ(d.lines, expected);
}

TEST(PageText, GridWithMergedHeadingBlocks)
{
    TTMng m;
    TTabHead h;
    h.Kind = 'B';
    h.RowCount = 4;
    h.ColCount = 3;
    h.FixedRows = 2;
    h.FixedCols = 1;
    h.ColWidths = { 4, 6, 6 };
    m.StartTable(1, h);
    m.PutBlock(1, 2, 1, 1, "", "Nr.");
    m.PutBlock(1, 1, 2, 3, "", CentreText("Linear"));
    m.PutCell(2, 2, CentreText("x"));
    m.PutCell(2, 3, CentreText("y"));
    m.PutCell(3, 1, RightText("1"));
    m.PutCell(3, 2, RightText("0.5"));
    m.PutCell(3, 3, RightText("0.062"));
    m.PutCell(4, 1, RightText("2"));
    TPlainTextDisplay d;
    ASSERT_TRUE(m.ShowTable(1, d));
    std::vector<std::string> expected {
        "+----+------+------+",
        "|    |   Linear    |",
        "|    +------+------+",
        "|Nr. |  x   |  y   |",
        "+----+------+------+",
        "|   1|   0.5| 0.062|",
        "|   2|      |      |",
        "+----+------+------+",
    };
    EXPECT_EQ(d.lines, expected);
}

TEST(PageText, PlainAndListPages)
{
    TTMng m;
    TTabHead c;
    c.Kind = 'C';
    m.AddTable(1, c, { "09.12.2026 16:51 : Administrator", "   \"alt\" --> \"neu\"   " });
    TPlainTextDisplay d;
    m.ShowTable(1, d);
    EXPECT_EQ(d.lines, (std::vector<std::string> { "09.12.2026 16:51 : Administrator", "   \"alt\" --> \"neu\"" }));
    TTabHead none;
    none.Kind = 'X';
    m.AddTable(2, none, { "never shown" });
    m.ShowTable(2, d);
    EXPECT_TRUE(d.lines.empty());
}

}
