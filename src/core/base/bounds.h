#pragma once

#include <span>

namespace zam {

int MaxInt(int a, int b);
int MinInt(int a, int b);
int ClampInt(int a, int low, int high);
double MaxReal(double a, double b);
double MinReal(double a, double b);
// Argument order high, low, value, as everywhere in the evaluations.
double ClampReal(double high, double low, double x);

// Clamped to +-2147483647, rounded to the nearest integer (halves to even).
int RoundClamped(double x);

void SwapInt(int& a, int& b);
void SwapReal(double& a, double& b);

// The safe functions report trouble through one shared flag instead of
// failing; every call sets or clears it.
double SafeExp(double x);
double SafeLn(double x);
double SafeSqrt(double x);
bool MathErrorFlag();

// Largest deviation from the mean in percent of |mean|; -1 when there is no
// usable mean, 0 for one value.
double MaxRelDeviation(std::span<const double> values);

}
