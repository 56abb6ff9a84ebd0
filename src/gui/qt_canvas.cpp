#include "gui/qt_canvas.h"

#include "gui/qt_text.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>

namespace zam {

QColor ToQColor(TColour c) { return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }

QFont ToQFont(const TFontDesc& font)
{
    QFont f(ToQString(font.name));
    f.setPointSize(font.size > 0 ? font.size : 9);
    f.setBold((font.style & 1) != 0);
    f.setItalic((font.style & 2) != 0);
    f.setUnderline((font.style & 4) != 0);
    f.setStrikeOut((font.style & 8) != 0);
    if (font.pitch == 2)
        f.setFixedPitch(true);
    return f;
}

namespace {
    QRect ToQRect(const TRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

    Qt::PenStyle ToQPenStyle(TPenStyle s)
    {
        switch (s) {
        case TPenStyle::Dash:
            return Qt::DashLine;
        case TPenStyle::Dot:
            return Qt::DotLine;
        case TPenStyle::DashDot:
            return Qt::DashDotLine;
        case TPenStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case TPenStyle::None:
            return Qt::NoPen;
        default:
            return Qt::SolidLine;
        }
    }

    Qt::BrushStyle ToQBrushStyle(TBrushStyle s)
    {
        switch (s) {
        case TBrushStyle::Clear:
            return Qt::NoBrush;
        case TBrushStyle::Horizontal:
            return Qt::HorPattern;
        case TBrushStyle::Vertical:
            return Qt::VerPattern;
        case TBrushStyle::FDiagonal:
            return Qt::FDiagPattern;
        case TBrushStyle::BDiagonal:
            return Qt::BDiagPattern;
        case TBrushStyle::Cross:
            return Qt::CrossPattern;
        case TBrushStyle::DiagCross:
            return Qt::DiagCrossPattern;
        default:
            return Qt::SolidPattern;
        }
    }
}

TQtCanvas::TQtCanvas(QPainter& painter, bool screenFonts)
    : p_(painter)
    , screenFonts_(screenFonts)
{
}

void TQtCanvas::SetPen(TColour colour, int width, TPenStyle style)
{
    QPen pen(ToQColor(colour));
    pen.setWidth(width);
    pen.setStyle(ToQPenStyle(style));
    p_.setPen(pen);
}

void TQtCanvas::SetBrush(TColour colour, TBrushStyle style) { p_.setBrush(QBrush(ToQColor(colour), ToQBrushStyle(style))); }

void TQtCanvas::SetFont(const TFontDesc& font, TColour colour)
{
    QFont f = ToQFont(font);
    if (screenFonts_)
        f.setPixelSize(std::max(1, (font.size > 0 ? font.size : 9) * 96 / 72));
    p_.setFont(f);
    textColour_ = ToQColor(colour);
}

void TQtCanvas::Line(TPoint2 from, TPoint2 to) { p_.drawLine(from.x, from.y, to.x, to.y); }

void TQtCanvas::Rectangle(const TRect& r) { p_.drawRect(ToQRect(r)); }

void TQtCanvas::FillRect(const TRect& r) { p_.fillRect(ToQRect(r), p_.brush()); }

void TQtCanvas::Polygon(const std::vector<TPoint2>& points)
{
    QPolygon poly;
    for (const auto& pt : points)
        poly << QPoint(pt.x, pt.y);
    p_.drawPolygon(poly);
}

void TQtCanvas::Ellipse(const TRect& r) { p_.drawEllipse(ToQRect(r)); }

int TQtCanvas::TextWidth(std::string_view text) { return QFontMetrics(p_.font()).horizontalAdvance(ToQString(text)); }

int TQtCanvas::TextHeight(std::string_view text) { return QFontMetrics(p_.font()).boundingRect(ToQString(text)).height(); }

void TQtCanvas::Text(int x, int y, std::string_view text)
{
    QPen old = p_.pen();
    p_.setPen(textColour_);
    p_.drawText(x, y + QFontMetrics(p_.font()).ascent(), ToQString(text));
    p_.setPen(old);
}

void TQtCanvas::RotatedText(int x, int y, int angleTenths, std::string_view text)
{
    p_.save();
    p_.translate(x, y);
    p_.rotate(-angleTenths / 10.0);
    p_.setPen(textColour_);
    p_.drawText(0, QFontMetrics(p_.font()).ascent(), ToQString(text));
    p_.restore();
}

void TQtCanvas::SetClip(const TRect& r) { p_.setClipRect(ToQRect(r)); }

void TQtCanvas::ClearClip() { p_.setClipping(false); }

int TQtTextMeasure::TextWidth(const TFontDesc& font, std::string_view text) const
{
    return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
}

int TQtTextMeasure::TextHeight(const TFontDesc& font, std::string_view text) const
{
    return QFontMetrics(ToQFont(font)).boundingRect(ToQString(text)).height();
}

}
