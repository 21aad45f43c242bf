#include "CZMRMarkupButton.h"
#include "CZMRDrawHelpers.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupButton)

namespace
{
// The space the frame takes on every side of the content.
const int nFrame = 4;

// Push button states of the visual style.
enum { stateNormal = 1, stateHot = 2, statePressed = 3, stateDisabled = 4 };
const int partPushButton = 1;

// Draws the focus rectangle with white text and black background colours.
void DrawFocus(HDC hDC, CRect rc)
{
    const COLORREF clrOldText = ::SetTextColor(hDC, RGB(255, 255, 255));
    const COLORREF clrOldBack = ::SetBkColor(hDC, RGB(0, 0, 0));
    ::DrawFocusRect(hDC, &rc);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
}
}

CSize CZMRMarkupButton::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    m_themeButton.OpenThemeData(nullptr, L"BUTTON");
    const CSize szPadding = GetThicknessSize(GetPadding());
    const CSize szExtra(AddLengths(szPadding.cx, 2 * nFrame), AddLengths(szPadding.cy, 2 * nFrame));
    CZMRMarkupUIElement* pContent = GetContent();
    if (!pContent)
        return szExtra;
    pContent->Measure(pDC, SubtractLength(nAvailableWidth, szExtra.cx), SubtractLength(nAvailableHeight, szExtra.cy));
    const CSize szContent = pContent->GetDesiredSize();
    return CSize(AddLengths(szContent.cx, szExtra.cx), AddLengths(szContent.cy, szExtra.cy));
}

CSize CZMRMarkupButton::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    CZMRMarkupUIElement* pContent = GetContent();
    if (pContent)
    {
        CRect rc(0, 0, nFinalWidth, nFinalHeight);
        if (IsPressed() && (!m_themeButton.IsThemeOpenAndActive() || GetBackground()))
            rc.OffsetRect(1, 1);
        rc = CZMRMarkupThickness::DeflateRect(rc, MarkupCast<CZMRMarkupThickness>(GetValue(m_pPaddingProperty)));
        rc.InflateRect(-nFrame, -nFrame);
        // A button smaller than its frame gives the content no room, never
        // a negative one.
        rc.right = std::max(rc.right, rc.left);
        rc.bottom = std::max(rc.bottom, rc.top);
        pContent->Arrange(rc);
    }
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupButton::OnRender(CZMRMarkupDrawingContext* pDC)
{
    const HDC hDC = pDC->GetOutputDC();
    const int cx = m_szRender.cx;
    const int cy = m_szRender.cy;
    const CRect rc(0, 0, cx, cy);
    const BOOL bPressed = IsPressed();
    CZMRMarkupBrush* pBackground = GetBackground();
    COLORREF clrLight, clrShadow, clrDark;
    if (!pBackground)
    {
        if (m_themeButton.IsThemeOpenAndActive())
        {
            const int nState = !IsEnabled() ? stateDisabled
                               : bPressed   ? statePressed
                               : IsMouseOver() ? stateHot
                                               : stateNormal;
            m_themeButton.DrawThemeBackground(hDC, partPushButton, nState, &rc, nullptr);
            return;
        }
        clrLight = ::GetSysColor(COLOR_WINDOW);
        clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
        clrDark = ::GetSysColor(COLOR_3DDKSHADOW);
        pDC->FillSolidRect(0, 0, cx, cy, ::GetSysColor(COLOR_BTNFACE));
    }
    else
    {
        // Shades of the background's colour; the face is the brush itself,
        // so a gradient stays a gradient.
        const DWORD dwHSL = CZMRDrawHelpers::RGBToHSL(pBackground->GetColor());
        const DWORD dwHueSat = dwHSL & 0xFFFF;
        const DWORD dwLightness = (dwHSL >> 16) & 0xFF;
        clrLight = CZMRDrawHelpers::HSLToRGB(dwHueSat | (((dwLightness + 240) / 2) << 16));
        clrShadow = CZMRDrawHelpers::HSLToRGB(dwHueSat | (static_cast<DWORD>(::MulDiv(dwLightness, 2, 3)) << 16));
        clrDark = RGB(GetRValue(clrShadow) / 2, GetGValue(clrShadow) / 2, GetBValue(clrShadow) / 2);
        pDC->FillRect(pBackground, 0, 0, cx, cy);
    }

    if (bPressed)
    {
        HBRUSH hFrame = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOWFRAME));
        ::FrameRect(hDC, &rc, hFrame);
        ::DeleteObject(hFrame);
        HBRUSH hShadow = ::CreateSolidBrush(clrShadow);
        CRect rcInner(rc);
        rcInner.DeflateRect(1, 1);
        ::FrameRect(hDC, &rcInner, hShadow);
        ::DeleteObject(hShadow);
        return;
    }
    pDC->FillSolidRect(0, 0, cx, 1, clrLight);
    pDC->FillSolidRect(0, 0, 1, cy, clrLight);
    pDC->FillSolidRect(1, cy - 2, cx - 1, cy - 1, clrShadow);
    pDC->FillSolidRect(cx - 2, 1, cx - 1, cy - 1, clrShadow);
    pDC->FillSolidRect(0, cy - 1, cx - 1, cy, clrDark);
    pDC->FillSolidRect(cx - 1, 0, cx, cy, clrDark);
}

void CZMRMarkupButton::OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC)
{
    CRect rc(0, 0, m_szRender.cx, m_szRender.cy);
    rc.DeflateRect(3, 3);
    DrawFocus(pDC->GetOutputDC(), rc);
}
