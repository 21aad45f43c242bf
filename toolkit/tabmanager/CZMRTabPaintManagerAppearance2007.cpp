// The two skinned styles: tabs and client drawn from the Office 2007 image
// set's pictures. On the sides and at the bottom a picture is drawn upright
// into a bitmap and its pixels turned into place.
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabShapes.h"
#include "CZMROffice2007Images.h"

using namespace CZMRTabShapes;

namespace
{
const COLORREF kTransparent = RGB(255, 0, 255);

CZMROffice2007Image* SkinImage(LPCWSTR lpszName)
{
    CZMROffice2007Images* pImages = GetOffice2007Images();
    return pImages->LoadFile(lpszName);
}

void DrawSkinTab(CDC* pDC, CRect rcTab, int nPosition, CZMROffice2007Image* pImage, int nState, int nStates,
                 CRect rcSizingMargins)
{
    const CRect rcSrc = pImage->GetSource(nState, nStates);
    DrawTurned(pDC, CTurn(rcTab, nPosition), [&](CDC* pDrawDC, CRect rc) {
        pImage->DrawImageTransparent(pDrawDC, rc, rcSrc, rcSizingMargins, kTransparent);
    });
}
}

// ------------------------------------------------------------ Office 2007

CZMRTabPaintManager::CAppearanceSetPropertyPage2007::CAppearanceSetPropertyPage2007()
{
    m_rcHeaderMargin = CRect(4, 1, 0, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPage2007::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    const CRect rcHeader = GetHeaderRect(rc, pManager);
    CZMROffice2007Image* pGroups = SkinImage(L"RIBBONGROUPS");
    if (!pGroups)
        return rcHeader;
    pDC->FillSolidRect(rc, m_pPaintManager->GetColorSet()->m_clrControlFace);
    pGroups->DrawImageTransparent(pDC, GetClientRect(rc, pManager), pGroups->GetSource(0, 1), CRect(8, 8, 8, 8),
                                  kTransparent);
    return rcHeader;
}

void CZMRTabPaintManager::CAppearanceSetPropertyPage2007::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    CZMROffice2007Image* pTab = SkinImage(L"RIBBONTAB");
    const BOOL bSelected = pItem->IsSelected();
    const BOOL bHot = pItem->IsHighlighted();
    if (pTab && (bSelected || bHot || pItem->IsPressed()))
    {
        int nState;
        if (bSelected)
            nState = pItem->GetTabManager()->IsKeyboardFocused() ? 5 : bHot ? 4 : 3;
        else
            nState = pItem->IsPressed() ? 2 : 1;
        DrawSkinTab(pDC, pItem->GetRect(), m_pPaintManager->GetPosition(), pTab, nState, 6, CRect(5, 5, 5, 5));
    }
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ------------------------------------------------------------ Access 2007

CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::CAppearanceSetPropertyPageAccess2007()
{
    m_rcHeaderMargin = CRect(4, 1, 0, 0);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    if (m_nButtonHeight < 24)
        m_nButtonHeight = 24;
    m_rcHeaderMargin = CRect(4, 1, m_nButtonHeight / 2, 0);
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::GetDrawRect(CZMRTabManagerItem* pItem)
{
    // Each tab reaches half a button height under the next one.
    CRect rc = pItem->GetRect();
    if (IsHorizontalPosition(m_pPaintManager->GetPosition()))
        rc.right += m_nButtonHeight / 2;
    else
        rc.bottom += m_nButtonHeight / 2;
    return rc;
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::GetTabPaintRect(CZMRTabManagerItem* pItem)
{
    CRect rc = GetDrawRect(pItem);
    rc.InflateRect(2, 2);
    return rc;
}

CRect CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::FillTabControl(CZMRTabManager* pManager, CDC* pDC,
                                                                              CRect rc)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    return FillTabControlEx(pManager, pDC, rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
}

void CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    if (CZMROffice2007Image* pTab = SkinImage(L"ACCESSTAB"))
    {
        const BOOL bHot = pItem->IsHighlighted();
        const int nState = pItem->IsSelected() ? (bHot ? 3 : 2) : (bHot ? 1 : 0);
        DrawSkinTab(pDC, GetDrawRect(pItem), m_pPaintManager->GetPosition(), pTab, nState, 4, CRect(5, 10, 22, 10));
    }
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}
