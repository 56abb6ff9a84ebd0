#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "qt_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

namespace zam {

TEST(QtText, ConversionKeepsWindows1252)
{
    std::string text = "Größe € ‚x‘";
    QString q = ToQString(text);
    EXPECT_EQ(q, QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xE2\x80\x9Ax\xE2\x80\x98"));
    EXPECT_EQ(FromQString(q), text);
}

TEST(MainWindow, ShowsCaptionZam)
{
    test::EnsureQtApp();
    TMainForm w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZAM"));
}

TEST(ZamProgram, VersionWorksWithoutDisplay)
{
    std::string cmd = std::string("env -u DISPLAY -u QT_QPA_PLATFORM ") + ZAM_EXE + " --version";
    FILE* p = ::popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[128] = {};
    std::size_t n = std::fread(buf, 1, sizeof buf - 1, p);
    int status = ::pclose(p);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(std::string(buf, n).rfind("zam ", 0), 0U);
}

}
