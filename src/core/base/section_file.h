#pragma once

#include "base/number_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace zam {

class TStringGrid;

// Open modes of LoadFile and SaveFile: 0 shared, 1 exclusive, 2 exclusive and
// for editing (the multi-user lock is taken on loading, released on saving).
inline constexpr int kOpenShared = 0;
inline constexpr int kOpenExclusive = 1;
inline constexpr int kOpenEdit = 2;

inline constexpr int kMaxSections = 30;

struct TSectionRef {
    int index = 0; // 1-based, 0 when absent
    int count = 0; // lines of the section
};

struct TCellLine {
    std::string text;
    int col = -1;
    int row = -1;
};

struct TCellNumber {
    TCellLine cell;
    TParsedNumber number;
};

// A section file in memory: a title line and at most 30 named sections of text
// lines. Every data file of the program is one. Invalid section or line
// indices make an operation do nothing (reads give "", 0 or not found).
class TSList {
public:
    void Clear();
    int SectionCount() const { return static_cast<int>(sections_.size()); }
    std::string SectionName(int i) const;
    int LineCount(int i) const;
    TSectionRef FindSection(std::string_view name) const;
    TSectionRef AddSection(std::string_view name);
    // Appends a section even when the name exists already, as a file may hold
    // it twice; the new index, 0 when 30 sections exist.
    int AppendSection(std::string_view name);
    void DeleteSection(int i);
    void ClearSection(int i);

    std::string GetLine(int i, int j) const;
    void SetLine(int i, int j, std::string text);
    void AddLine(int i, std::string text);
    void DeleteLine(int i, int j);
    void PadSection(int i, int n);
    void CutSection(int i, int n);
    const std::vector<std::string>& Lines(int i) const;

    TParsedNumber GetNumber(int i, int j) const;
    int GetInteger(int i, int j) const;
    // Caret fields of line j, parsed; at most 32, padded to minCount; the
    // default value stands for every empty or invalid field.
    std::vector<TParsedNumber> GetNumberRow(int i, int j, double defaultValue, int minCount) const;

    void CopySectionTo(int i, std::vector<std::string>& list) const;
    void AssignSection(int i, const std::vector<std::string>& list);

    void AddCodedReal(int i, double x);
    double GetCodedReal(int i, int j) const;

    void AddCell(int i, int row, std::string_view text, int col);
    TCellLine GetCell(int i, int j) const;
    TCellNumber GetCellNumber(int i, int j) const;
    void SectionToGrid(TStringGrid& grid, std::string_view name) const;
    void GridToSection(const TStringGrid& grid, std::string_view name);

    const std::string& Title() const { return title_; }
    // Trimmed and cut to 255 characters.
    void SetTitle(std::string_view title);

    // True when the file was read. A missing file is waited for once, then
    // false without a message; open failures are reported and give false; a
    // read error mid-way keeps what was read and gives true.
    bool LoadFile(const std::string& fileName, int mode);
    // Writes a temporary file in the same folder and renames it over the
    // target, so a failed save never costs the previous file. False on failure.
    bool SaveFile(const std::string& fileName, int mode);
    int OpenMode() const { return mode_; }

    // How long LoadFile waits for a missing file before giving up (ms).
    static void SetMissingFileRetry(int milliseconds);

private:
    struct TSection {
        std::string name;
        std::vector<std::string> lines;
    };
    TSection* Section(int i);
    const TSection* Section(int i) const;

    std::vector<TSection> sections_;
    std::string title_;
    int mode_ = 0;
};

// Writes the lines exactly as given (scrambled, CR LF), headers of empty
// sections included, which SaveFile would leave out.
bool WriteScrambledLines(const std::string& fileName, std::vector<std::string> lines);

// "[HEAD]", "[DATA]" or brackets around at least six of A-Z, "_", "-".
bool IsSectionHeader(std::string_view line);

// The cell line of a grid cell: row and column right-aligned in three
// characters each, a blank, the text.
std::string CellLine(int row, int col, std::string_view text);

}
