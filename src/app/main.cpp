#include "gui/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zam %s\n", ZAM_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    zam::TMainForm window;
    window.show();
    return QApplication::exec();
}
