// The drawn tab styles: property pages, flat and Visual Studio tabs, state
// buttons, the slanted 2003, 2005 and Excel tabs and the stacked bars. Every
// tab is drawn in its upright form (client below) and turned into place.
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabShapes.h"
#include "CZMRColorManager.h"
#include "CZMRPenDC.h"
#include <algorithm>

using namespace CZMRTabShapes;

namespace
{
// Pixels of the upright form put on the DC at the strip's position.
class CUprightDC
{
public:
    CUprightDC(CDC* pDC, CRect rcItem, int nPosition) : m_pDC(pDC), m_turn(rcItem, nPosition) {}
    CRect Upright() const { return m_turn.Upright(); }
    CRect Device(CRect rc) const { return m_turn.Rect(rc); }
    void Fill(int l, int t, int r, int b, COLORREF clr)
    {
        if (clr != COLORREF(-1) && r > l && b > t)
            m_pDC->FillSolidRect(m_turn.Rect(CRect(l, t, r, b)), clr);
    }
    void Pixel(int x, int y, COLORREF clr) { Fill(x, y, x + 1, y + 1, clr); }
    void Polyline(const CPoints& arr, COLORREF clr)
    {
        if (clr == COLORREF(-1) || arr.size() < 2)
            return;
        const CPoints arrDevice = m_turn.Points(arr);
        CZMRPenDC pen(m_pDC->GetSafeHdc(), clr);
        m_pDC->Polyline(arrDevice.data(), (int)arrDevice.size());
    }
    // The polygon filled through the colour set (or with clr when set); the colour used.
    COLORREF FillPolygon(const CPoints& arr, CZMRTabPaintManager::CColorSet* pColorSet, CZMRTabManagerItem* pItem,
                         COLORREF clr = COLORREF(-1))
    {
        CPoints arrDevice = m_turn.Edges(arr);
        CRect rcBounds(arrDevice[0], arrDevice[0]);
        for (const CPoint& pt : arrDevice)
        {
            rcBounds.left = std::min(rcBounds.left, pt.x);
            rcBounds.top = std::min(rcBounds.top, pt.y);
            rcBounds.right = std::max(rcBounds.right, pt.x);
            rcBounds.bottom = std::max(rcBounds.bottom, pt.y);
        }
        m_pDC->LPtoDP(arrDevice.data(), (int)arrDevice.size());
        CRgn rgn;
        rgn.CreatePolygonRgn(arrDevice.data(), (int)arrDevice.size(), ALTERNATE);
        const int nSaved = m_pDC->SaveDC();
        m_pDC->SelectClipRgn(&rgn, RGN_AND);
        if (clr == COLORREF(-1))
            clr = pColorSet->FillTabFace(m_pDC, rcBounds, pItem);
        else
            m_pDC->FillSolidRect(rcBounds, clr);
        m_pDC->RestoreDC(nSaved);
        return clr;
    }

protected:
    CDC* m_pDC;
    CTurn m_turn;
};

// The repaint area of an item widened along the strip (upright start and end).
CRect WidenAlongStrip(CRect rcPaint, int nPosition, int nStart, int nEnd)
{
    if (CZMRTabPaintManager::IsHorizontalPosition(nPosition))
    {
        rcPaint.left -= nStart;
        rcPaint.right += nEnd;
    }
    else
    {
        rcPaint.top -= nStart;
        rcPaint.bottom += nEnd;
    }
    return rcPaint;
}
}

// ------------------------------------------------------------ the shared fill

CRect CZMRTabPaintManager::CAppearanceSet::FillTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc,
                                                            COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    const CRect rcHeader = GetHeaderRect(rc, pManager);
    pColorSet->FillHeader(pDC, rcHeader, pManager);
    const CRect rcClient = GetClientRect(rc, pManager);
    pColorSet->FillClient(pDC, rcClient, pManager);
    if (m_pPaintManager->m_nClientFrame == 0)
        pDC->Draw3dRect(rcClient, clrTopLeft, clrBottomRight);
    else if (m_pPaintManager->m_nClientFrame == 1)
    {
        // Only the line along the header side.
        switch (m_pPaintManager->GetPosition())
        {
        case zmrTabPositionLeft:
            pDC->FillSolidRect(rcClient.left, rcClient.top, 1, rcClient.Height(), clrTopLeft);
            break;
        case zmrTabPositionBottom:
            pDC->FillSolidRect(rcClient.left, rcClient.bottom - 1, rcClient.Width(), 1, clrBottomRight);
            break;
        case zmrTabPositionRight:
            pDC->FillSolidRect(rcClient.right - 1, rcClient.top, 1, rcClient.Height(), clrBottomRight);
            break;
        default:
            pDC->FillSolidRect(rcClient.left, rcClient.top, rcClient.Width(), 1, clrTopLeft);
            break;
        }
    }
    return rcHeader;
}

// ------------------------------------------------------------ property page

CZMRTabPaintManager::CAppearanceSetPropertyPage::CAppearanceSetPropertyPage()
{
    m_rcHeaderMargin = CRect(2, 3, 6, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPage::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    const CRect rcHeader = FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrPageLight, pColorSet->m_clrPageDarkShadow);
    if (m_pPaintManager->m_nClientFrame == 0)
    {
        // The raised frame's second shadow line, one pixel inside.
        const CRect rcClient = GetClientRect(rc, pManager);
        pDC->FillSolidRect(rcClient.right - 2, rcClient.top + 1, 1, rcClient.Height() - 2, pColorSet->m_clrPageShadow);
        pDC->FillSolidRect(rcClient.left + 1, rcClient.bottom - 2, rcClient.Width() - 2, 1, pColorSet->m_clrPageShadow);
    }
    return rcHeader;
}

void CZMRTabPaintManager::CAppearanceSetPropertyPage::DrawOutline(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    CUprightDC dc(pDC, pItem->GetRect(), m_pPaintManager->GetPosition());
    CRect rc = dc.Upright();
    if (pItem->IsSelected())
    {
        rc.left -= 2;
        rc.top -= 2;
        rc.right += 2;
    }
    if (pColorSet->IsAppThemed())
    {
        // The visual style draws the whole tab.
        pColorSet->FillTabFace(pDC, dc.Device(rc), pItem);
        return;
    }
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    const COLORREF clrFace = pColorSet->FillTabFace(pDC, dc.Device(rcFace), pItem);
    dc.Fill(L, T + 2, L + 1, B, pColorSet->m_clrPageLight);
    dc.Pixel(L + 1, T + 1, pColorSet->m_clrPageLight);
    dc.Fill(L + 2, T, R - 2, T + 1, pColorSet->m_clrPageLight);
    dc.Pixel(R - 2, T + 1, pColorSet->m_clrPageDarkShadow);
    dc.Fill(R - 1, T + 2, R, B, pColorSet->m_clrPageDarkShadow);
    dc.Fill(R - 2, T + 2, R - 1, B, pColorSet->m_clrPageShadow);
    // The selected tab of the row at the client opens into it.
    if (pItem->IsSelected() && pItem->GetRow() == 0)
        dc.Fill(L + 1, B - 1, R - 2, B, clrFace);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPage::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    DrawOutline(pDC, pItem);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPageSelected::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHighlighted())
        DrawOutline(pDC, pItem);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ property page flat

CZMRTabPaintManager::CAppearanceSetPropertyPageFlat::CAppearanceSetPropertyPageFlat()
    : m_bRoundedCorners(TRUE), m_bSeparators(FALSE)
{
    m_rcHeaderMargin = CRect(2, 2, 4, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPageFlat::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPageFlat::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    CUprightDC dc(pDC, pItem->GetRect(), m_pPaintManager->GetPosition());
    CRect rc = dc.Upright();
    // Only the selected tab covers the client's edge.
    if (!pItem->IsSelected())
        rc.bottom -= 1;
    const std::vector<CRect> arrBands = m_bRoundedCorners ? RoundedFlatTab(rc) : std::vector<CRect>{ rc };
    for (const CRect& rcBand : arrBands)
        pColorSet->FillTabFace(pDC, dc.Device(rcBand), pItem);
    if (m_bSeparators && !pItem->IsSelected())
    {
        CZMRTabManager* pManager = pItem->GetTabManager();
        CZMRTabManagerItem* pNext = pManager->GetItem(pItem->GetIndex() + 1);
        if (!pNext || !pNext->IsSelected())
            dc.Fill(rc.right - 1, rc.top + 3, rc.right, rc.bottom - 3, pColorSet->m_clrFrameBorder);
    }
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ Office 2003

CZMRTabPaintManager::CAppearanceSetPropertyPage2003::CAppearanceSetPropertyPage2003() : m_bHotLook(FALSE)
{
    m_rcHeaderMargin = CRect(2, 3, 6, 0);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPage2003::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    // Room for the first tab's slant.
    m_rcHeaderMargin = CRect(2 + m_nButtonHeight, 3, 6, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPage2003::GetTabPaintRect(CZMRTabManagerItem* pItem)
{
    const CRect rcItem = pItem->GetRect();
    const int nPosition = m_pPaintManager->GetPosition();
    const int H = IsHorizontalPosition(nPosition) ? rcItem.Height() : rcItem.Width();
    return WidenAlongStrip(CAppearanceSet::GetTabPaintRect(pItem), nPosition, H, 2);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPage2003::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrOutlineSelected, pColorSet->m_clrOutlineSelected);
}

namespace
{
void DrawSlantedTab(CDC* pDC, CZMRTabPaintManager* pPaintManager, CZMRTabManagerItem* pItem, BOOL bHotLook,
                    CSlantedTab (*pfnShape)(CRect), BOOL bMerge)
{
    CZMRTabPaintManager::CColorSet* pColorSet = pPaintManager->GetColorSet();
    CUprightDC dc(pDC, pItem->GetRect(), pPaintManager->GetPosition());
    const CRect rc = dc.Upright();
    const CSlantedTab tab = pfnShape(rc);
    const COLORREF clrFace = dc.FillPolygon(tab.face, pColorSet, pItem);
    const BOOL bSelected = pItem->IsSelected();
    COLORREF clrOutline = pColorSet->m_clrOutlineNormal;
    if (bSelected)
        clrOutline = pColorSet->m_clrOutlineSelected;
    else if (bHotLook && pItem->IsHighlighted())
        clrOutline = pColorSet->m_clrStateButtonBorder.clrDark;
    dc.Polyline(tab.outline, clrOutline);
    dc.Polyline(tab.inner1, bSelected ? RGB(255, 255, 255) : pColorSet->m_clrInnerLine1.GetColor());
    dc.Polyline(tab.inner2, bSelected ? RGB(255, 255, 255) : pColorSet->m_clrInnerLine2.GetColor());
    if (bSelected && bMerge)
    {
        const int H = rc.Height();
        dc.Fill(rc.left + 5 - H, rc.bottom - 1, rc.right + 1, rc.bottom, clrFace);
    }
    pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}
}

void CZMRTabPaintManager::CAppearanceSetPropertyPage2003::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    DrawSlantedTab(pDC, m_pPaintManager, pItem, m_bHotLook, Office2003Tab, TRUE);
}

// ------------------------------------------------------------ Visual Studio 2005

CZMRTabPaintManager::CAppearanceSetVisualStudio2005::CAppearanceSetVisualStudio2005() : m_bHotLook(FALSE)
{
    m_rcHeaderMargin = CRect(2, 3, 6, 0);
    m_bDrawTowardSelected = TRUE;
}

void CZMRTabPaintManager::CAppearanceSetVisualStudio2005::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    m_rcHeaderMargin = CRect(2 + m_nButtonHeight / 2, 3, 6, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetVisualStudio2005::GetTabPaintRect(CZMRTabManagerItem* pItem)
{
    const CRect rcItem = pItem->GetRect();
    const int nPosition = m_pPaintManager->GetPosition();
    const int h = (IsHorizontalPosition(nPosition) ? rcItem.Height() : rcItem.Width()) / 2;
    return WidenAlongStrip(CAppearanceSet::GetTabPaintRect(pItem), nPosition, h, h);
}

CRect CZMRTabPaintManager::CAppearanceSetVisualStudio2005::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrOutlineSelected, pColorSet->m_clrOutlineSelected);
}

void CZMRTabPaintManager::CAppearanceSetVisualStudio2005::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    DrawSlantedTab(pDC, m_pPaintManager, pItem, m_bHotLook, VisualStudio2005Tab, FALSE);
}

// ------------------------------------------------------------ Excel

CZMRTabPaintManager::CAppearanceSetExcel::CAppearanceSetExcel()
{
    m_rcHeaderMargin = CRect(2, 3, 2, 0);
}

void CZMRTabPaintManager::CAppearanceSetExcel::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    m_rcHeaderMargin = CRect(2 + m_nButtonHeight / 2, 3, 2 + m_nButtonHeight / 2, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetExcel::GetTabPaintRect(CZMRTabManagerItem* pItem)
{
    const CRect rcItem = pItem->GetRect();
    const int nPosition = m_pPaintManager->GetPosition();
    const int q = (IsHorizontalPosition(nPosition) ? rcItem.Height() : rcItem.Width()) / 4;
    return WidenAlongStrip(CAppearanceSet::GetTabPaintRect(pItem), nPosition, q, q);
}

CRect CZMRTabPaintManager::CAppearanceSetExcel::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
}

void CZMRTabPaintManager::CAppearanceSetExcel::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    // The six Excel colours: outline, line along the client (other tabs),
    // far edge, face, inner line of the start slant, of the end slant.
    // Unset ones are not drawn; an unset face comes from the colour set.
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    const CZMRPaintManagerColor* arrColors = pItem->IsSelected() ? pColorSet->m_clrExcelSelected : pColorSet->m_clrExcelNormal;
    CUprightDC dc(pDC, pItem->GetRect(), m_pPaintManager->GetPosition());
    const CRect rc = dc.Upright();
    const CSlantedTab tab = ExcelTab(rc);
    dc.FillPolygon(tab.face, pColorSet, pItem, arrColors[3].GetColor());
    dc.Polyline(tab.outline, arrColors[0].GetColor());
    dc.Polyline({ tab.outline[1], tab.outline[2] }, arrColors[2].GetColor());
    if (!pItem->IsSelected())
        dc.Fill(tab.outline[0].x, rc.bottom - 1, tab.outline[3].x + 1, rc.bottom, arrColors[1].GetColor());
    dc.Polyline(tab.inner1, arrColors[4].GetColor());
    dc.Polyline(tab.inner2, arrColors[5].GetColor());
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ state buttons

CZMRTabPaintManager::CAppearanceSetStateButtons::CAppearanceSetStateButtons()
{
    m_rcHeaderMargin = CRect(2, 2, 4, 2);
    m_nRowSpacing = 0;
}

CRect CZMRTabPaintManager::CAppearanceSetStateButtons::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    return GetHeaderRect(rc, pManager);
}

void CZMRTabPaintManager::CAppearanceSetStateButtons::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    m_pPaintManager->GetColorSet()->FillStateButtonFace(pDC, pItem->GetRect(), pItem);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ Visual Studio

CZMRTabPaintManager::CAppearanceSetVisualStudio::CAppearanceSetVisualStudio()
{
    m_rcHeaderMargin = CRect(4, 2, 4, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetVisualStudio::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrHighlightEdge);
}

void CZMRTabPaintManager::CAppearanceSetVisualStudio::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    CUprightDC dc(pDC, pItem->GetRect(), m_pPaintManager->GetPosition());
    const CRect rc = dc.Upright();
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    if (pItem->IsSelected())
    {
        pColorSet->FillTabFace(pDC, dc.Device(CRect(L, T, R, B + 1)), pItem);
        dc.Fill(L, T, R, T + 1, pColorSet->m_clrHighlightEdge);
        dc.Fill(L, T, L + 1, B + 1, pColorSet->m_clrHighlightEdge);
        dc.Fill(R - 1, T, R, B + 1, pColorSet->m_clrTextSelected);
    }
    else
        dc.Fill(R - 1, T + 2, R, B - 2, pColorSet->m_clrFrameBorder);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ flat

CZMRTabPaintManager::CAppearanceSetFlat::CAppearanceSetFlat()
{
    m_rcHeaderMargin = CRect(2, 2, 4, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetFlat::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
}

void CZMRTabPaintManager::CAppearanceSetFlat::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    CUprightDC dc(pDC, pItem->GetRect(), m_pPaintManager->GetPosition());
    const CRect rc = dc.Upright();
    // One pixel shorter on the far side; the selected tab opens into the client.
    const CRect rcTab(rc.left, rc.top + 1, rc.right, rc.bottom);
    const COLORREF clrFace = pColorSet->FillTabFace(pDC, dc.Device(rcTab), pItem);
    pDC->Draw3dRect(dc.Device(rcTab), pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
    if (pItem->IsSelected())
        dc.Fill(rcTab.left + 1, rcTab.bottom - 1, rcTab.right - 1, rcTab.bottom, clrFace);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ stacked bars

CZMRTabPaintManager::CAppearanceSetVisio::CAppearanceSetVisio()
{
    m_rcHeaderMargin = CRect(0, 0, 0, 0);
}

namespace
{
CStackedBars StackFor(CZMRTabManager* pManager, CRect rc, int nBarHeight)
{
    CZMRTabManagerItem* pSelected = pManager->GetSelectedItem();
    return StackBars(rc, pManager->GetItemCount(), pSelected ? pSelected->GetIndex() : -1, nBarHeight);
}
}

CRect CZMRTabPaintManager::CAppearanceSetVisio::GetHeaderRect(CRect rc, CZMRTabManager* pManager)
{
    return m_pPaintManager->m_bShowTabs ? rc : CRect(rc.left, rc.top, rc.right, rc.top);
}

CRect CZMRTabPaintManager::CAppearanceSetVisio::GetClientRect(CRect rc, CZMRTabManager* pManager)
{
    if (!m_pPaintManager->m_bShowTabs)
        return rc;
    return StackFor(pManager, rc, GetHeaderHeight(pManager)).client;
}

CRect CZMRTabPaintManager::CAppearanceSetVisio::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    pDC->FillSolidRect(rc, pColorSet->m_clrControlFace);
    if (m_pPaintManager->m_nClientFrame != 2)
        pDC->Draw3dRect(rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
    return GetHeaderRect(rc, pManager);
}

void CZMRTabPaintManager::CAppearanceSetVisio::RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    pManager->m_rcHeader = GetHeaderRect(rc, pManager);
    const CStackedBars stack = StackFor(pManager, rc, GetHeaderHeight(pManager));
    for (int i = 0; i < pManager->GetItemCount(); i++)
        pManager->GetItem(i)->SetRect(m_pPaintManager->m_bShowTabs ? stack.bars[i] : CRect(0, 0, 0, 0));
    // The bars never scroll.
    CZMRTabManagerNavigateButtonArray& arrButtons = pManager->GetNavigateButtons();
    for (INT_PTR i = 0; i < arrButtons.GetSize(); i++)
        arrButtons[i]->SetRect(CRect(0, 0, 0, 0));
}

void CZMRTabPaintManager::CAppearanceSetVisio::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    const CRect rc = pItem->GetRect();
    pColorSet->FillTabFace(pDC, rc, pItem);
    pDC->Draw3dRect(rc, pColorSet->m_clrHighlightEdge, pColorSet->m_clrFrameBorder);
    // The grip: 3-pixel dashes every 2 pixels, 7 pixels from the end.
    const COLORREF clrGrip = GetColorManager()->GetColor(38);
    for (int y = rc.top + 3; y < rc.bottom - 3; y += 2)
        pDC->FillSolidRect(rc.right - 7, y, 3, 1, clrGrip);
    m_pPaintManager->DrawTabItem(pDC, pItem, CRect(rc.left, rc.top, rc.right - 7, rc.bottom), TRUE);
}
