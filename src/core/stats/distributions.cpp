#include "stats/distributions.h"

#include "base/bounds.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace zam {

namespace {
    using Real = long double;

    // ln(y^(b/2) * (e_0 + ... + e_(a/2 - 1))), e_0 = 1,
    // e_(i+1) = e_i (1 - y) (b + 2i) / (2i + 2).
    Real S(int a, int b, Real y)
    {
        Real e = 1;
        Real sum = 0;
        for (int i = 0; i < a / 2; ++i) {
            sum += e;
            e = e * (1 - y) * (b + 2 * i) / (2 * i + 2);
        }
        Real v = std::pow(y, static_cast<Real>(b) / 2) * sum;
        return SafeLn(static_cast<double>(v));
    }

    // The quadratic interpolation in the logarithm between the neighbouring
    // even degrees of freedom k - 1, k + 1, k + 3.
    Real InterpolatedS(int k, int other, const std::function<Real(int)>& arg)
    {
        return (3 * S(k - 1, other, arg(k - 1)) + 6 * S(k + 1, other, arg(k + 1)) - S(k + 3, other, arg(k + 3))) / 8;
    }

    // Largest upper bound of the bracket search; a tail that still reaches p
    // there (only for p below the smallest tail value) ends the search.
    constexpr double kSearchLimit = 100000.0;

    double Quantile(const std::function<double(double)>& tail, double p)
    {
        double lo = 0;
        double hi = 20;
        while (tail(hi) >= p && hi < kSearchLimit) {
            lo = hi;
            hi += 20;
        }
        double mid = 0;
        do {
            mid = (lo + hi) / 2;
            if (tail(mid) >= p)
                lo = mid;
            else
                hi = mid;
        } while (hi - lo >= 0.0005);
        return mid;
    }
}

double NormalTail(int sides, double z)
{
    Real a = std::fabs(static_cast<Real>(z));
    if (!(a <= 13))
        return 1E-20;
    Real t = 1 / (1 + 0.2316419L * a);
    Real phi = SafeExp(static_cast<double>(-a * a / 2)) / std::sqrt(2 * std::numbers::pi_v<Real>);
    Real q = phi * t
        * (0.31938153L + t * (-0.356563782L + t * (1.781477937L + t * (-1.821255978L + t * 1.330274429L))));
    return static_cast<double>(sides == 1 ? q : 2 * q);
}

double TTail(int f, int sides, double t)
{
    if (f < 1)
        return 1;
    Real a = std::fabs(static_cast<Real>(t));
    if (std::isnan(a))
        return 1;
    if (f > 15) {
        Real z = (1 - 1 / (4 * static_cast<Real>(f))) * a / std::sqrt(1 + a * a / (2 * static_cast<Real>(f)));
        return NormalTail(sides, static_cast<double>(z));
    }
    Real theta = std::atan(a / std::sqrt(static_cast<Real>(f)));
    Real q;
    if (f == 1) {
        q = 0.5L - theta / std::numbers::pi_v<Real>;
    } else {
        Real c = std::cos(theta);
        Real s = std::sin(theta);
        bool odd = f % 2 == 1;
        Real u = odd ? c : 1;
        Real num = odd ? 2 : 1;
        Real den = odd ? 3 : 2;
        Real w = 0;
        for (int i = 0; i < f / 2; ++i) {
            w += u;
            u = u * c * c * num / den;
            num += 2;
            den += 2;
        }
        Real r = s * w;
        if (odd)
            r = (theta + r) * 2 / std::numbers::pi_v<Real>;
        q = (1 - r) / 2;
    }
    return static_cast<double>(sides == 1 ? q : 2 * q);
}

double FTail(int f1, int f2, double fValue)
{
    if (!(fValue > 0.0001) || f1 < 1 || f2 < 1)
        return 1;
    if (f1 == 1)
        return 2 * TTail(f2, 1, std::sqrt(fValue));
    if (f2 == 1)
        return 1 - 2 * TTail(f1, 1, std::sqrt(1 / fValue));
    Real F = fValue;
    bool swapped = false;
    if (F < 1) {
        std::swap(f1, f2);
        F = 1 / F;
        swapped = true;
    }
    Real x = f2 / (f2 + f1 * F);
    Real q;
    if ((f1 >= 30 && f2 >= 30) || f1 > 50 || f2 > 50) {
        Real c1 = 2 / (9 * static_cast<Real>(f1));
        Real c2 = 2 / (9 * static_cast<Real>(f2));
        Real g = std::cbrt(F);
        Real d = (g * (1 - c2) - (1 - c1)) / std::sqrt(c1 + c2 * g * g);
        q = NormalTail(1, static_cast<double>(d));
        if (d < 0)
            q = 1 - q;
    } else if (f1 < 30) {
        if (f1 % 2 == 0) {
            q = std::exp(S(f1, f2, x));
        } else if (f2 >= 30 || f2 % 2 == 1) {
            q = std::exp(InterpolatedS(f1, f2, [&](int k) { return f2 / (f2 + k * F); }));
        } else {
            q = 1 - std::exp(S(f2, f1, 1 - x));
        }
    } else if (f2 % 2 == 1) {
        q = 1 - std::exp(InterpolatedS(f2, f1, [&](int k) { return 1 - k / (k + f1 * F); }));
    } else {
        q = 1 - std::exp(S(f2, f1, 1 - x));
    }
    return static_cast<double>(swapped ? 1 - q : q);
}

double TQuantile(int f, double p)
{
    if (f < 1 || !(p > 0 && p < 1))
        return 0;
    return Quantile([f](double t) { return TTail(f, 1, t); }, p);
}

double FQuantile(int f1, int f2, double p)
{
    if (f1 < 1 || f2 < 1 || !(p > 0 && p < 1))
        return 0;
    return Quantile([f1, f2](double F) { return FTail(f1, f2, F); }, p);
}

}
