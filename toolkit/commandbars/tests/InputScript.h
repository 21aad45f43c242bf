// Real input played inside a modal capture loop (a drag, a resize): a
// one-shot step at each tick of a thread timer, with a safety limit that
// ends the loop by taking its capture away.
#pragma once
#include "Framework.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
struct CStep
{
    enum Kind
    {
        move,         // to pt (screen)
        keyDown,      // wKey
        keyUp,
        release,      // the left button
        rightClick,
        cursor,       // records the cursor shown
        capture,      // records the capture window
        steal,        // another window takes the capture
        quit,         // WM_QUIT with exit code 7 is posted
        check         // runs fn inside the loop
    } kind;
    CPoint pt;
    WORD wKey;
    std::function<void()> fn;
};

struct CScript
{
    std::vector<CStep> steps;
    size_t nNext = 0;
    int nTicks = 0;
    std::vector<HCURSOR> cursors;
    std::vector<HWND> captures;
    HWND hWndThief = nullptr;
};
CScript g_script;

void CALLBACK RunStep(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (++g_script.nTicks > 300)
    {
        // Safety: whatever happened, the loop ends with the capture.
        ::ReleaseCapture();
        ::KillTimer(nullptr, idEvent);
        return;
    }
    if (g_script.nNext >= g_script.steps.size())
        return;
    const CStep& step = g_script.steps[g_script.nNext++];
    switch (step.kind)
    {
    case CStep::move:
        CTestInput::MoveTo(step.pt);
        break;
    case CStep::keyDown:
        CTestInput::Key(step.wKey, true);
        break;
    case CStep::keyUp:
        CTestInput::Key(step.wKey, false);
        break;
    case CStep::release:
        CTestInput::Button(VK_LBUTTON, false);
        break;
    case CStep::rightClick:
        CTestInput::Button(VK_RBUTTON, true);
        CTestInput::Button(VK_RBUTTON, false);
        break;
    case CStep::cursor:
        g_script.cursors.push_back(::GetCursor());
        break;
    case CStep::capture:
        g_script.captures.push_back(::GetCapture());
        break;
    case CStep::steal:
        ::SetCapture(g_script.hWndThief);
        break;
    case CStep::quit:
        ::PostQuitMessage(7);
        break;
    case CStep::check:
        step.fn();
        break;
    }
}

[[maybe_unused]] CStep MoveTo(CPoint pt) { return {CStep::move, pt, 0}; }
[[maybe_unused]] CStep Key(WORD wKey, bool bDown) { return {bDown ? CStep::keyDown : CStep::keyUp, CPoint(), wKey}; }
[[maybe_unused]] CStep Do(CStep::Kind kind) { return {kind, CPoint(), 0}; }
[[maybe_unused]] CStep Check(std::function<void()> fn) { return {CStep::check, CPoint(), 0, std::move(fn)}; }

// Presses the left button at the screen point and plays the steps in the
// loop the press starts; the steps left after it ends run here. The quit code
// when WM_QUIT came back out, else -1.
[[maybe_unused]] int PressAndPlay(CPoint ptScreen, std::vector<CStep> steps, HWND hWndThief)
{
    CTestInput::MoveTo(ptScreen);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    g_script = CScript();
    g_script.steps = std::move(steps);
    g_script.hWndThief = hWndThief;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
    CTestInput::Button(VK_LBUTTON, true);
    int nQuit = -1;
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 5000)
    {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                nQuit = int(msg.wParam);
            else
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            continue;
        }
        if (g_script.nNext >= g_script.steps.size())
            break;
        ::Sleep(1);
    }
    ::KillTimer(nullptr, nTimer);
    // Only what is still down is released: a second release outside a popup
    // would close it as a user's would.
    if (::GetAsyncKeyState(VK_LBUTTON) < 0)
        CTestInput::Button(VK_LBUTTON, false);
    if (::GetAsyncKeyState(VK_ESCAPE) < 0)
        CTestInput::Key(VK_ESCAPE, false);
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(g_script.nNext, g_script.steps.size()) << "the loop ended before its script did";
    return nQuit;
}
} // namespace
