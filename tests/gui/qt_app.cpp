#include "qt_app.h"

#include <QApplication>

namespace zam::test {

void EnsureQtApp()
{
    static int argc = 1;
    static char name[] = "zam_gui_tests";
    static char* argv[] = { name, nullptr };
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
}

}
