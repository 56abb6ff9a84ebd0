#pragma once

#include <string>
#include <string_view>

namespace zam {

class TStringGrid;

// The grid of the control chart overview lists one block of five rows per
// chart from row 4 on (four data rows and a separator row); column 1 of a
// block's first row holds the chart's file name.
bool IsChartNameCell(int col, int row);

// The chart file named by the text of cell (col, row), joined to the report
// folder; empty when the cell is no name cell or holds no name.
std::string ChartFileAt(int col, int row, std::string_view cellText, std::string_view reportDir);

// Re-sorts the blocks: with sortState 0 by the days since the last
// out-of-control situation (charts without one last), with 1 by file name;
// the state toggles.
void SortChartReport(TStringGrid& grid, int& sortState);

}
