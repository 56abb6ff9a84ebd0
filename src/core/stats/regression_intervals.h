#pragma once

#include "stats/regression.h"

#include <string>
#include <string_view>

namespace zam {

// Sentinels of the interval functions.
inline constexpr double kNotComputable = -0.0001;
inline constexpr double kFlatSlopeWidth = 10000;

// Half width of the prediction interval of the mean of m measurements at x
// (y units); kNotComputable without enough data.
double PredictionHalfWidthLinear(const LinearFit& f, double m, double t, double x);
double PredictionHalfWidthQuadratic(const QuadraticFit& f, double m, double t, double x);

// Half width of the confidence interval of an analysis result x from m
// measurements (x units).
double ConfidenceHalfWidthLinear(const LinearFit& f, double m, double t, double x);
double ConfidenceHalfWidthQuadratic(const QuadraticFit& f, double m, double t, double x);

double InverseLinear(double y, double b, double a);
double InverseQuadratic(double a, double b, double c, double y);

// Smallest x from start on whose relative confidence half width (percent) is at
// most limitPercent; -1 when there is none.
double QuantificationLimit(const LinearFit& f, double start, double m, double t, double limitPercent);
double QuantificationLimit(const QuadraticFit& f, double start, double m, double t, double limitPercent);

// Equation texts of the reports; units in "[...]" or "(...)" are cut off the
// coefficient texts.
std::string WithoutUnit(std::string_view text);
std::string LinearEquationText(
    std::string_view yName, std::string_view intercept, std::string_view slope, std::string_view xName);
std::string QuadraticEquationText(std::string_view yName, std::string_view a, std::string_view b, std::string_view c,
    std::string_view xName);

}
