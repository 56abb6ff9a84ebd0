#include "output/picture.h"

#include "app/canvas.h"
#include "base/number_text.h"

#include <algorithm>
#include <cmath>

namespace zam {

TPic& Picture()
{
    static TPic pic;
    return pic;
}

namespace {
    struct TMap {
        double x0, x1, y0, y1; // world
        int left, right, top, bottom; // device
        int X(double x) const { return left + static_cast<int>(std::lround((x - x0) / (x1 - x0) * (right - left))); }
        int Y(double y) const { return bottom - static_cast<int>(std::lround((y - y0) / (y1 - y0) * (bottom - top))); }
    };

    TColour StyleColour(const TPic& pic, int index, bool mono)
    {
        if (mono)
            return index >= 1 && index <= 20 ? 0x000000 : 0xFFFFFF;
        if (index < 0 || index > 30)
            index = 1;
        return ReadColour(pic.style.data() + graphicsblock::kColours + static_cast<std::size_t>(index) * 4);
    }

    TPenStyle Dash(int style)
    {
        switch (style) {
        case 2:
            return TPenStyle::Dash;
        case 3:
            return TPenStyle::Dot;
        case 4:
            return TPenStyle::DashDot;
        case 5:
        case 6:
            return TPenStyle::DashDotDot;
        default:
            return TPenStyle::Solid;
        }
    }

    TFontDesc Font(const TPic& pic, int textClass, int lineUnit)
    {
        TFontDesc f = ReadFont(pic.style.data() + graphicsblock::kFont);
        f.size = pic.style[graphicsblock::kTextSizes + static_cast<std::size_t>(textClass)] * lineUnit;
        f.style = pic.style[graphicsblock::kBoldFlags + static_cast<std::size_t>(textClass)] != 0 ? 1 : 0;
        return f;
    }

    // Liang-Barsky in world coordinates; false when nothing is left.
    bool Clip(double& xa, double& ya, double& xb, double& yb, const TMap& m)
    {
        double t0 = 0, t1 = 1, dx = xb - xa, dy = yb - ya;
        auto edge = [&](double p, double q) {
            if (std::fabs(p) < 1e-300)
                return q >= 0;
            double r = q / p;
            if (p < 0) {
                if (r > t1)
                    return false;
                t0 = std::max(t0, r);
            } else {
                if (r < t0)
                    return false;
                t1 = std::min(t1, r);
            }
            return true;
        };
        if (!edge(-dx, xa - m.x0) || !edge(dx, m.x1 - xa) || !edge(-dy, ya - m.y0) || !edge(dy, m.y1 - ya))
            return false;
        double nxa = xa + t0 * dx, nya = ya + t0 * dy;
        xb = xa + t1 * dx;
        yb = ya + t1 * dy;
        xa = nxa;
        ya = nya;
        return true;
    }

    void Marker(TCanvas& c, int type, int x, int y, int half, TColour colour)
    {
        if (type <= 0)
            return;
        bool filled = type % 2 == 1;
        c.SetPen(colour, 1, TPenStyle::Solid);
        c.SetBrush(colour, filled ? TBrushStyle::Solid : TBrushStyle::Clear);
        TRect box { x - half, y - half, x + half + 1, y + half + 1 };
        switch (type) {
        case 1:
            c.Line({ x - half, y - half }, { x + half, y + half });
            c.Line({ x - half, y + half }, { x + half, y - half });
            break;
        case 2:
            c.Line({ x - half, y }, { x + half, y });
            c.Line({ x, y - half }, { x, y + half });
            break;
        case 3:
        case 4:
            c.Rectangle(box);
            break;
        case 5:
        case 6:
            c.Polygon({ { x, y - half }, { x + half, y }, { x, y + half }, { x - half, y } });
            break;
        case 7:
        case 8:
            c.Polygon({ { x, y - half }, { x + half, y + half }, { x - half, y + half } });
            break;
        default:
            c.Ellipse(box);
        }
    }

    void Axis(const TPic& pic, TCanvas& c, const TMap& m, bool xAxis, int unit, bool mono)
    {
        const TAxisDesc& a = xAxis ? pic.xAxis : pic.yAxis;
        if (a.labelOffset > 98)
            return;
        TColour axisColour = StyleColour(pic, 9, mono);
        c.SetPen(axisColour, unit, TPenStyle::Solid);
        if (xAxis)
            c.Line({ m.left, m.bottom }, { m.right, m.bottom });
        else
            c.Line({ m.left, m.bottom }, { m.left, m.top });
        c.SetFont(Font(pic, 1, unit), StyleColour(pic, 10, mono));
        int tick = std::max(4 * unit, (m.bottom - m.top) / 100);
        double from = xAxis ? m.x0 : m.y0;
        double to = xAxis ? m.x1 : m.y1;
        int gridOption = pic.style[graphicsblock::kLayout + (xAxis ? 5U : 4U)];
        for (int j = 0; j <= a.intervals; ++j) {
            double v = from + j * (to - from) / std::max(a.intervals, 1);
            bool label = a.autoLabel > 0 && j % a.autoLabel == 0;
            c.SetPen(axisColour, unit, TPenStyle::Solid);
            if (xAxis) {
                int x = m.X(v);
                c.Line({ x, m.bottom }, { x, m.bottom + tick });
                if (label && a.grid && j > 0 && gridOption > 0) {
                    c.SetPen(StyleColour(pic, 9, mono), 1, gridOption == 3 ? TPenStyle::Solid : gridOption == 2 ? TPenStyle::Dash : TPenStyle::Dot);
                    c.Line({ x, m.bottom }, { x, m.top });
                }
                if (label) {
                    std::string t = FormatFixed(a.decimals, v);
                    c.Text(x - c.TextWidth(t) / 2, m.bottom + tick + unit, t);
                }
            } else {
                int y = m.Y(v);
                c.Line({ m.left - tick, y }, { m.left, y });
                if (label && a.grid && j > 0 && gridOption > 0) {
                    c.SetPen(StyleColour(pic, 9, mono), 1, gridOption == 3 ? TPenStyle::Solid : gridOption == 2 ? TPenStyle::Dash : TPenStyle::Dot);
                    c.Line({ m.left, y }, { m.right, y });
                }
                if (label) {
                    std::string t = FormatFixed(a.decimals, v);
                    c.Text(m.left - tick - unit * 2 - c.TextWidth(t), y - c.TextHeight(t) / 2, t);
                }
            }
        }
        c.SetFont(Font(pic, 1, unit), StyleColour(pic, 10, mono));
        if (xAxis) {
            int h = c.TextHeight("Ep");
            c.Text((m.left + m.right) / 2 - c.TextWidth(a.caption) / 2, m.bottom + tick + h + 3 * unit, a.caption);
        } else {
            c.RotatedText(unit * 4, (m.top + m.bottom) / 2 + c.TextWidth(a.caption) / 2, 900, a.caption);
        }
    }
}

void RenderPicture(const TPic& pic, TCanvas& c, int width, int height, bool mono, int unit)
{
    c.SetBrush(StyleColour(pic, 0, mono), TBrushStyle::Solid);
    c.FillRect({ 0, 0, width, height });
    // the layout from the text sizes: heading, footer block, axis labels
    c.SetFont(Font(pic, 0, unit), 0);
    int titleH = c.TextHeight("Ep");
    int titles = (pic.title1.empty() ? 0 : 1) + (pic.title2.empty() ? 0 : 1);
    int heading = titles == 0 ? 5 * unit : titleH * (titles == 1 ? 4 : 7) / 3 + 5 * unit;
    c.SetFont(Font(pic, 3, unit), 0);
    int footH = c.TextHeight("Ep");
    int footers = 0;
    for (const auto& f : pic.footers)
        footers += f.first.empty() && f.second.empty() ? 0 : 1;
    int footerBlock = footers * (footH + 2 * unit) + 5 * unit;
    c.SetFont(Font(pic, 1, unit), 0);
    int axisH = c.TextHeight("Ep");
    int yLabel = std::max(c.TextWidth(FormatFixed(pic.yAxis.decimals, pic.yMax)),
                     c.TextWidth(FormatFixed(pic.yAxis.decimals, pic.yMin)))
        + axisH + 14 * unit;
    int legendH = pic.legend == 1 && !pic.legendEntries.empty() ? axisH + 6 * unit : 0;
    TMap m { pic.xMin, pic.xMax, pic.yMin, pic.yMax, yLabel, width - 20 * unit, heading + axisH / 2,
        height - footerBlock - legendH - 2 * axisH - 12 * unit };
    if (m.x1 - m.x0 < 1e-300)
        m.x1 = m.x0 + 1;
    if (m.y1 - m.y0 < 1e-300)
        m.y1 = m.y0 + 1;
    if (m.bottom <= m.top + 20 || m.right <= m.left + 20)
        return;
    if (pic.style[graphicsblock::kLayout] != 0) {
        c.SetBrush(StyleColour(pic, 21, mono), TBrushStyle::Solid);
        c.FillRect({ m.left, m.top, m.right, m.bottom });
        c.SetPen(StyleColour(pic, 9, mono), unit, TPenStyle::Solid);
        c.SetBrush(0, TBrushStyle::Clear);
        c.Rectangle({ m.left, m.top, m.right + 1, m.bottom + 1 });
    }
    Axis(pic, c, m, true, unit, mono);
    Axis(pic, c, m, false, unit, mono);

    // titles
    c.SetFont(Font(pic, 0, unit), StyleColour(pic, 11, mono));
    int y = 3 * unit;
    for (const std::string* t : { &pic.title1, &pic.title2 }) {
        if (t->empty())
            continue;
        c.Text(width / 2 - c.TextWidth(*t) / 2, y, *t);
        y += titleH * 7 / 6;
    }

    // series
    c.SetClip({ m.left, m.top, m.right + 1, m.bottom + 1 });
    for (std::size_t s = 0; s < pic.series.size() && s < 6; ++s) {
        const TSeriesDesc& sd = pic.series[s];
        int number = static_cast<int>(s) + 1;
        TColour colour = StyleColour(pic, sd.colour != 0 ? sd.colour : number, mono);
        bool markers = pic.seriesMode == 1 ? s == 0 : sd.style == 0;
        std::size_t n = std::min(sd.x.size(), sd.y.size());
        if (markers) {
            int type = pic.style[graphicsblock::kMarkers + s];
            for (std::size_t i = 0; i < n; ++i) {
                if (sd.y[i] <= -1e10 || sd.x[i] < m.x0 || sd.x[i] > m.x1 || sd.y[i] < m.y0 || sd.y[i] > m.y1)
                    continue;
                Marker(c, type, m.X(sd.x[i]), m.Y(sd.y[i]), 3 * unit, colour);
            }
            continue;
        }
        int dash = sd.dash != 0 ? sd.dash
                                : pic.style[(mono ? graphicsblock::kLineMono : graphicsblock::kLineScreen) + s];
        c.SetPen(colour, unit, Dash(dash));
        for (std::size_t i = 1; i < n; ++i) {
            if (sd.y[i - 1] <= -1e10 || sd.y[i] <= -1e10)
                continue;
            double xa = sd.x[i - 1], ya = sd.y[i - 1], xb = sd.x[i], yb = sd.y[i];
            if (Clip(xa, ya, xb, yb, m))
                c.Line({ m.X(xa), m.Y(ya) }, { m.X(xb), m.Y(yb) });
        }
    }
    // type 5: error bars with caps of 10 line units and the group's marker
    for (std::size_t g = 0; pic.diagramType == 5 && g < pic.groups.size() && g < 6; ++g) {
        const TBarGroup& grp = pic.groups[g];
        TColour colour = StyleColour(pic, static_cast<int>(g) + 1, mono);
        std::size_t n = std::min({ grp.x.size(), grp.centre.size(), grp.lower.size(), grp.upper.size() });
        int cap = 5 * unit;
        int previousX = 0, previousY = 0;
        bool havePrevious = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (grp.centre[i] <= -1e20)
                continue;
            int x = m.X(grp.x[i]);
            int lo = std::clamp(m.Y(grp.lower[i]), m.top, m.bottom);
            int hi = std::clamp(m.Y(grp.upper[i]), m.top, m.bottom);
            c.SetPen(colour, unit, TPenStyle::Solid);
            c.Line({ x, lo }, { x, hi });
            if (grp.lower[i] >= m.y0)
                c.Line({ x - cap, lo }, { x + cap, lo });
            if (grp.upper[i] <= m.y1)
                c.Line({ x - cap, hi }, { x + cap, hi });
            int yc = m.Y(grp.centre[i]);
            Marker(c, pic.style[graphicsblock::kMarkers + g], x, yc, 3 * unit, colour);
            if (grp.joined && havePrevious) {
                c.SetPen(colour, unit, Dash(pic.style[(mono ? graphicsblock::kLineMono : graphicsblock::kLineScreen) + g]));
                c.Line({ previousX, previousY }, { x, yc });
            }
            previousX = x;
            previousY = yc;
            havePrevious = true;
        }
    }
    c.ClearClip();

    // legend and footers
    int bottomY = m.bottom + 2 * axisH + 12 * unit;
    if (legendH > 0) {
        c.SetFont(Font(pic, 2, unit), StyleColour(pic, 14, mono));
        int x = m.left;
        for (std::size_t i = 0; i < pic.legendEntries.size(); ++i) {
            c.Text(x, bottomY, pic.legendEntries[i]);
            x += c.TextWidth(pic.legendEntries[i]) + 20 * unit;
        }
        bottomY += legendH;
    }
    c.SetFont(Font(pic, 3, unit), StyleColour(pic, 13, mono));
    for (const auto& [left, right] : pic.footers) {
        if (left.empty() && right.empty())
            continue;
        c.Text(m.left, bottomY, left);
        c.Text(m.right - c.TextWidth(right), bottomY, right);
        bottomY += footH + 2 * unit;
    }
}

}
