#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zam {

inline constexpr int kMaxTables = 26;
inline constexpr int kMaxGridCols = 50;
inline constexpr int kMaxHeadingCells = 9;
inline constexpr int kMaxCellText = 80;

// The head of one result page. Kind 'A' text drawn as a picture, 'B' grid of
// cells, 'C' plain text, 'D' text as a list; anything else shows nothing.
struct TTabHead {
    char Kind = 0;
    int TitleCount = 0;
    int FixedLines = 0;
    int RowCount = 0;
    int ColCount = 0;
    int FixedRows = 0;
    int FixedCols = 0;
    int SignLines = 0;
    char NoHorzLines = 0;
    char NoVertLines = 0;
    char NoFixedHorzLines = 0;
    char NoFixedVertLines = 0;
    char ColSizing = 0;
    char ColMoving = 0;
    char FitWidth = 0;
    std::array<std::string, 3> LeftTitle;
    std::array<std::string, 3> RightTitle;
    std::string Notice;
    std::array<std::uint8_t, kMaxGridCols> ColWidths {};
};

struct TSTab {
    TTabHead Head;
    std::vector<std::string> Lines;
};

// A grid cell entry of a kind 'B' page: row and column (from 1) right-aligned
// in five characters each, then the text.
std::string CellEntry(int row, int col, std::string_view text);

// A page directory entry: plot number (two digits), help context (four
// digits), tab caption.
struct TPageEntry {
    int plot = 0;
    int helpContext = 0;
    std::string caption;
};
TPageEntry ParsePageEntry(std::string_view entry);
std::string MakePageEntry(int plot, int helpContext, std::string_view caption);

class TTableDisplay;

// The one manager of the result pages of the last command.
class TTMng {
public:
    int CommandCode = 0;
    int Current = 0;
    int FirstPage = 0;
    int HelpDefault = 0;

    void ClearPages();
    void SelectTable(int index);
    void SetTableHead(const TTabHead& head);
    void StartTable(int index, const TTabHead& head);
    void AddTableLine(std::string text);
    void PutCell(int row, int col, std::string_view text);
    void PutBlock(int row1, int row2, int col1, int col2, std::string_view upper, std::string_view lower);
    void AddTable(int index, const TTabHead& head, const std::vector<std::string>& lines);
    // Hands table index to a display; false when there is no such table.
    bool ShowTable(int index, TTableDisplay& target) const;

    // Tables and directory entries are addressed 1..26.
    const TSTab* Table(int index) const;
    const std::string& PageEntry(int index) const;
    void SetPageEntry(int index, std::string_view entry); // at most 80 characters
    const std::string& ButtonFlags() const { return buttonFlags_; }
    void SetButtonFlags(std::string_view flags); // at most 20 characters

    // Pages shown: the entries up to the first empty one.
    int VisiblePageCount() const;
    // The help context of a page: its entry's, or CommandCode * 10 (100000
    // when that is not positive).
    int HelpContextOf(int index) const;

private:
    TSTab* CurrentTable();
    std::array<std::unique_ptr<TSTab>, kMaxTables> tables_;
    std::array<std::string, kMaxTables> pages_;
    std::string buttonFlags_;
};

// The program's single instance.
TTMng& TableManager();

}
