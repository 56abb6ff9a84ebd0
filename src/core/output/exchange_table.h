#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zam {

// A cell address "B3": one or two letters (case-insensitive, blanks ignored)
// and a positive row. Invalid addresses have col 0.
struct TCellAddress {
    int col = 0;
    int row = 0;
    bool Valid() const { return col > 0 && row > 0; }
};
TCellAddress ParseCellAddress(std::string_view address);
// Columns 1..702, rows 1..9999; empty otherwise.
std::string CellAddress(int col, int row);

// The exchange table with spreadsheets: rows of text cells, read and written
// through the clipboard, CSV and DIF.
class TXTab {
public:
    void Clear() { rows_.clear(); }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColCount() const;

    std::string GetCell(std::string_view address) const;
    std::string GetCellAt(int col, int row) const;
    void SetCell(std::string_view address, std::string_view text);
    void SetCellAt(std::string_view address, int colOffset, std::string_view text, int rowOffset);
    void SetCellRC(int col, int row, std::string_view text);
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

    // By the name's extension: CSV or DIF; anything else clears and fails.
    bool LoadFile(const std::string& fileName, char separator, bool oem);
    // Anything but CSV or DIF gets one empty line.
    bool SaveFile(const std::string& fileName, char separator, bool oem) const;
    bool LoadCsv(const std::string& fileName, char separator);
    bool SaveCsv(const std::string& fileName, char separator) const;
    bool LoadDif(const std::string& fileName, bool oem);
    bool SaveDif(const std::string& fileName, bool oem) const;

    bool LoadClipboard();
    void CopyToClipboard() const;

    // The text forms, for the files and the clipboard.
    std::vector<std::string> CsvLines(char separator) const;
    std::vector<std::string> DifLines() const;
    std::string ClipboardText() const;
    void ReadCsvLines(const std::vector<std::string>& lines, char separator);
    bool ReadDifLines(const std::vector<std::string>& lines);
    void ReadClipboardText(const std::string& text);

private:
    std::vector<std::vector<std::string>> rows_;
};

}
