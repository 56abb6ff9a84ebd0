#include "app/base_data.h"
#include "app/start_directory.h"
#include "base/cp1252.h"
#include "gui/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string ProgramDirectory(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return zam::Utf8ToCp1252(exe.parent_path().string());
}

}

int main(int argc, char** argv)
{
    std::string home;
    // Answered before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zam %s\n", ZAM_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--home") == 0 && i + 1 < argc)
            home = zam::Utf8ToCp1252(argv[i + 1]);
    }
    std::string start = zam::ResolveStartDirectory(home, ProgramDirectory(argv[0]));
    if (start.empty()) {
        std::fprintf(stderr, "zam: kein nutzbares Startverzeichnis (--home VERZEICHNIS angeben)\n");
        return 1;
    }
    zam::StartX().StartWork(start);
    zam::BaseData().BaseDataStart(zam::StartX().startDir);

    QApplication app(argc, argv);
    zam::TMainForm window;
    window.show();
    return QApplication::exec();
}
