#pragma once

#include <QMainWindow>

namespace zam {

// The program's frame window.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    // The logged-in user in the status bar.
    void ShowUser();
};

}
