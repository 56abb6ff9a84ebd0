#include "procedures/calibration_calc.h"

#include "base/bounds.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "stats/distributions.h"
#include "stats/regression_intervals.h"

#include <algorithm>
#include <cmath>

namespace zam {

namespace {
    // Results must never carry NaN or infinity, whatever the data were.
    double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

    template <typename Fit> void MakeFinite(Fit& f)
    {
        for (double* v : { &f.n, &f.xMin, &f.xMax, &f.xMean, &f.yMean, &f.a, &f.b, &f.sy, &f.sx0, &f.vx0, &f.Qxx,
                 &f.Qxy, &f.xAllMin, &f.xAllMax, &f.yAllMin, &f.yAllMax })
            *v = Finite(*v);
    }

    void MakeFinite(TCalibrationLimits& l)
    {
        for (double* v : { &l.t1, &l.t2, &l.S, &l.yp, &l.xp, &l.yk, &l.xNG, &l.xEG, &l.xBG, &l.tq })
            *v = Finite(*v);
    }

    double Sign(double b) { return b < 0 ? -1.0 : 1.0; }

    std::string Unit(const std::string& u) { return " " + u; }
}

void TKalCalc::Bind(TSList& list, const std::string& fileName)
{
    list_ = &list;
    fileName_ = fileName;
    shortName_ = ShortenPath(fileName, 45);
    int head = list.FindSection("[HEAD]").index;
    TValueParts xs = SplitNameUnit(list.GetLine(head, 3));
    TValueParts ys = SplitNameUnit(list.GetLine(head, 4));
    xName_ = xs.number;
    xUnit_ = xs.unit;
    yName_ = ys.number;
    yUnit_ = ys.unit;
}

void TKalCalc::ReadParameters()
{
    int head = list_->FindSection("[HEAD]").index;
    auto value = [&](int line) {
        TParsedNumber num = list_->GetNumber(head, line);
        return num.Valid() ? num.value : 0.0;
    };
    TCalibrationParams& c = params;
    c.p = ClampReal(99.9, 90, value(5));
    c.k = ClampReal(500, 2, value(6));
    c.m = MaxReal(1, value(7));
    c.p2 = ClampReal(99.9, 90, value(8));
    c.p3 = ClampReal(99.9, 90, value(9));
    c.alpha = (100 - c.p) / 100;
    c.L = 100 / c.k;
    c.alpha2 = (100 - c.p2) / 100;
    c.alpha3 = (100 - c.p3) / 100;
}

void TKalCalc::ReadData()
{
    x.assign(100, 0.0);
    y.assign(100, 0.0);
    n = 0;
    dx = 0;
    dy = 0;
    TSectionRef data = list_->FindSection("[DATA]");
    for (int j = 0; j < data.count; ++j) {
        TCellNumber c = list_->GetCellNumber(data.index, j);
        int row = c.cell.row;
        int col = c.cell.col;
        if (row < 1 || row > kMaxCalibrationRows || (col != 1 && col != 2))
            continue;
        double v = c.number.Valid() ? c.number.value : 0.0;
        if (col == 1) {
            x[static_cast<std::size_t>(row - 1)] = v;
            dx = std::max(dx, c.number.status);
        } else {
            y[static_cast<std::size_t>(row - 1)] = v;
            dy = std::max(dy, c.number.status);
        }
        n = std::max(n, row);
    }
    x.resize(static_cast<std::size_t>(n));
    y.resize(static_cast<std::size_t>(n));
}

void TKalCalc::DeriveLinear()
{
    const LinearFit& f = linearFit.fit;
    TCalibrationLimits& l = linLimits;
    l = TCalibrationLimits();
    l.t1 = TQuantile(n - 2, params.alpha);
    l.t2 = TQuantile(n - 2, params.alpha / 2);
    l.S = 1.0 / f.n + (f.Qxx > 1E-19 ? f.xMean * f.xMean / f.Qxx : 0.0);
    double s = Sign(f.b);
    l.yp = f.a + s * f.sy * l.t1 * std::sqrt(1 + l.S);
    l.xp = std::fabs(2 * f.sx0 * l.t1 * std::sqrt(1 + l.S));
    double tk = TQuantile(n - 2, params.alpha2);
    l.yk = f.a + s * f.sy * tk * std::sqrt(1 / params.m + l.S);
    l.xNG = std::fabs(f.sx0 * tk * std::sqrt(1 / params.m + l.S));
    l.xEG = 2 * l.xNG;
    l.tq = TQuantile(n - 2, params.alpha2 / 2);
    l.xBG = QuantificationLimit(f, l.xEG, params.m, l.tq, params.L);
    MakeFinite(l);
}

void TKalCalc::DeriveQuadratic()
{
    const QuadraticFit& f = quadraticFit.fit;
    TCalibrationLimits& l = quadLimits;
    l = TCalibrationLimits();
    SecondDegreeUnusable = false;
    PW = 0;
    P = 0;
    Fcrit = 0;
    l.t1 = TQuantile(n - 3, params.alpha);
    l.t2 = TQuantile(n - 3, params.alpha / 2);
    double dq = f.Qx4 * f.Qxx - f.Qx3 * f.Qx3;
    double u = f.xMean;
    double v = f.Sx2 / f.n;
    double q0 = dq <= 1E-19 ? 0.0 : std::max(0.0, u * u * f.Qx4 + v * v * f.Qxx - 2 * u * v * f.Qx3) / dq;
    l.S = 1.0 / f.n + q0;
    double s = Sign(f.b);
    l.yp = f.a + s * f.sy * l.t1 * std::sqrt(1 + l.S);
    if (f.b * f.c <= 0 && std::fabs(f.b) < 2.4 * std::fabs(f.c) * f.xMax)
        SecondDegreeUnusable = true;
    bool slope = std::fabs(f.b) > 1E-19;
    if (slope && !SecondDegreeUnusable) {
        double h = (l.yp - f.a) / f.b;
        if (3 * h > f.xMax) {
            SecondDegreeUnusable = true;
            h = 0;
        }
        l.xp = 2 * h;
    }
    double tk = TQuantile(n - 3, params.alpha2);
    l.yk = f.a + s * f.sy * tk * std::sqrt(1 / params.m + l.S);
    if (slope && !SecondDegreeUnusable) {
        l.xNG = (l.yk - f.a) / f.b;
        if (3 * l.xNG > f.xMax) {
            SecondDegreeUnusable = true;
            l.xNG = 0;
        }
    }
    l.xEG = 2 * l.xNG;
    l.tq = TQuantile(n - 3, params.alpha2 / 2);
    // Three points leave no degree of freedom for the Mandel test: the second
    // degree needs four to be judged, so it counts as unusable below that.
    if (n < 4)
        SecondDegreeUnusable = true;
    if (SecondDegreeUnusable) {
        l.xBG = 0;
        MakeFinite(l);
        return;
    }
    Fcrit = FQuantile(1, n - 3, params.alpha3);
    l.xBG = QuantificationLimit(f, l.xEG, params.m, l.tq, params.L);
    double syl = linearFit.fit.sy;
    double syq = f.sy;
    double ds2 = (n - 2) * syl * syl - (n - 3) * syq * syq;
    if (ds2 < 1E-8) {
        PW = 0;
        P = 1;
    } else if (syq * syq < 1E-19) {
        PW = 1E20;
        P = 0;
    } else {
        PW = ds2 / (syq * syq);
        P = FTail(1, n - 3, PW);
    }
    PW = Finite(PW);
    P = Finite(P);
    Fcrit = Finite(Fcrit);
    MakeFinite(l);
}

void TKalCalc::Decide()
{
    if (n < 3)
        SecondDegreeUnusable = true;
    if (SecondDegreeUnusable)
        decision = "0";
    else
        decision = P >= params.alpha3 ? "1" : "2";
    if (linearFit.fit.b <= 1E-19)
        decision += "-";
}

void TKalCalc::BuildResults()
{
    const LinearFit& l = linearFit.fit;
    const QuadraticFit& q = quadraticFit.fit;
    std::string xu = Unit(xUnit_);
    std::string yu = Unit(yUnit_);
    auto fx = [](int d, double v) { return FormatFixed(d, v); };
    auto& r = results;
    r[0] = decision;
    r[1] = std::to_string(n);
    r[2] = fx(dx + 1, l.xMean) + xu;
    r[3] = fx(dy + 1, l.yMean) + yu;
    r[4] = fx(dy + 2, l.a) + yu;
    r[5] = FormatAuto(l.b) + yu + "/" + xUnit_;
    r[6] = FormatAuto(l.sy) + yu;
    r[7] = FormatAuto(l.sx0) + xu;
    r[8] = fx(2, l.vx0) + " %";
    r[9] = fx(dy + 2, linLimits.yk) + yu;
    r[10] = fx(dx + 2, linLimits.xNG) + xu;
    r[11] = fx(dx + 2, linLimits.xEG) + xu;
    r[12] = fx(dy + 2, q.a) + yu;
    r[13] = FormatAuto(q.b) + yu + "/" + xUnit_;
    r[14] = FormatAuto(q.c) + yu + "/" + xUnit_ + "²";
    r[15] = FormatAuto(q.sy) + yu;
    r[16] = FormatAuto(q.sx0) + xu;
    r[17] = fx(2, q.vx0) + " %";
    r[18] = fx(dy + 2, quadLimits.yk) + yu;
    r[19] = fx(dx + 2, quadLimits.xNG) + xu;
    r[20] = fx(dx + 2, quadLimits.xEG) + xu;
    r[21] = PW <= 1E19 ? " = " + fx(PW >= 10 ? 1 : 2, PW) : " > 100000";
    r[22] = Trim(ProbabilityText(P));
    r[23] = fx(Fcrit >= 10 ? 1 : 2, Fcrit);
    r[24] = linLimits.xBG < 0 ? std::string() : fx(dx + 2, linLimits.xBG) + xu;
    r[25] = quadLimits.xBG < 0 ? std::string() : fx(dx + 2, quadLimits.xBG) + xu;
    r[26] = fx(dy + 2, linLimits.yp) + yu;
    r[27] = fx(dx + 2, linLimits.xp) + xu;
    r[28] = fx(dy + 2, quadLimits.yp) + yu;
    r[29] = fx(dx + 2, quadLimits.xp) + xu;
    r[30] = fx(6, l.r);
}

void TKalCalc::WriteSections()
{
    auto fresh = [&](const char* name) {
        int i = list_->AddSection(name).index;
        list_->ClearSection(i);
        return i;
    };
    int datanum = fresh("[DATANUM]");
    for (int i = 0; i < n; ++i) {
        auto at = static_cast<std::size_t>(i);
        list_->AddCodedReal(datanum, x[at]);
        list_->AddCodedReal(datanum, y[at]);
        list_->AddCodedReal(datanum, Finite(linearFit.residuals[at]));
        list_->AddCodedReal(datanum, Finite(quadraticFit.residuals[at]));
    }
    const LinearFit& l = linearFit.fit;
    const QuadraticFit& q = quadraticFit.fit;
    const double resnum[kCalibrationResnumLines] = { static_cast<double>(dx), static_cast<double>(dy), l.n, l.xMin,
        l.xMax, l.xMean, l.yMean, l.a, l.b, l.sy, l.sx0, l.vx0, l.Qxx, l.Qxy, linLimits.t1, linLimits.t2, linLimits.yk,
        linLimits.xNG, linLimits.xEG, q.a, q.b, q.c, q.sy, q.sx0, q.vx0, q.Qxx, q.Qxy, q.Qx3, q.Qx4, q.Qx2y, q.Sx2,
        quadLimits.t1, quadLimits.t2, quadLimits.yk, quadLimits.xNG, quadLimits.xEG, linLimits.yp, linLimits.xp,
        quadLimits.yp, quadLimits.xp, linLimits.tq, quadLimits.tq };
    int rn = fresh("[RESNUM]");
    for (double v : resnum)
        list_->AddCodedReal(rn, Finite(v));
    int out = fresh("[OUTLIERS]");
    list_->AddLine(out, linearFit.mask);
    list_->AddLine(out, quadraticFit.mask);
    int res = fresh("[RESULTS]");
    for (const auto& line : results)
        list_->AddLine(res, line);
}

bool TKalCalc::Compute()
{
    if (list_ == nullptr)
        return false;
    ReadParameters();
    ReadData();
    linearFit = FitLinearWithOutliers(x, y, params.alpha, false);
    quadraticFit = FitQuadraticWithOutliers(x, y, params.alpha, false);
    MakeFinite(linearFit.fit);
    linearFit.fit.r = Finite(linearFit.fit.r);
    MakeFinite(quadraticFit.fit);
    for (double* v : { &quadraticFit.fit.c, &quadraticFit.fit.Qx3, &quadraticFit.fit.Qx4, &quadraticFit.fit.Qx2y, &quadraticFit.fit.Sx2 })
        *v = Finite(*v);
    DeriveLinear();
    DeriveQuadratic();
    Decide();
    BuildResults();
    WriteSections();
    return list_->SaveFile(fileName_, 1);
}

}
