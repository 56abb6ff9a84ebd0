#include "base/string_grid.h"

#include <algorithm>

namespace zam {

TStringGrid::TStringGrid(int colCount, int rowCount, int fixedCols, int fixedRows)
    : cols_(std::max(colCount, 0))
    , rows_(std::max(rowCount, 0))
    , fixedCols_(std::clamp(fixedCols, 0, cols_))
    , fixedRows_(std::clamp(fixedRows, 0, rows_))
    , cells_(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_))
{
}

void TStringGrid::Resize(int colCount, int rowCount)
{
    TStringGrid g(colCount, rowCount, fixedCols_, fixedRows_);
    for (int r = 0; r < std::min(rows_, g.rows_); ++r)
        for (int c = 0; c < std::min(cols_, g.cols_); ++c)
            g.SetCell(c, r, Cell(c, r));
    *this = std::move(g);
}

const std::string& TStringGrid::Cell(int col, int row) const
{
    static const std::string empty;
    if (!Contains(col, row))
        return empty;
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
}

void TStringGrid::SetCell(int col, int row, std::string text)
{
    if (Contains(col, row))
        cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)]
            = std::move(text);
}

void TStringGrid::ClearNonFixed()
{
    for (int r = fixedRows_; r < rows_; ++r)
        for (int c = fixedCols_; c < cols_; ++c)
            SetCell(c, r, {});
}

}
