#pragma once

#include <QDialog>

#include <string>

namespace zam {

// The message box of the program: kind (caption, icon), button set, help.
class TDlgBox : public QDialog {
    Q_OBJECT

public:
    TDlgBox(int kind, int buttons, const std::string& text, int helpContext, int position, QWidget* parent = nullptr);
    int Run();

private:
    int result_ = 0;
    int position_ = 0;
};

}
