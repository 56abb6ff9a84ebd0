#include "stats/distributions.h"
#include "stats/regression.h"
#include "stats/regression_intervals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zam {

namespace {
    // Lead in water, ICP-MS, 10 standards (µg/l against counts/1000).
    const std::vector<double> kX { 0.5, 1, 2, 3, 4, 5, 6, 7, 8, 10 };
    const std::vector<double> kY { 0.062, 0.119, 0.247, 0.358, 0.482, 0.597, 0.716, 0.828, 0.957, 1.185 };

    void ExpectRel(double value, double expected, const char* what)
    {
        EXPECT_NEAR(value, expected, std::fabs(expected) * 1E-9 + 1E-15) << what;
    }

    template <typename Fit> void ExpectFinite(const Fit& f)
    {
        for (double v : { f.n, f.xMin, f.xMax, f.xMean, f.yMean, f.a, f.b, f.sy, f.sx0, f.vx0, f.Qxx, f.Qxy,
                 f.xAllMin, f.xAllMax, f.yAllMin, f.yAllMax })
            EXPECT_TRUE(std::isfinite(v));
    }
}

TEST(Regression, LinearFitOfARealCalibration)
{
    auto r = FitLinear(kX, kY);
    const LinearFit& f = r.fit;
    EXPECT_DOUBLE_EQ(f.n, 10);
    ExpectRel(f.a, 0.00482050553819946, "a");
    ExpectRel(f.b, 0.1183396762283442, "b");
    ExpectRel(f.sy, 0.004156977278812524, "sy");
    ExpectRel(f.sx0, 0.03512750255283243, "sx0");
    ExpectRel(f.vx0, 0.7554301624265038, "vx0");
    ExpectRel(f.r, 0.9999439323982793, "r");
    EXPECT_EQ(f.worst, 3);
    EXPECT_DOUBLE_EQ(f.xMin, 0.5);
    EXPECT_DOUBLE_EQ(f.xMax, 10);
    EXPECT_DOUBLE_EQ(f.yAllMax, f.a + f.b * 10); // the fitted value lies above the last standard
    ASSERT_EQ(r.residuals.size(), 10U);
    EXPECT_NEAR(r.residuals[0], 0.062 - (f.a + f.b * 0.5), 1E-15);
    ExpectRel(PredictionHalfWidthLinear(f, 1, 2.306, 5), 0.010060228465083944, "prediction");
    ExpectRel(ConfidenceHalfWidthLinear(f, 1, 2.306, 5), 0.010060228465083944 / f.b, "confidence");
}

TEST(Regression, QuadraticFitOfARealCalibration)
{
    auto r = FitQuadratic(kX, kY);
    const QuadraticFit& f = r.fit;
    ExpectRel(f.a, 0.00220757906617471, "a");
    ExpectRel(f.b, 0.11996126188342192, "b");
    ExpectRel(f.c, -0.0001619538808245404, "c");
    ExpectRel(f.sy, 0.00414268236143686, "sy");
    ExpectRel(f.sx0, 0.03497259876082299, "sx0");
    ExpectRel(PredictionHalfWidthQuadratic(f, 1, 2.306, 5), 0.01053810295361098, "prediction");
    double x = InverseQuadratic(f.a, f.b, f.c, 0.6);
    EXPECT_NEAR(f.a + f.b * x + f.c * x * x, 0.6, 1E-12);
}

TEST(Regression, MaskExcludesPointsButResidualsCoverAll)
{
    auto all = FitLinear(kX, kY);
    auto masked = FitLinear(kX, kY, "0010000000");
    EXPECT_DOUBLE_EQ(masked.fit.n, 9);
    EXPECT_NE(masked.fit.b, all.fit.b);
    EXPECT_EQ(masked.residuals.size(), 10U);
    EXPECT_NE(masked.fit.worst, 3);
    EXPECT_DOUBLE_EQ(masked.fit.xAllMin, 0.5);
}

TEST(Regression, OutlierSearchMarksAGrossErrorAndKeepDecidesTheFit)
{
    std::vector<double> y = kY;
    y[4] = 0.60; // should be about 0.48
    auto off = FitLinearWithOutliers(kX, y, 0.01, false);
    EXPECT_EQ(off.mask, "0000100000");
    EXPECT_DOUBLE_EQ(off.fit.n, 10);
    auto on = FitLinearWithOutliers(kX, y, 0.01, true);
    EXPECT_EQ(on.mask, "0000100000");
    EXPECT_DOUBLE_EQ(on.fit.n, 9);
    EXPECT_NEAR(on.fit.b, 0.1183, 0.001);
    auto clean = FitLinearWithOutliers(kX, kY, 0.01, false);
    EXPECT_EQ(clean.mask, "0000000000");
    auto quad = FitQuadraticWithOutliers(kX, y, 0.01, true);
    EXPECT_EQ(quad.mask, "0000100000");
    EXPECT_DOUBLE_EQ(quad.fit.n, 9);
}

TEST(Regression, ThreePointsNeverSearchOutliersAndGiveNoQuadraticSpread)
{
    std::vector<double> x { 1, 2, 3 };
    std::vector<double> y { 1, 2, 30 };
    auto lin = FitLinearWithOutliers(x, y, 0.05, true);
    EXPECT_EQ(lin.mask, "000");
    EXPECT_GT(lin.fit.sy, 0);
    auto quad = FitQuadraticWithOutliers(x, y, 0.05, true);
    EXPECT_EQ(quad.mask, "000");
    EXPECT_DOUBLE_EQ(quad.fit.sy, 0);
    EXPECT_DOUBLE_EQ(quad.fit.sx0, 0);
}

TEST(Regression, PointsOnALineHaveNoSpreadAndNoOutliers)
{
    std::vector<double> x { 1, 2, 3, 4, 5, 6 };
    std::vector<double> y { 3, 5, 7, 9, 11, 13 };
    auto r = FitLinearWithOutliers(x, y, 0.05, false);
    EXPECT_DOUBLE_EQ(r.fit.sy, 0);
    EXPECT_DOUBLE_EQ(r.fit.sx0, 0);
    EXPECT_EQ(r.mask, "000000");
    EXPECT_NEAR(r.fit.b, 2, 1E-12);
    EXPECT_NEAR(r.fit.a, 1, 1E-12);
    EXPECT_NEAR(r.fit.r, 1, 1E-12);
}

TEST(Regression, AllXEqualGivesZeroSlopeAndNoInterval)
{
    std::vector<double> x(5, 2.0);
    std::vector<double> y { 1, 2, 3, 4, 5 };
    auto r = FitLinear(x, y);
    EXPECT_DOUBLE_EQ(r.fit.b, 0);
    EXPECT_DOUBLE_EQ(r.fit.sx0, 0);
    EXPECT_DOUBLE_EQ(r.fit.r, 0);
    EXPECT_DOUBLE_EQ(PredictionHalfWidthLinear(r.fit, 1, 2, 2), kNotComputable);
    auto q = FitQuadratic(x, y);
    EXPECT_DOUBLE_EQ(PredictionHalfWidthQuadratic(q.fit, 1, 2, 2), kNotComputable);
    ExpectFinite(q.fit);
    auto o = FitLinearWithOutliers(x, y, 0.05, false);
    ExpectFinite(o.fit);
}

TEST(Regression, DegenerateSizesStayFinite)
{
    for (std::size_t n = 0; n <= 3; ++n) {
        std::vector<double> x(kX.begin(), kX.begin() + static_cast<long>(n));
        std::vector<double> y(kY.begin(), kY.begin() + static_cast<long>(n));
        auto lin = FitLinearWithOutliers(x, y, 0.05, true);
        auto quad = FitQuadraticWithOutliers(x, y, 0.05, true);
        ExpectFinite(lin.fit);
        ExpectFinite(quad.fit);
        EXPECT_GE(lin.fit.n, 1);
        double h = PredictionHalfWidthLinear(lin.fit, 1, TQuantile(static_cast<int>(n) - 2, 0.025), 1);
        EXPECT_TRUE(std::isfinite(h)) << n;
        double q = QuantificationLimit(lin.fit, 0.1, 1, 2, 33.3);
        EXPECT_TRUE(std::isfinite(q)) << n;
    }
    auto none = FitLinear(kX, kY, std::string(10, '1'));
    EXPECT_DOUBLE_EQ(none.fit.n, 1);
    EXPECT_EQ(none.fit.worst, 0);
    ExpectFinite(none.fit);
}

TEST(Regression, InverseEvaluation)
{
    EXPECT_DOUBLE_EQ(InverseLinear(5, 2, 1), 2);
    EXPECT_DOUBLE_EQ(InverseLinear(5, 0, 1), 0);
    EXPECT_DOUBLE_EQ(InverseQuadratic(1, 2, 0, 5), 2);
    EXPECT_DOUBLE_EQ(InverseQuadratic(1, 0, 0, 5), 0);
    // the root on the branch that continues the linear part
    EXPECT_NEAR(InverseQuadratic(0, 1, 0.01, 1.01), 1, 1E-12);
    EXPECT_NEAR(InverseQuadratic(0, -1, 0.01, -0.99), 1, 1E-12);
    // c too small for the formula: Newton steps on the slope
    double x = InverseQuadratic(0.5, 2, 1E-7, 10.5);
    EXPECT_NEAR(0.5 + 2 * x + 1E-7 * x * x, 10.5, 1E-5);
}

TEST(Regression, QuantificationLimitSearch)
{
    auto r = FitLinear(kX, kY);
    double t = TQuantile(8, 0.005);
    // the limit already met at the start
    EXPECT_DOUBLE_EQ(QuantificationLimit(r.fit, 5, 1, t, 1000), 5);
    double xq = QuantificationLimit(r.fit, 0.1, 1, t, 33.3);
    ASSERT_GT(xq, 0.1);
    // at the limit found the relative width is about the limit
    double rel = 100 * ConfidenceHalfWidthLinear(r.fit, 1, t, xq) / xq;
    EXPECT_NEAR(rel, 33.3, 1.0);
    EXPECT_DOUBLE_EQ(QuantificationLimit(r.fit, 0.1, 1, t, 0.001), -1);
    // a range too narrow for a step
    std::vector<double> x(4, 1.0);
    std::vector<double> y { 1, 2, 3, 4 };
    EXPECT_DOUBLE_EQ(QuantificationLimit(FitLinear(x, y).fit, 0.1, 1, t, 33), -1);
    // a tiny range on large values ends without walking the whole way
    std::vector<double> xs { 1000, 1000.00001, 1000.00002, 1000.00003 };
    std::vector<double> ys { 1, 2, 3, 4.1 };
    EXPECT_TRUE(std::isfinite(QuantificationLimit(FitLinear(xs, ys).fit, 0, 1, t, 1E-9)));
}

TEST(Regression, EquationTexts)
{
    EXPECT_EQ(LinearEquationText(" y ", "0.0048 [cps]", "0.1183 (cps/µg)", " x "), "y = 0.0048 +0.1183 * x");
    EXPECT_EQ(LinearEquationText("y", "0.0048", "-0.1183", "x"), "y = 0.0048 -0.1183 * x");
    EXPECT_EQ(QuadraticEquationText("y", "0.0022", "0.11996", "-0.00016", "x"),
        "y = 0.0022 +0.11996 * x -0.00016 * x²");
}

}
