#pragma once

#include "app/canvas.h"

#include <string>

namespace zam {

// A canvas that writes SVG (UTF-8), for rendering without a window; texts
// are measured with the fixed-pitch measure of the console.
class TSvgCanvas : public TCanvas {
public:
    TSvgCanvas(int width, int height);
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
    std::string Document() const;

private:
    std::string Stroke() const;
    std::string Fill() const;
    std::string TextElement(int x, int y, std::string_view text, const std::string& transform) const;
    int width_, height_;
    std::string body_;
    TColour pen_ = 0, brush_ = 0xFFFFFF, textColour_ = 0;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    bool brushClear_ = false;
    TFontDesc font_;
};

}
