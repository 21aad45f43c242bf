// The skinned theme's construction, its part pictures, and what it draws of
// bars: menu-bar text, status bars with their dividers and gripper, the
// message bar with its buttons, and the MDI workspace.
#include "CZMROffice2007Theme.h"
#include "CZMRCaptionButton.h"
#include "CZMRControlGalleryOffice2007Theme.h"
#include "CZMRDrawHelpers.h"
#include "CZMROffice2007Images.h"
#include "CZMRProgressOffice2007Theme.h"
#include "CZMRShadowManager.h"
#include "CZMRSliderOffice2007Theme.h"
#include "CZMRStatusBar.h"
#include "CZMRToolBar.h"
#include <algorithm>

namespace
{
// The key colour of part pictures drawn transparent.
const COLORREF kKeyColor = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// A face filled and framed in one colour each.
void FillFramed(CDC* pDC, const CRect& rc, COLORREF clrFace, COLORREF clrBorder)
{
    pDC->FillSolidRect(rc, clrFace);
    pDC->Draw3dRect(rc, clrBorder, clrBorder);
}
} // namespace

CZMROffice2007Theme::CZMROffice2007Theme()
    : m_bFrameStatusBar(FALSE), m_nRibbonCaptionHeight(18), m_nFrameCaptionHeight(17), m_pImages(nullptr),
      m_clrFrameCaptionTextActive(0), m_clrFrameCaptionTextInActive(0), m_clrFrameCaptionTextActiveTitle(0),
      m_clrMenuBarText(0), m_clrStatusBarShadow(0), m_clrWorkspaceClientTop(0), m_clrWorkspaceClientMiddle(0),
      m_clrWorkspaceClientBottom(0), m_clrMessageBarFrame(0), m_clrMessageBarFace(0)
{
    // Until the first refresh the colours of its own are black, never unset.
    std::fill(m_clrFrameBorderActive, m_clrFrameBorderActive + 4, COLORREF(0));
    std::fill(m_clrFrameBorderInactive, m_clrFrameBorderInactive + 4, COLORREF(0));

    m_pShadowManager->m_dwOptions = 3;
    m_nColorScheme = 0;
    m_bUseStatusBarTheme = TRUE;
    m_bNarrowArrow = TRUE;

    delete m_pGalleryPaintManager;
    m_pGalleryPaintManager = new CZMRControlGalleryOffice2007Theme(this);
    delete m_pSliderPaintManager;
    m_pSliderPaintManager = new CZMRSliderOffice2007Theme(this);
    delete m_pProgressPaintManager;
    m_pProgressPaintManager = new CZMRProgressOffice2007Theme(this);

    m_pImages = GetOffice2007Images();
}

CZMROffice2007Theme::~CZMROffice2007Theme()
{
    // The pictures go; the set and its colour table stay for the next theme.
    if (m_pImages)
        m_pImages->RemoveAll();
    m_fntFrameCaption.DeleteObject();
}

int CZMROffice2007Theme::GetThemeKind()
{
    return zmrThemeOffice2007;
}

// ---------------------------------------------------------------- the skin

CZMROffice2007Image* CZMROffice2007Theme::LoadImage(LPCWSTR lpszName)
{
    return m_pImages ? m_pImages->LoadFile(lpszName) : nullptr;
}

BOOL CZMROffice2007Theme::DrawPart(CDC* pDC, LPCWSTR lpszName, CRect rcDest, int nState, int nCount,
                                   CRect rcMargins)
{
    CZMROffice2007Image* pImage = LoadImage(lpszName);
    if (!pImage)
        return FALSE;
    pImage->DrawImageTransparent(pDC, rcDest, pImage->GetSource(nState, nCount), rcMargins, kKeyColor);
    return TRUE;
}

BOOL CZMROffice2007Theme::DrawPartCentered(CDC* pDC, LPCWSTR lpszName, CRect rc, int nState, int nCount)
{
    CZMROffice2007Image* pImage = LoadImage(lpszName);
    if (!pImage)
        return FALSE;
    const CRect rcSrc = pImage->GetSource(nState, nCount);
    const int x = (rc.left + rc.right - rcSrc.Width()) / 2, y = (rc.top + rc.bottom - rcSrc.Height()) / 2;
    pImage->DrawImageTransparent(pDC, CRect(x, y, x + rcSrc.Width(), y + rcSrc.Height()), rcSrc,
                                 CRect(0, 0, 0, 0), kKeyColor);
    return TRUE;
}

// ---------------------------------------------------------------- text

COLORREF CZMROffice2007Theme::GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                                BOOL bPopped, int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypeMenuBar && bEnabled && !nSelected && !nPressed && !nChecked && !bPopped)
        return m_clrMenuBarText;
    return CZMROfficeTheme::GetStateTextColor(nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                              nBarPosition);
}

// ---------------------------------------------------------------- status bars

void CZMROffice2007Theme::PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar)
{
    if (!pDC || !pStatusBar)
        return;
    CRect rc;
    pStatusBar->GetClientRect(rc);
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, m_clrStatusBarShadow);
    GetDrawHelpers()->DrawColorGradient(pDC, CRect(rc.left, rc.top + 1, rc.right, rc.top + 9), m_grcStatusBarTop,
                                        FALSE);
    GetDrawHelpers()->DrawColorGradient(pDC, CRect(rc.left, rc.top + 9, rc.right, rc.bottom), m_grcStatusBarBottom,
                                        FALSE);
}

void CZMROffice2007Theme::PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* /*pPane*/,
                                                 BOOL bGripperPane)
{
    if (bGripperPane)
        return;
    const int h = rcPane.Height() - 2;
    pDC->FillSolidRect(rcPane.right - 1, rcPane.top, 1, h, GetColor(clrSeparator));
    pDC->FillSolidRect(rcPane.right, rcPane.top, 1, h, kWhite);
}

void CZMROffice2007Theme::PaintStatusSizeGrip(CDC* pDC, CRect rcGripper)
{
    // Rows of 3, 2 and 1 dots from the bottom up, right-aligned, 4 px apart.
    const int x0 = rcGripper.right - 3, y0 = rcGripper.bottom - 3;
    const COLORREF clrDark = GetColor(clrSeparator);
    for (int nRow = 0; nRow < 3; nRow++)
    {
        for (int nColumn = 0; nColumn < 3 - nRow; nColumn++)
        {
            const int x = x0 - 4 * nColumn, y = y0 - 4 * nRow;
            pDC->FillSolidRect(x + 1, y + 1, 2, 2, kWhite);
            pDC->FillSolidRect(x, y, 2, 2, clrDark);
        }
    }
}

// ---------------------------------------------------------------- message bar

void CZMROffice2007Theme::PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar)
{
    if (!pDC || !pBar || !pBar->GetSafeHwnd())
        return;
    CRect rc;
    pBar->GetClientRect(rc);
    pDC->FillSolidRect(rc, m_clrMessageBarFace);
    CRect rcCaption = pBar->GetFloatingCaptionRect();
    pDC->Draw3dRect(rcCaption, m_clrMessageBarFrame, m_clrMessageBarFrame);
    rcCaption.DeflateRect(1, 1);
    GetDrawHelpers()->DrawColorGradient(pDC, rcCaption, m_grcMessageBar, FALSE);
}

void CZMROffice2007Theme::PaintFloatingCaptionButton(CDC* pDC, CZMRCaptionButton* pButton)
{
    if (!pDC || !pButton)
        return;
    const CRect rc = pButton->GetRect();
    const BOOL bHot = pButton->IsHot(), bPressed = pButton->IsPressed();
    if (pButton->GetCommand() != SC_CLOSE)
    {
        if (bHot)
            FillFramed(pDC, rc, GetColor(clrHotFill), GetColor(clrHotFrame));
        else
            FillFramed(pDC, rc, kWhite, m_clrMessageBarFrame);
        return;
    }
    if (bPressed)
        FillFramed(pDC, rc, GetColor(clrPressedFill), GetColor(clrPressedFrame));
    else if (bHot)
        FillFramed(pDC, rc, GetColor(clrHotFill), GetColor(clrHotFrame));
    if (!DrawPartCentered(pDC, L"FRAMECAPTIONCLOSE17", rc, 0, 5))
    {
        // Without the skin's glyph the plain cross, so that the button can be found.
        const COLORREF clr = GetStateTextColor(bHot, bPressed, pButton->GetEnabled(), 0, FALSE, zmrBarTypeNormal,
                                               zmrBarFloating);
        const CPoint pt = rc.CenterPoint();
        DrawLine(pDC, pt.x - 4, pt.y - 3, pt.x + 3, pt.y + 4, clr);
        DrawLine(pDC, pt.x - 3, pt.y - 3, pt.x + 4, pt.y + 4, clr);
        DrawLine(pDC, pt.x - 4, pt.y + 3, pt.x + 3, pt.y - 4, clr);
        DrawLine(pDC, pt.x - 3, pt.y + 3, pt.x + 4, pt.y - 4, clr);
    }
}

// ---------------------------------------------------------------- MDI workspace

void CZMROffice2007Theme::PaintMdiWorkspace(CDC* pDC, CRect rc)
{
    PaintMdiWorkspace(pDC, rc, CRect(0, 0, 0, 0));
}

void CZMROffice2007Theme::PaintMdiWorkspace(CDC* pDC, CRect rc, CRect rcExclude)
{
    if (!pDC)
        return;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rc);
    if (!rcExclude.IsRectEmpty())
        pDC->ExcludeClipRect(rcExclude);

    CZMROffice2007Image* pImage = LoadImage(L"WORKSPACETOPLEFT");
    if (!pImage)
    {
        // Without the skin's picture the plain workspace, never stale pixels.
        CZMROffice2003Theme::PaintMdiWorkspace(pDC, rc);
        pDC->RestoreDC(nSaved);
        return;
    }
    const CRect rcSrc = pImage->GetSource(0, 1);
    const CRect rcTop(rc.left, rc.top, rc.left + std::max(int(rcSrc.Width()), int(rc.Width())),
                      rc.top + rcSrc.Height());
    // Only the picture's last column stretches.
    pImage->DrawWithSizingMargins(pDC, rcTop, rcSrc, CRect(rcSrc.Width() - 1, 0, 0, 0));
    const int yTop = rcTop.bottom;
    const int yMiddle = yTop + (rc.bottom - yTop) * 2 / 3;
    CZMRDrawHelpers* pHelpers = GetDrawHelpers();
    pHelpers->GradientFill(pDC, CRect(rc.left, yTop, rc.right, yMiddle), m_clrWorkspaceClientTop,
                           m_clrWorkspaceClientMiddle, FALSE);
    pHelpers->GradientFill(pDC, CRect(rc.left, yMiddle, rc.right, rc.bottom), m_clrWorkspaceClientMiddle,
                           m_clrWorkspaceClientBottom, FALSE);
    pDC->RestoreDC(nSaved);
}
