// A GDI font shared by reference count among the text elements that use it.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupFont : public CZMRMarkupObject
{
public:
    explicit CZMRMarkupFont(const LOGFONTW& lf);
    ~CZMRMarkupFont() override;

    HFONT GetFontHandle() const { return m_hFont; }
    const LOGFONTW& GetLogFont() const { return m_lf; }

protected:
    HFONT m_hFont;     // owned
    LOGFONTW m_lf;     // what the font was made from
};
