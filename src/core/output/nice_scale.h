#pragma once

namespace zam {

struct TNiceScale {
    double start = 0;
    double end = 1;
    int count = 1; // intervals
    int decimals = 0;
    double Step() const { return count > 0 ? (end - start) / count : 1; }
};

// An axis range with round steps for data between minimum and maximum.
TNiceScale NiceScale(double maximum, double minimum);

}
