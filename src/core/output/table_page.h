#pragma once

#include "output/result_tables.h"

#include <string>
#include <vector>

namespace zam {

// The effective measures of a page head, clamped as every view shows them.
struct TTableLayout {
    int titleCount = 0; // 0..3
    int fixedLines = 0; // information lines, at most the lines there are
    int rows = 1; // grid rows, at least 1
    int cols = 1; // grid columns, 1..50
    int fixedRows = 0; // grid: 0..9 heading rows; 'A': heading body lines
    int fixedCols = 0; // 0..9
    std::array<int, kMaxGridCols> colWidths {}; // characters, 0 in the head meaning 7
};

TTableLayout EffectiveLayout(const TTabHead& head, int lineCount);

// One page as a display gets it: titles, notice, information lines and the
// body, either text lines (kinds 'A', 'C', 'D') or the cells of a grid ('B').
struct TTablePage {
    TTabHead head;
    TTableLayout layout;
    std::vector<std::string> leftTitles; // titleCount entries, at most 80 characters
    std::vector<std::string> rightTitles;
    std::string notice;
    std::vector<std::string> info;
    std::vector<std::string> lines;
    std::vector<std::string> cells; // rows * cols, row by row; texts cut to 80 characters

    bool IsGrid() const { return head.Kind == 'B'; }
    bool Shows() const { return head.Kind >= 'A' && head.Kind <= 'D'; }
    const std::string& CellAt(int row, int col) const; // 0-based
};

TTablePage BuildTablePage(const TSTab& table);

// What a page view implements (the table window, the plain-text renderer).
class TTableDisplay {
public:
    virtual ~TTableDisplay() = default;
    virtual void ShowPage(const TTablePage& page) = 0;
};

// The edge flags of a grid cell ("%%" and four digits: left, right, top,
// bottom; "1" = a grid line there) and the text without them.
struct TCellFlags {
    bool left = true, right = true, top = true, bottom = true;
};
TCellFlags CellFlags(const std::string& cell);
std::string CellTextWithoutFlags(const std::string& cell);

}
