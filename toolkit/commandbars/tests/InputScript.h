// Real input played inside a modal capture loop (a drag, a resize): a
// one-shot step at each tick of a thread timer, with a safety limit that
// ends the loop by taking its capture away.
#pragma once
#include "Framework.h"
#include "CTestInput.h"
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
        record        // the script's onRecord runs
    } kind;
    CPoint pt;
    WORD wKey;
};

struct CScript
{
    std::vector<CStep> steps;
    size_t nNext = 0;
    int nTicks = 0;
    std::vector<HCURSOR> cursors;
    std::vector<HWND> captures;
    HWND hWndThief = nullptr;
    std::function<void()> onRecord;
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
    case CStep::record:
        if (g_script.onRecord)
            g_script.onRecord();
        break;
    }
}

[[maybe_unused]] CStep MoveTo(CPoint pt) { return {CStep::move, pt, 0}; }
[[maybe_unused]] CStep Key(WORD wKey, bool bDown) { return {bDown ? CStep::keyDown : CStep::keyUp, CPoint(), wKey}; }
[[maybe_unused]] CStep Do(CStep::Kind kind) { return {kind, CPoint(), 0}; }
} // namespace
