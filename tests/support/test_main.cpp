// The main of every suite: a child role when started as one, else GoogleTest.
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    int exitCode = 0;
    if (quenby::test::runChildRole(argc, argv, exitCode))
        return exitCode;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
