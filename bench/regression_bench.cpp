#include "stats/distributions.h"
#include "stats/regression.h"
#include "stats/regression_intervals.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The statistics of a 60-point calibration: both fits with outlier search,
// the quantiles and both quantification limit searches.
void BM_CalibrationStatistics60(benchmark::State& state)
{
    std::vector<double> x;
    std::vector<double> y;
    for (int i = 0; i < 60; ++i) {
        x.push_back(0.5 + i * 0.25);
        y.push_back(0.01 + 0.118 * x.back() + 0.003 * std::sin(i * 1.7));
    }
    y[17] += 0.2;
    for (auto _ : state) {
        auto lin = zam::FitLinearWithOutliers(x, y, 0.01, false);
        auto quad = zam::FitQuadraticWithOutliers(x, y, 0.01, false);
        double t = zam::TQuantile(58, 0.005);
        double f = zam::FQuantile(1, 57, 0.01);
        double q1 = zam::QuantificationLimit(lin.fit, 0.5, 1, t, 33.3);
        double q2 = zam::QuantificationLimit(quad.fit, 0.5, 1, t, 33.3);
        benchmark::DoNotOptimize(lin.fit.b + quad.fit.c + t + f + q1 + q2);
    }
}
BENCHMARK(BM_CalibrationStatistics60)->Unit(benchmark::kMicrosecond);

}
