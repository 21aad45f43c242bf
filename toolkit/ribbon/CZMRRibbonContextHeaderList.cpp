// The ribbon's context headers.
#include "CZMRRibbonContextHeaderList.h"

CZMRRibbonTabContextHeader* CZMRRibbonContextHeaderList::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgException();
    return m_arrHeaders[nIndex];
}

CZMRRibbonTabContextHeader* CZMRRibbonContextHeaderList::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrHeaders[i]->m_rcHeader.PtInRect(point))
            return m_arrHeaders[i];
    }
    return nullptr;
}

void CZMRRibbonContextHeaderList::RemoveAll()
{
    for (int i = 0; i < GetCount(); i++)
        delete m_arrHeaders[i];
    m_arrHeaders.RemoveAll();
}
