#include "CZMRMouseManager.h"
#include "CZMRCommandBar.h"

namespace
{
CNoTrackObject* AFXAPI CreateThreadMouseManager()
{
    return new (std::nothrow) CZMRMouseManager;
}

CThreadLocalObject g_threadMouseManager;
}

CZMRMouseManager::CZMRMouseManager() : m_nFocusCount(0), m_pHotBar(nullptr)
{
}

CZMRMouseManager::~CZMRMouseManager()
{
}

CZMRMouseManager* CZMRMouseManager::GetThreadMouseManager()
{
    CZMRMouseManager* pManager =
        static_cast<CZMRMouseManager*>(g_threadMouseManager.GetData(&CreateThreadMouseManager));
    if (!pManager)
        AfxThrowResourceException();
    return pManager;
}

void CZMRMouseManager::AddTracked(CZMRCommandBar* pBar)
{
    if (m_arrTracked.GetSize() == 0 && m_pHotBar && m_pHotBar != pBar)
        m_pHotBar->SetHotControl(-1);
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); i++)
    {
        if (m_arrTracked[i] == pBar)
            return;
    }
    m_arrTracked.Add(pBar);
}

void CZMRMouseManager::RemoveTracked(CZMRCommandBar* pBar)
{
    for (INT_PTR i = m_arrTracked.GetSize() - 1; i >= 0; i--)
    {
        if (m_arrTracked[i] == pBar)
            m_arrTracked.RemoveAt(i);
    }
}

void CZMRMouseManager::CloseAllTracked()
{
    while (m_arrTracked.GetSize() > 0)
    {
        CZMRCommandBar* pBar = m_arrTracked[0];
        pBar->SetMenuLoopActive(FALSE);
        // A bar that stays tracked is taken off the list all the same.
        if (m_arrTracked.GetSize() > 0 && m_arrTracked[0] == pBar)
            m_arrTracked.RemoveAt(0);
    }
}

BOOL CZMRMouseManager::IsMouseLocked(const CZMRCommandBar* pBar) const
{
    if (m_arrTracked.GetSize() == 0)
        return FALSE;
    if (!pBar || pBar->GetInputSuspension() > 0)
        return TRUE;
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); i++)
    {
        if (m_arrTracked[i] == pBar)
            return FALSE;
    }
    return TRUE;
}
