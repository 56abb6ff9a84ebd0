#pragma once

#include <array>
#include <string>
#include <vector>

namespace zam {

// The model of the presets dialog: a chosen subset of the presets as
// labelled edits ("0102040506": Presets[0], [1], [3], [4], [5]); an item 91
// or more adds the option panel.
class TPresetsEntry {
public:
    TPresetsEntry(const std::array<std::string, 18>& presets, const std::string& items);

    std::vector<int> indices; // the presets edited, in item order
    bool optionPanel = false;
    std::array<std::string, 18> values; // the edited copy
    std::string Label(int index) const;
    bool Percent(int index) const { return index != 4 && index != 5; }
    int HelpContext() const { return optionPanel ? 30400 : 30410; }

    // Checks the shown edits; the first invalid one is returned in badIndex
    // with the error box. True when all are valid; changed tells whether
    // anything differs from the presets given.
    bool Accept(int& badIndex, bool& changed);

private:
    std::array<std::string, 18> original_;
};

}
