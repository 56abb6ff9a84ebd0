#pragma once

#include "base/section_file.h"
#include "base/string_grid.h"

#include <array>
#include <string>
#include <vector>

namespace zam {

// What every procedure entry dialog shares: the header slots, the data grid
// with row labels and a copy of the cells as loaded, the edit lock, the
// change protocol and the backup before saving.
class TEntryModel {
public:
    // dataColumns captions (" xi", " yi", ...); rows data rows.
    TEntryModel(std::vector<std::string> columnCaptions, int rows);
    virtual ~TEntryModel();
    TEntryModel(const TEntryModel&) = delete;
    TEntryModel& operator=(const TEntryModel&) = delete;

    // Slots 1..9 are [HEAD] lines 1..9.
    std::array<std::string, 10> headSlots;
    TStringGrid grid;
    std::string fileName;
    bool existingFile = false;
    bool parametersChanged = false;

    // Loads an existing file for editing (mode 2, the lock is held until the
    // model goes); false, with the system's message, when it cannot be used.
    bool Open(const std::string& file);
    void ReleaseLock();

    const std::string& RowLabel(int row) const { return grid.Cell(0, row); }
    const std::string& ColumnCaption(int col) const { return grid.Cell(col, 0); }

    // Rows with any non-empty cell move up in order, cells trimmed with
    // decimal points; returns the number of data rows.
    int Compact();
    // Header texts 1..4 or a cell differ from what was loaded.
    bool DataChanged() const;

    // The clipboard table from (col, row) right and down, clipped to the grid;
    // false with the clipboard error when there is no text.
    bool PasteIntoGrid(int col, int row);
    // The first clipboard cell; false with the clipboard error when empty.
    bool PasteFirstCell(std::string& field) const;
    // A unit chosen from the base data into a name field "Name [unit]".
    bool ChooseUnitFor(std::string& field) const;

    // Writes [HEAD], [DATA] and the protocol, keeps a backup of an existing
    // file, saves in mode 1.
    bool Save(const std::string& file);
    // The [PROTOCOL] lines of this save (empty when nothing is logged).
    std::vector<std::string> ProtocolLines() const;

    // The loaded section file (for procedures that keep more sections).
    TSList& List() { return list_; }

protected:
    std::array<std::string, 10> originalSlots_;
    TStringGrid original_;
    TSList list_;
    bool locked_ = false;
};

// "Name [unit]" from a name field and a unit (a unit in brackets or
// parentheses is unwrapped, an empty one becomes a blank).
std::string NameWithUnit(const std::string& field, const std::string& unit);

// A change line of the protocol, wrapped at 80 characters.
std::vector<std::string> ChangeLines(const std::string& prefix, const std::string& oldValue, const std::string& newValue);

// The row list of a plausibility warning: up to 30 characters without the
// last ";", longer ones cut after a ";" with " ....".
std::string ShortenRowList(const std::string& list);

inline constexpr const char* kClipboardError = "Zwischenablage hat falsches\rFormat oder ist leer!";

}
