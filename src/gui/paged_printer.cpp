#include "gui/paged_printer.h"

#include "app/settings.h"
#include "gui/plot_output.h"
#include "gui/qt_text.h"
#include "output/picture.h"
#include "output/result_tables.h"

#include <QPdfWriter>

namespace zam {

TPagedPrinter::TPagedPrinter(QPagedPaintDevice& device, bool oneDocument)
    : device_(device)
    , oneDocument_(oneDocument)
{
}

bool TPagedPrinter::BeginDocument(const std::string& title)
{
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device_))
        pdf->setTitle(ToQString(title));
    if (started_) {
        // a document of this run is still open on the device: continue it
        device_.newPage();
        return true;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device_))
        return false;
    canvas_ = std::make_unique<TQtCanvas>(*painter_);
    canvas_->SetBrush(0xFFFFFF, TBrushStyle::Solid);
    started_ = true;
    return true;
}

void TPagedPrinter::NewPage() { device_.newPage(); }

void TPagedPrinter::EndDocument()
{
    if (oneDocument_ || !started_)
        return;
    painter_->end();
    canvas_.reset();
    painter_.reset();
    started_ = false;
}

int TPagedPrinter::PageWidth() const { return device_.width(); }

int TPagedPrinter::PageHeight() const { return device_.height(); }

bool TPagedPrinter::Landscape() const { return device_.pageLayout().orientation() == QPageLayout::Landscape; }

bool PrintPagesToPdf(const std::string& fileName, bool withGraphic)
{
    EnsurePaintApplication();
    QPdfWriter pdf(ToQString(fileName));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    TPagedPrinter printer(pdf);
    TPrnManager manager;
    manager.SetDevice(&printer);
    const TTMng& m = TableManager();
    for (int i = 1; i <= m.VisiblePageCount(); ++i) {
        const TSTab* t = m.Table(i);
        if (t != nullptr)
            manager.PrintPage(BuildTablePage(*t), true);
    }
    manager.FlushIfAny();
    if (withGraphic) {
        pdf.setPageOrientation(QPageLayout::Landscape);
        printer.BeginDocument("GR");
        if (printer.Painter() == nullptr)
            return false;
        RenderToPage(Picture(), *printer.Painter(), pdf.width(), pdf.height(), 1000, 700, false, true);
    }
    if (printer.Painter() == nullptr)
        return false;
    printer.Painter()->end();
    return true;
}

}
