#include "gui/qt_dialogs.h"

#include "gui/dialogs/choice_dialogs.h"
#include "gui/dialogs/data_file_dialog.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/dialogs/message_box_dialog.h"

#include <QApplication>

namespace zam {

int TQtDialogs::MessageBox(int kind, int buttons, const std::string& text, int helpContext, int position)
{
    TDlgBox box(kind, buttons, text, helpContext, position, QApplication::activeWindow());
    return box.Run();
}

void TQtDialogs::Beep() { QApplication::beep(); }

std::optional<std::string> TQtDialogs::ChooseFile(const std::string& title, const std::string& startDir,
    const std::string& proposedName, const std::string& modes, const std::string& filter, int position)
{
    return TDlgFFrame::Choose(title, startDir, proposedName, modes, filter, position, QApplication::activeWindow());
}

int TQtDialogs::ChooseOption(const std::string& caption, const std::string& groupCaption,
    const std::vector<std::string>& items, int helpContext, int preselected, int position)
{
    TRGrpDlg dlg(caption, groupCaption, items, helpContext, preselected, position, QApplication::activeWindow());
    return dlg.Run();
}

int TQtDialogs::ChooseFromList(const std::string& caption, const std::string& label,
    const std::vector<std::string>& items, int helpContext, int preselected, bool sortButtons, int widthMode,
    int columns, int position)
{
    TSelBxDlg dlg(caption, label, items, helpContext, preselected, sortButtons, widthMode, columns, position, false,
        QApplication::activeWindow());
    return dlg.Run();
}

int TQtDialogs::ChooseAction(const std::string& caption, const std::string& label,
    const std::vector<std::string>& items, int helpContext, int preselected, bool sortButtons, int widthMode,
    int columns, int position)
{
    TSelBxDlg dlg(caption, label, items, helpContext, preselected, sortButtons, widthMode, columns, position, true,
        QApplication::activeWindow());
    return dlg.Run();
}

bool TQtDialogs::EditText(const std::string& caption, const std::string& prompt, const std::string& unitLabel,
    int helpContext, int maxLength, std::string& text, int position)
{
    TDlg1Txt dlg(caption, prompt, unitLabel, helpContext, maxLength, text, position, QApplication::activeWindow());
    return dlg.Run(text);
}

}

namespace zam {

std::optional<std::string> TQtDialogs::ChooseDataFile(const std::string& caption, const std::string& startDir,
    const std::string& pattern, const std::string&, int helpContext, int position)
{
    TQFileDlg dlg(caption, startDir, pattern, helpContext, QApplication::activeWindow());
    return dlg.Run(position);
}

}
