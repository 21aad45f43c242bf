// The main of every test executable: the tests run in a second process of the
// same program on a desktop of its own, whose exit code this one returns.
#include "CTestDesktop.h"
#include "CTestWatchdog.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!CTestDesktop::IsOwnDesktop())
        return CTestDesktop::RunOnOwnDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    CTestWatchdog::Install();
    return RUN_ALL_TESTS();
}
