#include "app/user_dialogs.h"

#include "app/console_dialogs.h"
#include "base/text_utils.h"

#include <algorithm>
#include <iostream>

namespace zam {

namespace {
    TUserDialogs* g_dialogs = nullptr;
    int g_position = 0;
    int g_lastPosition = 0;

    TUserDialogs& DefaultDialogs()
    {
        static TConsoleDialogs console(std::cerr);
        return console;
    }
}

void SetUserDialogs(TUserDialogs* dialogs) { g_dialogs = dialogs; }

TUserDialogs& UserDialogs() { return g_dialogs != nullptr ? *g_dialogs : DefaultDialogs(); }

void SetDialogPosition(int code) { g_position = std::clamp(code, 0, 4); }

int TakeDialogPosition()
{
    int code = g_position;
    g_position = 0;
    g_lastPosition = code;
    return code;
}

int LastDialogPosition() { return g_lastPosition; }

std::string MessageCaption(int kind)
{
    switch (std::clamp(kind, 1, 4)) {
    case kMsgConfirm:
        return "Bestätigen";
    case kMsgError:
        return "Fehler";
    case kMsgInfo:
        return "Information";
    default:
        return "Warnung";
    }
}

int MessageBox(int kind, int buttons, const std::string& text, int helpContext)
{
    return UserDialogs().MessageBox(
        std::clamp(kind, 1, 4), std::clamp(buttons, 0, 3), text, helpContext, TakeDialogPosition());
}

int AskYesNo(const std::string& text) { return MessageBox(kMsgConfirm, kBtnYesNo, text); }

void ShowError(const std::string& text)
{
    Beep();
    MessageBox(kMsgError, kBtnOk, text);
}

int ShowInfo(const std::string& text) { return MessageBox(kMsgInfo, kBtnOk, text); }

void CannotCreate(const std::string& file)
{
    MessageBox(kMsgError, kBtnOk, file + " :\r\n\r\nDatei kann nicht angelegt werden!");
}

void ExistsNoOverwrite(const std::string& file)
{
    MessageBox(kMsgError, kBtnOk, file + " :\r\n\r\nDatei existiert schon!\rÜberschreiben nicht zulässig!");
}

void InvalidName(const std::string& file)
{
    MessageBox(kMsgError, kBtnOk, file + " :\r\n\r\nUnzulässiger Dateiname!");
}

int AskOverwrite(const std::string& file)
{
    return MessageBox(kMsgConfirm, kBtnYesNo, file + " : \rDatei existiert schon!\r\n\r\nÜberschreiben?");
}

int AskCreate(const std::string& file)
{
    return MessageBox(kMsgConfirm, kBtnYesNo, file + " : \rDatei existiert nicht!\r\n\r\nNeu anlegen?");
}

void Beep() { UserDialogs().Beep(); }

std::optional<std::string> ChooseFile(const std::string& title, const std::string& startDir,
    const std::string& proposedName, const std::string& modes, const std::string& filter)
{
    return UserDialogs().ChooseFile(title, startDir, proposedName, modes, filter, TakeDialogPosition());
}

std::optional<std::string> TUserDialogs::ChooseDataFile(const std::string& caption, const std::string& startDir,
    const std::string&, const std::string& filter, int, int position)
{
    return ChooseFile(caption, startDir, "", "RCE", filter, position);
}

std::optional<std::string> ChooseDataFile(const std::string& caption, const std::string& startDir,
    const std::string& pattern, const std::string& filter, int helpContext)
{
    return UserDialogs().ChooseDataFile(caption, startDir, pattern, filter, helpContext, TakeDialogPosition());
}

int ChooseOption(const std::string& caption, const std::string& groupCaption, const std::vector<std::string>& items,
    int helpContext, int preselected)
{
    int pre = std::clamp(preselected, -1, static_cast<int>(items.size()) - 1);
    return UserDialogs().ChooseOption(caption, groupCaption, items, helpContext, pre, TakeDialogPosition());
}

int ChooseOption(const std::string& caption, const std::string& groupCaption, std::string_view caretItems,
    int helpContext, int preselected)
{
    return ChooseOption(caption, groupCaption, SplitFields(caretItems), helpContext, preselected);
}

int ChooseFromList(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
    int helpContext, int preselected, bool sortButtons, int widthMode, int columns)
{
    if (items.empty())
        return -1;
    return UserDialogs().ChooseFromList(
        caption, label, items, helpContext, preselected, sortButtons, widthMode, columns, TakeDialogPosition());
}

int ChooseAction(const std::string& caption, const std::string& label, const std::vector<std::string>& items,
    int helpContext, int preselected, bool sortButtons, int widthMode, int columns)
{
    return UserDialogs().ChooseAction(
        caption, label, items, helpContext, preselected, sortButtons, widthMode, columns, TakeDialogPosition());
}

bool EditText(const std::string& caption, const std::string& prompt, const std::string& unitLabel, int helpContext,
    int maxLength, std::string& text)
{
    return UserDialogs().EditText(caption, prompt, unitLabel, helpContext, maxLength, text, TakeDialogPosition());
}

}
