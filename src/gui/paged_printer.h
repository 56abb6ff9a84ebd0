#pragma once

#include "gui/qt_canvas.h"
#include "output/print_manager.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

namespace zam {

// The printer seam on a paged Qt device (a QPrinter or a QPdfWriter).
class TPagedPrinter : public TPrinterDevice {
public:
    // oneDocument: every printing run continues the same document (PDF);
    // otherwise each run is a print job of its own (printer).
    explicit TPagedPrinter(QPagedPaintDevice& device, bool oneDocument = true);
    bool BeginDocument(const std::string& title) override;
    void NewPage() override;
    void EndDocument() override;
    int PageWidth() const override;
    int PageHeight() const override;
    bool Landscape() const override;
    TCanvas& Canvas() override { return *canvas_; }
    QPainter* Painter() { return painter_.get(); }

private:
    QPagedPaintDevice& device_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TQtCanvas> canvas_;
    bool started_ = false;
    bool oneDocument_ = true;
};

// The result pages of the table manager (and the graphic) as a PDF, as they
// would be printed.
bool PrintPagesToPdf(const std::string& fileName, bool withGraphic);

}
