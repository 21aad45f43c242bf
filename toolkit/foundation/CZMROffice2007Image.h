// One skin picture of the Office 2007 image set: raw 32-bit pixels holding
// the states of one part stacked vertically, drawn stretched with fixed
// corners and edges, with alpha or a colour key, mirrored for right to left.
#pragma once
#include "Framework.h"

class CZMROffice2007Images;

class CZMROffice2007Image : public CCmdTarget
{
public:
    explicit CZMROffice2007Image(CZMROffice2007Images* pOwner);
    ~CZMROffice2007Image() override;

    BOOL LoadFile(HMODULE hModule, LPCWSTR lpszResourceName);
    // Takes the bitmap's pixels and deletes the bitmap.
    void SetBitmap(HBITMAP hBitmap, BOOL bAlpha);

    CSize GetExtent() const { return CSize(m_nWidth, m_nHeight); }
    // The band of one state out of nCount stacked from the top.
    CRect GetSource(int nState = 0, int nCount = 1) const;
    BOOL IsAlphaImage() const { return m_bAlpha; }

    void DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc);
    // rcSizingMargins holds the widths of the left, top, right and bottom margins.
    void DrawWithSizingMargins(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcSizingMargins);
    void DrawImageTransparent(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcSizingMargins,
                              COLORREF clrTransparent);
    // Flag bit 0 composes pictures without alpha through alpha too, the key
    // colour left out.
    void DrawImageAlpha(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcSizingMargins,
                        COLORREF clrTransparent, DWORD dwFlags);

    DWORD* m_pBits;          // width x height, bottom row first
    BOOL m_bAlpha;
    BOOL m_bMirrorRTL;       // set by the owner of a picture that mirrors in right-to-left DCs
    BOOL m_bMirrored;        // the pixels are mirrored now
    int m_nWidth;
    int m_nHeight;
    CZMROffice2007Images* m_pOwner;

protected:
    void LoadBits(HBITMAP hBitmap);
    void FreeBits();
    void MirrorBits();
    // Copies the source rows into the top of the owner's strip.
    void CopyToStrip(const CRect& rcSrc);
    void DrawPart(CDC* pDC, const CRect& rcDest, CDC* pStripDC, const CRect& rcSrc);
};
