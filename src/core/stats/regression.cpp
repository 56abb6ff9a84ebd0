#include "stats/regression.h"

#include "stats/distributions.h"
#include "stats/regression_intervals.h"

#include <algorithm>
#include <cmath>

namespace zam {

namespace {
    using Real = long double;

    bool Included(const std::string& mask, std::size_t i) { return i >= mask.size() || mask[i] == '0'; }

    std::size_t PointCount(std::span<const double> x, std::span<const double> y) { return std::min(x.size(), y.size()); }

    // What both fits share: ranges over all points, residuals, the worst point.
    template <typename Fit, typename Model>
    void Finish(Fit& f, std::vector<double>& res, std::span<const double> x, std::span<const double> y,
        const std::string& mask, Model model)
    {
        std::size_t n = PointCount(x, y);
        res.assign(n, 0.0);
        double worstAbs = -1;
        f.worst = 0;
        for (std::size_t i = 0; i < n; ++i) {
            double fitted = static_cast<double>(model(static_cast<Real>(x[i])));
            res[i] = y[i] - fitted;
            if (i == 0) {
                f.xAllMin = f.xAllMax = x[i];
                f.yAllMin = std::min(y[i], fitted);
                f.yAllMax = std::max(y[i], fitted);
            } else {
                f.xAllMin = std::min(f.xAllMin, x[i]);
                f.xAllMax = std::max(f.xAllMax, x[i]);
                f.yAllMin = std::min({ f.yAllMin, y[i], fitted });
                f.yAllMax = std::max({ f.yAllMax, y[i], fitted });
            }
            if (Included(mask, i) && std::fabs(res[i]) > worstAbs) {
                worstAbs = std::fabs(res[i]);
                f.worst = static_cast<int>(i) + 1;
            }
        }
    }

    struct TSums {
        Real n = 0, x = 0, y = 0, x2 = 0, x3 = 0, x4 = 0, xy = 0, x2y = 0;
        double xMin = 0, xMax = 0;
    };

    TSums Sums(std::span<const double> x, std::span<const double> y, const std::string& mask)
    {
        TSums s;
        bool first = true;
        for (std::size_t i = 0; i < PointCount(x, y); ++i) {
            if (!Included(mask, i))
                continue;
            Real xi = x[i];
            Real yi = y[i];
            s.n += 1;
            s.x += xi;
            s.y += yi;
            s.x2 += xi * xi;
            s.x3 += xi * xi * xi;
            s.x4 += xi * xi * xi * xi;
            s.xy += xi * yi;
            s.x2y += xi * xi * yi;
            s.xMin = first ? x[i] : std::min(s.xMin, x[i]);
            s.xMax = first ? x[i] : std::max(s.xMax, x[i]);
            first = false;
        }
        if (s.n == 0)
            s.n = 1;
        return s;
    }

    Real SquaredResiduals(const std::vector<double>& res, const std::string& mask)
    {
        Real ss = 0;
        for (std::size_t i = 0; i < res.size(); ++i) {
            if (Included(mask, i))
                ss += static_cast<Real>(res[i]) * res[i];
        }
        return ss;
    }

    int IncludedCount(const std::string& mask)
    {
        return static_cast<int>(std::count(mask.begin(), mask.end(), '0'));
    }

    double Prediction(const LinearFit& f, double t, double x) { return PredictionHalfWidthLinear(f, 1, t, x); }
    double Prediction(const QuadraticFit& f, double t, double x) { return PredictionHalfWidthQuadratic(f, 1, t, x); }

    template <typename Fit, typename FitFn>
    TFitResult<Fit> WithOutliers(std::span<const double> x, std::span<const double> y, double alpha, bool keep,
        int minIncluded, int dfOffset, FitFn fitFn)
    {
        std::string mask(PointCount(x, y), '0');
        TFitResult<Fit> first = fitFn(x, y, mask);
        TFitResult<Fit> current = first;
        while (IncludedCount(mask) > minIncluded) {
            int w = current.fit.worst;
            if (w == 0)
                break;
            auto wi = static_cast<std::size_t>(w - 1);
            double dev = std::fabs(current.residuals[wi]);
            if (dev < 0.005 * std::fabs(current.fit.yAllMax - current.fit.yAllMin))
                break;
            std::string testMask = mask;
            testMask[wi] = '1';
            TFitResult<Fit> test = fitFn(x, y, testMask);
            double t = TQuantile(IncludedCount(mask) - dfOffset, alpha / 2);
            double h = Prediction(test.fit, t, x[wi]);
            if (!(dev > h))
                break;
            mask = testMask;
            current = std::move(test);
        }
        TFitResult<Fit> result = keep ? std::move(current) : std::move(first);
        result.mask = mask;
        return result;
    }
}

TFitResult<LinearFit> FitLinear(std::span<const double> x, std::span<const double> y, const std::string& mask)
{
    TFitResult<LinearFit> r;
    LinearFit& f = r.fit;
    TSums s = Sums(x, y, mask);
    Real xm = s.x / s.n;
    Real ym = s.y / s.n;
    Real qxx = 0, qxy = 0, qyy = 0;
    for (std::size_t i = 0; i < PointCount(x, y); ++i) {
        if (!Included(mask, i))
            continue;
        Real dx = x[i] - xm;
        Real dy = y[i] - ym;
        qxx += dx * dx;
        qxy += dx * dy;
        qyy += dy * dy;
    }
    f.n = static_cast<double>(s.n);
    f.xMin = s.xMin;
    f.xMax = s.xMax;
    f.xMean = static_cast<double>(xm);
    f.yMean = static_cast<double>(ym);
    f.Qxx = static_cast<double>(qxx);
    f.Qxy = static_cast<double>(qxy);
    f.Qyy = static_cast<double>(qyy);
    Real b = qxx < 1E-19L ? 0 : qxy / qxx;
    Real a = ym - b * xm;
    f.a = static_cast<double>(a);
    f.b = static_cast<double>(b);
    Real root = std::sqrt(qxx * qyy);
    f.r = root < 1E-19L ? 0 : static_cast<double>(qxy / root);
    Finish(f, r.residuals, x, y, mask, [a, b](Real xi) { return a + b * xi; });
    if (s.n >= 3) {
        double sy = static_cast<double>(std::sqrt(SquaredResiduals(r.residuals, mask) / (s.n - 2)));
        f.sy = sy < 1E-10 ? 0 : sy;
    }
    f.sx0 = std::fabs(f.b) <= 1E-19 ? 0 : f.sy / std::fabs(f.b);
    f.vx0 = std::fabs(f.xMean) <= 1E-19 ? 0 : 100 * f.sx0 / std::fabs(f.xMean);
    return r;
}

TFitResult<QuadraticFit> FitQuadratic(std::span<const double> x, std::span<const double> y, const std::string& mask)
{
    TFitResult<QuadraticFit> r;
    QuadraticFit& f = r.fit;
    TSums s = Sums(x, y, mask);
    Real qxx = s.x2 - s.x * s.x / s.n;
    Real qxy = s.xy - s.x * s.y / s.n;
    Real qx3 = s.x3 - s.x * s.x2 / s.n;
    Real qx4 = s.x4 - s.x2 * s.x2 / s.n;
    Real qx2y = s.x2y - s.y * s.x2 / s.n;
    Real d = qx3 * qx3 - qx4 * qxx;
    Real c = std::fabs(d) < 1E-10L ? 0 : (qx3 * qxy - qx2y * qxx) / d;
    Real b = qxx < 1E-19L ? 0 : (qxy - qx3 * c) / qxx;
    Real a = (s.y - b * s.x - c * s.x2) / s.n;
    Real mean = s.x / s.n;
    f.n = static_cast<double>(s.n);
    f.xMin = s.xMin;
    f.xMax = s.xMax;
    f.xMean = static_cast<double>(std::fabs(mean));
    f.yMean = static_cast<double>(s.y / s.n);
    f.a = static_cast<double>(a);
    f.b = static_cast<double>(b);
    f.c = static_cast<double>(c);
    f.Qxx = static_cast<double>(qxx);
    f.Qxy = static_cast<double>(qxy);
    f.Qx3 = static_cast<double>(qx3);
    f.Qx4 = static_cast<double>(qx4);
    f.Qx2y = static_cast<double>(qx2y);
    f.Sx2 = static_cast<double>(s.x2);
    Finish(f, r.residuals, x, y, mask, [a, b, c](Real xi) { return a + b * xi + c * xi * xi; });
    if (s.n >= 4) {
        double sy = static_cast<double>(std::sqrt(SquaredResiduals(r.residuals, mask) / (s.n - 3)));
        f.sy = sy < 1E-10 ? 0 : sy;
    }
    Real sensitivity = std::fabs(b + 2 * c * mean);
    f.sx0 = sensitivity <= 1E-19L ? 0 : static_cast<double>(f.sy / sensitivity);
    f.vx0 = f.xMean <= 1E-19 ? 0 : 100 * f.sx0 / f.xMean;
    return r;
}

TFitResult<LinearFit> FitLinearWithOutliers(
    std::span<const double> x, std::span<const double> y, double alpha, bool keep)
{
    return WithOutliers<LinearFit>(x, y, alpha, keep, 3, 3,
        [](std::span<const double> px, std::span<const double> py, const std::string& m) { return FitLinear(px, py, m); });
}

TFitResult<QuadraticFit> FitQuadraticWithOutliers(
    std::span<const double> x, std::span<const double> y, double alpha, bool keep)
{
    return WithOutliers<QuadraticFit>(x, y, alpha, keep, 4, 4,
        [](std::span<const double> px, std::span<const double> py, const std::string& m) {
            return FitQuadratic(px, py, m);
        });
}

}
