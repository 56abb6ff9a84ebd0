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
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTime>

namespace zam {

namespace {
    // Paints the picture at its own size inside the scroll area.
    class TPictureCanvas : public QWidget {
    public:
        TPictureCanvas(const TGrfForm& form, QWidget* parent)
            : QWidget(parent)
            , form_(form)
        {
        }

    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter painter(this);
            if (!form_.HasContent()) {
                painter.fillRect(rect(), Qt::white);
                painter.drawText(rect(), Qt::AlignCenter, ToQString("Keine Graphik"));
                return;
            }
            painter.setRenderHint(QPainter::Antialiasing);
            TQtCanvas canvas(painter);
            RenderPicture(Picture(), canvas, width(), height(), false);
        }

    private:
        const TGrfForm& form_;
    };
}

TGrfForm::TGrfForm(QWidget* parent)
    : QWidget(parent)
    , area_(new QScrollArea(this))
    , canvas_(new TPictureCanvas(*this, nullptr))
{
    setWindowTitle(QStringLiteral("Graphik"));
    setMinimumSize(200, 150);
    area_->setWidget(canvas_);
    area_->setFrameShape(QFrame::NoFrame);
    for (QScrollBar* bar : { area_->horizontalScrollBar(), area_->verticalScrollBar() }) {
        bar->setSingleStep(10);
        bar->setPageStep(50);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area_);
}

void TGrfForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QSize view = area_->maximumViewportSize();
    canvas_->resize(std::max(view.width(), kMinWidth), std::max(view.height(), kMinHeight));
}

void TGrfForm::Reset()
{
    content_ = false;
    canvas_->update();
}

void TGrfForm::ShowGraphic()
{
    content_ = true;
    canvas_->update();
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

bool TGrfForm::SaveGraphic(const std::string& fileName) const
{
    if (!content_)
        return false;
    const TGraphicsBlock& g = Settings().GetGraphicsBlock();
    bool mono = g[graphicsblock::kStoreMono] != 0;
    int factor = 1 + std::min<int>(g[graphicsblock::kStoreWidth], 2);
    int w = canvas_->width() * factor;
    int h = canvas_->height() * factor;
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
    RenderToPage(Picture(), printer, canvas_->width(), canvas_->height(), g[graphicsblock::kPrintMono] != 0,
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
