// The images an icon derives from its own on demand: faded (lighter),
// shadow (one colour) and the generated disabled image (grey or two colours).
#include "CZMRImageManager.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"

#include <cmath>

double CZMRImageManagerIcon::m_dDisabledGamma = 0.5;
double CZMRImageManagerIcon::m_dDisabledAlphaDivisor = 1.0;

namespace
{
// Changes every opaque pixel of an icon (black in its mask) through GetPixel
// and SetPixel and makes a new icon of the result; null when the icon's
// bitmaps cannot be had.
template <typename Transform>
HICON TransformIconPixels(HICON hIcon, Transform transform)
{
    ICONINFO info;
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return nullptr;
    HICON hResult = nullptr;
    BITMAP bm;
    // A monochrome icon has no colour bitmap to change.
    if (info.hbmColor && ::GetObject(info.hbmColor, sizeof(bm), &bm))
    {
        HDC hColorDC = ::CreateCompatibleDC(nullptr);
        HDC hMaskDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOldColor = ::SelectObject(hColorDC, info.hbmColor);
        HGDIOBJ hOldMask = ::SelectObject(hMaskDC, info.hbmMask);
        for (int y = 0; y < bm.bmHeight; y++)
        {
            for (int x = 0; x < bm.bmWidth; x++)
            {
                if (::GetPixel(hMaskDC, x, y) == RGB(0, 0, 0))
                    DCSetPixel(hColorDC, x, y, transform(::GetPixel(hColorDC, x, y)));
            }
        }
        ::SelectObject(hColorDC, hOldColor);
        ::SelectObject(hMaskDC, hOldMask);
        ::DeleteDC(hColorDC);
        ::DeleteDC(hMaskDC);
        hResult = ::CreateIconIndirect(&info);
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return hResult;
}

// Runs over the premultiplied pixels (blue, green, red, alpha) of an alpha
// handle; false when it has none.
template <typename Transform>
BOOL TransformAlphaPixels(CZMRIconHandle& handle, Transform transform)
{
    LPBYTE pBits = handle.PremultiplyAlpha();
    BITMAP bm;
    if (!pBits || !::GetObject(handle.m_hBitmap, sizeof(bm), &bm))
        return FALSE;
    ::GdiFlush();
    const size_t nPixels = static_cast<size_t>(bm.bmWidth) * (bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight);
    for (size_t i = 0; i < nPixels; i++)
        transform(pBits + i * 4);
    return TRUE;
}

// Replaces the icon of a handle that owns it, keeping its size and flags.
void ReplaceIcon(CZMRIconHandle& handle, HICON hIcon)
{
    if (!hIcon)
        return;   // the source could not be read: the copy stays unchanged
    if (handle.m_hIcon)
        ::DestroyIcon(handle.m_hIcon);
    handle.m_hIcon = hIcon;
}

// The copy of a picture that a derived image is made from: owned, outside
// any strip.
void CopyForDerivation(CZMRIconHandle& temp, const CZMRIconHandle& source)
{
    temp.m_pImageManager = nullptr;
    temp.CopyHandle(source);
}
} // namespace

COLORREF CZMRImageManagerIcon::LightenColor(COLORREF clr, double dFactor)
{
    auto channel = [dFactor](int c) { return static_cast<int>(255 * dFactor + (1.0 - dFactor) * c); };
    return RGB(channel(GetRValue(clr)), channel(GetGValue(clr)), channel(GetBValue(clr)));
}

CZMRIconHandle& CZMRImageManagerIcon::GetFadedIcon()
{
    if (m_hFaded.IsEmpty())
        CreateFadedIcon();
    return m_hFaded.IsEmpty() ? m_hNormal : m_hFaded;
}

CZMRIconHandle& CZMRImageManagerIcon::GetShadowIcon()
{
    if (m_hShadow.IsEmpty())
        CreateShadowIcon();
    return m_hShadow;
}

CZMRIconHandle& CZMRImageManagerIcon::GetDisabledIcon(BOOL bCreate)
{
    if (!m_hDisabled.IsEmpty())
        return m_hDisabled;
    if (m_hDisabledAuto.IsEmpty() && bCreate)
        CreateDisabledIcon(static_cast<COLORREF>(-1), static_cast<COLORREF>(-1));
    return m_hDisabledAuto;
}

void CZMRImageManagerIcon::CreateFadedIcon()
{
    if (!m_hNormal.m_bSharable)
        return;
    CZMRIconHandle temp;
    CopyForDerivation(temp, m_hNormal);

    if (temp.m_hIcon)
    {
        if (!CZMRDrawHelpers::IsLowColorDisplay())
            ReplaceIcon(temp, TransformIconPixels(temp.m_hIcon, [](COLORREF clr) { return LightenColor(clr, 0.3); }));
    }
    else if (temp.m_hBitmap)
    {
        TransformAlphaPixels(temp, [](LPBYTE p) {
            const int nAlpha = p[3];
            if (nAlpha == 0)
                return;
            for (int c = 0; c < 3; c++)
                p[c] = static_cast<BYTE>(0.7 * p[c] + 0.3 * nAlpha);
        });
    }
    m_hFaded.CopyHandle(temp);
}

void CZMRImageManagerIcon::CreateShadowIcon()
{
    if (!m_hNormal.m_bSharable)
        return;
    const COLORREF clrBase = GetColorManager()->GetColor(31);
    const BYTE shadow[3] = {static_cast<BYTE>(GetBValue(clrBase) * 0.75), static_cast<BYTE>(GetGValue(clrBase) * 0.75),
                            static_cast<BYTE>(GetRValue(clrBase) * 0.75)};
    const COLORREF clrShadow = RGB(shadow[2], shadow[1], shadow[0]);

    CZMRIconHandle temp;
    CopyForDerivation(temp, GetHotIcon());
    if (temp.m_hIcon)
    {
        ReplaceIcon(temp, TransformIconPixels(temp.m_hIcon, [clrShadow](COLORREF) { return clrShadow; }));
    }
    else if (temp.m_hBitmap)
    {
        TransformAlphaPixels(temp, [&shadow](LPBYTE p) {
            for (int c = 0; c < 3; c++)
                p[c] = static_cast<BYTE>(shadow[c] * p[3] / 255);
        });
    }
    m_hShadow.CopyHandle(temp);
}

void CZMRImageManagerIcon::CreateDisabledIcon(COLORREF clrLight, COLORREF clrDark)
{
    if (!m_hDisabledAuto.IsEmpty())
        return;
    const BOOL bTwoColors = clrLight != static_cast<COLORREF>(-1) && clrDark != static_cast<COLORREF>(-1);
    const double dGamma = m_dDisabledGamma;

    // The formula on one unpremultiplied pixel, red, green and blue in and out.
    auto shade = [=](int& r, int& g, int& b) {
        const double t = (0.299 * r + 0.587 * g + 0.114 * b) / 255.0;
        if (bTwoColors)
        {
            r = static_cast<int>(GetRValue(clrDark) * (1.0 - t) + GetRValue(clrLight) * t);
            g = static_cast<int>(GetGValue(clrDark) * (1.0 - t) + GetGValue(clrLight) * t);
            b = static_cast<int>(GetBValue(clrDark) * (1.0 - t) + GetBValue(clrLight) * t);
        }
        else
        {
            r = g = b = static_cast<int>(255.0 * std::pow(t, dGamma));
        }
    };

    CZMRIconHandle temp;
    CopyForDerivation(temp, m_hNormal);
    if (temp.m_hIcon)
    {
        ReplaceIcon(temp, TransformIconPixels(temp.m_hIcon, [&shade](COLORREF clr) {
            int r = GetRValue(clr), g = GetGValue(clr), b = GetBValue(clr);
            shade(r, g, b);
            return RGB(r, g, b);
        }));
    }
    else if (temp.m_hBitmap)
    {
        const double dAlphaDivisor = m_dDisabledAlphaDivisor;
        TransformAlphaPixels(temp, [&](LPBYTE p) {
            const int nAlpha = p[3];
            if (nAlpha == 0)
                return;
            int b = p[0] * 255 / nAlpha, g = p[1] * 255 / nAlpha, r = p[2] * 255 / nAlpha;
            shade(r, g, b);
            const int nScale = bTwoColors ? nAlpha : static_cast<int>(nAlpha / dAlphaDivisor);
            auto premultiply = [nScale](int c) {
                // A source that was not premultiplied can leave the range.
                const int v = c * nScale / 255;
                return static_cast<BYTE>(v < 0 ? 0 : v > 255 ? 255 : v);
            };
            p[0] = premultiply(b);
            p[1] = premultiply(g);
            p[2] = premultiply(r);
        });
    }
    m_hDisabledAuto.CopyHandle(temp);
}
