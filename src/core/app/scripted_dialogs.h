#pragma once

#include "app/user_dialogs.h"

#include <deque>

namespace zam {

// Dialogs for tests: every call is recorded, answers come from queues and,
// when a queue is empty, are the safe answers of the console version.
class TScriptedDialogs : public TUserDialogs {
public:
    struct TMessage {
        int kind = 0;
        int buttons = 0;
        std::string text;
        int helpContext = 0;
        int position = 0;
    };
    struct TRequest {
        std::string what; // "ChooseFile", "ChooseOption", ...
        std::string caption;
        std::string detail; // label, group caption or prompt
        std::vector<std::string> items; // choices; for ChooseFile dir, name, modes, filter
        int preselected = -1;
        int helpContext = 0;
        int position = 0;
    };

    std::vector<TMessage> messages;
    std::vector<TRequest> requests;
    int beeps = 0;

    // Answers for MessageBox and the choosers, in call order.
    std::deque<int> answers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::string> texts;

    // Installs itself for its lifetime.
    TScriptedDialogs();
    ~TScriptedDialogs() override;
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

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

    // Texts of all messages so far, in order.
    std::vector<std::string> Texts() const;
    void Clear();

private:
    TUserDialogs* previous_;
    int NextAnswer(int fallback);
};

}
