// The skinned theme's drawing of a frame window's non-client area: borders,
// caption, caption buttons and title, the status-bar strip, and the frame's
// rounded window region.
#include "CZMROffice2007Theme.h"
#include "CZMRBufferDC.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRDrawHelpers.h"
#include "CZMRFontDC.h"
#include "CZMROffice2007Image.h"
#include "CZMRRibbonFrameHelper.h"

#include <algorithm>
#include <new>

namespace
{
const COLORREF kKeyColor = RGB(255, 0, 255);

// A top part of the frame (state by activity, of 2) drawn from the source
// band rcSrc into rcDest; nothing when the skin lacks it.
void DrawTopPart(CZMROffice2007Image* pImage, CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                 const CRect& rcMargins)
{
    if (pImage && !rcDest.IsRectEmpty() && !rcSrc.IsRectEmpty())
        pImage->DrawWithSizingMargins(pDC, rcDest, rcSrc, rcMargins);
}
} // namespace

// ---------------------------------------------------------------- layout rules

int CZMROffice2007Theme::GetFrameRegionRects(int cx, int cy, BOOL bRoundedBottom, CRect* pRects)
{
    // Below 8 pixels either way the rounded corners would overlap and the
    // rectangles turn inside out: such a frame keeps its square window.
    if (cx < 8 || cy < 8)
        return 0;
    int n = 0;
    pRects[n++].SetRect(4, 0, cx - 4, 1);
    pRects[n++].SetRect(2, 1, cx - 2, 2);
    pRects[n++].SetRect(1, 2, cx - 1, 3);
    pRects[n++].SetRect(1, 3, cx - 1, 4);
    pRects[n++].SetRect(0, 4, cx, cy - 4);
    if (bRoundedBottom)
    {
        pRects[n++].SetRect(1, cy - 4, cx - 1, cy - 2);
        pRects[n++].SetRect(2, cy - 2, cx - 2, cy - 1);
        pRects[n++].SetRect(4, cy - 1, cx - 4, cy);
    }
    else
    {
        pRects[n++].SetRect(0, cy - 4, cx, cy);
    }
    return n;
}

int CZMROffice2007Theme::GetFrameCaptionGlyphSize(int nButtonHeight)
{
    if (nButtonHeight <= 14)
        return 13;
    return nButtonHeight <= 26 ? 17 : 23;
}

int CZMROffice2007Theme::GetFrameCaptionGlyphState(BOOL bSelected, BOOL bPressed, BOOL bEnabledAndActive)
{
    if (!bEnabledAndActive)
        return 3;
    if (bPressed)
        return bSelected ? 2 : 1;
    return bSelected ? 1 : 0;
}

CString CZMROffice2007Theme::GetFrameCaptionGlyphName(int nId, int nButtonHeight)
{
    LPCWSTR lpszKind = L"RESTORE";
    if (nId == SC_CLOSE)
        lpszKind = L"CLOSE";
    else if (nId == SC_MINIMIZE)
        lpszKind = L"MINIMIZE";
    else if (nId == SC_MAXIMIZE)
        lpszKind = L"MAXIMIZE";
    CString strName;
    strName.Format(L"FRAMECAPTION%s%i", lpszKind, GetFrameCaptionGlyphSize(nButtonHeight));
    return strName;
}

// ---------------------------------------------------------------- frame

void CZMROffice2007Theme::DrawFrame(CDC* pDC, CZMRRibbonFrameHelper* pFrameHelper)
{
    if (!pDC || !pFrameHelper)
        return;
    HWND hWnd = pFrameHelper->GetFrameHwnd();
    if (!hWnd || !::IsWindow(hWnd))
        return;

    CRect rcWindow, rcClient;
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    const int W = rcClient.left - rcWindow.left;
    const int B = rcWindow.bottom - rcClient.bottom;
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);

    const BOOL bActive = pFrameHelper->IsFrameActive();
    const BOOL bMaximized = (pFrameHelper->GetFrameStyle() & WS_MAXIMIZE) != 0;
    const int nFrameBorder = pFrameHelper->GetFrameBorderWidth();
    const int nCaptionHeight = pFrameHelper->GetCaptionHeight();
    const int Yc = rcWindow.top + nCaptionHeight;
    int S = 0;
    const BOOL bStatusBar = pFrameHelper->GetFrameStatusBarHeight(&S);
    const COLORREF* c = bActive ? m_clrFrameBorderActive : m_clrFrameBorderInactive;
    const int nState = bActive ? 0 : 1;

    // Side columns, the outermost down to the bottom, the inner ones down to
    // the status bar when it lies in the frame.
    const int yInner = bStatusBar ? rcWindow.bottom - (S + 1) : rcWindow.bottom;
    const int l = rcWindow.left, r = rcWindow.right;
    if (W > 0)
    {
        pDC->FillSolidRect(l, Yc, 1, rcWindow.bottom - Yc, c[0]);
        pDC->FillSolidRect(r - 1, Yc, 1, rcWindow.bottom - Yc, c[0]);
    }
    if (W > 1)
    {
        pDC->FillSolidRect(l + 1, Yc, 1, yInner - Yc, c[1]);
        pDC->FillSolidRect(r - 2, Yc, 1, yInner - Yc, c[1]);
    }
    if (W > 2)
    {
        pDC->FillSolidRect(l + 2, Yc, 1, yInner - Yc, c[2]);
        pDC->FillSolidRect(r - 3, Yc, 1, yInner - Yc, c[2]);
    }
    if (W > 3)
    {
        pDC->FillSolidRect(l + 3, Yc, W - 3, yInner - Yc, c[3]);
        pDC->FillSolidRect(r - W, Yc, W - 3, yInner - Yc, c[3]);
    }

    pDC->FillSolidRect(l, rcWindow.bottom - 1, rcWindow.Width(), 1,
                       bActive ? (bMaximized ? m_clrFrameBorderActive[3] : m_clrFrameBorderActive[0])
                               : m_clrFrameBorderInactive[0]);
    if (B > 1)
        pDC->FillSolidRect(l + 1, rcWindow.bottom - B, rcWindow.Width() - 2, B - 1, c[3]);

    CZMROffice2007Image* pTopLeft = LoadImage(L"FRAMETOPLEFT");
    CZMROffice2007Image* pTopRight = LoadImage(L"FRAMETOPRIGHT");
    CZMROffice2007Image* pTopCenter = LoadImage(L"FRAMETOPCENTER");
    const CRect rcMargins(0, 5, 0, 3);
    if (pFrameHelper->IsStandardCaption())
    {
        const CRect rcCaption(l, rcWindow.top, r, Yc);
        CZMRBufferDC dc(pDC->GetSafeHdc(), rcCaption);

        const int cxLeft = pTopLeft ? pTopLeft->GetExtent().cx : 0;
        const int cxRight = pTopRight ? pTopRight->GetExtent().cx : 0;
        if (pTopLeft)
            DrawTopPart(pTopLeft, &dc, CRect(l, rcWindow.top, l + cxLeft, Yc), pTopLeft->GetSource(nState, 2),
                        rcMargins);
        if (pTopRight)
            DrawTopPart(pTopRight, &dc, CRect(r - cxRight, rcWindow.top, r, Yc), pTopRight->GetSource(nState, 2),
                        rcMargins);
        if (pTopCenter)
            DrawTopPart(pTopCenter, &dc, CRect(l + cxLeft, rcWindow.top, r - cxRight, Yc),
                        pTopCenter->GetSource(nState, 2), rcMargins);

        CRect rcText(7, rcWindow.top + nFrameBorder, r, Yc - 3);
        CWnd* pFrame = CWnd::FromHandle(hWnd);
        if (HICON hIcon = SmallIconOfWindow(pFrame))
        {
            const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
            const int y = nFrameBorder - 1 + (nCaptionHeight - nFrameBorder - cyIcon) / 2;
            // Icons keep their orientation in a mirrored caption.
            const DWORD dwLayout = ::GetLayout(dc.GetSafeHdc());
            if (dwLayout & LAYOUT_RTL)
                ::SetLayout(dc.GetSafeHdc(), dwLayout | LAYOUT_BITMAPORIENTATIONPRESERVED);
            ::DrawIconEx(dc.GetSafeHdc(), 7, y, hIcon, cxIcon, cyIcon, 0, nullptr, DI_NORMAL);
            if (dwLayout & LAYOUT_RTL)
                ::SetLayout(dc.GetSafeHdc(), dwLayout);
            rcText.left = cxIcon + 12;
        }

        // The title ends before the leftmost button drawn, or at the window's
        // right when there is none, less the border in both cases.
        int xButtons = r;
        CZMRControls* pButtons = pFrameHelper->GetCaptionButtons();
        for (int i = 0; pButtons && i < pButtons->GetCount(); i++)
        {
            CZMRControl* pButton = pButtons->GetAt(i);
            if (!pButton || !pButton->IsVisible(0))
                continue;
            const CRect rcButton = pButton->GetRect();
            DrawFrameCaptionButton(&dc, rcButton, pButton->GetID(), pButton->GetSelected(), pButton->GetPressed(),
                                   pButton->GetEnabled() && bActive);
            xButtons = std::min(xButtons, int(rcButton.left));
        }
        rcText.right = xButtons - W;

        DrawFrameCaptionText(&dc, rcText, pFrame, bActive);
    }
    else
    {
        // The ribbon draws the caption: only the frame's top border here.
        if (pTopLeft)
        {
            CRect rcSrc = pTopLeft->GetSource(nState, 2);
            rcSrc.right = rcSrc.left + std::min(W, int(rcSrc.Width()));
            DrawTopPart(pTopLeft, pDC, CRect(l, rcWindow.top, l + W, Yc), rcSrc, rcMargins);
        }
        if (pTopRight)
        {
            CRect rcSrc = pTopRight->GetSource(nState, 2);
            rcSrc.left = rcSrc.right - std::min(W, int(rcSrc.Width()));
            DrawTopPart(pTopRight, pDC, CRect(r - W, rcWindow.top, r, Yc), rcSrc, rcMargins);
        }
        if (pTopCenter)
        {
            CRect rcSrc = pTopCenter->GetSource(nState, 2);
            rcSrc.bottom = rcSrc.top + std::min(nFrameBorder, int(rcSrc.Height()));
            DrawTopPart(pTopCenter, pDC, CRect(l + W, rcWindow.top, r - W, rcWindow.top + nFrameBorder), rcSrc,
                        CRect(0, 0, 0, 0));
        }
    }

    if (bStatusBar)
    {
        const CRect rcStrip(0, rcWindow.bottom - B - S, 0, rcWindow.bottom - B);
        if (CZMROffice2007Image* pLight = LoadImage(L"STATUSBARLIGHT"))
        {
            const CRect rcSrc(0, 0, std::min(W - 1, int(pLight->GetExtent().cx)), pLight->GetExtent().cy);
            DrawTopPart(pLight, pDC, CRect(l + 1, rcStrip.top, l + W, rcStrip.bottom), rcSrc, CRect(0, 0, 0, 0));
        }
        if (CZMROffice2007Image* pDark = LoadImage(L"STATUSBARDARK"))
        {
            const CRect rcSrc(0, 0, std::min(W - 1, int(pDark->GetExtent().cx)), pDark->GetExtent().cy);
            DrawTopPart(pDark, pDC, CRect(r - W, rcStrip.top, r - 1, rcStrip.bottom), rcSrc, CRect(0, 0, 0, 0));
        }
        if (W >= 4)
        {
            if (CZMROffice2007Image* pCorner = LoadImage(L"FRAMEBOTTOMLEFT"))
            {
                const CRect rcSrc = pCorner->GetSource(nState, 2);
                pCorner->DrawImageTransparent(pDC,
                                              CRect(l, rcWindow.bottom - rcSrc.Height(), l + rcSrc.Width(),
                                                    rcWindow.bottom),
                                              rcSrc, CRect(0, 0, 0, 0), kKeyColor);
            }
            if (CZMROffice2007Image* pCorner = LoadImage(L"FRAMEBOTTOMRIGHT"))
            {
                const CRect rcSrc = pCorner->GetSource(nState, 2);
                pCorner->DrawImageTransparent(pDC,
                                              CRect(r - rcSrc.Width(), rcWindow.bottom - rcSrc.Height(), r,
                                                    rcWindow.bottom),
                                              rcSrc, CRect(0, 0, 0, 0), kKeyColor);
            }
        }
    }
}

HRGN CZMROffice2007Theme::CreateFrameRegion(CZMRRibbonFrameHelper* pFrameHelper, int cx, int cy)
{
    if (!pFrameHelper || (pFrameHelper->GetFrameStyle() & WS_MAXIMIZE))
        return nullptr;
    const BOOL bRounded = pFrameHelper->GetFrameStatusBarHeight() && pFrameHelper->GetFrameBorderWidth() > 3;
    CRect rects[8];
    const int nCount = GetFrameRegionRects(cx, cy, bRounded, rects);
    if (nCount == 0)
        return nullptr;

    const DWORD cbData = DWORD(sizeof(RGNDATAHEADER) + nCount * sizeof(RECT));
    BYTE* pData = new (std::nothrow) BYTE[cbData];
    if (!pData)
        return nullptr;
    RGNDATA* pRgnData = reinterpret_cast<RGNDATA*>(pData);
    pRgnData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pRgnData->rdh.iType = RDH_RECTANGLES;
    pRgnData->rdh.nCount = DWORD(nCount);
    pRgnData->rdh.nRgnSize = DWORD(nCount * sizeof(RECT));
    ::SetRect(&pRgnData->rdh.rcBound, 0, 0, cx, cy);
    RECT* pRects = reinterpret_cast<RECT*>(pRgnData->Buffer);
    for (int i = 0; i < nCount; i++)
        pRects[i] = rects[i];
    HRGN hRgn = ::ExtCreateRegion(nullptr, cbData, pRgnData);
    delete[] pData;
    return hRgn;
}

void CZMROffice2007Theme::DrawFrameCaptionButton(CDC* pDC, CRect rc, int nId, BOOL bSelected, BOOL bPressed,
                                                 BOOL bEnabledAndActive)
{
    if (!pDC)
        return;
    if (bSelected || bPressed)
        DrawPart(pDC, L"FRAMECAPTIONBUTTON", rc, bPressed && bSelected ? 1 : 0, 2, CRect(3, 3, 3, 3));
    DrawPartCentered(pDC, GetFrameCaptionGlyphName(nId, rc.Height()), rc,
                     GetFrameCaptionGlyphState(bSelected, bPressed, bEnabledAndActive), 5);
}

void CZMROffice2007Theme::DrawFrameCaptionText(CDC* pDC, CRect rcText, CWnd* pFrame, BOOL bActive)
{
    if (!pDC || !pFrame || !pFrame->GetSafeHwnd())
        return;
    CString strText;
    GetDefaultWindowText(pFrame->GetSafeHwnd(), strText);

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CZMRFontDC font(pDC, &m_fntFrameCaption);
    pDC->SetTextColor(bActive ? m_clrFrameCaptionTextActive : m_clrFrameCaptionTextInActive);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

    // With the document's name first, the frame's own title after it stands apart.
    CString strTitle;
    CFrameWnd* pFrameWnd = DYNAMIC_DOWNCAST(CFrameWnd, pFrame);
    if (pFrameWnd && (pFrameWnd->GetStyle() & FWS_PREFIXTITLE) && pFrameWnd->GetActiveDocument())
        strTitle = pFrameWnd->GetTitle();
    const int nTitle = strTitle.GetLength();
    if (nTitle > 0 && strText.GetLength() >= nTitle && strText.Right(nTitle) == strTitle &&
        !(pFrame->GetExStyle() & WS_EX_LAYOUTRTL))
    {
        const CString strDocument = strText.Left(strText.GetLength() - nTitle);
        pDC->DrawText(strDocument, rcText, nFormat);
        SIZE sz = {0, 0};
        ::GetTextExtentPoint32W(pDC->GetSafeHdc(), strDocument, strDocument.GetLength(), &sz);
        rcText.left += sz.cx + 2;
        if (rcText.left < rcText.right - 5)
        {
            pDC->SetTextColor(bActive ? m_clrFrameCaptionTextActiveTitle : m_clrFrameCaptionTextInActive);
            pDC->DrawText(strTitle, rcText, nFormat);
        }
    }
    else
    {
        pDC->DrawText(strText, rcText, nFormat);
    }
    pDC->SetBkMode(nOldMode);
}

HICON CZMROffice2007Theme::SmallIconOfWindow(CWnd* pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd)
        return nullptr;
    const DWORD dwStyle = DWORD(::GetWindowLongW(hWnd, GWL_STYLE));
    const DWORD dwExStyle = DWORD(::GetWindowLongW(hWnd, GWL_EXSTYLE));
    if ((dwExStyle & WS_EX_TOOLWINDOW) || !(dwStyle & WS_SYSMENU))
        return nullptr;
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageW(hWnd, WM_GETICON, ICON_SMALL, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWnd, GCLP_HICONSM));
    // Dialog frames show what they have, possibly nothing.
    if (((dwStyle & WS_CAPTION) == WS_DLGFRAME) || (dwExStyle & WS_EX_DLGMODALFRAME))
        return hIcon;
    if (hIcon)
        return hIcon;
    DWORD_PTR dwResult = 0;
    if (::SendMessageTimeoutW(hWnd, WM_QUERYDRAGICON, 0, 0, 0, 100, &dwResult) && dwResult)
        return reinterpret_cast<HICON>(dwResult);
    return ::LoadIconW(nullptr, IDI_WINLOGO);
}

HICON CZMROffice2007Theme::LargeIconOfWindow(CWnd* pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd)
        return nullptr;
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageW(hWnd, WM_GETICON, ICON_BIG, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWnd, GCLP_HICON));
    return hIcon;
}
