#include "base/number_text.h"

#include <gtest/gtest.h>

namespace zam {
TEST(ParseNumber, Placeholder) { EXPECT_EQ(ParseNumber("1,25").status, 2); }
}
