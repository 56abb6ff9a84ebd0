#include "stats/grubbs.h"

#include <cmath>

namespace zam {

namespace {
    struct TGrubbsRow {
        double A, B, C, k4, k3, k2, k1, k0;
    };
    constexpr TGrubbsRow kRow90 { 0.99437991, 4.25, 3.2875, -0.0195453, 0.32434157, -1.3973, 3.275, -1.2478 };
    constexpr TGrubbsRow kRow95 { 1.6285, 5.2376, 3.6662, 0.02604999, -0.1087578, -0.0482404, 1.6088, -0.5563206 };
    constexpr TGrubbsRow kRow99 { 1.3466, 5.9931, 4.1638, 0.03752169, -0.3434343, 1.1257, -0.5553021, 0.75851625 };

    // One step over the kept values: the statistic and the index of the most
    // deviating value (-1 when fewer than two are kept).
    double Statistic(std::span<const double> values, const std::string& marks, int& index, int& m)
    {
        long double sum = 0;
        m = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (marks[i] == '0') {
                sum += values[i];
                ++m;
            }
        }
        index = -1;
        if (m < 2)
            return 0;
        long double mean = sum / m;
        long double worst = -1;
        long double ss = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (marks[i] != '0')
                continue;
            long double d = std::fabs(values[i] - mean);
            ss += d * d;
            if (d >= worst) {
                worst = d;
                index = static_cast<int>(i);
            }
        }
        long double s = std::sqrt(ss / (m - 1));
        return s <= 1E-10 ? 0.0 : static_cast<double>(worst / s);
    }
}

double GrubbsCritical(int n, double P)
{
    if (n < 3)
        return 1E10;
    long r = std::lround(P * 100);
    const TGrubbsRow& row = r <= 92 ? kRow90 : r <= 97 ? kRow95 : kRow99;
    long double sn = static_cast<long double>(n);
    long double c = row.A / sn - row.B / std::sqrt(sn) + row.C;
    long double g = (((row.k4 * c + row.k3) * c + row.k2) * c + row.k1) * c + row.k0;
    return static_cast<double>(g);
}

std::string GrubbsScreen(std::span<const double> values, double P)
{
    std::string marks(values.size(), '0');
    auto n = static_cast<int>(values.size());
    if (n < 3)
        return marks;
    bool graded = P == 0;
    double level = graded ? 0.9 : P;
    for (int step = 1; step <= 3; ++step) {
        if ((step == 2 && n <= 3) || (step == 3 && n <= 4))
            break;
        int index = -1;
        int m = 0;
        double stat = Statistic(values, marks, index, m);
        if (index < 0 || !(stat > GrubbsCritical(m, level)))
            break;
        char mark = '1';
        if (graded && stat > GrubbsCritical(m, 0.95))
            mark = stat > GrubbsCritical(m, 0.99) ? '3' : '2';
        marks[static_cast<std::size_t>(index)] = mark;
    }
    return marks;
}

}
