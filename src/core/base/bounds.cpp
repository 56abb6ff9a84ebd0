#include "base/bounds.h"

#include <algorithm>
#include <cmath>

namespace zam {

namespace {
    bool g_mathError = false;
}

int MaxInt(int a, int b) { return a > b ? a : b; }
int MinInt(int a, int b) { return a < b ? a : b; }
int ClampInt(int a, int low, int high) { return std::min(std::max(a, low), high); }
double MaxReal(double a, double b) { return a > b ? a : b; }
double MinReal(double a, double b) { return a < b ? a : b; }
double ClampReal(double high, double low, double x) { return std::min(high, std::max(low, x)); }

int RoundClamped(double x)
{
    if (std::isnan(x))
        return 0;
    double c = std::clamp(x, -2147483647.0, 2147483647.0);
    return static_cast<int>(std::nearbyint(c));
}

void SwapInt(int& a, int& b) { std::swap(a, b); }
void SwapReal(double& a, double& b) { std::swap(a, b); }

double SafeExp(double x)
{
    g_mathError = false;
    if (std::fabs(x) >= 86.0) {
        if (x > 0) {
            g_mathError = true;
            return std::exp(85.0);
        }
        return 0.0;
    }
    return std::exp(x);
}

double SafeLn(double x)
{
    g_mathError = false;
    if (!(x > 0.0)) {
        g_mathError = true;
        return -33000.0;
    }
    return std::log(x);
}

double SafeSqrt(double x)
{
    g_mathError = false;
    if (!(x >= 0.0)) {
        g_mathError = true;
        return 0.0;
    }
    return std::sqrt(x);
}

bool MathErrorFlag() { return g_mathError; }

double MaxRelDeviation(std::span<const double> values)
{
    if (values.empty())
        return -1.0;
    double sum = 0.0;
    for (double v : values)
        sum += v;
    double mean = sum / static_cast<double>(values.size());
    if (std::fabs(mean) < 1E-10)
        return -1.0;
    if (values.size() == 1)
        return 0.0;
    double worst = 0.0;
    for (double v : values)
        worst = std::max(worst, std::fabs(v - mean) * 100.0 / std::fabs(mean));
    return worst;
}

}
