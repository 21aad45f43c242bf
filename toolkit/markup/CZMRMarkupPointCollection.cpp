#include "CZMRMarkupPointCollection.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <climits>

IMPLEMENT_MARKUPCLASS(CZMRMarkupPointCollection)

CZMRMarkupPointCollection::CZMRMarkupPointCollection()
{
    ::SetRectEmpty(&m_rcBounds);
}

CZMRMarkupObject* CZMRMarkupPointCollection::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    CZMRMarkupPointCollection* pPoints = new CZMRMarkupPointCollection();
    if (!pPoints->ParsePoints(pString->GetText()))
    {
        pPoints->Release();
        return nullptr;
    }
    return pPoints;
}

void CZMRMarkupPointCollection::AddPoint(POINT pt)
{
    m_arrPoints.Add(pt);
    if (pt.x > m_rcBounds.right)
        m_rcBounds.right = pt.x;
    if (pt.y > m_rcBounds.bottom)
        m_rcBounds.bottom = pt.y;
}

BOOL AFXAPI CZMRMarkupPointCollection::ReadNumber(LPCWSTR& lpszCursor, int& nResult)
{
    LPCWSTR p = lpszCursor;
    while (*p == L' ')
        p++;
    BOOL bNegative = FALSE;
    BOOL bRead = FALSE;   // a separator may not be the first character read
    if (*p == L'-')
    {
        bNegative = TRUE;
        bRead = TRUE;
        p++;
    }
    if (*p == 0)
        return FALSE;
    long long nValue = 0;
    for (;; p++)
    {
        const WCHAR ch = *p;
        if (ch >= L'0' && ch <= L'9')
        {
            nValue = nValue * 10 + (ch - L'0');
            // A number that does not fit a coordinate fails the text.
            if (nValue > INT_MAX)
                return FALSE;
            bRead = TRUE;
        }
        else if (ch == 0)
            break;
        else if ((ch == L' ' || ch == L',') && bRead)
        {
            p++;
            break;
        }
        else
            return FALSE;
    }
    lpszCursor = p;
    nResult = static_cast<int>(bNegative ? -nValue : nValue);
    return TRUE;
}

BOOL CZMRMarkupPointCollection::ParsePoints(LPCWSTR lpszText)
{
    if (!lpszText)
        return FALSE;
    LPCWSTR p = lpszText;
    while (*p)
    {
        POINT pt;
        int x = 0;
        int y = 0;
        if (!ReadNumber(p, x) || !ReadNumber(p, y))
            return FALSE;
        while (*p == L' ')
            p++;
        pt.x = x;
        pt.y = y;
        AddPoint(pt);
    }
    return TRUE;
}
