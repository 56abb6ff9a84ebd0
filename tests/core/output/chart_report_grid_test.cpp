#include "base/string_grid.h"
#include "output/chart_report_grid.h"

#include <gtest/gtest.h>

namespace zam {
namespace {

// Three charts in the report layout: heading rows 0..3, blocks of four data
// rows and a separator from row 4 on; column 3 of a block's fourth row holds
// the days since the last out-of-control situation behind one marker char.
TStringGrid ReportGrid()
{
    struct Chart {
        const char* name;
        const char* days;
    };
    const Chart charts[] = { { "blei.mwk", ">12" }, { "Cadmium.mwk", "" }, { "zink.mwk", " 3" } };
    TStringGrid grid(8, 4 + 5 * 3, 1, 4);
    int row = 4;
    for (const Chart& c : charts) {
        grid.SetCell(1, row, c.name);
        for (int i = 0; i < 4; ++i)
            grid.SetCell(2, row + i, std::string(c.name) + " Zeile " + std::to_string(i + 1));
        grid.SetCell(3, row + 3, c.days);
        row += 5;
    }
    return grid;
}

std::vector<std::string> NameOrder(const TStringGrid& grid)
{
    std::vector<std::string> names;
    for (int row = 4; row < grid.RowCount(); row += 5)
        names.push_back(grid.Cell(1, row));
    return names;
}

TEST(ChartReportGrid, OnlyTheFirstCellOfABlockNamesAChart)
{
    TStringGrid grid = ReportGrid();
    EXPECT_EQ(ChartFileAt(1, 9, grid.Cell(1, 9), "/daten/"), "/daten/Cadmium.mwk");
    EXPECT_EQ(ChartFileAt(1, 4, grid.Cell(1, 4), "/daten/"), "/daten/blei.mwk");
    for (auto [col, row] : { std::pair { 1, 10 }, { 2, 9 }, { 1, 3 }, { 0, 4 }, { 1, 8 } })
        EXPECT_EQ(ChartFileAt(col, row, grid.Cell(col, row), "/daten/"), "") << col << "," << row;
    EXPECT_TRUE(IsChartNameCell(1, 19));
    EXPECT_FALSE(IsChartNameCell(1, -1));
}

TEST(ChartReportGrid, SortsByDaysWithChartsWithoutSituationLastThenBackByName)
{
    TStringGrid grid = ReportGrid();
    int state = 0;
    SortChartReport(grid, state);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(NameOrder(grid), (std::vector<std::string> { "zink.mwk", "blei.mwk", "Cadmium.mwk" }));
    // the rows travel with their block, the separator rows stay empty
    EXPECT_EQ(grid.Cell(2, 7), "zink.mwk Zeile 4");
    EXPECT_EQ(grid.Cell(3, 7), " 3");
    EXPECT_EQ(grid.Cell(2, 8), "");

    SortChartReport(grid, state);
    EXPECT_EQ(state, 0);
    EXPECT_EQ(NameOrder(grid), (std::vector<std::string> { "blei.mwk", "Cadmium.mwk", "zink.mwk" }));
    EXPECT_EQ(grid.Cell(3, 12), "");
    EXPECT_EQ(grid.Cell(3, 17), " 3");
}

}
}
