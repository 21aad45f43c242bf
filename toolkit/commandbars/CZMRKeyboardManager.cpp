#include "CZMRKeyboardManager.h"
#include "CZMRHookManagerHookAble.h"

namespace
{
CNoTrackObject* AFXAPI CreateThreadKeyboardManager()
{
    return new (std::nothrow) CZMRKeyboardManager;
}

CThreadLocalObject g_threadKeyboardManager;
}

CZMRKeyboardManager::CZMRKeyboardManager()
{
}

CZMRKeyboardManager::~CZMRKeyboardManager()
{
}

CZMRKeyboardManager* CZMRKeyboardManager::GetThreadKeyboardManager()
{
    CZMRKeyboardManager* pManager =
        static_cast<CZMRKeyboardManager*>(g_threadKeyboardManager.GetData(&CreateThreadKeyboardManager));
    if (!pManager)
        AfxThrowResourceException();
    return pManager;
}

void CZMRKeyboardManager::AddSink(CZMRHookManagerHookAble* pSink)
{
    for (INT_PTR i = 0; i < m_arrSinks.GetSize(); i++)
    {
        if (m_arrSinks[i] == pSink)
            return;
    }
    m_arrSinks.Add(pSink);
}

void CZMRKeyboardManager::RemoveSink(CZMRHookManagerHookAble* pSink)
{
    for (INT_PTR i = m_arrSinks.GetSize() - 1; i >= 0; i--)
    {
        if (m_arrSinks[i] == pSink)
            m_arrSinks.RemoveAt(i);
    }
}
