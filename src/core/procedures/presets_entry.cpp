#include "procedures/presets_entry.h"

#include "app/base_data.h"
#include "app/user_dialogs.h"
#include "base/number_text.h"
#include "base/text_utils.h"

namespace zam {

TPresetsEntry::TPresetsEntry(const std::array<std::string, 18>& presets, const std::string& items)
    : values(presets)
    , original_(presets)
{
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        int item = (items[i] - '0') * 10 + (items[i + 1] - '0');
        if (item >= 91) {
            optionPanel = true;
            continue;
        }
        if (item >= 1 && item <= 18)
            indices.push_back(item - 1);
    }
}

std::string TPresetsEntry::Label(int index) const { return PresetLabel(index); }

bool TPresetsEntry::Accept(int& badIndex, bool& changed)
{
    badIndex = -1;
    for (int index : indices) {
        std::string t = Trim(values[static_cast<std::size_t>(index)]);
        TParsedNumber n = ParseNumber(t);
        bool ok = n.Valid();
        if (index == 4)
            ok = ok && n.status == 0 && n.value >= 1 && n.value <= 100;
        else if (index == 5)
            ok = ok && n.value >= 2 && n.value <= 500;
        else
            ok = ok && n.value >= 89.9999 && n.value <= 99.90001;
        if (!ok) {
            badIndex = index;
            ShowError("Unzulässige Eingabe");
            return false;
        }
        values[static_cast<std::size_t>(index)] = CommaToPoint(t).substr(0, 12);
    }
    changed = values != original_;
    return true;
}

}
