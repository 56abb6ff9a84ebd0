#include "output/page_text.h"
#include "output/result_tables.h"
#include "output/table_page.h"

#include <gtest/gtest.h>

namespace zam {

namespace {
    TTabHead GridHead(int rows, int cols, int fixedRows = 1, int fixedCols = 1)
    {
        TTabHead h;
        h.Kind = 'B';
        h.RowCount = rows;
        h.ColCount = cols;
        h.FixedRows = fixedRows;
        h.FixedCols = fixedCols;
        return h;
    }

    std::vector<std::string> Lines(const TTMng& m, int i) { return m.Table(i)->Lines; }

    class TRecordingDisplay : public TTableDisplay {
    public:
        void ShowPage(const TTablePage& p) override { page = p; }
        TTablePage page;
    };
}

TEST(ResultTables, AddingNeedsACurrentTable)
{
    TTMng m;
    m.AddTableLine("ignored");
    m.StartTable(1, TTabHead {});
    m.PutCell(1, 1, "");
    EXPECT_TRUE(Lines(m, 1).empty());
    m.PutCell(1, 1, "x");
    EXPECT_EQ(Lines(m, 1), (std::vector<std::string> { "    1    1x" }));
    m.SelectTable(27);
    EXPECT_EQ(m.Current, 0);
    m.AddTableLine("x");
    EXPECT_EQ(Lines(m, 1).size(), 1U);
    EXPECT_EQ(m.Table(27), nullptr);
    EXPECT_EQ(m.Table(0), nullptr);
}

TEST(ResultTables, SelectingAgainEmptiesTheTable)
{
    TTMng m;
    TTabHead h;
    h.Kind = 'A';
    h.TitleCount = 2;
    m.StartTable(2, h);
    m.AddTableLine("a");
    m.SelectTable(2);
    EXPECT_TRUE(Lines(m, 2).empty());
    EXPECT_EQ(m.Table(2)->Head.Kind, 0);
    EXPECT_EQ(m.Table(2)->Head.TitleCount, 0);
    m.AddTable(3, h, { "x", "y" });
    EXPECT_EQ(Lines(m, 3), (std::vector<std::string> { "x", "y" }));
    m.SetPageEntry(1, "010000Kalibrierfunktion");
    m.SetButtonFlags("1111111111111111111111111");
    EXPECT_EQ(m.ButtonFlags().size(), 20U);
    m.CommandCode = 210;
    m.ClearPages();
    EXPECT_EQ(m.Table(3), nullptr);
    EXPECT_EQ(m.PageEntry(1), "");
    EXPECT_EQ(m.ButtonFlags(), "");
    EXPECT_EQ(m.CommandCode, 0);
}

TEST(ResultTables, PutBlockForTheTwoExamples)
{
    TTMng m;
    m.StartTable(1, GridHead(4, 6));
    m.PutBlock(2, 4, 1, 1, "", "Nr.");
    EXPECT_EQ(Lines(m, 1), (std::vector<std::string> { "    2    1%%1110", "    3    1%%1100", "    4    1%%1101Nr." }));
    m.SelectTable(1);
    m.PutBlock(1, 1, 4, 6, "", "Linear");
    EXPECT_EQ(Lines(m, 1),
        (std::vector<std::string> { "    1    4%%1011Linear", "    1    5%%0011", "    1    6%%0111" }));
}

TEST(ResultTables, PutBlockRowsAndColumnsGivenBackwards)
{
    TTMng m;
    m.StartTable(1, GridHead(5, 3));
    m.PutBlock(4, 2, 1, 1, "oben", "unten");
    EXPECT_EQ(Lines(m, 1),
        (std::vector<std::string> { "    2    1%%1110oben", "    3    1%%1100unten", "    4    1%%1101" }));
    m.SelectTable(1);
    m.PutBlock(1, 1, 3, 2, "", "");
    EXPECT_TRUE(Lines(m, 1).size() == 2U);
    EXPECT_EQ(Lines(m, 1)[0], "    1    2%%1011");
    EXPECT_EQ(Lines(m, 1)[1], "    1    3%%0111");
    m.SelectTable(1);
    m.PutBlock(2, 2, 2, 2, "", "allein");
    EXPECT_EQ(Lines(m, 1), (std::vector<std::string> { "    2    2allein" }));
}

TEST(ResultTables, ViewsClampTheHead)
{
    TTMng m;
    TTabHead h = GridHead(0, 60, 12, 10);
    h.ColWidths[0] = 12;
    m.StartTable(1, h);
    m.PutCell(1, 1, "a");
    m.PutCell(0, 1, "row zero");
    m.PutCell(1, 51, "beyond");
    m.PutCell(1, 1, std::string(100, 'z'));
    TRecordingDisplay d;
    ASSERT_TRUE(m.ShowTable(1, d));
    EXPECT_EQ(d.page.layout.rows, 1);
    EXPECT_EQ(d.page.layout.cols, 50);
    EXPECT_EQ(d.page.layout.fixedRows, 9);
    EXPECT_EQ(d.page.layout.fixedCols, 9);
    EXPECT_EQ(d.page.layout.colWidths[0], 12);
    EXPECT_EQ(d.page.layout.colWidths[1], 7);
    EXPECT_EQ(d.page.CellAt(0, 0), std::string(80, 'z')); // the later entry wins, cut to 80
    EXPECT_FALSE(m.ShowTable(5, d));

    TTabHead g = GridHead(20, 3, 12, 0);
    EXPECT_EQ(EffectiveLayout(g, 0).fixedRows, 9);
    TTabHead t;
    t.Kind = 'A';
    t.TitleCount = 7;
    t.FixedLines = 5;
    EXPECT_EQ(EffectiveLayout(t, 2).titleCount, 3);
    EXPECT_EQ(EffectiveLayout(t, 2).fixedLines, 2);
}

TEST(ResultTables, PageDirectoryEndsAtTheFirstEmptyEntry)
{
    TTMng m;
    m.SetPageEntry(1, "010000Kalibrierfunktion");
    m.SetPageEntry(2, "000712Protokoll");
    m.SetPageEntry(4, "010000Hinweis");
    EXPECT_EQ(m.VisiblePageCount(), 2);
    TPageEntry e = ParsePageEntry(m.PageEntry(2));
    EXPECT_EQ(e.plot, 0);
    EXPECT_EQ(e.helpContext, 712);
    EXPECT_EQ(e.caption, "Protokoll");
    EXPECT_EQ(ParsePageEntry("01").caption, "");
    EXPECT_EQ(MakePageEntry(1, 0, "Daten, Residuen, Ausreißer"), "010000Daten, Residuen, Ausreißer");
    m.CommandCode = 210;
    EXPECT_EQ(m.HelpContextOf(1), 2100);
    EXPECT_EQ(m.HelpContextOf(2), 712);
    m.CommandCode = 0;
    EXPECT_EQ(m.HelpContextOf(1), 100000);
}

}
