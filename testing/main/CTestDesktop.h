// Runs a test process on a Wine desktop of its own, so that tests running in
// parallel keep their own cursor, focus and foreground and never take each
// other's input.
#pragma once
#include <windows.h>

class CTestDesktop
{
public:
    // True when this process already runs on a desktop other than the
    // shared default one (its own, or one a picture script made for it).
    static bool IsOwnDesktop();

    // Starts this program again with the same command line on a new desktop
    // and returns its exit code. The new process's threads and the programs
    // it starts land on that desktop; whatever it leaves running is reported
    // and ended with it.
    static int RunOnOwnDesktop();
};
