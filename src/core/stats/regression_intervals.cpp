#include "stats/regression_intervals.h"

#include "base/bounds.h"
#include "base/text_utils.h"

#include <cmath>
#include <functional>

namespace zam {

namespace {
    using Real = long double;

    double LinearWidth(const LinearFit& f, double m, double t, double x, double s)
    {
        if (!(f.n >= 0.5) || !(f.Qxx >= 1E-19))
            return kNotComputable;
        Real mm = m < 1 ? 1 : m;
        Real d = static_cast<Real>(x) - f.xMean;
        return static_cast<double>(t * s * std::sqrt(1 / mm + 1 / static_cast<Real>(f.n) + d * d / f.Qxx));
    }

    // A search step count far beyond any real calibration; a degenerate range
    // must not keep the evaluation busy.
    constexpr int kMaxLimitSteps = 100000;

    double LimitSearch(double n, double xMin, double xMax, double start, double limit,
        const std::function<double(double)>& halfWidth)
    {
        if (!(n >= 1.5))
            return -1;
        double h1 = (xMax - xMin) / ((n - 1) * 10);
        double h2 = xMax / ((n - 1) * 10);
        if (!(h1 >= 1E-10) || !(h2 >= 1E-10))
            return -1;
        double h = std::min(h1, h2);
        auto rel = [&](double x) { return 100 * halfWidth(x) / x; };
        double x = std::max(h / 10, start);
        double r = rel(x);
        for (int step = 0; x < xMax + h / 2 && step < kMaxLimitSteps; ++step) {
            double xr = x;
            double rr = r;
            x += h;
            r = rel(x);
            if (rr <= limit)
                return xr;
            if (r > rr)
                return -1;
            if (r <= limit) {
                double diff = rr - r;
                return diff < 1E-10 ? xr : xr + (rr - limit) * h / diff;
            }
        }
        return -1;
    }

    std::string Signed(const std::string& text) { return !text.empty() && text[0] == '-' ? text : "+" + text; }
}

double PredictionHalfWidthLinear(const LinearFit& f, double m, double t, double x)
{
    return LinearWidth(f, m, t, x, f.sy);
}

double ConfidenceHalfWidthLinear(const LinearFit& f, double m, double t, double x)
{
    return LinearWidth(f, m, t, x, f.sx0);
}

double PredictionHalfWidthQuadratic(const QuadraticFit& f, double m, double t, double x)
{
    Real dq = static_cast<Real>(f.Qx4) * f.Qxx - static_cast<Real>(f.Qx3) * f.Qx3;
    if (!(f.n >= 0.5) || !(dq >= 1E-19L))
        return kNotComputable;
    Real mm = m < 1 ? 1 : m;
    Real d = static_cast<Real>(x) - f.xMean;
    Real e = static_cast<Real>(x) * x - f.Sx2 / static_cast<Real>(f.n);
    Real inner = 1 / mm + 1 / static_cast<Real>(f.n) + (d * d * f.Qx4 + e * e * f.Qxx - 2 * d * e * f.Qx3) / dq;
    return static_cast<double>(t * f.sy * SafeSqrt(static_cast<double>(inner)));
}

double ConfidenceHalfWidthQuadratic(const QuadraticFit& f, double m, double t, double x)
{
    double p = PredictionHalfWidthQuadratic(f, m, t, x);
    if (p == kNotComputable)
        return p;
    double slope = std::fabs(f.b + 2 * f.c * x);
    if (slope < 1E-19)
        return kFlatSlopeWidth;
    return p / slope;
}

double InverseLinear(double y, double b, double a)
{
    if (std::fabs(b) < 1E-19)
        return 0;
    return (y - a) / b;
}

double InverseQuadratic(double a, double b, double c, double y)
{
    Real root = SafeSqrt(static_cast<double>(static_cast<Real>(b) * b - 4 * static_cast<Real>(c) * (a - y)));
    if (b < 0)
        root = -root;
    if (std::fabs(c) > 1E-6)
        return static_cast<double>((root - b) / (2 * static_cast<Real>(c)));
    if (std::fabs(b) < 1E-19)
        return 0;
    Real x = (static_cast<Real>(y) - a) / b;
    Real next = x;
    for (int i = 0; i < 21; ++i) {
        next = x + (y - (a + x * (b + c * x))) / b;
        Real an = std::fabs(next);
        Real step = std::fabs(next - x);
        if ((an < 1E-7L && step < 1E-8L) || (an >= 1E-7L && step / an < 1E-6L))
            break;
        x = next;
    }
    return static_cast<double>(next);
}

double QuantificationLimit(const LinearFit& f, double start, double m, double t, double limitPercent)
{
    return LimitSearch(f.n, f.xMin, f.xMax, start, limitPercent,
        [&](double x) { return ConfidenceHalfWidthLinear(f, m, t, x); });
}

double QuantificationLimit(const QuadraticFit& f, double start, double m, double t, double limitPercent)
{
    return LimitSearch(f.n, f.xMin, f.xMax, start, limitPercent,
        [&](double x) { return ConfidenceHalfWidthQuadratic(f, m, t, x); });
}

std::string WithoutUnit(std::string_view text)
{
    std::size_t p = text.find('[');
    if (p == std::string_view::npos)
        p = text.find('(');
    return Trim(text.substr(0, p));
}

std::string LinearEquationText(
    std::string_view yName, std::string_view intercept, std::string_view slope, std::string_view xName)
{
    return Trim(yName) + " = " + WithoutUnit(intercept) + " " + Signed(WithoutUnit(slope)) + " * " + Trim(xName);
}

std::string QuadraticEquationText(
    std::string_view yName, std::string_view a, std::string_view b, std::string_view c, std::string_view xName)
{
    std::string x = Trim(xName);
    return Trim(yName) + " = " + WithoutUnit(a) + " " + Signed(WithoutUnit(b)) + " * " + x + " "
        + Signed(WithoutUnit(c)) + " * " + x + "²";
}

}
