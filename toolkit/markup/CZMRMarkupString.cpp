#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cstdlib>
#include <cwchar>

namespace
{
CZMRMarkupString* g_pEmpty = nullptr;
CZMRMarkupString* g_pSpace = nullptr;
CZMRMarkupString* g_pLineFeed = nullptr;
bool g_bSharedBuilt = false;

void __cdecl ReleaseAtExit()
{
    CZMRMarkupString::ReleaseSharedValues();
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupString)

CZMRMarkupString::CZMRMarkupString(LPCWSTR lpszText, int nLength)
{
    if (!lpszText)
        nLength = 0;
    else if (nLength < 0)
        nLength = static_cast<int>(wcslen(lpszText));
    m_nLength = nLength;
    m_lpszText = new WCHAR[nLength + 1];
    if (nLength > 0)
        wmemcpy(m_lpszText, lpszText, nLength);
    m_lpszText[nLength] = 0;
}

CZMRMarkupString::~CZMRMarkupString()
{
    delete[] m_lpszText;
}

UINT_PTR CZMRMarkupString::GetHashKey() const
{
    UINT nHash = 0;
    for (int i = 0; i < m_nLength; i++)
        nHash = nHash * 33 + m_lpszText[i];
    return nHash;
}

BOOL CZMRMarkupString::IsEqual(const CZMRMarkupObject* pObject) const
{
    if (!pObject || !pObject->IsKindOf(GetMarkupType()))
        return FALSE;
    const CZMRMarkupString* pOther = static_cast<const CZMRMarkupString*>(pObject);
    return pOther->m_nLength == m_nLength && wmemcmp(pOther->m_lpszText, m_lpszText, m_nLength) == 0;
}

CZMRMarkupString* AFXAPI CZMRMarkupString::CreateValue(LPCWSTR lpszText, int nLength)
{
    if (!g_bSharedBuilt)
    {
        g_bSharedBuilt = true;
        g_pEmpty = new CZMRMarkupString(L"");
        g_pSpace = new CZMRMarkupString(L" ");
        g_pLineFeed = new CZMRMarkupString(L"\n");
        atexit(ReleaseAtExit);
    }
    if (!lpszText || nLength == 0 || lpszText[0] == 0)
        return AddSharedRef(g_pEmpty, L"");
    if (lpszText[0] == L' ' && (nLength == 1 || (nLength < 0 && lpszText[1] == 0)))
        return AddSharedRef(g_pSpace, L" ");
    if (lpszText[0] == L'\n' && (nLength == 1 || (nLength < 0 && lpszText[1] == 0)))
        return AddSharedRef(g_pLineFeed, L"\n");
    return new CZMRMarkupString(lpszText, nLength);
}

void AFXAPI CZMRMarkupString::ReleaseSharedValues()
{
    CZMRMarkupString** ppShared[] = {&g_pEmpty, &g_pSpace, &g_pLineFeed};
    for (CZMRMarkupString** pp : ppShared)
    {
        if (*pp)
            (*pp)->Release();
        *pp = nullptr;
    }
}
