#pragma once

#include <span>
#include <string>

namespace zam {

// Critical value of the one-sided Grubbs test for n values at P (0.90, 0.95,
// 0.99 by rows); 1E10 below three values.
double GrubbsCritical(int n, double P);

// The iterated Grubbs test: one mark a value, "0" kept, outliers "1" (or, with
// P = 0, graded "1".."3" for 90/95/99 %). At most three values are marked.
std::string GrubbsScreen(std::span<const double> values, double P);

}
