// CRect: a rectangle over the system's RECT (right and bottom exclusive).
#pragma once

#include "core/CPoint.h"

class CRect : public tagRECT
{
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& srcRect) noexcept { CopyRect(&srcRect); }
    CRect(LPCRECT lpSrcRect) noexcept { CopyRect(lpSrcRect); }
    CRect(POINT point, SIZE size) noexcept { left = point.x; top = point.y; right = left + size.cx; bottom = top + size.cy; }
    CRect(POINT topLeft, POINT bottomRight) noexcept { left = topLeft.x; top = topLeft.y; right = bottomRight.x; bottom = bottomRight.y; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    // Empty: no area (width or height not positive). Null: all four zero.
    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }
    BOOL EqualRect(LPCRECT lpRect) const noexcept { return ::EqualRect(this, lpRect); }

    void SetRect(int x1, int y1, int x2, int y2) noexcept { left = x1; top = y1; right = x2; bottom = y2; }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() noexcept { left = top = right = bottom = 0; }
    void CopyRect(LPCRECT lpSrcRect) noexcept { left = lpSrcRect->left; top = lpSrcRect->top; right = lpSrcRect->right; bottom = lpSrcRect->bottom; }

    void InflateRect(int x, int y) noexcept { left -= x; top -= y; right += x; bottom += y; }
    void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) noexcept { left -= lpRect->left; top -= lpRect->top; right += lpRect->right; bottom += lpRect->bottom; }
    void InflateRect(int l, int t, int r, int b) noexcept { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) noexcept { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) noexcept { left += lpRect->left; top += lpRect->top; right -= lpRect->right; bottom -= lpRect->bottom; }
    void DeflateRect(int l, int t, int r, int b) noexcept { left += l; top += t; right -= r; bottom -= b; }
    void OffsetRect(int x, int y) noexcept { left += x; right += x; top += y; bottom += y; }
    void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) noexcept { OffsetRect(size.cx, size.cy); }
    void MoveToX(int x) noexcept { right = Width() + x; left = x; }
    void MoveToY(int y) noexcept { bottom = Height() + y; top = y; }
    void MoveToXY(int x, int y) noexcept { MoveToX(x); MoveToY(y); }
    void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }
    void NormalizeRect() noexcept
    {
        if (left > right) { int t = left; left = right; right = t; }
        if (top > bottom) { int t = top; top = bottom; bottom = t; }
    }
    // Both set this rectangle and return whether the result is non-empty.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::IntersectRect(this, lpRect1, lpRect2); }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::UnionRect(this, lpRect1, lpRect2); }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) noexcept { return ::SubtractRect(this, lpRectSrc1, lpRectSrc2); }

    CRect& operator=(const RECT& srcRect) noexcept { CopyRect(&srcRect); return *this; }
    bool operator==(const RECT& rect) const noexcept { return ::EqualRect(this, &rect) != FALSE; }
    bool operator!=(const RECT& rect) const noexcept { return !(*this == rect); }
    void operator+=(POINT point) noexcept { OffsetRect(point); }
    void operator+=(SIZE size) noexcept { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
    void operator-=(POINT point) noexcept { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) noexcept { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) noexcept { ::IntersectRect(this, this, &rect); }
    void operator|=(const RECT& rect) noexcept { ::UnionRect(this, this, &rect); }
    CRect operator+(POINT point) const noexcept { CRect r(*this); r.OffsetRect(point); return r; }
    CRect operator-(POINT point) const noexcept { CRect r(*this); r.OffsetRect(-point.x, -point.y); return r; }
    CRect operator+(SIZE size) const noexcept { CRect r(*this); r.OffsetRect(size); return r; }
    CRect operator-(SIZE size) const noexcept { CRect r(*this); r.OffsetRect(-size.cx, -size.cy); return r; }
    CRect operator+(LPCRECT lpRect) const noexcept { CRect r(*this); r.InflateRect(lpRect); return r; }
    CRect operator-(LPCRECT lpRect) const noexcept { CRect r(*this); r.DeflateRect(lpRect); return r; }
    CRect operator&(const RECT& rect) const noexcept { CRect r; ::IntersectRect(&r, this, &rect); return r; }
    CRect operator|(const RECT& rect) const noexcept { CRect r; ::UnionRect(&r, this, &rect); return r; }
};
