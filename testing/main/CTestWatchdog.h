// Makes a hung test speak: when one test runs far longer than any test
// should, the watchdog names it, prints the stack of every thread of the
// process and ends the tests with a failure, long before ctest's time-out
// would kill them without a word.
#pragma once
#include <gtest/gtest.h>

class CTestWatchdog : public ::testing::EmptyTestEventListener
{
public:
    // Starts watching the tests of this process. The limit is taken from
    // TEST_WATCHDOG_SECONDS when set (0 turns the watchdog off).
    static void Install();

    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestEnd(const ::testing::TestInfo& info) override;

    // Prints the stack of every thread but the caller's to stderr.
    static void PrintThreadStacks();
};
