#include "output/nice_scale.h"

#include <cmath>

namespace zam {

TNiceScale NiceScale(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b)) {
        a = 1;
        b = 0;
    }
    if (a > b) {
        double widen = 0.01 * (a - b);
        // no widening across zero
        if (!(a < 0 && a + widen >= 0))
            a += widen;
        if (!(b > 0 && b - widen <= 0))
            b -= widen;
    } else {
        a = b + 1;
        b = b - 1;
    }
    if (b > 0 && b < 0.22 * a)
        b = 0;
    if (a < 0 && a > 0.22 * b)
        a = 0;
    double range = a - b;
    if (range < 1e-10)
        range = 1;
    int e = static_cast<int>(std::floor(std::log10(range)));
    double step = std::pow(10.0, e);
    double ratio = range / step;
    if (ratio < 3) {
        step = (ratio < 1.1 ? 0.2 : 0.5) * std::pow(10.0, e);
        e -= 1;
    }
    double start = step * std::floor(b / step + 0.001);
    if (b < 0 && start > b)
        start -= step;
    int count = static_cast<int>(std::floor(std::fabs(a - start) / step - 0.001)) + 1;
    if (count > 10) {
        count = (count + 1) / 2;
        step *= 2;
    }
    TNiceScale s;
    s.start = start;
    s.count = count;
    s.end = start + count * step;
    s.decimals = e < 0 ? -e : 0;
    if ((s.start < 0) != (s.end < 0) && s.start != 0 && s.end != 0)
        s.decimals += 1;
    return s;
}

}
