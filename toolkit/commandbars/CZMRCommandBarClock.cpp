#include "CZMRCommandBarClock.h"

UINT CZMRCommandBarClock::s_nHoverDelay = 300;
UINT CZMRCommandBarClock::s_nExpandDelay = 5000;
UINT CZMRCommandBarClock::s_nExpandButtonDelay = 900;

namespace
{
CZMRCommandBarClock* g_pClock = nullptr;
}

DWORD CZMRCommandBarClock::GetTickCount()
{
    return ::GetTickCount();
}

void CZMRCommandBarClock::Sleep(DWORD dwMilliseconds)
{
    ::Sleep(dwMilliseconds);
}

CZMRCommandBarClock* CZMRCommandBarClock::Get()
{
    static CZMRCommandBarClock s_systemClock;
    return g_pClock ? g_pClock : &s_systemClock;
}

void CZMRCommandBarClock::Set(CZMRCommandBarClock* pClock)
{
    g_pClock = pClock;
}
