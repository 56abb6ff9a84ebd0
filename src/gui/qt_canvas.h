#pragma once

#include "app/canvas.h"

#include <QPainter>

namespace zam {

QColor ToQColor(TColour c);
QFont ToQFont(const TFontDesc& font);

// The canvas seam on a QPainter (widget, QImage or printer).
class TQtCanvas : public TCanvas {
public:
    // With screenFonts, font sizes are taken as on a 96 dpi screen whatever
    // the device (for pictures drawn in screen units and scaled onto paper).
    explicit TQtCanvas(QPainter& painter, bool screenFonts = false);
    void SetPen(TColour colour, int width, TPenStyle style) override;
    void SetBrush(TColour colour, TBrushStyle style) override;
    void SetFont(const TFontDesc& font, TColour colour) override;
    void Line(TPoint2 from, TPoint2 to) override;
    void Rectangle(const TRect& r) override;
    void FillRect(const TRect& r) override;
    void Polygon(const std::vector<TPoint2>& points) override;
    void Ellipse(const TRect& r) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void Text(int x, int y, std::string_view text) override;
    void RotatedText(int x, int y, int angleTenths, std::string_view text) override;
    void SetClip(const TRect& r) override;
    void ClearClip() override;

private:
    QPainter& p_;
    QColor textColour_ = Qt::black;
    bool screenFonts_ = false;
};

// Text measures of real fonts, installed for the settings.
class TQtTextMeasure : public TTextMeasure {
public:
    int TextWidth(const TFontDesc& font, std::string_view text) const override;
    int TextHeight(const TFontDesc& font, std::string_view text) const override;
};

}
