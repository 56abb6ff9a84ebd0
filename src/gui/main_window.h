#pragma once

#include <QMainWindow>

namespace zam {

// The program's frame window.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
};

}
