// The demo program driven from outside: message map, data exchange, a
// button, and both ways of ending the dialog.
#include "DemoDriver.h"
#include <gtest/gtest.h>

TEST(Demo, TheDialogGreetsAndEndsWithOkOrCancel)
{
    struct Case
    {
        const wchar_t* name;
        bool bPressOk;
        DWORD dwExpectedExit;
    };
    const Case cases[] = {
        { L"Wine", true, IDOK },
        { L"Ada Lovelace", false, IDCANCEL },
    };
    for (const Case& c : cases)
    {
        DemoRun run = DriveDemo(L"Demo.exe", c.name, c.bPressOk);
        SCOPED_TRACE(std::string(run.log.begin(), run.log.end()));
        ASSERT_TRUE(run.bStarted);
        ASSERT_TRUE(run.bDialogFound);
        EXPECT_EQ(run.greeting, L"Hello, " + std::wstring(c.name) + L"!");
        ASSERT_TRUE(run.bExited);
        EXPECT_EQ(run.dwExitCode, c.dwExpectedExit);
    }
}
