#include "app/base_data.h"
#include "app/help_topics.h"
#include "app/settings.h"
#include "app/start_directory.h"
#include "base/cp1252.h"
#include "base/file_names.h"
#include "gui/dialog_gallery.h"
#include "gui/dialogs/login_dialog.h"
#include "gui/help_viewer.h"
#include "gui/main_window.h"
#include "gui/qt_canvas.h"
#include "gui/qt_clipboard.h"
#include "gui/qt_dialogs.h"
#include "gui/printing.h"
#include "gui/single_instance.h"
#include "gui/procedures/calibration_dialog.h"
#include "procedures/procedure_dispatch.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

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

std::string Argument(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return zam::Utf8ToCp1252(argv[i + 1]);
    }
    return {};
}

}

int main(int argc, char** argv)
{
    // Answered before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zam %s\n", ZAM_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("zam [--home VERZEICHNIS] [--show-dialog NAME]\nNAME: %s\n", zam::DialogSampleNames());
            return 0;
        }
    }
    std::string start = zam::ResolveStartDirectory(Argument(argc, argv, "--home"), ProgramDirectory(argv[0]));
    if (start.empty()) {
        std::fprintf(stderr, "zam: kein nutzbares Startverzeichnis (--home VERZEICHNIS angeben)\n");
        return 1;
    }

    QApplication app(argc, argv);
    // Qt's own texts (file dialog, context menus) in German as well
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    zam::TQtDialogs dialogs;
    zam::TQtClipboard clipboard;
    zam::TQtTextMeasure measure;
    zam::TQtHelpViewer help;
    zam::SetUserDialogs(&dialogs);
    zam::SetClipboard(&clipboard);
    zam::SetTextMeasure(&measure);
    zam::SetHelpViewer(&help);

    zam::SetEntryFunction("calibration", zam::RunCalibrationEntry);
    zam::StartX().StartWork(start);
    zam::BaseData().BaseDataStart(zam::StartX().startDir);
    zam::InstallPrinter();
    std::string ownHelp = zam::JoinPath(zam::StartX().startDir, "help");
    if (zam::IsDirectory(ownHelp))
        zam::SetHelpFolder(ownHelp);

    std::string sample = Argument(argc, argv, "--show-dialog");
    if (!sample.empty()) {
        if (!zam::ShowDialogSample(sample)) {
            std::fprintf(stderr, "zam: unbekannter Dialog (%s)\n", zam::DialogSampleNames());
            return 2;
        }
        int rc = sample == "help" ? QApplication::exec() : 0;
        zam::SetUserDialogs(nullptr);
        return rc;
    }

    zam::TSingleInstance instance;
    if (!instance.Claim())
        return 0;
    if (!zam::Login())
        return 0;
    zam::TMainForm window;
    QObject::connect(&instance, &zam::TSingleInstance::Raise, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.ShowUser();
    window.showMaximized();
    int rc = QApplication::exec();
    zam::CloseHelp();
    zam::SetUserDialogs(nullptr);
    zam::SetClipboard(nullptr);
    zam::SetTextMeasure(nullptr);
    zam::SetHelpViewer(nullptr);
    return rc;
}
