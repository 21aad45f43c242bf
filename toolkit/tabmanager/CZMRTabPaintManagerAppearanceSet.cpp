#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabManagerItem.h"
#include "CZMRColorManager.h"
#include <algorithm>

CZMRTabPaintManager::CAppearanceSet::CAppearanceSet()
    : m_rcHeaderMargin(0, 0, 0, 0), m_nRowSpacing(-2), m_nButtonHeight(18), m_pPaintManager(nullptr),
      m_bDrawTowardSelected(FALSE)
{
}

void CZMRTabPaintManager::CAppearanceSet::RefreshMetrics()
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, m_pPaintManager->GetFont()->GetSafeHandle());
    SIZE sz = {};
    ::GetTextExtentPoint32W(hDC, L" ", 1, &sz);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    m_nButtonHeight = sz.cy >= 15 ? sz.cy + 3 : 18;
}

int CZMRTabPaintManager::CAppearanceSet::GetHeaderExtent(CZMRTabManager* pManager)
{
    if (!m_pPaintManager->m_bShowTabs)
        return 0;
    const CRect rcMargin = GetHeaderMargin();
    const int nRows = std::max(1, pManager->GetRows()->GetRowCount());
    int nExtent = rcMargin.top + rcMargin.bottom + nRows * GetHeaderHeight(pManager) + (nRows - 1) * m_nRowSpacing;
    if (m_pPaintManager->GetLayout() == zmrTabLayoutRotated)
    {
        for (int i = 0; i < pManager->GetItemCount(); i++)
            nExtent = std::max(nExtent, pManager->GetItem(i)->GetWidth());
    }
    return nExtent;
}

CRect CZMRTabPaintManager::CAppearanceSet::GetHeaderRect(CRect rc, CZMRTabManager* pManager)
{
    const int nExtent = GetHeaderExtent(pManager);
    switch (m_pPaintManager->GetPosition())
    {
    case zmrTabPositionLeft:
        rc.right = rc.left + nExtent;
        break;
    case zmrTabPositionBottom:
        rc.top = rc.bottom - nExtent;
        break;
    case zmrTabPositionRight:
        rc.left = rc.right - nExtent;
        break;
    default:
        rc.bottom = rc.top + nExtent;
        break;
    }
    return rc;
}

CRect CZMRTabPaintManager::CAppearanceSet::GetClientRect(CRect rc, CZMRTabManager* pManager)
{
    if (!m_pPaintManager->m_bShowTabs)
        return rc;
    const CRect rcHeader = GetHeaderRect(rc, pManager);
    switch (m_pPaintManager->GetPosition())
    {
    case zmrTabPositionLeft:
        rc.left = rcHeader.right - 1;
        break;
    case zmrTabPositionBottom:
        rc.bottom = rcHeader.top + 1;
        break;
    case zmrTabPositionRight:
        rc.right = rcHeader.left + 1;
        break;
    default:
        rc.top = rcHeader.bottom - 1;
        break;
    }
    return rc;
}

CRect CZMRTabPaintManager::CAppearanceSet::GetClientMargin()
{
    return m_pPaintManager->m_rcClientMargin;
}

int CZMRTabPaintManager::CAppearanceSet::MeasureTabExtent(CDC* pDC, CZMRTabManagerItem* pItem)
{
    return m_pPaintManager->DrawTabItem(pDC, pItem, CRect(0, 0, 0, 0), FALSE);
}

int CZMRTabPaintManager::CAppearanceSet::GetHeaderHeight(CZMRTabManager* pManager)
{
    const CRect& rcPadding = m_pPaintManager->m_rcItemPadding;
    CSize szMin(0, 0);
    pManager->GetItemMetrics(nullptr, &szMin, nullptr);
    int nHeight = std::max<int>(rcPadding.top + rcPadding.bottom + m_nButtonHeight, szMin.cy);
    if (m_pPaintManager->m_bShowIcons)
    {
        CSize szIcon = m_pPaintManager->m_szIcon;
        pManager->DrawIcon(nullptr, CPoint(0, 0), nullptr, FALSE, szIcon);
        nHeight = std::max<int>(nHeight, rcPadding.top + rcPadding.bottom + std::max(szIcon.cx, szIcon.cy) + 4);
    }
    return nHeight;
}

CRect CZMRTabPaintManager::CAppearanceSet::GetTabPaintRect(CZMRTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    rc.InflateRect(2, 2);
    return rc;
}

void CZMRTabPaintManager::CAppearanceSet::DrawTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    m_pPaintManager->DrawTabControlEx(pManager, pDC, rc);
}

CRect CZMRTabPaintManager::CAppearanceSet::FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    return CRect(0, 0, 0, 0);
}

void CZMRTabPaintManager::CAppearanceSet::RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    m_pPaintManager->RepositionTabControlEx(pManager, pDC, rc);
}

void CZMRTabPaintManager::CAppearanceSet::AdjustClientRect(CZMRTabManager* pManager, CRect& rcClient)
{
    const int nPosition = m_pPaintManager->GetPosition();
    DeflateRectForPosition(rcClient, m_pPaintManager->m_rcControlMargin, nPosition);
    rcClient = GetClientRect(rcClient, pManager);
    DeflateRectForPosition(rcClient, GetClientMargin(), nPosition);
    if (m_pPaintManager->m_nClientFrame == 0)
        rcClient.DeflateRect(2, 2);
    else if (m_pPaintManager->m_nClientFrame == 1)
        DeflateRectForPosition(rcClient, CRect(0, 2, 0, 0), nPosition);
}

void CZMRTabPaintManager::CAppearanceSet::DrawClientFrame(CDC* pDC, CRect rc, int nFrame)
{
    CColorSet* pColorSet = m_pPaintManager->GetColorSet();
    if (!m_pPaintManager->m_bStaticFrame)
    {
        if (nFrame == 1)
            rc.InflateRect(2, 2);
        else if (nFrame == 2 || nFrame == 3)
            pDC->FillSolidRect(rc, pColorSet->m_clrHeaderFace.clrLight);
        return;
    }
    switch (nFrame)
    {
    case 0:
    {
        const COLORREF clrFace = GetColorManager()->GetColor(COLOR_BTNFACE);
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rcInner, clrFace, clrFace);
        pDC->Draw3dRect(rc, pColorSet->m_clrFrameBorder, pColorSet->m_clrFrameBorder);
        break;
    }
    case 1:
        rc.top -= 1;
        break;
    case 2:
    case 3:
    {
        const COLORREF clr = pColorSet->m_clrHeaderFace.clrLight;
        pDC->FillSolidRect(rc, clr);
        if (nFrame == 2)
            pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr);
        else
            pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clr);
        break;
    }
    }
}
