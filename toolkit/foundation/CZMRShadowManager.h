// The soft drop shadows of popup bars: small layered windows beside a popup.
// Each paint manager owns one (reference counted) and sets its options and
// shadow colour per theme.
#pragma once
#include "Framework.h"

class CZMRShadowManager : public CCmdTarget
{
public:
    CZMRShadowManager() : m_dwOptions(0), m_clrShadow(0) {}

    // Bit 0: shadows whatever the system's drop-shadow setting; bit 1: cut
    // the opening control's rectangle out of new shadows.
    DWORD m_dwOptions;
    COLORREF m_clrShadow;   // 0: the default shadow
};
