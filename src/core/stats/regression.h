#pragma once

#include <span>
#include <string>
#include <vector>

namespace zam {

// Least-squares fits with a mask ("0" includes a point, anything else
// excludes it). Residuals are computed for every point.

struct LinearFit {
    double n = 1;
    double xMin = 0, xMax = 0, xMean = 0, yMean = 0;
    double a = 0, b = 0;
    double sy = 0, sx0 = 0, vx0 = 0;
    double Qxx = 0, Qxy = 0, Qyy = 0;
    double r = 0;
    double xAllMin = 0, xAllMax = 0, yAllMin = 0, yAllMax = 0;
    int worst = 0; // 1-based, 0 when no point is included
};

struct QuadraticFit {
    double n = 1;
    double xMin = 0, xMax = 0;
    double xMean = 0; // absolute value of the mean of x
    double yMean = 0;
    double a = 0, b = 0, c = 0;
    double sy = 0, sx0 = 0, vx0 = 0;
    double Qxx = 0, Qxy = 0, Qx3 = 0, Qx4 = 0, Qx2y = 0, Sx2 = 0;
    double xAllMin = 0, xAllMax = 0, yAllMin = 0, yAllMax = 0;
    int worst = 0;
};

template <typename Fit> struct TFitResult {
    Fit fit;
    std::vector<double> residuals;
    std::string mask; // the outliers found ("1"), for the searches
};

// x and y of equal length (the shorter one decides); an empty mask includes all.
TFitResult<LinearFit> FitLinear(std::span<const double> x, std::span<const double> y, const std::string& mask = {});
TFitResult<QuadraticFit> FitQuadratic(
    std::span<const double> x, std::span<const double> y, const std::string& mask = {});

// The outlier search by the prediction interval. With keep off the fit of all
// points comes back (the mask still shows the outliers), with keep on the
// last accepted fit.
TFitResult<LinearFit> FitLinearWithOutliers(
    std::span<const double> x, std::span<const double> y, double alpha, bool keep);
TFitResult<QuadraticFit> FitQuadraticWithOutliers(
    std::span<const double> x, std::span<const double> y, double alpha, bool keep);

}
