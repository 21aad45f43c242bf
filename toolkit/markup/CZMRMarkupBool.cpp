#include "CZMRMarkupBool.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cstdlib>
#include <cwchar>

namespace
{
CZMRMarkupBool* g_pTrue = nullptr;
CZMRMarkupBool* g_pFalse = nullptr;
bool g_bSharedBuilt = false;

void __cdecl ReleaseAtExit()
{
    CZMRMarkupBool::ReleaseSharedValues();
}

void BuildShared()
{
    if (g_bSharedBuilt)
        return;
    g_bSharedBuilt = true;
    g_pTrue = new CZMRMarkupBool(TRUE);
    g_pFalse = new CZMRMarkupBool(FALSE);
    atexit(ReleaseAtExit);
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupBool)

UINT_PTR CZMRMarkupBool::GetHashKey() const
{
    return static_cast<UINT_PTR>(m_bValue);
}

BOOL CZMRMarkupBool::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupBool*>(pObject)->m_bValue == m_bValue;
}

CZMRMarkupObject* CZMRMarkupBool::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    if (_wcsicmp(pString->GetText(), L"True") == 0)
        return CreateTrueValue();
    if (_wcsicmp(pString->GetText(), L"False") == 0)
        return CreateFalseValue();
    return nullptr;
}

CZMRMarkupBool* AFXAPI CZMRMarkupBool::CreateTrueValue()
{
    BuildShared();
    return AddSharedRef(g_pTrue, TRUE);
}

CZMRMarkupBool* AFXAPI CZMRMarkupBool::CreateFalseValue()
{
    BuildShared();
    return AddSharedRef(g_pFalse, FALSE);
}

void AFXAPI CZMRMarkupBool::ReleaseSharedValues()
{
    if (g_pTrue)
        g_pTrue->Release();
    if (g_pFalse)
        g_pFalse->Release();
    g_pTrue = nullptr;
    g_pFalse = nullptr;
}
