#include "base/section_file.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Missing files are not waited for in tests; the test of the wait sets it back.
    zam::TSList::SetMissingFileRetry(0);
    return RUN_ALL_TESTS();
}
