#include "output/calibration_plot.h"

#include "base/bounds.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "output/nice_scale.h"
#include "procedures/evaluation.h"
#include "stats/regression.h"
#include "stats/regression_intervals.h"

#include <algorithm>
#include <cmath>

namespace zam {

namespace {
    const char* const kViews = "Kalibriergerade^Kalibrierger. + Vertr.-Bereich^Residuen (linear)^Nachweisgrenze (linear)^"
                               "Abs. Unpräzision (linear)^Rel. Unpräzision (linear)^Kalibrierfkt. 2. Grades^"
                               "Kal.-Fkt. (2. Gr.) + Vertr.-Bereich^Residuen (2. Grades)^Nachweisgrenze (2. Grades)^"
                               "Abs. Unpräzision (2. Grades)^Rel. Unpräzision (2. Grades)";
    // The views drawn so far: the functions, their bands and residuals.
    bool Drawn(int) { return true; }

    void Scale(TAxisDesc& axis, double& lo, double& hi, double dataMax, double dataMin)
    {
        TNiceScale s = NiceScale(dataMax, dataMin);
        lo = s.start;
        hi = s.end;
        axis.intervals = 2 * s.count;
        axis.autoLabel = 2;
        axis.decimals = s.decimals;
        axis.grid = true;
    }
}

std::vector<std::pair<int, std::string>> CalibrationViews(int variant, bool linearOnly)
{
    std::vector<std::pair<int, std::string>> views;
    std::vector<std::string> names = SplitFields(kViews);
    for (int v = 1; v <= 12; ++v) {
        if (v >= 10 && (variant <= 0 || linearOnly))
            continue;
        if (v >= 7 && linearOnly)
            continue;
        if (v >= 4 && v <= 6 && variant < 0)
            continue;
        if (!Drawn(v))
            continue;
        views.emplace_back(v, names[static_cast<std::size_t>(v - 1)]);
    }
    return views;
}

bool FillCalibrationPlot(int view, const std::string& fileName, TPic& pic, int samples)
{
    TSList list;
    if (!list.LoadFile(fileName, kOpenShared))
        return false;
    int head = list.FindSection("[HEAD]").index;
    int rn = list.FindSection("[RESNUM]").index;
    int dn = list.FindSection("[DATANUM]").index;
    std::vector<std::string> results;
    list.CopySectionTo(list.FindSection("[RESULTS]").index, results);
    results.resize(31);
    int n = list.LineCount(dn) / 4;
    if (n < 2)
        return false;
    bool quad = view >= 7;
    auto R = [&](int line) { return list.GetCodedReal(rn, line); };
    std::vector<double> x, y, res;
    for (int i = 0; i < n; ++i) {
        x.push_back(list.GetCodedReal(dn, 4 * i));
        y.push_back(list.GetCodedReal(dn, 4 * i + 1));
        res.push_back(list.GetCodedReal(dn, 4 * i + (quad ? 3 : 2)));
    }
    double xMax = *std::max_element(x.begin(), x.end());
    double a = R(quad ? 19 : 7), b = R(quad ? 20 : 8), c = quad ? R(21) : 0.0;
    auto f = [&](double v) { return a + b * v + c * v * v; };
    int names = (view - 1) % 6 + 1;
    std::string viewName = SplitFields(kViews)[static_cast<std::size_t>(view - 1)];
    std::string pText = "p=" + list.GetLine(head, 8) + "%";
    std::string mText = "m=" + list.GetLine(head, 7);
    std::string nText = "      N = " + results[1];

    pic.Clear();
    pic.seriesMode = 1;
    pic.title1 = Trim(list.GetLine(head, 1));
    pic.xAxis.caption = list.GetLine(head, 3);
    pic.yAxis.caption = list.GetLine(head, 4);
    pic.footers[2] = { "Methode : " + list.GetLine(head, 2), "Datei: " + ShortenPath(fileName, 40) };
    double yLo = 0, yHi = 0;
    double m = MaxReal(1, ParseReal(list.GetLine(head, 7)));
    double t = R(quad ? 41 : 40);
    LinearFit lf;
    lf.n = R(2);
    lf.xMean = R(5);
    lf.Qxx = R(12);
    lf.sy = R(9);
    lf.sx0 = R(10);
    lf.b = R(8);
    QuadraticFit qf;
    qf.n = R(2);
    qf.xMean = std::fabs(R(5));
    qf.Qxx = R(25);
    qf.Qx3 = R(27);
    qf.Qx4 = R(28);
    qf.Sx2 = R(30);
    qf.sy = R(22);
    qf.b = b;
    qf.c = c;
    double xEG = R(quad ? 35 : 18);
    double xNG = R(quad ? 34 : 17);
    double yk = R(quad ? 33 : 16);
    if (names == 4) {
        double xSmall = xMax;
        for (double v : x)
            if (v > 0.02 * xMax)
                xSmall = std::min(xSmall, v);
        double xEnd = std::max(xEG, xSmall);
        double delta = yk - a;
        pic.series.push_back({ 0, 0, 0, x, y });
        pic.series.push_back({ 1, 2, 2, { 0, xMax }, { f(0), f(xMax) } });
        pic.series.push_back({ 1, 5, 7, { 0, xMax, 0, 0, xMax }, { f(0) + delta, f(xMax) + delta, -1e10, f(0) - delta, f(xMax) - delta } });
        pic.series.push_back({ 1, 1, 1, { 0, xEG, xEG, 0, xNG, xNG, xNG }, { yk, yk, -1e9, -1e10, yk, yk, -1e9 } });
        pic.series[3].x[3] = xEG;
        pic.series[3].y[3] = -1e10;
        pic.footers[0] = { viewName + "  (" + pText + " , " + mText + ")" + nText, "" };
        pic.footers[1] = { "yk= " + results[quad ? 18 : 9] + "      xNG= " + results[quad ? 19 : 10] + "      xEG= "
                + results[quad ? 20 : 11] + "      ",
            "" };
        Scale(pic.xAxis, pic.xMin, pic.xMax, xEnd, 0.02 * xEnd);
        double top = f(xEnd) + std::fabs(delta);
        double bottom = std::min(0.0, f(0) - std::fabs(delta));
        if (top > 0)
            bottom = std::min(bottom, 0.01 * top);
        Scale(pic.yAxis, pic.yMin, pic.yMax, top, bottom);
        return true;
    }
    if (names == 5 || names == 6) {
        pic.seriesMode = 2;
        bool relative = names == 6;
        double xBG = results[quad ? 25 : 24].empty() ? -1 : ParseReal(SplitValueText(results[quad ? 25 : 24]).number);
        double x0 = 0.02 * xMax;
        if (xBG > 1E-10 && xBG < 0.02 * xMax)
            x0 = 0.8 * xBG;
        x0 = std::max(x0, xEG);
        int k = std::clamp(samples, 2, 100);
        TSeriesDesc curve { 1, 1, 1, {}, {} };
        double top = 0;
        for (int i = 0; i <= k; ++i) {
            double v = x0 + (xMax - x0) * i / k;
            double h = quad ? ConfidenceHalfWidthQuadratic(qf, m, t, v) : ConfidenceHalfWidthLinear(lf, m, t, v);
            double value = relative ? (std::fabs(v) < 1E-19 ? 0 : 100 * h / std::fabs(v)) : h;
            curve.x.push_back(v);
            curve.y.push_back(value);
            top = std::max(top, value);
        }
        pic.series.push_back(curve);
        std::string kText = FormatFixed(-2, 100 / ClampReal(500, 2, ParseReal(list.GetLine(head, 6)))) + "%, k="
            + list.GetLine(head, 6);
        pic.footers[0] = { viewName + nText, "" };
        if (relative) {
            double L = 100 / ClampReal(500, 2, ParseReal(list.GetLine(head, 6)));
            if (xBG > 1E-10)
                pic.series.push_back({ 1, 2, 2, { 0, xBG, xBG }, { L, L, 0 } });
            else
                pic.series.push_back({ 1, 2, 2, { 0, xMax }, { L, L } });
            top = std::max(top, L);
            pic.footers[1] = { "max. Fehler=" + kText + "     xBG = " + results[quad ? 25 : 24], "" };
            pic.yAxis.caption = "VB [%]";
        } else {
            TValueParts unit = SplitNameUnit(list.GetLine(head, 3));
            pic.yAxis.caption = "VB " + unit.unit;
        }
        Scale(pic.xAxis, pic.xMin, pic.xMax, xMax, 0.02 * xMax);
        Scale(pic.yAxis, pic.yMin, pic.yMax, 1.1 * top, 0.01 * top);
        return true;
    }
    if (names == 3) {
        pic.series.push_back({ 0, 0, 0, x, res });
        pic.series.push_back({ 1, 1, 0, { 0, 1.2 * xMax }, { 0, 0 } });
        double top = 0;
        for (double r : res)
            top = std::max(top, std::fabs(r));
        yLo = -top;
        yHi = top;
        pic.footers[0] = { viewName + nText, "" };
    } else {
        pic.series.push_back({ 0, 0, 0, x, y });
        std::vector<double> fx, fy;
        int steps = quad ? std::max(samples, 2) : 1;
        for (int i = 0; i <= steps; ++i) {
            double v = 0.02 * xMax + (xMax - 0.02 * xMax) * i / steps;
            fx.push_back(v);
            fy.push_back(f(v));
        }
        pic.series.push_back({ 1, 1, 2, fx, fy });
        pic.series.push_back({ 1, 2, 2, { 0, 0.02 * xMax }, { f(0), f(0.02 * xMax) } });
        std::string equation = quad ? QuadraticEquationText("y", results[12], results[13], results[14], "x")
                                    : LinearEquationText("y", results[4], results[5], "x");
        pic.footers[0] = { equation + nText, "" };
        pic.footers[1] = { "Reststandardabw. (sy): " + results[quad ? 15 : 6], "" };
        yLo = *std::min_element(y.begin(), y.end());
        yHi = *std::max_element(y.begin(), y.end());
        for (double v : fy) {
            yLo = std::min(yLo, v);
            yHi = std::max(yHi, v);
        }
        if (names == 2) {
            auto half = [&](double v) {
                return quad ? PredictionHalfWidthQuadratic(qf, m, t, v) : PredictionHalfWidthLinear(lf, m, t, v);
            };
            int k = std::clamp(samples, 2, 100);
            TSeriesDesc band { 1, 3, 4, {}, {} };
            for (int i = 0; i <= k; ++i) {
                double v = xMax * i / k;
                band.x.push_back(v);
                band.y.push_back(f(v) + std::max(half(v), 0.0));
            }
            band.x.push_back(0);
            band.y.push_back(-1e10);
            for (int i = 0; i <= k; ++i) {
                double v = xMax * i / k;
                band.x.push_back(v);
                band.y.push_back(f(v) - std::max(half(v), 0.0));
            }
            for (double v : band.y)
                if (v > -1e10)
                    yHi = std::max(yHi, v);
            yHi *= 1.1;
            pic.series.push_back(band);
            pic.footers[1] = { viewName + "  (" + pText + " , " + mText + ")", "" };
        }
        if (yHi > 0)
            yLo = std::min(yLo, 0.01 * yHi);
    }
    Scale(pic.xAxis, pic.xMin, pic.xMax, xMax, 0.02 * xMax);
    Scale(pic.yAxis, pic.yMin, pic.yMax, yHi, yLo);
    return true;
}

}
