// A colour with a value set by the toolkit's refresh and a value set by the
// application; the application's value wins when it is set.
#pragma once
#include "core/Core.h"

class CZMRPaintManagerColor
{
public:
    CZMRPaintManagerColor() : m_clrStandardValue(COLORREF(-1)), m_clrCustomValue(COLORREF(-1)) {}
    virtual ~CZMRPaintManagerColor() {}

    // Standard then custom value, each a 32-bit little-endian word.
    virtual void Serialize(CArchive& ar);

    COLORREF GetStandardColor() const { return m_clrStandardValue; }
    void SetStandardValue(COLORREF clr) { m_clrStandardValue = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustomValue = clr; }
    BOOL IsCustomValue() const { return m_clrCustomValue != COLORREF(-1); }
    COLORREF GetColor() const { return IsCustomValue() ? m_clrCustomValue : m_clrStandardValue; }
    operator COLORREF() const { return GetColor(); }

    COLORREF m_clrStandardValue;
    COLORREF m_clrCustomValue;
};
