#include "CZMRControlDragHelper.h"

CZMRControlDragHelper::CZMRControlDragHelper(CZMRBarManager* pBarManager)
    : m_hWndCustomize(nullptr), m_pBarManager(pBarManager)
{
}

CZMRControlDragHelper::~CZMRControlDragHelper()
{
}

int CZMRControlDragHelper::DoDrag(CZMRControl* /*pControl*/, BOOL /*bCopyCursor*/)
{
    return dropCancelled;
}

void CZMRControlDragHelper::RegisterBar(CZMRCommandBar* pBar)
{
    m_arrBars.Add(pBar);
}

void CZMRControlDragHelper::UnregisterBar(CZMRCommandBar* pBar)
{
    for (INT_PTR i = m_arrBars.GetSize() - 1; i >= 0; i--)
    {
        if (m_arrBars[i] == pBar)
            m_arrBars.RemoveAt(i);
    }
}

void CZMRControlDragHelper::ShowContextMenu(CPoint /*ptScreen*/)
{
}
