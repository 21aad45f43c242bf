#include "CZMRMarkupThickness.h"
#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace
{
CZMRMarkupThickness* g_pDefaultThickness = nullptr;
bool g_bDefaultBuilt = false;

void __cdecl ReleaseAtExit()
{
    CZMRMarkupThickness::ReleaseSharedValues();
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupThickness)

BOOL CZMRMarkupThickness::IsEqual(const CZMRMarkupObject* pObject) const
{
    if (!pObject || !pObject->IsKindOf(GetMarkupType()))
        return FALSE;
    const CZMRMarkupThickness* pOther = static_cast<const CZMRMarkupThickness*>(pObject);
    return left == pOther->left && top == pOther->top && right == pOther->right && bottom == pOther->bottom;
}

CZMRMarkupObject* CZMRMarkupThickness::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    LPCWSTR lpszText = pString->GetText();
    if (!wcschr(lpszText, L','))
    {
        int nValue = CZMRMarkupInt::ReadLeadingInteger(lpszText);
        return new CZMRMarkupThickness(nValue, nValue, nValue, nValue);
    }
    // Each comma follows its number directly; numbers may carry a 0 or 0x prefix.
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    if (swscanf(lpszText, L"%i, %i, %i, %i", &nLeft, &nTop, &nRight, &nBottom) != 4)
        return nullptr;
    return new CZMRMarkupThickness(nLeft, nTop, nRight, nBottom);
}

CZMRMarkupThickness* AFXAPI CZMRMarkupThickness::CreateDefaultValue()
{
    if (!g_bDefaultBuilt)
    {
        g_bDefaultBuilt = true;
        g_pDefaultThickness = new CZMRMarkupThickness();
        atexit(ReleaseAtExit);
    }
    return AddSharedRef(g_pDefaultThickness);
}

void AFXAPI CZMRMarkupThickness::ReleaseSharedValues()
{
    if (g_pDefaultThickness)
        g_pDefaultThickness->Release();
    g_pDefaultThickness = nullptr;
}

CRect AFXAPI CZMRMarkupThickness::DeflateRect(CRect rc, const CZMRMarkupThickness* pThickness)
{
    if (!pThickness)
        return rc;
    // Sides that would leave the range of lengths saturate instead.
    typedef CZMRMarkupFrameworkElement FE;
    CRect rcResult(FE::SaturateLength(static_cast<long long>(rc.left) + pThickness->left),
                   FE::SaturateLength(static_cast<long long>(rc.top) + pThickness->top),
                   FE::SaturateLength(static_cast<long long>(rc.right) - pThickness->right),
                   FE::SaturateLength(static_cast<long long>(rc.bottom) - pThickness->bottom));
    if (rcResult.right < rcResult.left)
        rcResult.right = rcResult.left;
    if (rcResult.bottom < rcResult.top)
        rcResult.bottom = rcResult.top;
    return rcResult;
}
