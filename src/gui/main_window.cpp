#include "gui/main_window.h"

#include "gui/qt_text.h"

#include <QMdiArea>

namespace zam {

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(ToQString("ZAM"));
    setCentralWidget(new QMdiArea(this));
    resize(1024, 700);
}

}
