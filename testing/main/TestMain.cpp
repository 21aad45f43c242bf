// The main of every test executable that brings none of its own.
//
// Once the results are written the process is ended directly: under Wine a
// finished test process has been seen to stall in its normal exit when
// several start at once, which would turn a passing run into a time-out.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const int nResult = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(nResult));
    return nResult;
}
