// The paint manager's small drawing routines that every theme calls: frames,
// fills and lines by colour index, glyphs, labels and captions, and the
// split-button metrics. The ones that read a control wait for the control
// model: until it is in they answer as for an enabled plain button.
#include "CZMRPaintManager.h"
#include "CZMRBrushDC.h"
#include "CZMRCompatibleDC.h"
#include "CZMRDrawHelpers.h"
#include "CZMRIconHandle.h"
#include "CZMRPenDC.h"
#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- frames, fills and lines

void CZMRPaintManager::Draw3dRectByIndex(CDC* pDC, CRect rc, COLORREF nTopLeft, COLORREF nBottomRight)
{
    pDC->Draw3dRect(rc, GetColor(nTopLeft), GetColor(nBottomRight));
}

void CZMRPaintManager::DrawRectangle(CDC* pDC, CRect rc, COLORREF nFill, COLORREF nFrame)
{
    const COLORREF nNone = COLORREF(-1);
    if (nFill != nNone)
        pDC->FillSolidRect(rc, GetColor(nFill));
    if (nFrame != nFill && nFrame != nNone)
        Draw3dRectByIndex(pDC, rc, nFrame, nFrame);
}

void CZMRPaintManager::HorizontalLine(CDC* pDC, int x1, int y, int x2, COLORREF clr)
{
    pDC->FillSolidRect(x1, y, x2 - x1, 1, GetColor(clr));
}

void CZMRPaintManager::VerticalLine(CDC* pDC, int x, int y1, int y2, COLORREF clr)
{
    pDC->FillSolidRect(x, y1, 1, y2 - y1, GetColor(clr));
}

void CZMRPaintManager::Line(CDC* pDC, int x1, int y1, int x2, int y2)
{
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void CZMRPaintManager::DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr)
{
    CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(clr));
    Line(pDC, x1, y1, x2, y2);
}

void CZMRPaintManager::DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CZMRPenDC pen(pDC->GetSafeHdc(), clr);
    CZMRBrushDC brush(pDC->GetSafeHdc(), clr);
    CZMRDrawHelpers::Triangle(pDC, pt0, pt1, pt2);
}

void CZMRPaintManager::GradientFillByIndex(CDC* pDC, CRect rc, COLORREF clrFirst, COLORREF clrSecond, BOOL bHorz,
                                           LPCRECT lpRectClip)
{
    GetDrawHelpers()->GradientFillClipped(pDC, rc, GetColor(clrFirst), GetColor(clrSecond), bHorz, lpRectClip);
}

void CZMRPaintManager::MakeRectOpaque(CDC* pDC, CRect rc)
{
    const int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0)
        return;
    LPBYTE pBits = nullptr;
    HBITMAP hBitmap = CreateArgbDibSection(pDC->GetSafeHdc(), cx, cy, &pBits);
    if (!hBitmap)
        return;
    {
        CZMRCompatibleDC dcMem(pDC, hBitmap);
        dcMem.BitBlt(0, 0, cx, cy, pDC, rc.left, rc.top, SRCCOPY);
        ::GdiFlush();
        for (int i = 0; i < cx * cy; i++)
            pBits[4 * i + 3] = 255;
        pDC->BitBlt(rc.left, rc.top, cx, cy, &dcMem, 0, 0, SRCCOPY);
    }
    ::DeleteObject(hBitmap);
}

// ---------------------------------------------------------------- glyphs

void CZMRPaintManager::DrawCheckMarkShape(CDC* pDC, CRect rc, COLORREF clr, BOOL bRightToLeft)
{
    const int cx = rc.left + (rc.right - rc.left) / 2;
    const int cy = rc.top + (rc.bottom - rc.top) / 2;
    CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(clr));
    if (!bRightToLeft)
    {
        const POINT upper[] = {{cx - 4, cy - 1}, {cx - 2, cy + 1}, {cx + 3, cy - 4}};
        const POINT lower[] = {{cx - 4, cy}, {cx - 2, cy + 2}, {cx + 3, cy - 3}};
        pDC->Polyline(upper, 3);
        pDC->Polyline(lower, 3);
    }
    else
    {
        const POINT upper[] = {{cx - 4, cy - 3}, {cx, cy + 1}, {cx + 3, cy - 2}};
        const POINT lower[] = {{cx - 4, cy - 2}, {cx, cy + 2}, {cx + 3, cy - 1}};
        pDC->Polyline(upper, 3);
        pDC->Polyline(lower, 3);
    }
}

void CZMRPaintManager::DrawCheckMark(CDC* pDC, CRect rc, BOOL /*bEnabled*/, COLORREF clr)
{
    const BOOL bRightToLeft = CZMRDrawHelpers::IsDCRightToLeft(pDC);
    DrawCheckMarkShape(pDC, rc, clr, bRightToLeft);
    if (m_bBoldCheckMark)
    {
        rc.OffsetRect(0, 1);
        DrawCheckMarkShape(pDC, rc, clr, bRightToLeft);
    }
}

void CZMRPaintManager::BlendPixel(CDC* pDC, int x, int y, COLORREF clrA, COLORREF clrB, double t)
{
    COLORREF clrBase = clrB;
    if (t < 0)
        t = -t;
    else
        clrBase = pDC->GetPixel(x, y);
    // A pixel that cannot be read (outside the clip) is not written either.
    if (clrBase == CLR_INVALID)
        return;
    auto mix = [t](int a, int base) { return int(a + t * (base - a)); };
    pDC->SetPixel(x, y,
                  RGB(mix(GetRValue(clrA), GetRValue(clrBase)), mix(GetGValue(clrA), GetGValue(clrBase)),
                      mix(GetBValue(clrA), GetBValue(clrBase))));
}

void CZMRPaintManager::DrawAntialiasedDisc(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF clrA, COLORREF clrB)
{
    clrA = GetColor(clrA);
    clrB = GetColor(clrB);
    const double r = (x1 - x0 - 1) / 2.0 - 0.25;
    const double cx = (x0 + x1 - 1) / 2.0;
    const double cy = (y0 + y1 - 1) / 2.0;
    for (int y = y0; y < y1; y++)
    {
        for (int x = x0; x < x1; x++)
        {
            const double d = std::hypot(x - cx, y - cy);
            if (d >= r - 1 && d <= r + 1)
                BlendPixel(pDC, x, y, clrA, clrB, d - r);
            else if (d < r - 1)
                pDC->SetPixel(x, y, clrB);
        }
    }
}

void CZMRPaintManager::DrawRadioDot(CDC* pDC, CRect rc, BOOL /*bEnabled*/, COLORREF clr)
{
    const CPoint pt = rc.CenterPoint();
    DrawAntialiasedDisc(pDC, pt.x - 3, pt.y - 3, pt.x + 3, pt.y + 3, clr, clr);
}

void CZMRPaintManager::DrawDropDownTriangle(CDC* pDC, CRect rc, COLORREF clr)
{
    const int f = std::max(rc.Width() / 2 - 4, 2);
    const int cx = rc.CenterPoint().x;
    const int y = (rc.top + rc.bottom) / 2 - f / 2;
    DrawTriangle(pDC, CPoint(cx - f, y), CPoint(cx + f, y), CPoint(cx, y + f), GetColor(clr));
}

void CZMRPaintManager::DrawPopupArrow(CDC* pDC, CZMRControl* /*pControl*/, int x, int y, int nSelected,
                                      BOOL bPopped, BOOL bEnabled, BOOL bVertical)
{
    // Always in the colours of a horizontal tool bar, whatever bar it is on.
    const COLORREF clr = GetColor(GetStateTextColor(nSelected, 0, bEnabled, 0, bPopped, 1, 0));
    if (!bVertical)
        DrawTriangle(pDC, CPoint(x - 2, y - 1), CPoint(x + 2, y - 1), CPoint(x, y + 1), clr);
    else
        DrawTriangle(pDC, CPoint(x + 2, y - 2), CPoint(x + 2, y + 2), CPoint(x, y), clr);
}

namespace
{
// Check boxes and radio buttons share their drawing: the "BUTTON" visual
// style when it is on, the system's frame control otherwise.
void DrawButtonGlyph(CDC* pDC, CRect rc, CZMRWinThemeWrapper& theme, BOOL bUseTheme, int nPart, UINT nFrameStyle,
                     int nSelected, int nPressed, int nChecked, BOOL bEnabled)
{
    if (bUseTheme && theme.IsThemeOpenAndActive())
    {
        const int s = !bEnabled ? 3 : (nSelected && nPressed) ? 2 : nSelected ? 1 : 0;
        const int c = nChecked == 1 ? 4 : nChecked == 2 ? 8 : 0;
        theme.DrawThemeBackground(pDC->GetSafeHdc(), nPart, 1 + s + c, rc, nullptr);
        return;
    }
    UINT nState = nFrameStyle;
    if (nChecked)
        nState |= DFCS_CHECKED;
    if (nPressed)
        nState |= DFCS_PUSHED;
    if (!bEnabled || nChecked == 2)
        nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(rc, DFC_BUTTON, nState);
}
}

CSize CZMRPaintManager::DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                                          BOOL bEnabled)
{
    if (bDraw && pDC)
        DrawButtonGlyph(pDC, rc, m_themeButton, m_bUseButtonTheme, 3 /* BP_CHECKBOX */, DFCS_BUTTONCHECK, nSelected,
                        nPressed, nChecked, bEnabled);
    return CSize(13, 13);
}

CSize CZMRPaintManager::DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                                             int nChecked, BOOL bEnabled)
{
    if (bDraw && pDC)
        DrawButtonGlyph(pDC, rc, m_themeButton, m_bUseButtonTheme, 2 /* BP_RADIOBUTTON */, DFCS_BUTTONRADIO,
                        nSelected, nPressed, nChecked, bEnabled);
    return CSize(13, 13);
}

// ---------------------------------------------------------------- text

int CZMRPaintManager::DrawItemLabel(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bDraw,
                                    int nSelected, BOOL bEnabled)
{
    if (!pDC)
        return 0;
    if (!bDraw)
        nFormat = DT_CALCRECT;
    nFormat |= DT_SINGLELINE | DT_VCENTER;

    if (bDraw && !nSelected && !bEnabled && m_bEmbossDisabledText)
    {
        const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect rcEmboss = rc;
        rcEmboss.OffsetRect(1, 1);
        pDC->DrawText(strText, rcEmboss, nFormat);
        pDC->SetTextColor(clrOld);
    }
    return pDC->DrawText(strText, rc, nFormat);
}

void CZMRPaintManager::DrawControlCaptionText(CDC* pDC, const CString& strCaption, const CString& strCaptionNoMarkers,
                                              CRect rc, BOOL bVertical, BOOL bCentered, BOOL bEmbossed,
                                              BOOL bShowCues, BOOL bOnGlass)
{
    const UINT nFormat = DT_SINGLELINE | (bCentered ? DT_CENTER : 0);
    CRect rcEmboss = rc;
    rcEmboss.OffsetRect(1, 1);

    if (bVertical)
    {
        // Vertical captions never underline and never go through the buffer.
        const UINT nVertical = nFormat | DT_NOPREFIX | DT_NOCLIP;
        if (bEmbossed)
        {
            const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            pDC->DrawText(strCaptionNoMarkers, rcEmboss, nVertical);
            pDC->SetTextColor(clrOld);
        }
        pDC->DrawText(strCaptionNoMarkers, rc, nVertical);
        return;
    }

    if (bEmbossed)
    {
        const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        DrawTextComposited(pDC, strCaptionNoMarkers, rcEmboss, nFormat | DT_NOPREFIX | DT_VCENTER, bOnGlass);
        pDC->SetTextColor(clrOld);
    }
    if (bShowCues)
        DrawTextComposited(pDC, strCaption, rc, nFormat | DT_VCENTER, bOnGlass);
    else
        DrawTextComposited(pDC, strCaptionNoMarkers, rc, nFormat | DT_NOPREFIX | DT_VCENTER, bOnGlass);
}

void CZMRPaintManager::DrawTextComposited(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bOnGlass)
{
    if (bOnGlass)
    {
        CZMRWinThemeWrapper theme;
        theme.OpenThemeData(nullptr, L"GLOBALS");
        if (theme.IsThemeOpenAndActive())
        {
            HDC hDC = pDC->GetSafeHdc();
            BP_PAINTPARAMS params = {sizeof(BP_PAINTPARAMS), 0, nullptr, nullptr};
            HDC hBufferDC = nullptr;
            HPAINTBUFFER hBuffer = theme.BeginBufferedPaint(hDC, rc, BPBF_TOPDOWNDIB, &params, &hBufferDC);
            if (hBufferDC)
            {
                ::BitBlt(hBufferDC, rc.left, rc.top, rc.Width(), rc.Height(), hDC, rc.left, rc.top, SRCCOPY);
                HGDIOBJ hOldFont = ::SelectObject(hBufferDC, ::GetCurrentObject(hDC, OBJ_FONT));
                DTTOPTS options = {};
                options.dwSize = sizeof(options);
                options.dwFlags = DTT_COMPOSITED | DTT_TEXTCOLOR;
                options.crText = pDC->GetTextColor();
                theme.DrawThemeTextEx(hBufferDC, 0, 0, strText, -1, nFormat, rc, &options);
                ::SelectObject(hBufferDC, hOldFont);
                theme.EndBufferedPaint(hBuffer, TRUE);
                return;
            }
            // Without a buffer the text is still drawn, plainly.
        }
    }
    pDC->DrawText(strText, rc, nFormat);
}

void CZMRPaintManager::RemoveMnemonicMarkers(CString& strCaption)
{
    CZMRDrawHelpers::RemoveMnemonicMarkers(strCaption);
}

void CZMRPaintManager::SplitCaptionInTwo(const CString& strCaption, CString& strFirstLine, CString& strSecondLine)
{
    strFirstLine = strCaption;
    strSecondLine.Empty();

    const int nLength = strCaption.GetLength();
    const int c = nLength / 2;
    if (c <= 1 || strCaption.Find(L' ', 1) < 0)
        return;

    // Nearest the middle first, the left candidate before the right one.
    for (int j = 0; j < c - 1; j++)
    {
        for (int p : {c - j, c + j + 1})
        {
            if (strCaption[p] == L' ')
            {
                strFirstLine = strCaption.Left(p);
                strSecondLine = strCaption.Mid(p + 1);
                return;
            }
        }
    }
}

// ---------------------------------------------------------------- control metrics

int CZMRPaintManager::GetSplitArrowWidth() const
{
    // The raw base height: the 22-pixel floor of GetBaseHeight does not apply.
    if (m_nFixedControlHeight >= 1)
        return 2 * m_nBaseHeight - 17;
    const int h = std::max(m_nBaseHeight + 3, 22);
    return 2 * h - 17;
}
