#include "output/chart_report_grid.h"

#include "base/string_grid.h"
#include "base/text_utils.h"

#include <algorithm>
#include <vector>

namespace zam {

namespace {

constexpr int kFirstBlockRow = 4;
constexpr int kBlockRows = 5;
constexpr int kDataRows = 4;
constexpr int kSortedCols = 7;

std::string BlockKey(const TStringGrid& grid, int row, int sortState)
{
    const std::string& name = grid.Cell(1, row);
    if (sortState != 0)
        return name;
    std::string days = grid.Cell(3, row + kDataRows - 1);
    if (days.empty())
        return "999999" + name;
    std::string padded = "00000000" + days.substr(1);
    return padded.substr(padded.size() - 6) + name;
}

}

bool IsChartNameCell(int col, int row)
{
    return col == 1 && row >= kFirstBlockRow && (row - kFirstBlockRow) % kBlockRows == 0;
}

std::string ChartFileAt(int col, int row, std::string_view cellText, std::string_view reportDir)
{
    if (!IsChartNameCell(col, row) || cellText.empty())
        return {};
    return std::string(reportDir) + std::string(cellText);
}

void SortChartReport(TStringGrid& grid, int& sortState)
{
    // one line per data row: key, position in the block, then the cells
    struct Line {
        std::string key;
        std::vector<std::string> cells;
    };
    std::vector<Line> lines;
    for (int row = kFirstBlockRow; row < grid.RowCount() - 1; row += kBlockRows) {
        std::string key = BlockKey(grid, row, sortState);
        for (int i = 0; i < kDataRows; ++i) {
            Line line { LowerCase(key) + static_cast<char>('1' + i), {} };
            for (int c = 1; c <= kSortedCols; ++c)
                line.cells.push_back(grid.Cell(c, row + i));
            lines.push_back(std::move(line));
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.key < b.key; });
    int row = kFirstBlockRow;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (int c = 1; c <= kSortedCols; ++c)
            grid.SetCell(c, row, lines[i].cells[static_cast<std::size_t>(c - 1)]);
        ++row;
        if ((i + 1) % kDataRows == 0)
            ++row;
    }
    sortState = sortState == 0 ? 1 : 0;
}

}
