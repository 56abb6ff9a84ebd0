#include "output/svg_canvas.h"

#include "base/cp1252.h"

#include <cstdio>

namespace zam {

namespace {
    std::string Hex(TColour c)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        return buf;
    }

    std::string Escaped(std::string_view text)
    {
        std::string out;
        for (char ch : Cp1252ToUtf8(text)) {
            switch (ch) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
            }
        }
        return out;
    }

    std::string N(int v) { return std::to_string(v); }
}

TSvgCanvas::TSvgCanvas(int width, int height)
    : width_(width)
    , height_(height)
{
}

void TSvgCanvas::SetPen(TColour colour, int width, TPenStyle style)
{
    pen_ = colour;
    penWidth_ = width;
    penStyle_ = style;
}

void TSvgCanvas::SetBrush(TColour colour, TBrushStyle style)
{
    brush_ = colour;
    brushClear_ = style == TBrushStyle::Clear;
}

void TSvgCanvas::SetFont(const TFontDesc& font, TColour colour)
{
    font_ = font;
    textColour_ = colour;
}

std::string TSvgCanvas::Stroke() const
{
    if (penStyle_ == TPenStyle::None)
        return " stroke=\"none\"";
    std::string s = " stroke=\"" + Hex(pen_) + "\" stroke-width=\"" + N(penWidth_) + "\"";
    if (penStyle_ == TPenStyle::Dash)
        s += " stroke-dasharray=\"7,7\"";
    else if (penStyle_ == TPenStyle::Dot)
        s += " stroke-dasharray=\"2,2\"";
    else if (penStyle_ == TPenStyle::DashDot || penStyle_ == TPenStyle::DashDotDot)
        s += " stroke-dasharray=\"6,2,2,2\"";
    return s;
}

std::string TSvgCanvas::Fill() const { return brushClear_ ? " fill=\"none\"" : " fill=\"" + Hex(brush_) + "\""; }

void TSvgCanvas::Line(TPoint2 a, TPoint2 b)
{
    body_ += "<line x1=\"" + N(a.x) + "\" y1=\"" + N(a.y) + "\" x2=\"" + N(b.x) + "\" y2=\"" + N(b.y) + "\"" + Stroke()
        + "/>\n";
}

void TSvgCanvas::Rectangle(const TRect& r)
{
    body_ += "<rect x=\"" + N(r.left) + "\" y=\"" + N(r.top) + "\" width=\"" + N(r.Width() - 1) + "\" height=\""
        + N(r.Height() - 1) + "\"" + Stroke() + Fill() + "/>\n";
}

void TSvgCanvas::FillRect(const TRect& r)
{
    body_ += "<rect x=\"" + N(r.left) + "\" y=\"" + N(r.top) + "\" width=\"" + N(r.Width()) + "\" height=\""
        + N(r.Height()) + "\" stroke=\"none\"" + Fill() + "/>\n";
}

void TSvgCanvas::Polygon(const std::vector<TPoint2>& points)
{
    std::string p;
    for (const auto& pt : points)
        p += N(pt.x) + "," + N(pt.y) + " ";
    body_ += "<polygon points=\"" + p + "\"" + Stroke() + Fill() + "/>\n";
}

void TSvgCanvas::Ellipse(const TRect& r)
{
    body_ += "<ellipse cx=\"" + N((r.left + r.right) / 2) + "\" cy=\"" + N((r.top + r.bottom) / 2) + "\" rx=\""
        + N(r.Width() / 2) + "\" ry=\"" + N(r.Height() / 2) + "\"" + Stroke() + Fill() + "/>\n";
}

int TSvgCanvas::TextWidth(std::string_view text) { return TFixedPitchMeasure().TextWidth(font_, text); }

int TSvgCanvas::TextHeight(std::string_view text) { return TFixedPitchMeasure().TextHeight(font_, text); }

std::string TSvgCanvas::TextElement(int x, int y, std::string_view text, const std::string& transform) const
{
    int size = font_.size * 96 / 72;
    return "<text x=\"" + N(x) + "\" y=\"" + N(y + size) + "\" font-family=\"" + Escaped(font_.name)
        + ", DejaVu Sans, sans-serif\" font-size=\"" + N(size) + "\"" + ((font_.style & 1) != 0 ? " font-weight=\"bold\"" : "")
        + " fill=\"" + Hex(textColour_) + "\"" + transform + ">" + Escaped(text) + "</text>\n";
}

void TSvgCanvas::Text(int x, int y, std::string_view text) { body_ += TextElement(x, y, text, ""); }

void TSvgCanvas::RotatedText(int x, int y, int angleTenths, std::string_view text)
{
    body_ += TextElement(x, y, text,
        " transform=\"rotate(" + std::to_string(-angleTenths / 10.0) + " " + N(x) + " " + N(y) + ")\"");
}

// The renderer clips lines and markers itself; SVG viewers differ in how they
// handle clip paths, so none are written.
void TSvgCanvas::SetClip(const TRect&) { }

void TSvgCanvas::ClearClip() { }

std::string TSvgCanvas::Document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(width_)
        + "\" height=\"" + N(height_) + "\" viewBox=\"0 0 " + N(width_) + " " + N(height_) + "\">\n" + body_ + "</svg>\n";
}

}
