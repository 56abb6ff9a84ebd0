#pragma once

#include "app/user_dialogs.h"

namespace zam {

// The dialog seam with the program's Qt dialogs.
class TQtDialogs : public TUserDialogs {
public:
    int MessageBox(int kind, int buttons, const std::string& text, int helpContext, int position) override;
    void Beep() override;
    std::optional<std::string> ChooseFile(const std::string& title, const std::string& startDir,
        const std::string& proposedName, const std::string& modes, const std::string& filter,
        int position) override;
    int ChooseOption(const std::string& caption, const std::string& groupCaption,
        const std::vector<std::string>& items, int helpContext, int preselected, int position) override;
    int ChooseFromList(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
        int helpContext, int preselected, bool sortButtons, int widthMode, int columns, int position) override;
    int ChooseAction(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
        int helpContext, int preselected, bool sortButtons, int widthMode, int columns, int position) override;
    bool EditText(const std::string& caption, const std::string& prompt, const std::string& unitLabel,
        int helpContext, int maxLength, std::string& text, int position) override;
    std::optional<std::string> ChooseDataFile(const std::string& caption, const std::string& startDir,
        const std::string& pattern, const std::string& filter, int helpContext, int position) override;
};

}
