#include "gui/windows/graphics_window.h"

#include "app/base_data.h"
#include "app/settings.h"
#include "app/user_dialogs.h"
#include "base/file_names.h"
#include "base/text_utils.h"
#include "gui/plot_output.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "output/calibration_plot.h"
#include "output/picture.h"
#include "output/plot_request.h"
#include "output/svg_canvas.h"
#include "base/os_path.h"

#include <fstream>

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTime>

namespace zam {

TGrfForm::TGrfForm(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Graphik"));
    setMinimumSize(200, 150);
}

void TGrfForm::Reset()
{
    content_ = false;
    update();
}

void TGrfForm::ShowGraphic()
{
    content_ = true;
    update();
}

QImage TGrfForm::Render(int width, int height, bool monochrome) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    TQtCanvas canvas(painter);
    RenderPicture(Picture(), canvas, width, height, monochrome);
    return image;
}

void TGrfForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!content_) {
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, ToQString("Keine Graphik"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    TQtCanvas canvas(painter);
    RenderPicture(Picture(), canvas, width(), height(), false);
}

bool TGrfForm::SaveGraphic(const std::string& fileName) const
{
    if (!content_)
        return false;
    const TGraphicsBlock& g = Settings().GetGraphicsBlock();
    bool mono = g[graphicsblock::kStoreMono] != 0;
    int factor = 1 + std::min<int>(g[graphicsblock::kStoreWidth], 2);
    int w = std::max(width(), 640) * factor;
    int h = std::max(height(), 480) * factor;
    return SavePicture(Picture(), fileName, w, h, mono);
}

bool TGrfForm::PrintGraphic()
{
    if (!content_)
        return false;
    const TGraphicsBlock& g = Settings().GetGraphicsBlock();
    QPrinter printer(QPrinter::HighResolution);
    bool landscape = g[graphicsblock::kOrientation] > 0;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QTime now = QTime::currentTime();
    printer.setDocName(ToQString(GraphicJobTitle(now.hour(), now.minute(), now.second())));
    if (g[graphicsblock::kPrintDialog] == 1) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    RenderToPage(Picture(), printer, std::max(width(), 640), std::max(height(), 480), g[graphicsblock::kPrintMono] != 0,
        landscape);
    return true;
}

bool RunPlotRequest(int clientWidth)
{
    const TPlotRequest& request = PlotRequest();
    if (request.code.empty())
        return false;
    if (!FileExists(request.dataFile)) {
        ShowError("Fehlender Graphik-File " + request.dataFile);
        return false;
    }
    if (request.code[0] != '1') {
        ShowInfo("Diese Graphik ist in dieser Version noch nicht verfügbar.");
        return false;
    }
    int variant = request.code.size() > 1 ? request.code[1] - '0' : 0;
    if (request.code.find('-') != std::string::npos)
        variant = -1;
    auto views = CalibrationViews(variant, BaseData().PresetOption(kPresetLinearOnly));
    int view = views.front().first;
    if (views.size() > 1) {
        std::vector<std::string> names;
        for (const auto& [number, name] : views)
            names.push_back(name);
        int chosen = ChooseFromList("Auswählen", "Darstellungsart", names, 0, 0);
        if (chosen < 0)
            return false;
        view = views[static_cast<std::size_t>(chosen)].first;
    }
    return FillCalibrationPlot(view, request.dataFile, Picture(), std::min(clientWidth / 10, 100));
}

}
