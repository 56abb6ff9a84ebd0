#include "gui/main_window.h"
#include <QApplication>
#include <gtest/gtest.h>
namespace zam {
TEST(MainWindow, Caption) { int argc = 0; QApplication app(argc, nullptr); TMainForm w; EXPECT_EQ(w.windowTitle().toStdString(), "ZAM"); }
}
