// A font of the paint manager that follows the system: while it is standard,
// every font refresh rebuilds it from the system's metrics; whoever puts a
// font of their own in it clears the switch so that the refresh keeps it.
#pragma once
#include "Framework.h"

class CZMRPaintManagerFont : public CFont
{
public:
    CZMRPaintManagerFont() : m_bStandardFont(TRUE) {}

    // Takes a font of the caller's choosing, which refreshes then keep.
    BOOL SetCustomFont(const LOGFONT* pLogFont)
    {
        m_bStandardFont = FALSE;
        DeleteObject();
        return CreateFontIndirect(pLogFont);
    }

    // Rebuilds the font from the system's, unless a font of one's own is kept.
    void SetStandardFont(const LOGFONT* pLogFont)
    {
        if (!m_bStandardFont && m_hObject)
            return;
        DeleteObject();
        CreateFontIndirect(pLogFont);
    }

    BOOL m_bStandardFont;
};
