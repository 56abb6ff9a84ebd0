#include "output/calibration_plot.h"

#include "base/bounds.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "output/nice_scale.h"
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
    bool Drawn(int view) { return view == 1 || view == 2 || view == 3 || view == 7 || view == 8 || view == 9; }

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
            double m = MaxReal(1, ParseReal(list.GetLine(head, 7)));
            double t = R(quad ? 41 : 40);
            LinearFit lf;
            lf.n = R(2);
            lf.xMean = R(5);
            lf.Qxx = R(12);
            lf.sy = R(9);
            QuadraticFit qf;
            qf.n = R(2);
            qf.xMean = std::fabs(R(5));
            qf.Qxx = R(25);
            qf.Qx3 = R(27);
            qf.Qx4 = R(28);
            qf.Sx2 = R(30);
            qf.sy = R(22);
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
