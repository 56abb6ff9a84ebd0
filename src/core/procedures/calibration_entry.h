#pragma once

#include "output/exchange_table.h"
#include "procedures/entry_pattern.h"

#include <functional>
#include <string>

namespace zam {

// The calibration entry: title, method, parameter and measured quantity,
// up to 60 pairs (x, y), the evaluation parameters.
class TKalibEntry : public TEntryModel {
public:
    TKalibEntry();

    // Fills the choices and the preset parameters; with a file name loads it.
    bool Open(const std::string& file);
    std::string Caption() const;
    std::vector<std::string> methods, parameters, measured;

    // Editing aids. Row and column as in the grid (data from row 1).
    bool ContinueX(int row);
    bool MoveRow(int row, int delta);
    void SortByX();
    // A whole calibration from a spreadsheet table with the import layout.
    void Import(const TXTab& table);
    bool CopyHeaderFrom(const std::string& file);
    // The presets copy of the individual parameters and back.
    std::array<std::string, 18> ParameterPresets() const;
    void TakeParameters(const std::array<std::string, 18>& presets);

    enum class TOkResult { Saved, StayOpen, Cancelled };
    // The checks and the saving of OK; a new file asks for its name.
    TOkResult Ok();
    // The cell the user is sent to after a refused OK.
    int badRow = 0;
    int badCol = 0;

    std::string importLayout;
};

}
