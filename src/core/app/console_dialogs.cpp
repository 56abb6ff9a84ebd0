#include "app/console_dialogs.h"

#include "base/cp1252.h"

namespace zam {

int SafeAnswer(int buttons)
{
    switch (buttons) {
    case kBtnOk:
        return kResOk;
    case kBtnYesNo:
        return kResNo;
    default:
        return kResCancel;
    }
}

std::string MessageLines(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

TConsoleDialogs::TConsoleDialogs(std::ostream& out)
    : out_(out)
{
}

int TConsoleDialogs::MessageBox(int kind, int buttons, const std::string& text, int, int)
{
    out_ << Cp1252ToUtf8(MessageCaption(kind)) << ": " << Cp1252ToUtf8(MessageLines(text)) << '\n';
    return SafeAnswer(buttons);
}

void TConsoleDialogs::Beep() { }

std::optional<std::string> TConsoleDialogs::ChooseFile(const std::string&, const std::string&, const std::string&,
    const std::string&, const std::string&, int)
{
    return std::nullopt;
}

int TConsoleDialogs::ChooseOption(
    const std::string&, const std::string&, const std::vector<std::string>&, int, int, int)
{
    return -1;
}

int TConsoleDialogs::ChooseFromList(const std::string&, const std::string&, const std::vector<std::string>&, int,
    int, bool, int, int, int)
{
    return -1;
}

int TConsoleDialogs::ChooseAction(const std::string&, const std::string&, const std::vector<std::string>&, int,
    int, bool, int, int, int)
{
    return -1;
}

bool TConsoleDialogs::EditText(
    const std::string&, const std::string&, const std::string&, int, int, std::string&, int)
{
    return false;
}

}
