#pragma once

namespace zam {

// Tail probabilities P(X > x) and critical values of the normal, t and F
// distributions, by the approximations every evaluation of the program is
// defined with (not exact distributions: results must match those).

// Upper tail at |z|, doubled unless sides is 1; 1E-20 beyond |z| = 13.
double NormalTail(int sides, double z);
double TTail(int f, int sides, double t);
double FTail(int f1, int f2, double F);

// The value whose one-sided upper tail is p, by bisection to about 0.0005;
// 0 for degrees of freedom below 1 or p outside (0, 1).
double TQuantile(int f, double p);
double FQuantile(int f1, int f2, double p);

}
