#include "CZMRDockBar.h"
#include "CZMRToolBar.h"
#include "CZMRBarManager.h"
#include "CZMRDrawHelpers.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CZMRDockBar, CWnd)

BEGIN_MESSAGE_MAP(CZMRDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CZMRDockBar::CZMRDockBar() : m_dwStyle(0), m_pBarManager(nullptr)
{
    m_arrBars.Add(nullptr);
    CZMRDrawHelpers::RegisterWndClass(AfxGetInstanceHandle(), L"ZMRDockBar", 0);
}

CZMRDockBar::~CZMRDockBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CZMRDockBar::Create(CWnd* pParent, DWORD dwAlignStyle, UINT nID)
{
    m_dwStyle = dwAlignStyle;
    return CreateEx(0, L"ZMRDockBar", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | dwAlignStyle,
                    CRect(0, 0, 0, 0), pParent, nID);
}

int CZMRDockBar::GetPosition() const
{
    if (m_dwStyle & (CBRS_ALIGN_TOP | 0x800))
        return 0;
    if (m_dwStyle & (CBRS_ALIGN_BOTTOM | 0x200))
        return 1;
    if (m_dwStyle & (CBRS_ALIGN_LEFT | 0x400))
        return 2;
    return 3;
}

void CZMRDockBar::DockCommandBar(CZMRToolBar* pBar, LPCRECT /*lpRect*/)
{
    if (FindBar(pBar) != -1)
        return;
    // A new row of its own at the end.
    if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    pBar->SetDockBar(this);
}

BOOL CZMRDockBar::RemoveCommandBar(CZMRToolBar* pBar, int nSpare)
{
    const int nIndex = FindBar(pBar, nSpare);
    if (nIndex <= 0)
        return FALSE;
    m_arrBars.RemoveAt(nIndex);
    // An emptied row loses one of its two row ends.
    if (nIndex < m_arrBars.GetSize() && m_arrBars[nIndex - 1] == nullptr && m_arrBars[nIndex] == nullptr)
        m_arrBars.RemoveAt(nIndex);
    pBar->SetDockBar(nullptr);
    if (m_pBarManager)
        m_pBarManager->RecalcFrameLayout(TRUE);
    return TRUE;
}

int CZMRDockBar::FindBar(CZMRToolBar* pBar, int nSkip) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (i != nSkip && m_arrBars[i] == pBar)
            return int(i);
    }
    return -1;
}

int CZMRDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        nCount += m_arrBars[i] != nullptr;
    return nCount;
}

LRESULT CZMRDockBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;

    // Each row is as thick as its thickest visible bar; the bars of a row
    // follow each other at their own sizes.
    const BOOL bHorz = IsHorizontal();
    std::vector<std::pair<HWND, CPoint>> places;
    int nThickness = 0;
    int nRowThickness = 0;
    int nOffset = 0;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); i++)
    {
        CZMRToolBar* pBar = m_arrBars[i];
        if (!pBar)
        {
            nThickness += nRowThickness;
            nRowThickness = 0;
            nOffset = 0;
            continue;
        }
        if (!pBar->GetSafeHwnd() || !pBar->IsVisible())
            continue;
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        places.push_back({pBar->GetSafeHwnd(), bHorz ? CPoint(nOffset, nThickness) : CPoint(nThickness, nOffset)});
        nOffset += bHorz ? rcBar.Width() : rcBar.Height();
        nRowThickness = std::max<int>(nRowThickness, bHorz ? rcBar.Height() : rcBar.Width());
    }
    nThickness += nRowThickness;

    CRect rc = pLayout->rect;
    switch (GetPosition())
    {
    case 0:
        rc.bottom = rc.top + nThickness;
        pLayout->rect.top += nThickness;
        break;
    case 1:
        rc.top = rc.bottom - nThickness;
        pLayout->rect.bottom -= nThickness;
        break;
    case 2:
        rc.right = rc.left + nThickness;
        pLayout->rect.left += nThickness;
        break;
    default:
        rc.left = rc.right - nThickness;
        pLayout->rect.right -= nThickness;
        break;
    }
    if (bHorz)
        pLayout->sizeTotal.cy += nThickness;
    else
        pLayout->sizeTotal.cx += nThickness;
    AfxRepositionWindow(pLayout, m_hWnd, &rc);
    // The docked bars are children of the site, placed over the strip.
    for (const auto& place : places)
        ::SetWindowPos(place.first, HWND_TOP, rc.left + place.second.x, rc.top + place.second.y, 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE);
    return 0;
}

BOOL CZMRDockBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}
