// The ribbon's size and arrangement: the caption band, the tab row with the
// system button, loose controls, quick-access controls and the tab strip,
// the groups band, and the caption's text and buttons.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRControls.h"
#include "CZMRFontDC.h"
#include "CZMRMeasureDC.h"

#include <algorithm>
#include <vector>

// ---------------------------------------------------------------- the bands

ZMR_RIBBON_LAYOUT CZMRRibbonBar::CalcRibbonLayout(const ZMR_RIBBON_LAYOUT_INPUT& in)
{
    ZMR_RIBBON_LAYOUT out;
    const int W = in.nWidth;
    out.rcTabRow.SetRect(2, 0, W - 2, in.nTabsHeight);
    out.rcGroups.SetRect(0, in.nTabsHeight, W, in.nTabsHeight + in.nGroupsHeight);
    out.rcCaption.SetRectEmpty();
    out.rcCaptionText.SetRectEmpty();
    out.rcCaptionFree.SetRectEmpty();
    out.nBorder = 4;

    if (in.bCaptionBand)
    {
        const int b = in.bFrameHelper ? in.nFrameBorder : 0;
        const int o = in.nCaptionTopOffset;
        out.rcCaption.SetRect(-b, o - b, W + b, o + in.nCaptionHeight);
        const int nShift = out.rcCaption.bottom + o - out.rcCaption.top - b;
        out.rcTabRow.OffsetRect(0, nShift);
        out.rcGroups.OffsetRect(0, nShift);
        out.rcCaptionFree.SetRect(0, 0, W, out.rcCaption.bottom);
        if (in.bFrameHelper)
            out.rcCaptionText = out.rcCaptionFree;
        out.nBorder = b;
    }

    if (in.bQuickAccessVisible && in.bQuickAccessBelow)
    {
        out.rcQuickAccess.SetRect(0, out.rcGroups.bottom, W, out.rcGroups.bottom + in.nQuickAccessHeight);
    }
    else
    {
        const int nTop = out.rcCaption.top + out.nBorder;
        out.rcQuickAccess.SetRect(in.nQuickAccessHeight + in.nTabsHeight, nTop - 2, out.rcCaption.right,
                                  nTop - 3 + in.nQuickAccessHeight);
    }
    return out;
}

int CZMRRibbonBar::CalcRibbonHeight(const ZMR_RIBBON_LAYOUT_INPUT& in, BOOL bGroupsShown)
{
    int nHeight = in.nTabsHeight + in.nCaptionHeight + in.nCaptionTopOffset + in.nGroupsHeight;
    if (in.bQuickAccessBelow)
        nHeight += in.nQuickAccessHeight + 1;
    else if (!bGroupsShown)
        nHeight += 2;
    return nHeight;
}

ZMR_RIBBON_LAYOUT_INPUT CZMRRibbonBar::GetLayoutInput(int nWidth) const
{
    ZMR_RIBBON_LAYOUT_INPUT in;
    in.nWidth = nWidth;
    in.nTabsHeight = GetTabsHeight();
    in.nGroupsHeight = GetGroupsHeight();
    in.nCaptionHeight = GetCaptionHeight();
    in.nCaptionTopOffset = GetCaptionTopOffset();
    in.nFrameBorder = m_pFrameHelper ? m_pFrameHelper->GetFrameBorderWidth() : 0;
    in.bCaptionBand = IsCaptionBandShown();
    in.bFrameHelper = m_pFrameHelper != nullptr;
    in.nQuickAccessHeight = m_nQuickAccessHeight;
    in.bQuickAccessVisible = m_bQuickAccessVisible;
    in.bQuickAccessBelow = m_bQuickAccessBelow;
    return in;
}

// ---------------------------------------------------------------- size

CSize CZMRRibbonBar::CalcFixedLayout(int nLength, DWORD dwMode, int /*nThickness*/)
{
    m_bUpdateStatePending = FALSE;

    CRect rcSite(0, 0, 0, 0);
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->GetWindowRect(&rcSite);
    const BOOL bShown = rcSite.Height() >= m_nMinimumFrameSize && nLength >= m_nMinimumFrameSize;
    if (bShown != m_bShownBySize)
    {
        m_bShownBySize = bShown;
        if (m_pFrameHelper)
            m_pFrameHelper->PostRecalc();
    }
    // Under any other theme the ribbon has no bands to show.
    if (!bShown || !GetRibbonTheme())
        return CSize(nLength, 0);

    // The quick-access height first: the caption band is as high as the row
    // it holds, in this pass already.
    m_nQuickAccessHeight = CalcQuickAccessHeight();
    const ZMR_RIBBON_LAYOUT_INPUT in = GetLayoutInput(nLength);
    const int nHeight = CalcRibbonHeight(in, AreGroupsShown());

    if (dwMode & zmrLayoutCommit)
    {
        {
            CZMRMeasureDC dc(nullptr);
            CZMRFontDC font(dc, GetPaintManager()->GetBarFont(this));
            RepositionControls(dc, nLength, nHeight);
        }
        if (m_bUpdateStatePending)
        {
            UpdateControlsState();
            m_bUpdateStatePending = FALSE;
        }
        if (m_nPending & zmrPendingLayout)
        {
            m_nPending &= ~zmrPendingLayout;
            Redraw();
        }
    }
    return CSize(nLength, nHeight);
}

// ---------------------------------------------------------------- arrangement

namespace
{
void SetHideFlag(CZMRControl* pControl, DWORD dwFlag, BOOL bSet)
{
    const DWORD dwHide = pControl->GetHideFlags();
    const DWORD dwNew = bSet ? dwHide | dwFlag : dwHide & ~dwFlag;
    if (dwNew != dwHide)
        pControl->SetHideFlags(dwNew);
}

// A control placed in a row: its rectangle, row and Wrapped flag.
void PlaceControl(CZMRControl* pControl, CRect rc, CRect rcRow, BOOL bWrap)
{
    pControl->SetRect(rc);
    pControl->SetRowRect(rcRow);
    pControl->SetWrap(bWrap);
}

// The top that centres a height in a row.
int CentredTop(const CRect& rcRow, int nHeight)
{
    return rcRow.top + (rcRow.Height() - nHeight + 1) / 2;
}
} // namespace

void CZMRRibbonBar::RepositionControls(CDC* pDC, int nWidth, int /*nHeight*/)
{
    const int W = nWidth;
    const ZMR_RIBBON_LAYOUT layout = CalcRibbonLayout(GetLayoutInput(W));
    CRect rcTabRow = layout.rcTabRow;
    m_rcGroups = layout.rcGroups;
    m_rcCaption = layout.rcCaption;
    m_rcCaptionText = layout.rcCaptionText;
    m_rcCaptionFree = layout.rcCaptionFree;
    m_rcQuickAccess = layout.rcQuickAccess;
    const BOOL bCaptionBand = IsCaptionBandShown();
    const BOOL bNoRows = !bCaptionBand && !m_bTabsVisible;

    // Quick-access controls and the loose controls of the tab row.
    std::vector<CZMRControl*> quickAccess;
    std::vector<CZMRControl*> loose;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (IsQuickAccessControl(pControl))
            quickAccess.push_back(pControl);
        else if (pControl->IsVisible(zmrHideWrap | zmrHideDock) && !pControl->GetRibbonGroup() &&
                 !(pControl->GetID() >= SC_MINIMIZE && pControl->GetID() <= SC_RESTORE) &&
                 pControl != m_pControlSystemButton && pControl != m_pScrollLeft && pControl != m_pScrollRight &&
                 pControl != m_pControlTab)
            loose.push_back(pControl);
    }

    // The system button.
    int x = 2;
    if (CZMRControl* pButton = m_pControlSystemButton)
    {
        const CSize sz = pButton->GetSize(pDC);
        CRect rc;
        if (!bCaptionBand)
        {
            const int nTop = CentredTop(rcTabRow, sz.cy);
            rc.SetRect(0, nTop, sz.cx, nTop + sz.cy);
        }
        else if (m_bTabsVisible)
        {
            // The button reaches from the caption band down over the tab row.
            const int nTop = m_rcCaption.top + layout.nBorder - 1;
            rc.SetRect(0, nTop, m_nQuickAccessHeight + GetTabsHeight() - 3,
                       nTop + m_nQuickAccessHeight + GetTabsHeight() - 4);
        }
        else
        {
            const int nTop = CentredTop(m_rcCaption, sz.cy);
            rc.SetRect(0, nTop, sz.cx, nTop + sz.cy);
            if (!m_bQuickAccessBelow)
                m_rcQuickAccess.left = sz.cx + 15;
        }
        SetHideFlag(pButton, zmrHideWrap, bNoRows);
        PlaceControl(pButton, rc, rcTabRow, TRUE);
        x = rc.Width();
    }

    // Loose controls from the left.
    for (CZMRControl* pControl : loose)
    {
        if (pControl->GetFlags() & zmrFlagRightAlign)
            continue;
        SetHideFlag(pControl, zmrHideDock, !m_bTabsVisible);
        if (!pControl->IsVisible(zmrHideWrap))
            continue;
        const CSize sz = pControl->GetSize(pDC);
        if (pControl->GetBeginGroup())
            x += 6;
        const int nTop = CentredTop(rcTabRow, sz.cy);
        PlaceControl(pControl, CRect(x, nTop, x + sz.cx, nTop + sz.cy), rcTabRow, FALSE);
        SetHideFlag(pControl, zmrHideWrap, FALSE);
        x += sz.cx;
    }
    const int xAfterLoose = x;

    // Quick-access controls: in the caption band, in the tab row or below the groups.
    const BOOL bInTabRow = m_bQuickAccessVisible && !m_bQuickAccessBelow && !bCaptionBand;
    const BOOL bInCaption = m_bQuickAccessVisible && !m_bQuickAccessBelow && bCaptionBand;
    if (bInTabRow)
    {
        m_rcQuickAccess.SetRect(x + 5, rcTabRow.top, m_rcQuickAccess.right, rcTabRow.bottom);
        x = m_rcQuickAccess.left;
    }
    else
    {
        x = m_rcQuickAccess.left + (m_bQuickAccessBelow ? 2 : 0);
    }

    int nRightLimit;
    if (m_bQuickAccessBelow)
        nRightLimit = W - 15;
    else if (m_pFrameHelper && m_pFrameHelper->IsCompositionEnabled())
        nRightLimit = W - 115;
    else
        nRightLimit = W - 3 * m_rcCaption.Height();

    SetHideFlag(m_pControlQuickAccessMore, zmrHideGeneric, TRUE);
    BOOL bOverflow = FALSE;
    BOOL bPlaced = FALSE;
    for (CZMRControl* pControl : quickAccess)
    {
        const BOOL bOrdinary = pControl != m_pControlQuickAccess && pControl != m_pControlQuickAccessMore;
        // The customize button keeps its gap even when it is hidden: the
        // more button then stands where it would.
        if (m_bQuickAccessVisible && pControl == m_pControlQuickAccess && bPlaced && bInCaption)
            x += 12;
        if (!m_bQuickAccessVisible || bNoRows || (bOverflow && pControl != m_pControlQuickAccessMore))
        {
            SetHideFlag(pControl, zmrHideWrap, TRUE);
            continue;
        }
        SetHideFlag(pControl, zmrHideWrap, FALSE);
        if (!pControl->IsVisible())
            continue;
        const CSize sz = pControl->GetSize(pDC);
        int nTop = CentredTop(m_rcQuickAccess, sz.cy);
        if (bOrdinary && bInCaption)
            nTop += 2;
        if (bOrdinary && x + sz.cx > nRightLimit)
        {
            SetHideFlag(pControl, zmrHideWrap, TRUE);
            SetHideFlag(m_pControlQuickAccessMore, zmrHideGeneric, FALSE);
            bOverflow = TRUE;
            continue;
        }
        PlaceControl(pControl, CRect(x, nTop, x + sz.cx, nTop + sz.cy), m_rcQuickAccess, FALSE);
        if (bOrdinary || bInTabRow)
            x += sz.cx;
        if (bOrdinary)
            bPlaced = TRUE;
    }
    if (!m_bQuickAccessBelow)
        m_rcQuickAccess.right = x;
    if (!bInTabRow)
        x = xAfterLoose;

    // Loose controls from the right.
    int nRight = W;
    for (auto it = loose.rbegin(); it != loose.rend(); ++it)
    {
        CZMRControl* pControl = *it;
        if (!(pControl->GetFlags() & zmrFlagRightAlign))
            continue;
        SetHideFlag(pControl, zmrHideDock, !m_bTabsVisible);
        if (!pControl->IsVisible())
            continue;
        const CSize sz = pControl->GetSize(pDC);
        const int nTop = CentredTop(rcTabRow, sz.cy);
        PlaceControl(pControl, CRect(nRight - sz.cx, nTop, nRight, nTop + sz.cy), rcTabRow, TRUE);
        pControl->SetBeginGroup(FALSE);
        nRight -= sz.cx;
    }

    // The tab strip between them.
    if (!m_bTabsVisible)
        rcTabRow.bottom = rcTabRow.top;
    if (m_bTabsVisible && nRight >= x + 6)
        m_rcTabControl.SetRect(x, rcTabRow.top, nRight, rcTabRow.bottom + 1);
    else
        m_rcTabControl.SetRectEmpty();
    SetHideFlag(m_pControlTab, zmrHideGeneric, !m_bTabsVisible);
    m_pControlTab->SetRect(m_rcTabControl);
    if (CZMRTabPaintManager* pTabPaintManager = m_pControlTab->GetPaintManager())
        pTabPaintManager->RepositionTabControl(m_pControlTab, pDC, m_rcTabControl);

    // The groups of the selected tab.
    CZMRRibbonTab* pTab = GetSelectedTab();
    if (pTab && AreGroupsShown())
        pTab->GetGroups()->Layout(pDC, m_rcGroups.Width(), CRect(m_rcGroups.left + 4, m_rcGroups.top + 3, 6, 3));
    else
        ShowScrollButtons(FALSE, FALSE); // no groups band: no scrolling either

    RepositionCaption(pDC);
    // Also without the caption band: the old headers must go.
    RepositionContextHeaders();
}

// ---------------------------------------------------------------- caption

void CZMRRibbonBar::RepositionCaption(CDC* pDC)
{
    if (!m_pFrameHelper)
        return;

    const BOOL bQuickAccessInCaption = m_bQuickAccessVisible && !m_bQuickAccessBelow;
    if (!bQuickAccessInCaption)
    {
        m_rcCaptionFree.left += 70;
    }
    else
    {
        const BOOL bCustomize = m_pControlQuickAccess && m_pControlQuickAccess->IsVisible();
        m_rcCaptionFree.left = m_rcQuickAccess.right + (bCustomize ? m_pControlQuickAccess->GetRect().Width() + 2 : 12);
    }
    m_rcCaptionFree.top += GetCaptionTopOffset();
    m_rcCaptionFree.bottom -= 3;

    RepositionCaptionButtons();

    m_rcCaptionText.SetRect(70, m_rcCaptionFree.top, m_rcCaptionFree.right, m_rcCaptionFree.bottom);
    HWND hWndFrame = m_pFrameHelper->GetFrameHwnd();
    m_strCaptionText.Empty();
    if (hWndFrame && ::IsWindow(hWndFrame))
    {
        const int nLength = ::GetWindowTextLengthW(hWndFrame);
        ::GetWindowTextW(hWndFrame, m_strCaptionText.GetBuffer(nLength + 1), nLength + 1);
        m_strCaptionText.ReleaseBuffer();
    }

    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    CZMRFontDC font(pDC, pTheme ? &pTheme->m_fntFrameCaption : nullptr);
    const int nTextWidth = pDC->GetTextExtent(m_strCaptionText).cx + 20;
    auto centreIn = [](CRect rcIn, int nWidth) {
        nWidth = std::min(nWidth, rcIn.Width());
        const int nLeft = rcIn.left + (rcIn.Width() - nWidth) / 2;
        return CRect(nLeft, rcIn.top, nLeft + nWidth, rcIn.bottom);
    };
    CRect rcText = centreIn(m_rcCaptionText, nTextWidth);
    CRect rcCommon;
    if (rcCommon.IntersectRect(rcText, m_rcQuickAccess))
        rcText = centreIn(m_rcCaptionFree, nTextWidth);
    m_rcCaptionText = rcText;
}

void CZMRRibbonBar::RepositionCaptionButtons()
{
    HWND hWndFrame = m_pFrameHelper->GetFrameHwnd();
    const DWORD dwStyle = m_pFrameHelper->GetFrameStyle();
    const DWORD dwExStyle = m_pFrameHelper->GetFrameStyle(TRUE);
    HMENU hSysMenu = hWndFrame && ::IsWindow(hWndFrame) ? ::GetSystemMenu(hWndFrame, FALSE) : nullptr;
    const BOOL bSysMenu = (dwStyle & WS_SYSMENU) != 0;
    BOOL bButtons = !(dwExStyle & WS_EX_TOOLWINDOW) && bSysMenu && (dwStyle & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    BOOL bClose = bSysMenu;
    BOOL bCloseEnabled = TRUE;
    if (hSysMenu)
    {
        const UINT nState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
        if (nState != UINT(-1) && (nState & (MF_GRAYED | MF_DISABLED)))
            bCloseEnabled = FALSE;
    }
    const BOOL bMaximized = (dwStyle & WS_MAXIMIZE) != 0;
    if (bMaximized && (dwStyle & WS_CHILD))
        bButtons = bClose = FALSE;
    if (m_pFrameHelper->IsCompositionEnabled())
    {
        bButtons = bClose = FALSE;
        m_rcCaptionFree.right -= 100;
    }

    CRect rcFree = m_rcCaptionFree;
    AddCaptionButton(SC_CLOSE, bClose, bCloseEnabled, rcFree);
    AddCaptionButton(SC_RESTORE, bButtons && bMaximized, (dwStyle & WS_MAXIMIZEBOX) != 0, rcFree);
    AddCaptionButton(SC_MAXIMIZE, bButtons && !bMaximized, (dwStyle & WS_MAXIMIZEBOX) != 0, rcFree);
    AddCaptionButton(SC_MINIMIZE, bButtons, (dwStyle & WS_MINIMIZEBOX) != 0, rcFree);
    m_rcCaptionFree = rcFree;
}

void CZMRRibbonBar::AddCaptionButton(int nId, BOOL bAdd, BOOL bEnabled, CRect& rcCaption)
{
    CZMRControl* pButton = m_pControls->FindControlById(nId);
    if (!bAdd)
    {
        if (pButton)
            m_pControls->Remove(pButton);
        return;
    }
    if (!pButton)
    {
        pButton = m_pControls->AddControl(new CControlCaptionButton(m_pFrameHelper), nId, L"", -1, TRUE);
        pButton->SetFlags(0x1a);
        HMENU hSysMenu = ::GetSystemMenu(m_pFrameHelper->GetFrameHwnd(), FALSE);
        WCHAR szText[256] = L"";
        if (hSysMenu && ::GetMenuStringW(hSysMenu, UINT(nId), szText, 256, MF_BYCOMMAND) > 0)
        {
            CString strTip = szText;
            const int nTab = strTip.Find(L'\t');
            if (nTab >= 0)
                strTip = strTip.Left(nTab);
            pButton->SetTooltip(strTip);
        }
    }
    pButton->SetEnabled(bEnabled);
    const int nSize = rcCaption.Height();
    pButton->SetRect(CRect(rcCaption.right - nSize, rcCaption.top, rcCaption.right, rcCaption.bottom));
    pButton->SetWrap(TRUE);
    rcCaption.right -= nSize;
}
