#pragma once

#include <cstdint>
#include <span>

namespace zam {

// Sorts ascending in place, stable, and applies the same permutation to the
// index vector (when it is at least as long).
void SortWithIndex(std::span<double> values, std::span<std::int16_t> index);

struct TSortedPos {
    int position = 0; // 1-based position of the last element not greater than x, 0 if none
    bool equal = false;
};

// In a sorted array whose elements stand every `stride` entries.
TSortedPos FindSorted(std::span<const double> values, int stride, int count, double x);

}
