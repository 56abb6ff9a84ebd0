#include "gui/plot_output.h"
#include "qt_app.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zam {

TEST(PlotOutput, JobTitleAndPrintingPath)
{
    EXPECT_EQ(GraphicJobTitle(0, 0, 0), "GR_00001");
    EXPECT_EQ(GraphicJobTitle(0, 1, 0), "GR_01O01"); // 60 = 1 * 36 + 24
    EXPECT_EQ(GraphicJobTitle(23, 59, 59), "GR_YPZ01"); // 44999 = 34 * 1296 + 25 * 36 + 35
    test::EnsureQtApp();
    TPic pic;
    pic.series.push_back({ 0, 0, 0, { 0.5 }, { 0.5 } });
    QImage page(2000, 1400, QImage::Format_RGB32);
    page.fill(Qt::black);
    RenderToPage(pic, page, 1000, 700, false, true);
    // the margins stay untouched: a twentieth left, a fifteenth on top in landscape
    EXPECT_EQ(page.pixelColor(50, 50), QColor(Qt::black));
    EXPECT_NE(page.pixelColor(200, 200), QColor(Qt::black));
}

}
