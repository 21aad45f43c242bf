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
    // Each bar leaves the list before it is released, so that a bar freed
    // here finds no list to leave. Taking them out one by one needs no
    // memory: the destructor never runs out of it.
    while (!m_arrBars.IsEmpty())
    {
        CZMRCommandBar* pBar = m_arrBars[0];
        m_arrBars.RemoveAt(0);
        pBar->InternalRelease();
    }
}
