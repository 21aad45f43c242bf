// Drives the demo program from outside, as a user would: waits for its
// dialog, types a name, presses Greet, reads the greeting and ends the
// dialog with OK or Cancel.
#pragma once

#include <windows.h>
#include <string>

struct DemoRun
{
    bool bStarted = false;        // the process started
    bool bDialogFound = false;    // its dialog appeared
    std::wstring greeting;        // the text shown after Greet
    bool bExited = false;         // the process ended in time
    DWORD dwExitCode = 0;         // the dialog's result
    std::wstring log;             // what happened, line by line
};

DemoRun DriveDemo(const std::wstring& exePath, const std::wstring& name, bool bPressOk, DWORD dwTimeoutMs = 20000);
