#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zam {

// Message box kinds and button sets.
enum TMsgKind { kMsgConfirm = 1, kMsgError = 2, kMsgInfo = 3, kMsgWarning = 4 };
enum TMsgButtons { kBtnOk = 0, kBtnOkCancel = 1, kBtnYesNo = 2, kBtnYesNoCancel = 3 };
// Results of the buttons.
enum TMsgResult { kResOk = 1, kResCancel = 2, kResYes = 6, kResNo = 7 };

// Everything the core asks of the user goes through this seam. The desktop
// program installs Qt dialogs, zam-cli a console version, tests a scripted one.
class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;

    // kind 1..4 and buttons 0..3 arrive clamped; position is the dialog
    // position code (0..4) taken for this dialog.
    virtual int MessageBox(int kind, int buttons, const std::string& text, int helpContext, int position) = 0;
    virtual void Beep() = 0;
    virtual std::optional<std::string> ChooseFile(const std::string& title, const std::string& startDir,
        const std::string& proposedName, const std::string& modes, const std::string& filter, int position)
        = 0;
    virtual int ChooseOption(const std::string& caption, const std::string& groupCaption,
        const std::vector<std::string>& items, int helpContext, int preselected, int position)
        = 0;
    virtual int ChooseFromList(const std::string& caption, const std::string& label,
        const std::vector<std::string>& items, int helpContext, int preselected, bool sortButtons, int widthMode,
        int columns, int position)
        = 0;
    virtual int ChooseAction(const std::string& caption, const std::string& label,
        const std::vector<std::string>& items, int helpContext, int preselected, bool sortButtons, int widthMode,
        int columns, int position)
        = 0;
    virtual bool EditText(const std::string& caption, const std::string& prompt, const std::string& unitLabel,
        int helpContext, int maxLength, std::string& text, int position)
        = 0;
    // The extended selection of a data file (directory tree, list with kind,
    // title and date); without one, the plain open dialog serves.
    virtual std::optional<std::string> ChooseDataFile(const std::string& caption, const std::string& startDir,
        const std::string& pattern, const std::string& filter, int helpContext, int position);
};

// Installs the seam for the whole program run (nullptr restores the console
// default). The caller keeps ownership.
void SetUserDialogs(TUserDialogs* dialogs);
TUserDialogs& UserDialogs();

// Dialog position code: set just before opening a dialog, used and reset by it.
void SetDialogPosition(int code);
int TakeDialogPosition();
int LastDialogPosition();

// The system's message functions.
int MessageBox(int kind, int buttons, const std::string& text, int helpContext = 0);
int AskYesNo(const std::string& text);
void ShowError(const std::string& text);
int ShowInfo(const std::string& text);
void CannotCreate(const std::string& file);
void ExistsNoOverwrite(const std::string& file);
void InvalidName(const std::string& file);
int AskOverwrite(const std::string& file);
int AskCreate(const std::string& file);
void Beep();

std::optional<std::string> ChooseFile(const std::string& title, const std::string& startDir,
    const std::string& proposedName, const std::string& modes, const std::string& filter);
std::optional<std::string> ChooseDataFile(const std::string& caption, const std::string& startDir,
    const std::string& pattern, const std::string& filter, int helpContext);
int ChooseOption(const std::string& caption, const std::string& groupCaption, const std::vector<std::string>& items,
    int helpContext, int preselected);
// Items as a caret list.
int ChooseOption(const std::string& caption, const std::string& groupCaption, std::string_view caretItems,
    int helpContext, int preselected);
int ChooseFromList(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
    int helpContext, int preselected, bool sortButtons = false, int widthMode = 0, int columns = 1);
int ChooseAction(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
    int helpContext, int preselected, bool sortButtons = false, int widthMode = 0, int columns = 1);
bool EditText(const std::string& caption, const std::string& prompt, const std::string& unitLabel, int helpContext,
    int maxLength, std::string& text);

// Caption of a message box kind ("Bestätigen", "Fehler", ...).
std::string MessageCaption(int kind);

}
