// A popup's modal loop driven from inside: a one-shot step runs from a
// thread timer in the loop, and a safety timer ends tracking (a fault,
// reported) when the step did not.
#pragma once
#include "CZMRCommandBar.h"
#include <gtest/gtest.h>
#include <functional>

namespace
{
std::function<void()> g_onTimer;
CZMRCommandBar* g_pSafetyBar = nullptr;

[[maybe_unused]] void CALLBACK DriveProc(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (g_onTimer)
        g_onTimer();
}

[[maybe_unused]] void CALLBACK SafetyProc(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (g_pSafetyBar && g_pSafetyBar->IsTrackingMode())
    {
        ADD_FAILURE() << "the popup was still tracking when the safety timer fired";
        g_pSafetyBar->SetMenuLoopActive(FALSE);
    }
}
} // namespace
