#include "CZMRCommandBarList.h"
#include "CZMRCommandBar.h"

CZMRCommandBarList::~CZMRCommandBarList()
{
    RemoveAll();
}

void CZMRCommandBarList::Add(CZMRCommandBar* pBar)
{
    if (!pBar)
        return;
    pBar->InternalAddRef();
    m_arrBars.Add(pBar);
}

BOOL CZMRCommandBarList::Contains(const CZMRCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (m_arrBars[i] == pBar)
            return TRUE;
    }
    return FALSE;
}

CZMRCommandBar* CZMRCommandBarList::FindBar(int nBarID) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (m_arrBars[i]->GetBarID() == nBarID)
            return m_arrBars[i];
    }
    return nullptr;
}

void CZMRCommandBarList::RemoveAll()
{
    // Emptied first, so that a bar freed here finds no list to leave.
    CArray<CZMRCommandBar*, CZMRCommandBar*> arrBars;
    arrBars.Copy(m_arrBars);
    m_arrBars.RemoveAll();
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        arrBars[i]->InternalRelease();
}
