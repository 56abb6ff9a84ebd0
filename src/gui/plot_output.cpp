#include "gui/plot_output.h"

#include "base/os_path.h"
#include "base/text_utils.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/svg_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace zam {

void EnsurePaintApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "zam-cli";
    static char* argv[] = { name, nullptr };
    new QGuiApplication(argc, argv);
}

void RenderToPage(const TPic& pic, QPaintDevice& device, int pictureWidth, int pictureHeight, bool monochrome,
    bool landscape)
{
    QPainter painter(&device);
    RenderToPage(pic, painter, device.width(), device.height(), pictureWidth, pictureHeight, monochrome, landscape);
}

void RenderToPage(const TPic& pic, QPainter& painter, int pageW, int pageH, int pictureWidth, int pictureHeight,
    bool monochrome, bool landscape)
{
    int printW = pageW - pageW / 10;
    int printH = pageH - pageH / 10;
    int offsetX = pageW / 20;
    int offsetY = landscape ? pageH / 15 : pageH / 20;
    int unit = std::clamp(std::max(printW / std::max(pictureWidth, 1), printH / std::max(pictureHeight, 1)), 1, 10);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // the logical picture mapped isotropically onto the printable area
    int logicalW = pictureWidth * unit;
    int logicalH = pictureHeight * unit;
    double scale = std::min(static_cast<double>(printW) / logicalW, static_cast<double>(printH) / logicalH);
    painter.translate(offsetX, offsetY);
    painter.scale(scale, scale);
    TQtCanvas canvas(painter, true);
    RenderPicture(pic, canvas, logicalW, logicalH, monochrome, unit);
    painter.restore();
}

bool SavePicture(const TPic& pic, const std::string& fileName, int width, int height, bool monochrome)
{
    std::string lower = LowerCase(fileName);
    if (lower.ends_with(".svg")) {
        TSvgCanvas canvas(width, height);
        RenderPicture(pic, canvas, width, height, monochrome);
        std::ofstream out(ToOsPath(fileName), std::ios::binary | std::ios::trunc);
        out << canvas.Document();
        return static_cast<bool>(out);
    }
    EnsurePaintApplication();
    if (lower.ends_with(".pdf")) {
        QPdfWriter pdf(ToQString(fileName));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(QStringLiteral("ZAM-Graphik"));
        RenderToPage(pic, pdf, width, height, monochrome, true);
        return true;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        TQtCanvas canvas(painter);
        RenderPicture(pic, canvas, width, height, monochrome);
    }
    return image.save(ToQString(fileName), "PNG");
}

std::string GraphicJobTitle(int hours, int minutes, int seconds)
{
    int v = hours * 1800 + minutes * 60 + seconds;
    const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string code(3, '0');
    for (int i = 2; i >= 0; --i) {
        code[static_cast<std::size_t>(i)] = digits[v % 36];
        v /= 36;
    }
    return "GR_" + code + "01";
}

}
