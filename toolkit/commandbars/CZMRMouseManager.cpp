#include "CZMRMouseManager.h"

namespace
{
CNoTrackObject* AFXAPI CreateThreadMouseManager()
{
    return new (std::nothrow) CZMRMouseManager;
}

CThreadLocalObject g_threadMouseManager;
}

CZMRMouseManager::CZMRMouseManager()
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

void CZMRMouseManager::CloseAllTracked()
{
}
