// The ribbon's own drawing: the bar, the caption band, tabs, groups, context
// headers, the quick-access and scroll buttons and the system button, all
// from the skin's parts. Where the program binds no skin (its resources
// hold none) the parts are missing; the bar, the groups and the selected
// tab then get plain fills in system colours, and the quick-access and
// scroll buttons plain glyphs, so that the ribbon stays legible.
#include "CZMRRibbonTheme.h"
#include "CZMRControl.h"
#include "CZMRDrawHelpers.h"
#include "CZMRFontDC.h"
#include "CZMRImageManager.h"
#include "CZMROffice2007Images.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRTabManagerItem.h"
#include "CZMRWinThemeWrapper.h"
#include <algorithm>

namespace
{
const COLORREF kKeyColor = RGB(255, 0, 255);

// The skin part of a context colour, "CONTEXTTAB%s..." with the colour's name.
CString ContextPartName(LPCWSTR lpszFormat, int nColor)
{
    CString strName;
    strName.Format(lpszFormat, static_cast<LPCWSTR>(CZMRRibbonTheme::GetContextColorName(nColor)));
    return strName;
}

int TabContextColor(CZMRRibbonTab* pTab)
{
    return pTab ? pTab->GetContextColor() : 0;
}

// Popup-style button parts: 2 while the popup is open, 1 selected, else 0.
int ButtonPartState(CZMRControl* pControl)
{
    if (pControl->IsPopupOpen())
        return 2;
    return pControl->GetSelected() ? 1 : 0;
}

// The quick-access row has something to show in the caption band.
BOOL HasQuickAccessBand(CZMRRibbonBar* pRibbonBar)
{
    if (!pRibbonBar->IsQuickAccessVisible() || pRibbonBar->IsQuickAccessBelow())
        return FALSE;
    CZMRRibbonQuickAccessControls* pControls = pRibbonBar->GetQuickAccessControls();
    if (!pControls)
        return FALSE;
    for (int i = 0; i < pControls->GetCount(); i++)
    {
        CZMRControl* pControl = pControls->GetAt(i);
        if (pControl && pControl->IsVisible())
            return TRUE;
    }
    return FALSE;
}

CWnd* FrameOf(CZMRRibbonBar* pRibbonBar)
{
    CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
    if (pHelper && pHelper->GetFrameHwnd())
        return CWnd::FromHandle(pHelper->GetFrameHwnd());
    return pRibbonBar->GetSite();
}

BOOL IsOnGlass(CZMRRibbonBar* pRibbonBar)
{
    CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
    return pHelper && pHelper->IsCompositionEnabled();
}
} // namespace

// ---------------------------------------------------------------- skin parts

BOOL CZMRRibbonTheme::DrawRibbonPart(CDC* pDC, LPCWSTR lpszName, CRect rcDest, int nState, int nCount,
                                     CRect rcMargins, UINT nFlags)
{
    CZMROffice2007Image* pImage = pDC ? LoadImage(lpszName) : nullptr;
    if (!pImage)
        return FALSE;
    if (nFlags & partMirrorRTL)
        pImage->m_bMirrorRTL = TRUE;
    const CRect rcSrc = pImage->GetSource(nState, nCount);
    if (nFlags & partGlass)
        pImage->DrawImageAlpha(pDC, rcDest, rcSrc, rcMargins, kKeyColor, (nFlags & partTransparent) ? 1 : 0);
    else if (nFlags & partTransparent)
        pImage->DrawImageTransparent(pDC, rcDest, rcSrc, rcMargins, kKeyColor);
    else
        pImage->DrawWithSizingMargins(pDC, rcDest, rcSrc, rcMargins);
    return TRUE;
}

BOOL CZMRRibbonTheme::DrawRibbonPartCentered(CDC* pDC, LPCWSTR lpszName, CRect rc, int nState, int nCount,
                                             UINT nFlags)
{
    CZMROffice2007Image* pImage = pDC ? LoadImage(lpszName) : nullptr;
    if (!pImage)
        return FALSE;
    const CRect rcSrc = pImage->GetSource(nState, nCount);
    const int x = (rc.left + rc.right - rcSrc.Width()) / 2, y = (rc.top + rc.bottom - rcSrc.Height()) / 2;
    return DrawRibbonPart(pDC, lpszName, CRect(x, y, x + rcSrc.Width(), y + rcSrc.Height()), nState, nCount,
                          CRect(0, 0, 0, 0), nFlags | partTransparent);
}

CZMRRibbonTheme::CRibbonTabState CZMRRibbonTheme::GetRibbonTabState(CZMRTabManagerItem* pItem)
{
    CZMRTabManager* pManager = pItem->GetTabManager();
    CRibbonTabState state;
    state.bSelected = pItem->IsSelected();
    state.bHot = pItem->IsHighlighted();
    state.bFocused = state.bSelected && pManager && pManager->IsKeyboardFocused();

    CZMRRibbonControlTab* pControlTab = dynamic_cast<CZMRRibbonControlTab*>(pManager);
    CZMRRibbonBar* pRibbonBar = pControlTab ? pControlTab->GetRibbonBar() : nullptr;
    if (pRibbonBar && pRibbonBar->IsMinimized() && state.bSelected)
    {
        if (pControlTab->IsPopupShown())
        {
            state.bHot = FALSE;
        }
        else
        {
            state.bSelected = FALSE;
            state.bHot = state.bHot || (state.bFocused && pControlTab->GetSelected() >= 2);
        }
    }
    return state;
}

void CZMRRibbonTheme::FillIfColor(CDC* pDC, CRect rc, COLORREF clr)
{
    if (pDC && clr != COLORREF(-1) && !rc.IsRectEmpty())
        pDC->FillSolidRect(rc, clr);
}

// ---------------------------------------------------------------- bar and groups

void CZMRRibbonTheme::DrawGroupsBackground(CDC* pDC, CZMRRibbonTab* pTab, CRect rcGroups)
{
    const int nColor = TabContextColor(pTab);
    const CString strPart = nColor ? ContextPartName(L"CONTEXTTAB%sCLIENT", nColor) : CString(L"RIBBONGROUPS");
    if (DrawRibbonPart(pDC, strPart, rcGroups, 0, 1, CRect(8, 8, 8, 8), partOpaque))
        return;
    // Without the skin: a window-coloured band under a 1-px frame.
    FillIfColor(pDC, rcGroups, GetColor(COLOR_WINDOW));
    if (pDC && !rcGroups.IsRectEmpty())
        pDC->Draw3dRect(rcGroups, GetColor(COLOR_3DSHADOW), GetColor(COLOR_3DSHADOW));
}

void CZMRRibbonTheme::FillRibbonBar(CDC* pDC, CZMRRibbonBar* pRibbonBar)
{
    CRect rc;
    pRibbonBar->GetClientRect(&rc);
    if (pRibbonBar->HasFrameHelper())
        rc.top += m_nRibbonCaptionHeight;
    const COLORREF clrFace = m_clrRibbonFace.GetColor();
    FillIfColor(pDC, rc, clrFace != COLORREF(-1) ? clrFace : GetColor(COLOR_3DFACE));

    if (pRibbonBar->IsQuickAccessBelow())
        DrawRibbonPart(pDC, L"RIBBONQUICKACCESSFRAME", pRibbonBar->GetQuickAccessRect(), 0, 1, CRect(3, 3, 3, 3),
                       partOpaque);

    if (!pRibbonBar->AreGroupsShown() && !pRibbonBar->IsQuickAccessBelow())
    {
        // A minimized ribbon closes with a shadow and a highlight line.
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, m_clrMinimizedFrameEdgeShadow.GetColor());
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_clrMinimizedFrameEdgeHighLight.GetColor());
    }
}

void CZMRRibbonTheme::DrawGroup(CDC* pDC, CZMRRibbonGroup* pGroup)
{
    if (!pGroup || pGroup->IsCollapsed())
        return;
    const BOOL bContext = TabContextColor(pGroup->GetTab()) != 0;
    const int nState = pGroup->IsHot() ? 1 : 0;
    const CRect rc = pGroup->GetRect();
    const CRect rcClient(rc.left, rc.top, rc.right, rc.bottom - m_nGroupCaptionHeight);
    const CRect rcCaption(rc.left, rc.bottom - m_nGroupCaptionHeight, rc.right, rc.bottom);

    if (!DrawRibbonPart(pDC, bContext ? L"CONTEXTTABGROUPCLIENT" : L"RIBBONGROUPCLIENT", rcClient, nState, 2,
                        CRect(5, 5, 5, 5), partOpaque))
        pDC->Draw3dRect(rc, GetColor(COLOR_3DSHADOW), GetColor(COLOR_3DSHADOW));
    if (!DrawRibbonPart(pDC, bContext ? L"CONTEXTTABGROUPCAPTION" : L"RIBBONGROUPCAPTION", rcCaption, nState, 2,
                        CRect(5, 5, 5, 5), partOpaque))
    {
        CRect rcBand = rcCaption;
        rcBand.DeflateRect(1, 0, 1, 1);
        FillIfColor(pDC, rcBand, GetColor(COLOR_3DFACE));
    }

    CString strCaption = pGroup->GetCaption();
    CZMRDrawHelpers::RemoveMnemonicMarkers(strCaption);
    CRect rcText = rcCaption;
    rcText.OffsetRect(0, -1);
    if (pGroup->IsOptionButtonShown())
        rcText.right -= m_nGroupCaptionHeight + 1;
    rcText.DeflateRect(2, 2);
    CZMRFontDC font(pDC, &m_fntRibbon);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrGroupCaptionText.GetColor());
    pDC->DrawText(strCaption, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

CSize CZMRRibbonTheme::DrawGroupPopupButton(CSize& szButton, CDC* pDC, CZMRControl* pButton, BOOL bDraw)
{
    CZMRRibbonGroup* pGroup = pButton ? pButton->GetRibbonGroup() : nullptr;
    if (!pGroup || pGroup->GetPopupButton() != pButton)
    {
        // A group's button on the quick-access row: a framed tool-bar item.
        if (bDraw && pButton)
            DrawRibbonPart(pDC, L"RIBBONGROUPQUICKACCESS", pButton->GetRect(), ButtonPartState(pButton), 3,
                           CRect(2, 2, 2, 2), IsControlRectInRibbonCaption(pButton) ? partGlass : partOpaque);
        szButton = DrawToolBarItem(pDC, pButton, bDraw);
        return szButton;
    }

    const CRect rc = pButton->GetRect();
    if (bDraw)
    {
        const int nColor = TabContextColor(pGroup->GetTab());
        const CString strPart =
            nColor ? ContextPartName(L"CONTEXTTAB%sGROUPBUTTON", nColor) : CString(L"RIBBONGROUPBUTTON");
        if (!DrawRibbonPart(pDC, strPart, rc, ButtonPartState(pButton), 3, CRect(5, 5, 5, 5), partOpaque) &&
            (pButton->GetSelected() || pButton->IsPopupOpen()))
            DrawRectangle(pDC, rc, COLOR_3DFACE, COLOR_3DSHADOW);
    }

    szButton = CSize(std::max(2 * GetBaseHeight() - 3, 42), 3 * m_nFixedControlHeight);
    CZMRFontDC font(pDC, GetControlFont(pButton));

    if (bDraw)
    {
        CZMRImageManagerIcon* pImage = pButton->GetImage(32);
        if (pImage)
        {
            const CSize szIcon = pImage->GetExtent();
            int y = rc.top + 4;
            if (szIcon.cx < 20)
            {
                // Small icons sit in a frame of their own.
                CZMROffice2007Image* pFrame = LoadImage(L"RIBBONGROUPBUTTONICON");
                if (pFrame)
                {
                    const CRect rcSrc = pFrame->GetSource(0, 1);
                    const int x = (rc.left + rc.right - rcSrc.Width()) / 2;
                    DrawRibbonPart(pDC, L"RIBBONGROUPBUTTONICON",
                                   CRect(x, rc.top + 2, x + rcSrc.Width(), rc.top + 2 + rcSrc.Height()), 0, 1,
                                   CRect(0, 0, 0, 0), partTransparent);
                }
                y = rc.top + 9;
            }
            DrawImage(pDC, (rc.left + rc.right - szIcon.cx) / 2, y, szIcon.cx, szIcon.cy, pImage,
                      pButton->GetSelected(), pButton->GetPressed(), pButton->GetEnabled(), FALSE,
                      pButton->IsPopupOpen(), FALSE);
        }
        pDC->SetTextColor(GetControlTextColor(pButton));
        const int b = rc.bottom - m_nGroupCaptionHeight - 2, d = GetSplitArrowWidth();
        DrawTwoLineCaption(pDC, pButton, CRect(rc.left, b - d, rc.right, b), TRUE, FALSE, TRUE);
    }
    else if (pDC)
    {
        const CSize szCaption = DrawTwoLineCaption(pDC, pButton, CRect(0, 0, 0, 0), FALSE, FALSE, TRUE);
        szButton.cx = std::max(int(szButton.cx), int(szCaption.cx + 5));
    }
    return szButton;
}

CSize CZMRRibbonTheme::DrawGroupOptionButton(CSize& szButton, CDC* pDC, CZMRControl* pButton, BOOL bDraw)
{
    szButton = CSize(15, 14);
    if (bDraw && pButton)
    {
        const int nState = pButton->GetPressed() ? 2 : pButton->GetSelected() ? 1 : 0;
        if (!DrawRibbonPart(pDC, L"RIBBONOPTIONBUTTON", pButton->GetRect(), nState, 4, CRect(3, 2, 2, 2),
                            partTransparent))
        {
            // Without the skin: a small framed square, so that it can be found.
            CRect rc = pButton->GetRect();
            rc.DeflateRect(3, 3);
            pDC->Draw3dRect(rc, GetColor(COLOR_BTNTEXT), GetColor(COLOR_BTNTEXT));
        }
    }
    return szButton;
}

void CZMRRibbonTheme::FillGroupPopupToolBar(CDC* pDC, CZMRRibbonGroup* pGroup, CZMRCommandBar* pPopupBar)
{
    CRect rc;
    pPopupBar->GetClientRect(&rc);
    pDC->SetBkMode(TRANSPARENT);
    pDC->FillSolidRect(rc, RGB(191, 219, 255));
    rc.InflateRect(3, 3);
    const int nColor = TabContextColor(pGroup ? pGroup->GetTab() : nullptr);
    const CString strPart = nColor ? ContextPartName(L"CONTEXTTAB%sCLIENT", nColor) : CString(L"RIBBONGROUPS");
    DrawRibbonPart(pDC, strPart, rc, 0, 1, CRect(8, 8, 8, 8), partOpaque);
}

void CZMRRibbonTheme::FillTabPopupToolBar(CDC* pDC, CZMRCommandBar* pPopupBar)
{
    CRect rc;
    pPopupBar->GetClientRect(&rc);
    FillIfColor(pDC, rc, m_clrRibbonFace.GetColor());
}

void CZMRRibbonTheme::FillMorePopupToolBar(CDC* pDC, CZMRCommandBar* pPopupBar)
{
    CRect rc;
    pPopupBar->GetClientRect(&rc);
    // Without either frame the popup gets the plain popup face and frame,
    // never what lay under its window.
    if (!DrawRibbonPart(pDC, L"MOREPOPUPBARFRAME", rc, 0, 1, CRect(4, 4, 4, 4), partOpaque) &&
        !DrawRibbonPart(pDC, L"POPUPBARFRAME", rc, 0, 1, CRect(4, 4, 4, 4), partOpaque))
        DrawRectangle(pDC, rc, clrPopupFill, clrPoppedFrame);
}

// ---------------------------------------------------------------- tabs

void CZMRRibbonTheme::DrawRibbonTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    if (!pDC || !pItem)
        return;
    CZMRTabManager* pManager = pItem->GetTabManager();
    const int nPosition = pManager ? pManager->GetPosition() : 0;
    CRect rc = pItem->GetRect();
    CZMRTabPaintManager::InflateRectForPosition(rc, CRect(0, 1, -1, -1), nPosition);

    const CRibbonTabState state = GetRibbonTabState(pItem);
    CZMRRibbonTab* pTab = dynamic_cast<CZMRRibbonTab*>(pItem);
    const int nColor = TabContextColor(pTab);

    // RIBBONTAB: 1 hot, 2 pressed, 3 selected, 4 selected and hot, 5 focused.
    int nState;
    if (!state.bSelected)
        nState = (pManager && pManager->GetPressedItem() == pItem) ? 2 : 1;
    else
        nState = state.bFocused ? 5 : state.bHot ? 4 : 3;

    if (state.bSelected || state.bHot)
    {
        BOOL bDrawn;
        if (!nColor)
            bDrawn = DrawRibbonPart(pDC, L"RIBBONTAB", rc, nState, 6, CRect(5, 5, 5, 5), partTransparent);
        else if (state.bSelected && (state.bFocused || state.bHot))
            bDrawn = DrawRibbonPart(pDC, L"RIBBONTAB", rc, 5, 6, CRect(5, 5, 5, 5), partTransparent);
        else
            bDrawn = DrawRibbonPart(pDC, ContextPartName(L"CONTEXTTAB%s", nColor), rc, state.bSelected ? 3 : 1, 5,
                                    CRect(5, 5, 5, 5), partOpaque);
        if (!bDrawn && state.bSelected)
        {
            // Without the skin the selected tab opens onto the groups below.
            FillIfColor(pDC, rc, GetColor(COLOR_WINDOW));
            pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, GetColor(COLOR_3DSHADOW));
            pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), GetColor(COLOR_3DSHADOW));
            pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), GetColor(COLOR_3DSHADOW));
        }
    }

    const CRect rcItem = pItem->GetRect();
    if (pItem->GetWidth() < pItem->GetContentWidth())
        DrawRibbonPart(pDC, L"RIBBONTABSEPARATOR", CRect(rcItem.right - 1, rcItem.top, rcItem.right, rcItem.bottom),
                       0, 1, CRect(0, 0, 0, 0), partOpaque);

    CZMRRibbonTabContextHeader* pHeader = (pTab && nColor) ? pTab->GetContextHeader() : nullptr;
    if (pHeader)
    {
        if (pHeader->m_pFirstTab == pTab)
            DrawRibbonPart(pDC, L"CONTEXTTABSEPARATOR",
                           CRect(rcItem.left, rcItem.top, rcItem.left + 1, rcItem.bottom - 1), 0, 1,
                           CRect(0, 0, 0, 0), partOpaque);
        if (pHeader->m_pLastTab == pTab)
            DrawRibbonPart(pDC, L"CONTEXTTABSEPARATOR",
                           CRect(rcItem.right - 1, rcItem.top, rcItem.right, rcItem.bottom - 1), 0, 1,
                           CRect(0, 0, 0, 0), partOpaque);
    }
}

// ---------------------------------------------------------------- caption band

void CZMRRibbonTheme::DrawRibbonFrameCaption(CDC* pDC, CZMRRibbonBar* pRibbonBar, BOOL bActive)
{
    const CRect rcCaption = pRibbonBar->GetCaptionRect();
    CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
    const BOOL bGlass = IsOnGlass(pRibbonBar);
    CWnd* pFrame = FrameOf(pRibbonBar);

    if (bGlass)
    {
        // Black is fully transparent on glass.
        pDC->FillSolidRect(rcCaption, RGB(0, 0, 0));
    }
    else
    {
        CZMROffice2007Image* pLeft = LoadImage(L"FRAMETOPLEFT");
        if (!pLeft)
            return;
        const int nState = bActive ? 0 : 1;
        const CRect rcMargins(0, 5, 0, 3);
        CZMROffice2007Image* pRight = LoadImage(L"FRAMETOPRIGHT");
        const int cxLeft = pLeft->GetSource(0, 2).Width();
        const int cxRight = pRight ? pRight->GetSource(0, 2).Width() : 0;
        DrawRibbonPart(pDC, L"FRAMETOPLEFT",
                       CRect(rcCaption.left, rcCaption.top, rcCaption.left + cxLeft, rcCaption.bottom), nState, 2,
                       rcMargins, partTransparent);
        DrawRibbonPart(pDC, L"FRAMETOPRIGHT",
                       CRect(rcCaption.right - cxRight, rcCaption.top, rcCaption.right, rcCaption.bottom), nState, 2,
                       rcMargins, partOpaque);
        DrawRibbonPart(pDC, L"FRAMETOPCENTER",
                       CRect(rcCaption.left + cxLeft, rcCaption.top, rcCaption.right - cxRight, rcCaption.bottom),
                       nState, 2, rcMargins, partOpaque);
    }

    if (HasQuickAccessBand(pRibbonBar))
    {
        const CRect rcQuickAccess = pRibbonBar->GetQuickAccessRect();
        const CRect rcBand(rcQuickAccess.left - 15, rcQuickAccess.top + 2, rcQuickAccess.right,
                           rcQuickAccess.top + 2 + pRibbonBar->GetQuickAccessHeight());
        const BOOL bBandOnGlass = IsRectInRibbonCaption(pRibbonBar, rcBand);
        DrawRibbonPart(pDC, bBandOnGlass ? L"RIBBONQUICKACCESSAREADWM" : L"RIBBONQUICKACCESSAREA", rcBand, 0, 1,
                       CRect(16, 3, 16, 3), partMirrorRTL | (bBandOnGlass ? partGlass : partOpaque));
    }

    if (!pRibbonBar->GetSystemButton() && pFrame)
    {
        HICON hIcon = SmallIconOfWindow(pFrame);
        if (hIcon)
        {
            const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
            ::DrawIconEx(pDC->GetSafeHdc(), rcCaption.left + 10, (rcCaption.bottom - cy - rcCaption.top) / 2, hIcon,
                         cx, cy, 0, nullptr, DI_NORMAL);
        }
    }

    CZMRRibbonContextHeaderList* pHeaders = pRibbonBar->GetContextHeaders();
    if (pHeaders && pHeaders->GetCount() > 0)
        DrawContextHeaders(pDC, pRibbonBar, pHeaders);

    if (!pFrame)
        return;
    CString strText;
    pFrame->GetWindowText(strText);
    CZMRFontDC font(pDC, &m_fntFrameCaption);
    CRect rcText = pRibbonBar->GetCaptionTextRect();
    const int cxText = pDC->GetTextExtent(strText).cx;
    if (rcText.Width() - cxText >= 0)
        rcText.left += (rcText.Width() - cxText) / 2;
    if (pFrame->IsZoomed() && pHelper)
        rcText.top += pHelper->GetFrameBorderWidth() / 2;
    if (bGlass)
        DrawGlassCaptionText(pDC, rcText, strText, pFrame, bActive);
    else
        DrawFrameCaptionText(pDC, rcText, pFrame, bActive);
}

void CZMRRibbonTheme::DrawRibbonCaptionBar(CDC* pDC, CZMRRibbonBar* pRibbonBar)
{
    CRect rcCaption = pRibbonBar->GetCaptionRect();
    rcCaption.top -= 1;
    if (!DrawRibbonPart(pDC, L"FRAMETOPCENTER", rcCaption, 0, 2, CRect(0, 5, 0, 3), partOpaque))
        FillIfColor(pDC, pRibbonBar->GetCaptionRect(), m_clrRibbonFace.GetColor());

    if (HasQuickAccessBand(pRibbonBar))
    {
        const CRect rcQuickAccess = pRibbonBar->GetQuickAccessRect();
        DrawRibbonPart(pDC, L"RIBBONQUICKACCESSAREA",
                       CRect(rcQuickAccess.left - 15, 0, rcQuickAccess.right, pRibbonBar->GetQuickAccessHeight()), 0,
                       1, CRect(16, 3, 16, 3), partMirrorRTL);
    }

    CZMRRibbonContextHeaderList* pHeaders = pRibbonBar->GetContextHeaders();
    if (pHeaders && pHeaders->GetCount() > 0)
        DrawContextHeaders(pDC, pRibbonBar, pHeaders);
}

void CZMRRibbonTheme::DrawContextHeaders(CDC* pDC, CZMRRibbonBar* pRibbonBar, CZMRRibbonContextHeaderList* pHeaders)
{
    if (!pDC || !pRibbonBar || !pHeaders)
        return;
    CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
    const BOOL bGlass = IsOnGlass(pRibbonBar);
    CFont* pFont = m_pTabPaintManager ? m_pTabPaintManager->GetFont() : nullptr;
    CZMRFontDC font(pDC, pFont && pFont->GetSafeHandle() ? pFont : nullptr);
    pDC->SetBkMode(TRANSPARENT);
    CZMRTabPaintManager::CColorSet* pColorSet = m_pTabPaintManager ? m_pTabPaintManager->GetColorSet() : nullptr;
    pDC->SetTextColor(pColorSet ? pColorSet->m_clrTextNormal.GetColor() : GetColor(COLOR_BTNTEXT));

    // A skin that lacks a header's part ends the row there. Without any skin
    // (nothing bound but the program, which has no colour table) every header
    // is a plain band in its context colour under its caption.
    const BOOL bSkinBound = GetImages() && GetImages()->HasColorIni();
    for (int i = 0; i < pHeaders->GetCount(); i++)
    {
        CZMRRibbonTabContextHeader* pHeader = pHeaders->GetAt(i);
        // The skin's own case of the name; part names are looked up by name.
        if (!DrawRibbonPart(pDC, ContextPartName(L"ContextTab%sHeader", pHeader->m_nColor), pHeader->m_rcHeader, 0,
                            1, CRect(1, 1, 1, 1), partOpaque))
        {
            if (bSkinBound)
                return;
            FillIfColor(pDC, pHeader->m_rcHeader, GetContextFallbackColor(pHeader->m_nColor));
        }
        CRect rcText = pHeader->m_rcHeader;
        rcText.left += 6;
        rcText.top += (pHelper ? pHelper->GetFrameBorderWidth() : 0) - 2;
        if (bGlass)
            DrawGlassCaptionText(pDC, rcText, pHeader->m_strCaption, FrameOf(pRibbonBar),
                                 pHelper ? pHelper->IsFrameActive() : TRUE);
        else
            pDC->DrawText(pHeader->m_strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void CZMRRibbonTheme::DrawGlassCaptionText(CDC* pDC, CRect rc, const CString& strText, CWnd* pWnd, BOOL bActive)
{
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    const BOOL bMaximized = pWnd && pWnd->IsZoomed();
    if (bMaximized)
    {
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    CZMRWinThemeWrapper theme;
    theme.OpenThemeData(pWnd ? pWnd->GetSafeHwnd() : nullptr, L"WINDOW");
    if (theme.IsThemeOpenAndActive())
    {
        CRect rcBuffer = rc;
        rcBuffer.InflateRect(5, 0);
        HDC hDC = pDC->GetSafeHdc();
        BP_PAINTPARAMS params = {sizeof(BP_PAINTPARAMS), 0, nullptr, nullptr};
        HDC hBufferDC = nullptr;
        HPAINTBUFFER hBuffer = theme.BeginBufferedPaint(hDC, rcBuffer, BPBF_TOPDOWNDIB, &params, &hBufferDC);
        if (hBufferDC)
        {
            ::BitBlt(hBufferDC, rcBuffer.left, rcBuffer.top, rcBuffer.Width(), rcBuffer.Height(), hDC, rcBuffer.left,
                     rcBuffer.top, SRCCOPY);
            HGDIOBJ hOldFont = ::SelectObject(hBufferDC, m_fntFrameCaption.GetSafeHandle()
                                                             ? m_fntFrameCaption.GetSafeHandle()
                                                             : ::GetCurrentObject(hDC, OBJ_FONT));
            DTTOPTS options = {};
            options.dwSize = sizeof(options);
            options.dwFlags = DTT_COMPOSITED | DTT_GLOWSIZE;
            options.iGlowSize = 8;
            theme.DrawThemeTextEx(hBufferDC, 1, bActive ? 1 : 2, strText, -1, nFormat, rc, &options);
            ::SelectObject(hBufferDC, hOldFont);
            theme.EndBufferedPaint(hBuffer, TRUE);
            return;
        }
    }
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawText(strText, rc, nFormat);
}

// ---------------------------------------------------------------- buttons

BOOL CZMRRibbonTheme::DrawSystemButton(CDC* pDC, CZMRControl* pButton, CRect rc)
{
    CZMRRibbonBar* pRibbonBar = pButton ? dynamic_cast<CZMRRibbonBar*>(pButton->GetParent()) : nullptr;
    if (!pDC || !pRibbonBar)
        return FALSE;
    if ((!pRibbonBar->HasFrameHelper() && !pRibbonBar->IsCaptionBandShown()) || !pRibbonBar->IsTabsVisible())
    {
        DrawToolBarItem(pDC, pButton, TRUE);
        return TRUE;
    }

    const int nIconState = pButton->IsPopupOpen() ? 4 : pButton->GetSelected() ? 2 : 0;
    CZMRImageManagerIcon* pImage = pButton->GetImage(32);
    const CSize szIcon = pImage ? pImage->GetExtent() : CSize(0, 0);
    const BOOL bComposited = IsControlRectInRibbonCaption(pButton);

    auto drawIcon = [&](CRect rcIcon) {
        const BOOL bOld = pImage->m_bDrawComposited;
        pImage->m_bDrawComposited = bComposited;
        DrawImage(pDC, (rcIcon.left + rcIcon.right - szIcon.cx) / 2, (rcIcon.top + rcIcon.bottom + 1 - szIcon.cy) / 2,
                  szIcon.cx, szIcon.cy, pImage, nIconState == 2, 0, TRUE, FALSE, nIconState == 4, FALSE);
        pImage->m_bDrawComposited = bOld;
    };

    if (pImage && szIcon.cx > 32)
    {
        drawIcon(rc);
        return TRUE;
    }

    LPCWSTR lpszPart = nullptr;
    if (rc.Width() >= 55 && rc.Height() >= 55 && LoadImage(L"FRAMESYSTEMBUTTON52"))
        lpszPart = L"FRAMESYSTEMBUTTON52";
    else if (LoadImage(L"FRAMESYSTEMBUTTON"))
        lpszPart = L"FRAMESYSTEMBUTTON";
    if (!lpszPart)
        return FALSE;

    int nShift = 0;
    if (rc.top < 0)
    {
        nShift = rc.top;
        rc.OffsetRect(0, -rc.top);
    }
    const int nPartState = pButton->IsPopupOpen() ? 2 : pButton->GetSelected() ? 1 : 0;
    CRect rcPart = rc;
    rcPart.OffsetRect(0, nShift);
    DrawRibbonPartCentered(pDC, lpszPart, rcPart, nPartState, 3, bComposited ? partGlass : partOpaque);

    if (pImage)
    {
        drawIcon(rcPart);
    }
    else
    {
        HICON hIcon = LargeIconOfWindow(pRibbonBar->GetSite());
        if (hIcon)
            ::DrawIconEx(pDC->GetSafeHdc(), (rc.left + rc.right - 33) / 2, (rc.top + rc.bottom - 31) / 2 + nShift,
                         hIcon, 32, 32, 0, nullptr, DI_NORMAL);
    }
    return TRUE;
}

void CZMRRibbonTheme::DrawQuickAccessCustomizeButton(CDC* pDC, CZMRControl* pButton)
{
    if (pButton &&
        !DrawRibbonPart(pDC, L"RIBBONQUICKACCESSBUTTON", pButton->GetRect(), ButtonPartState(pButton), 4,
                        CRect(2, 2, 2, 2), partTransparent | (IsControlRectInRibbonCaption(pButton) ? partGlass : 0)))
        DrawQuickAccessButtonWithoutPart(pDC, pButton, FALSE);
}

void CZMRRibbonTheme::DrawQuickAccessMoreButton(CDC* pDC, CZMRControl* pButton)
{
    if (pButton &&
        !DrawRibbonPart(pDC, L"RIBBONQUICKACCESSMORE", pButton->GetRect(), ButtonPartState(pButton), 4,
                        CRect(2, 2, 2, 2), partTransparent | (IsControlRectInRibbonCaption(pButton) ? partGlass : 0)))
        DrawQuickAccessButtonWithoutPart(pDC, pButton, TRUE);
}

void CZMRRibbonTheme::DrawQuickAccessButtonWithoutPart(CDC* pDC, CZMRControl* pButton, BOOL bMore)
{
    if (!pDC)
        return;
    // The same framed face as a collapsed group's button without its part.
    if (pButton->GetSelected() || pButton->IsPopupOpen())
        DrawRectangle(pDC, pButton->GetRect(), COLOR_3DFACE, COLOR_3DSHADOW);
    const COLORREF clr = GetControlTextColor(pButton);
    const CPoint c = pButton->GetRect().CenterPoint();
    if (!bMore)
    {
        // A bar over an arrow pointing down: the row's menu opens below.
        pDC->FillSolidRect(c.x - 2, c.y - 3, 5, 1, clr);
        for (int i = 0; i < 3; i++)
            pDC->FillSolidRect(c.x - 2 + i, c.y - 1 + i, 5 - 2 * i, 1, clr);
        return;
    }
    // Two chevrons pointing right, two pixels thick: more lies beyond.
    for (int x : {c.x - 4, c.x})
    {
        for (int i = 0; i < 3; i++)
        {
            pDC->FillSolidRect(x + i, c.y - 2 + i, 2, 1, clr);
            pDC->FillSolidRect(x + i, c.y + 2 - i, 2, 1, clr);
        }
    }
}

void CZMRRibbonTheme::DrawGroupScrollButton(CDC* pDC, CZMRControl* pButton, BOOL bScrollLeft)
{
    if (!pButton)
        return;
    const int nState = pButton->GetPressed() ? 2 : pButton->GetSelected() ? 1 : 0;
    if (!DrawRibbonPart(pDC, bScrollLeft ? L"RIBBONGROUPSSCROLLLEFT" : L"RIBBONGROUPSSCROLLRIGHT", pButton->GetRect(),
                        nState, 3, CRect(4, 6, 3, 6), partTransparent | partMirrorRTL))
    {
        DrawGroupScrollButtonWithoutPart(pDC, pButton, bScrollLeft, nState);
        return;
    }
    DrawRibbonPartCentered(pDC, bScrollLeft ? L"RIBBONGROUPSSCROLLLEFTGLYPH" : L"RIBBONGROUPSSCROLLRIGHTGLYPH",
                           pButton->GetRect(), nState, 3, partTransparent);
}

void CZMRRibbonTheme::DrawGroupScrollButtonWithoutPart(CDC* pDC, CZMRControl* pButton, BOOL bScrollLeft, int nState)
{
    if (!pDC)
        return;
    // Always a face: the button lies over the groups it scrolls.
    const CRect rc = pButton->GetRect();
    if (nState == 2)
        DrawRectangle(pDC, rc, clrPressedFill, clrPressedFrame);
    else if (nState == 1)
        DrawRectangle(pDC, rc, clrHotFill, clrHotFrame);
    else
        DrawRectangle(pDC, rc, COLOR_3DFACE, COLOR_3DSHADOW);
    // A solid arrow four pixels long pointing the way the groups move into
    // view; its columns grow from the tip.
    const COLORREF clr = GetControlTextColor(pButton);
    const CPoint c = rc.CenterPoint();
    for (int i = 0; i < 4; i++)
        pDC->FillSolidRect(bScrollLeft ? c.x - 2 + i : c.x + 1 - i, c.y - i, 1, 2 * i + 1, clr);
}
