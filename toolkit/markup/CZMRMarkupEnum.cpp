#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"

#include <cstdlib>

namespace
{
const int g_nSharedCount = 8;
CZMRMarkupEnum* g_pShared[g_nSharedCount] = {};
bool g_bSharedBuilt = false;

void __cdecl ReleaseAtExit()
{
    CZMRMarkupEnum::ReleaseSharedValues();
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupEnum)

BOOL CZMRMarkupEnum::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupEnum*>(pObject)->m_nValue == m_nValue;
}

CZMRMarkupEnum* AFXAPI CZMRMarkupEnum::CreateValue(int nValue)
{
    if (nValue < 0 || nValue >= g_nSharedCount)
        return new CZMRMarkupEnum(nValue);
    if (!g_bSharedBuilt)
    {
        g_bSharedBuilt = true;
        for (int i = 0; i < g_nSharedCount; i++)
            g_pShared[i] = new CZMRMarkupEnum(i);
        atexit(ReleaseAtExit);
    }
    return AddSharedRef(g_pShared[nValue], nValue);
}

void AFXAPI CZMRMarkupEnum::ReleaseSharedValues()
{
    for (int i = 0; i < g_nSharedCount; i++)
    {
        if (g_pShared[i])
            g_pShared[i]->Release();
        g_pShared[i] = nullptr;
    }
}
