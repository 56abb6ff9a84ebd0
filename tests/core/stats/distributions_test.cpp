#include "stats/distributions.h"
#include "stats/grubbs.h"
#include "stats/sorting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zam {

TEST(Distributions, QuantilesMatchTheTablesToTheSearchTolerance)
{
    struct TCase {
        const char* what;
        double value;
        double expected;
        double tolerance;
    };
    const TCase cases[] = {
        { "t(10, 0.025) exact series", TQuantile(10, 0.025), 2.228, 0.001 },
        { "t(20, 0.05) normal approximation", TQuantile(20, 0.05), 1.726, 0.001 },
        { "t(1, 0.025)", TQuantile(1, 0.025), 12.706, 0.002 },
        { "t(2, 0.05)", TQuantile(2, 0.05), 2.920, 0.001 },
        { "t(5, 0.005)", TQuantile(5, 0.005), 4.032, 0.001 },
        { "t(15, 0.025)", TQuantile(15, 0.025), 2.131, 0.001 },
        { "F(1, 10, 0.01)", FQuantile(1, 10, 0.01), 10.04, 0.005 },
        { "F(1, 5, 0.01)", FQuantile(1, 5, 0.01), 16.26, 0.005 },
        { "F(4, 6, 0.05) even f1", FQuantile(4, 6, 0.05), 4.53, 0.01 },
        { "F(5, 8, 0.05) odd f1, even f2", FQuantile(5, 8, 0.05), 3.69, 0.01 },
        { "F(5, 9, 0.05) odd f1, odd f2", FQuantile(5, 9, 0.05), 3.48, 0.02 },
        { "F(9, 9, 0.01)", FQuantile(9, 9, 0.01), 5.35, 0.03 },
        { "F(40, 40, 0.05) normal approximation", FQuantile(40, 40, 0.05), 1.69, 0.01 },
        { "F(40, 9, 0.05) large f1, odd f2", FQuantile(40, 9, 0.05), 2.83, 0.03 },
        { "F(40, 10, 0.05) large f1, even f2", FQuantile(40, 10, 0.05), 2.66, 0.02 },
        { "F(10, 1, 0.05) f2 = 1", FQuantile(10, 1, 0.05), 241.9, 0.5 },
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.what;
}

TEST(Distributions, TailsAndTheirGuards)
{
    EXPECT_DOUBLE_EQ(NormalTail(2, 20), 1E-20);
    EXPECT_DOUBLE_EQ(NormalTail(1, -20), 1E-20);
    EXPECT_NEAR(NormalTail(1, 1.96), 0.025, 1E-4);
    EXPECT_NEAR(NormalTail(2, -1.96), 0.05, 2E-4);
    EXPECT_NEAR(NormalTail(1, 0), 0.5, 1E-7);
    EXPECT_DOUBLE_EQ(TTail(0, 1, 2), 1);
    EXPECT_NEAR(TTail(1, 1, 1), 0.25, 1E-12);
    EXPECT_NEAR(TTail(2, 2, 4.303), 0.05, 1E-4);
    EXPECT_DOUBLE_EQ(FTail(3, 7, 0.00005), 1);
    EXPECT_DOUBLE_EQ(FTail(0, 7, 2), 1);
    EXPECT_NEAR(FTail(4, 6, 4.53), 0.05, 1E-3);
    // F below 1 is answered through the swapped degrees of freedom
    EXPECT_NEAR(FTail(6, 4, 1 / 4.53), 0.95, 1E-3);
    EXPECT_DOUBLE_EQ(TQuantile(0, 0.05), 0);
    EXPECT_DOUBLE_EQ(TQuantile(5, 0), 0);
    EXPECT_DOUBLE_EQ(FQuantile(3, 5, 1), 0);
}

TEST(Distributions, QuantileOfAProbabilityBelowEveryTailEnds)
{
    double t = TQuantile(30, 1E-30);
    EXPECT_TRUE(std::isfinite(t));
    EXPECT_GT(t, 1000);
}

TEST(Distributions, TailsDecreaseMonotonically)
{
    for (int f : { 1, 2, 3, 8, 15, 16, 40 }) {
        double previous = 1.0000001;
        for (double t = 0; t < 30; t += 0.25) {
            double q = TTail(f, 1, t);
            ASSERT_LE(q, previous) << f << " " << t;
            previous = q;
        }
    }
    for (auto [f1, f2] : { std::pair { 2, 8 }, { 3, 9 }, { 3, 8 }, { 35, 7 }, { 35, 8 }, { 60, 60 } }) {
        double previous = 1.0000001;
        for (double F = 0.5; F < 40; F += 0.5) {
            double q = FTail(f1, f2, F);
            ASSERT_LE(q, previous + 1E-9) << f1 << "/" << f2 << " " << F;
            ASSERT_GE(q, -1E-9);
            previous = q;
        }
    }
}

TEST(Grubbs, CriticalValues)
{
    EXPECT_NEAR(GrubbsCritical(10, 0.90), 2.036, 0.001);
    EXPECT_NEAR(GrubbsCritical(10, 0.95), 2.176, 0.001);
    EXPECT_NEAR(GrubbsCritical(10, 0.99), 2.410, 0.001);
    EXPECT_NEAR(GrubbsCritical(10, 0.92), 2.036, 0.001);
    EXPECT_NEAR(GrubbsCritical(10, 0.975), 2.410, 0.001);
    EXPECT_DOUBLE_EQ(GrubbsCritical(2, 0.95), 1E10);
}

TEST(Grubbs, ScreeningMarksAtMostThreeValues)
{
    std::vector<double> two { 1, 100 };
    EXPECT_EQ(GrubbsScreen(two, 0.95), "00");
    std::vector<double> equal(8, 4.2);
    EXPECT_EQ(GrubbsScreen(equal, 0.95), "00000000");
    std::vector<double> one { 10.1, 10.2, 9.9, 10.0, 10.1, 9.8, 10.0, 14.0 };
    EXPECT_EQ(GrubbsScreen(one, 0.95), "00000001");
    // three outliers one after the other; a fourth would not be looked for
    std::vector<double> many { 10.0, 10.1, 9.9, 10.0, 10.05, 9.95, 10.02, 9.98, 10.03, 9.97, 10.01, 9.99, 11.0,
        10.6, 10.35 };
    EXPECT_EQ(GrubbsScreen(many, 0.95), "000000000000111");
    many.push_back(12.0);
    EXPECT_EQ(GrubbsScreen(many, 0.95), "0000000000001101");
    EXPECT_EQ(GrubbsScreen({}, 0.95), "");
}

TEST(Grubbs, GradedModeGivesTheLevel)
{
    std::vector<double> v { 10.1, 10.2, 9.9, 10.0, 10.1, 9.8, 10.0, 10.05, 9.95, 30.0 };
    EXPECT_EQ(GrubbsScreen(v, 0), "0000000003");
    // the first value to be marked at all is graded "1": beyond 90 %, not 95 %
    std::vector<double> base { -1, 1, -1, 1, -1, 1, -1, 1, -1, 1, 0 };
    bool found = false;
    for (double a = 1.0; a < 10 && !found; a += 0.01) {
        base.back() = a;
        std::string graded = GrubbsScreen(base, 0);
        if (graded.back() == '0')
            continue;
        found = true;
        EXPECT_EQ(graded.back(), '1') << a;
        EXPECT_EQ(GrubbsScreen(base, 0.9).back(), '1') << a;
        EXPECT_EQ(GrubbsScreen(base, 0.95).back(), '0') << a;
    }
    EXPECT_TRUE(found);
}

TEST(Sorting, StableWithIndex)
{
    std::vector<double> v { 3, 1, 2, 1, 0.5 };
    std::vector<std::int16_t> idx { 0, 1, 2, 3, 4 };
    SortWithIndex(v, idx);
    EXPECT_EQ(v, (std::vector<double> { 0.5, 1, 1, 2, 3 }));
    EXPECT_EQ(idx, (std::vector<std::int16_t> { 4, 1, 3, 2, 0 }));
    std::vector<double> single { 1 };
    std::vector<std::int16_t> none;
    SortWithIndex(single, none);
    EXPECT_EQ(single[0], 1);

    std::vector<double> sorted { 1, 9, 2, 9, 2, 9, 5, 9 }; // stride 2: 1, 2, 2, 5
    EXPECT_EQ(FindSorted(sorted, 2, 4, 2).position, 3);
    EXPECT_TRUE(FindSorted(sorted, 2, 4, 2).equal);
    EXPECT_EQ(FindSorted(sorted, 2, 4, 3).position, 3);
    EXPECT_FALSE(FindSorted(sorted, 2, 4, 3).equal);
    EXPECT_EQ(FindSorted(sorted, 2, 4, 0).position, 0);
    EXPECT_EQ(FindSorted(sorted, 2, 4, 7).position, 4);
    EXPECT_EQ(FindSorted(sorted, 2, 10, 7).position, 4); // count beyond the array
}

}
