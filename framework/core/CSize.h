// CSize: a width and height over the system's SIZE.
#pragma once

#include "core/CoreDefs.h"

class CSize : public tagSIZE
{
public:
    CSize() noexcept { cx = 0; cy = 0; }
    CSize(int initCX, int initCY) noexcept { cx = initCX; cy = initCY; }
    CSize(SIZE initSize) noexcept { cx = initSize.cx; cy = initSize.cy; }
    CSize(POINT initPt) noexcept { cx = initPt.x; cy = initPt.y; }
    // Width in the low word, height in the high word (signed).
    explicit CSize(DWORD dwSize) noexcept { cx = (short)LOWORD(dwSize); cy = (short)HIWORD(dwSize); }

    bool operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const noexcept { return !(*this == size); }
    void operator+=(SIZE size) noexcept { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) noexcept { cx -= size.cx; cy -= size.cy; }
    void SetSize(int CX, int CY) noexcept { cx = CX; cy = CY; }
    CSize operator+(SIZE size) const noexcept { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const noexcept { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
};
