#include "cli/cli.h"
#include <gtest/gtest.h>
#include <sstream>
namespace zam {
TEST(Cli, Help) { std::ostringstream o, e; EXPECT_EQ(RunCli({"--help"}, o, e), 0); }
}
