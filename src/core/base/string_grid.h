#pragma once

#include <string>
#include <vector>

namespace zam {

// A table of text cells with fixed caption rows and columns at the top and
// left, the data of every entry grid. Cells are addressed (column, row) from 0;
// addresses outside the grid read as empty and are not written.
class TStringGrid {
public:
    TStringGrid(int colCount, int rowCount, int fixedCols = 1, int fixedRows = 1);

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    // Keeps the cells that still fit.
    void Resize(int colCount, int rowCount);

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < cols_ && row < rows_; }
    void ClearNonFixed();

private:
    int cols_;
    int rows_;
    int fixedCols_;
    int fixedRows_;
    std::vector<std::string> cells_;
};

}
