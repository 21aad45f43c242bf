// Helpers for the window-layer tests: a top-level window to own test
// controls, and a thread that answers the message boxes and dialogs a test
// provokes (the way a user would) and records what they said.
#pragma once

#include "Framework.h"
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <ostream>
#include <vector>

// Rectangles in failure messages.
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// Finds a window of the process with the given class and title (any title
// when null), visible or not.
HWND FindProcessWindow(LPCWSTR lpszClass, LPCWSTR lpszTitle);

// Answers every message box that appears while it lives: records its text
// and presses the given button.
class CBoxAnswerer
{
public:
    explicit CBoxAnswerer(int nButton = IDOK);
    ~CBoxAnswerer();
    std::vector<std::wstring> Texts();

private:
    void Run();
    int m_nButton;
    std::atomic<bool> m_bStop{ false };
    std::vector<std::wstring> m_texts;
    CRITICAL_SECTION m_lock;
    std::thread m_thread;
};

// Runs the message loop of this thread until pred() holds or the safety
// limit passes; with pThread, messages first go through its pre-translation
// (tooltips, accelerators) as in the thread's own loop. The limit only keeps
// a lost message from hanging the run: it is no measure of speed, and a
// loaded machine must never reach it.
const DWORD kPumpSafetyMs = 30000;
bool PumpUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs = kPumpSafetyMs, CWinThread* pThread = nullptr);

// A plain top-level window (not a framework object) to parent test windows.
HWND CreateHostWindow();
