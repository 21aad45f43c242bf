#include "CZMRControlSelector.h"
#include "CZMRCommandBar.h"
#include "CZMRPaintManager.h"
#include "CZMRPropExchange.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRControlSelector, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlSelector::CZMRControlSelector()
    : m_szItemsCount(5, 4), m_szItemsMax(12, 12), m_szSelected(0, 0), m_szItemSize(28, 28), m_szChosen(0, 0),
      m_szGrid(5, 4), m_bGrowing(FALSE)
{
}

CSize CZMRControlSelector::GetSize(CDC* /*pDC*/)
{
    return CSize(m_szGrid.cx * m_szItemSize.cx, m_szGrid.cy * m_szItemSize.cy);
}

void CZMRControlSelector::ExpandIntoItems(DWORD /*dwMode*/)
{
    if (m_bGrowing)
        return;
    m_szSelected = CSize(0, 0);
    m_szGrid = m_szItemsCount;
    SetSelection(m_szSelected, TRUE);
}

void CZMRControlSelector::Draw(CDC* pDC)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    const int cx = m_szItemSize.cx;
    const int cy = m_szItemSize.cy;
    for (int i = 0; i < m_szGrid.cx; i++)
    {
        for (int j = 0; j < m_szGrid.cy; j++)
        {
            const CRect rcCell(m_rcControl.left + i * cx + 1, m_rcControl.top + j * cy + 1,
                               m_rcControl.left + (i + 1) * cx - 1, m_rcControl.top + (j + 1) * cy - 1);
            const BOOL bSelected = i < m_szSelected.cx && j < m_szSelected.cy;
            pDC->FillSolidRect(rcCell, pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            const COLORREF clrText = pPaintManager->GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : 46);
            pPaintManager->Draw3dRectByIndex(pDC, rcCell, 43, 43);
            DrawCell(pDC, rcCell, clrText);
        }
    }
}

void CZMRControlSelector::DrawCell(CDC* /*pDC*/, CRect /*rcCell*/, COLORREF /*clrText*/)
{
}

CSize CZMRControlSelector::ExtentAt(CPoint point) const
{
    CSize sz(0, 0);
    for (int i = 0; i < m_szGrid.cx; i++)
        sz.cx += m_rcControl.left + i * m_szItemSize.cx < point.x ? 1 : 0;
    for (int j = 0; j < m_szGrid.cy; j++)
        sz.cy += m_rcControl.top + j * m_szItemSize.cy < point.y ? 1 : 0;
    return sz;
}

void CZMRControlSelector::OnMouseMove(CPoint point)
{
    SetSelection(ExtentAt(point));
}

void CZMRControlSelector::SetSelection(CSize szSelected, BOOL bForce)
{
    if (!bForce && szSelected == m_szSelected)
        return;
    m_szSelected = szSelected;
    RepaintInParentBar(TRUE);
    NotifySite(ZMR_CN_SELECTORCHANGED);
}

BOOL CZMRControlSelector::OnSelectionChange(int bSelected)
{
    CZMRCommandBar* pBar = m_pParent;
    if (bSelected == 0 && pBar && pBar->GetSafeHwnd() && ::GetKeyState(VK_LBUTTON) < 0 && m_szItemSize.cx > 0 &&
        m_szItemSize.cy > 0)
    {
        CPoint point;
        ::GetCursorPos(&point);
        pBar->ScreenToClient(&point);
        // The grid grows towards the pointer, never past its largest size.
        CSize szGrid = m_szGrid;
        if (point.x > m_rcControl.right)
        {
            const int nColumns = (point.x - m_rcControl.left) / m_szItemSize.cx + 1;
            szGrid.cx = std::max(int(m_szGrid.cx), std::min(int(m_szItemsMax.cx), nColumns));
        }
        if (point.y > m_rcControl.bottom)
        {
            const int nRows = (point.y - m_rcControl.top) / m_szItemSize.cy + 1;
            szGrid.cy = std::max(int(m_szGrid.cy), std::min(int(m_szItemsMax.cy), nRows));
        }
        if (szGrid == m_szGrid)
        {
            SetSelection(CSize(0, 0));
        }
        else
        {
            m_szGrid = szGrid;
            SetSelection(m_szSelected, TRUE);
            m_bGrowing = TRUE;
            pBar->OnRecalcLayout();
            m_bGrowing = FALSE;
            OnMouseMove(point);
        }
    }
    return CZMRControl::OnSelectionChange(bSelected);
}

void CZMRControlSelector::OnLButtonUp(CPoint /*point*/)
{
    if (m_szSelected == CSize(0, 0))
        return;
    m_szChosen = m_szSelected;
    OnExecute();
}

void CZMRControlSelector::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControl::Copy(pControl, bRecursive);
    if (CZMRControlSelector* pSelector = DYNAMIC_DOWNCAST(CZMRControlSelector, pControl))
    {
        m_szItemsCount = pSelector->m_szItemsCount;
        m_szItemsMax = pSelector->m_szItemsMax;
        m_szItemSize = pSelector->m_szItemSize;
        m_szGrid = pSelector->m_szGrid;
        m_szChosen = pSelector->m_szChosen;
    }
}

void CZMRControlSelector::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControl::DoPropExchange(pPX);
    PropExchangeSize(pPX, L"ItemsCount", &m_szItemsCount, CSize(5, 4));
    PropExchangeSize(pPX, L"ItemsMax", &m_szItemsMax, CSize(12, 12));
    PropExchangeSize(pPX, L"ItemSize", &m_szItemSize, CSize(28, 28));
    if (pPX->IsLoading())
        m_szGrid = m_szItemsCount;
}
