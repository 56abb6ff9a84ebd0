#include "output/nice_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zam {

TEST(NiceScale, ExamplesOfThePlots)
{
    TNiceScale a = NiceScale(9.7, 0.5);
    EXPECT_DOUBLE_EQ(a.start, 0);
    EXPECT_NEAR(a.Step(), 1, 1e-12);
    EXPECT_EQ(a.count, 10);
    EXPECT_NEAR(a.end, 10, 1e-12);
    EXPECT_EQ(a.decimals, 0);

    TNiceScale b = NiceScale(10.9, 10.2);
    EXPECT_NEAR(b.Step(), 0.1, 1e-12);
    EXPECT_NEAR(b.start, 10.1, 1e-9);
    EXPECT_NEAR(b.end, 11.0, 1e-9);
    EXPECT_EQ(b.decimals, 1);

    TNiceScale c = NiceScale(5, -3);
    EXPECT_EQ(c.decimals, 1); // step 1 has no decimals; start and end differ in sign

    TNiceScale d = NiceScale(4, 4);
    EXPECT_NEAR(d.start, 3, 1e-12);
    EXPECT_NEAR(d.end, 5, 1e-12);
    EXPECT_EQ(d.count, 4);
    EXPECT_NEAR(d.Step(), 0.5, 1e-12);
    EXPECT_EQ(d.decimals, 1);

    TNiceScale n = NiceScale(std::nan(""), 0);
    EXPECT_TRUE(std::isfinite(n.end));
}

}
