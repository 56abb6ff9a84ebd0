#include "stats/sorting.h"

#include <algorithm>

namespace zam {

void SortWithIndex(std::span<double> values, std::span<std::int16_t> index)
{
    std::size_t n = values.size();
    bool withIndex = index.size() >= n;
    for (std::size_t i = 1; i < n; ++i) {
        double v = values[i];
        if (!(v < values[i - 1]))
            continue;
        // after the last element of the sorted prefix that is not greater than v
        std::size_t pos = static_cast<std::size_t>(
            std::upper_bound(values.begin(), values.begin() + static_cast<long>(i), v) - values.begin());
        std::rotate(values.begin() + static_cast<long>(pos), values.begin() + static_cast<long>(i),
            values.begin() + static_cast<long>(i) + 1);
        if (withIndex)
            std::rotate(index.begin() + static_cast<long>(pos), index.begin() + static_cast<long>(i),
                index.begin() + static_cast<long>(i) + 1);
    }
}

TSortedPos FindSorted(std::span<const double> values, int stride, int count, double x)
{
    TSortedPos r;
    if (stride < 1 || count < 1)
        return r;
    auto at = [&](int k) { return values[static_cast<std::size_t>(k) * static_cast<std::size_t>(stride)]; };
    int usable = std::min(count, static_cast<int>((values.size() + static_cast<std::size_t>(stride) - 1) / static_cast<std::size_t>(stride)));
    int lo = 0;
    int hi = usable; // first element greater than x lies in [lo, hi]
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (at(mid) <= x)
            lo = mid + 1;
        else
            hi = mid;
    }
    r.position = lo;
    r.equal = lo > 0 && at(lo - 1) == x;
    return r;
}

}
