#include "CZMRResourceHandleScope.h"
#include "CZMRResourceManager.h"

CZMRResourceHandleScope::CZMRResourceHandleScope()
    : m_hPrevious(nullptr)
{
    HMODULE hModule = CZMRResourceManager::GetResourceHandle();
    if (hModule)
    {
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(hModule);
    }
}

CZMRResourceHandleScope::~CZMRResourceHandleScope()
{
    if (m_hPrevious)
        AfxSetResourceHandle(m_hPrevious);
}
