#pragma once

#include "app/user_dialogs.h"

#include <ostream>

namespace zam {

// Dialogs without a user: messages go to a stream as UTF-8, every question gets
// its safe answer (No, Cancel, nothing chosen).
class TConsoleDialogs : public TUserDialogs {
public:
    explicit TConsoleDialogs(std::ostream& out);

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

private:
    std::ostream& out_;
};

// The answer a dialog without user gives: OK for a plain message, otherwise
// Cancel or No.
int SafeAnswer(int buttons);

// Message text with its "\r", "\r\n" breaks as plain line feeds.
std::string MessageLines(const std::string& text);

}
