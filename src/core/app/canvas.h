#pragma once

#include "app/colour_palettes.h"
#include "app/text_measure.h"

#include <string>
#include <string_view>
#include <vector>

namespace zam {

struct TPoint2 {
    int x = 0;
    int y = 0;
};

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

enum class TPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, None };
enum class TBrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

// The drawing surface of screen, image and printer. Coordinates in device
// pixels; text positions are the top left of the text.
class TCanvas {
public:
    virtual ~TCanvas() = default;
    virtual void SetPen(TColour colour, int width, TPenStyle style) = 0;
    virtual void SetBrush(TColour colour, TBrushStyle style) = 0;
    virtual void SetFont(const TFontDesc& font, TColour colour) = 0;
    virtual void Line(TPoint2 from, TPoint2 to) = 0;
    virtual void Rectangle(const TRect& r) = 0;
    virtual void FillRect(const TRect& r) = 0;
    virtual void Polygon(const std::vector<TPoint2>& points) = 0;
    virtual void Ellipse(const TRect& r) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void Text(int x, int y, std::string_view text) = 0;
    // Rotated counter-clockwise by the angle in tenths of a degree.
    virtual void RotatedText(int x, int y, int angleTenths, std::string_view text) = 0;
    virtual void SetClip(const TRect& r) = 0;
    virtual void ClearClip() = 0;
};

}
