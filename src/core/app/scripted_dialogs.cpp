#include "app/scripted_dialogs.h"

#include "app/console_dialogs.h"

namespace zam {

TScriptedDialogs::TScriptedDialogs()
    : previous_(&UserDialogs())
{
    SetUserDialogs(this);
}

TScriptedDialogs::~TScriptedDialogs() { SetUserDialogs(previous_); }

int TScriptedDialogs::NextAnswer(int fallback)
{
    if (answers.empty())
        return fallback;
    int a = answers.front();
    answers.pop_front();
    return a;
}

int TScriptedDialogs::MessageBox(int kind, int buttons, const std::string& text, int helpContext, int position)
{
    messages.push_back({ kind, buttons, text, helpContext, position });
    return NextAnswer(SafeAnswer(buttons));
}

void TScriptedDialogs::Beep() { ++beeps; }

std::optional<std::string> TScriptedDialogs::ChooseFile(const std::string& title, const std::string& startDir,
    const std::string& proposedName, const std::string& modes, const std::string& filter, int position)
{
    requests.push_back({ "ChooseFile", title, "", { startDir, proposedName, modes, filter }, -1, 0, position });
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

int TScriptedDialogs::ChooseOption(const std::string& caption, const std::string& groupCaption,
    const std::vector<std::string>& items, int helpContext, int preselected, int position)
{
    requests.push_back({ "ChooseOption", caption, groupCaption, items, preselected, helpContext, position });
    return NextAnswer(-1);
}

int TScriptedDialogs::ChooseFromList(const std::string& caption, const std::string& label,
    const std::vector<std::string>& items, int helpContext, int preselected, bool, int, int, int position)
{
    requests.push_back({ "ChooseFromList", caption, label, items, preselected, helpContext, position });
    return NextAnswer(-1);
}

int TScriptedDialogs::ChooseAction(const std::string& caption, const std::string& label,
    const std::vector<std::string>& items, int helpContext, int preselected, bool, int, int, int position)
{
    requests.push_back({ "ChooseAction", caption, label, items, preselected, helpContext, position });
    return NextAnswer(-1);
}

bool TScriptedDialogs::EditText(const std::string& caption, const std::string& prompt,
    const std::string& unitLabel, int helpContext, int, std::string& text, int position)
{
    requests.push_back({ "EditText", caption, prompt, { unitLabel, text }, -1, helpContext, position });
    if (texts.empty())
        return false;
    std::string answer = texts.front();
    texts.pop_front();
    while (!answer.empty() && answer.back() == ' ')
        answer.pop_back();
    if (answer == text)
        return false;
    text = answer;
    return true;
}

std::vector<std::string> TScriptedDialogs::Texts() const
{
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

void TScriptedDialogs::Clear()
{
    messages.clear();
    requests.clear();
    beeps = 0;
}

}
