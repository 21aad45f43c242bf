// A GDI font shared by reference count among the text elements that use it,
// and kept in its context's font cache while it lives. The cache holds no
// reference: the last user's release destroys the font, which leaves the
// cache then.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupFont : public CZMRMarkupObject
{
public:
    explicit CZMRMarkupFont(const LOGFONTW& lf, CZMRMarkupContext* pContext = nullptr);
    ~CZMRMarkupFont() override;

    HFONT GetFontHandle() const { return m_hFont; }
    const LOGFONTW& GetLogFont() const { return m_lf; }

    // The cache's links, kept by the context.
    CZMRMarkupFont* GetNextFont() const { return m_pNextFont; }
    void SetNextFont(CZMRMarkupFont* pNext) { m_pNextFont = pNext; }
    CZMRMarkupContext* GetContext() const { return m_pContext; }
    // A context that goes away first lets its fonts live on outside any cache.
    void DetachFromContext()
    {
        m_pContext = nullptr;
        m_pNextFont = nullptr;
    }

protected:
    HFONT m_hFont;                 // owned
    LOGFONTW m_lf;                 // what the font was made from
    CZMRMarkupFont* m_pNextFont;
    CZMRMarkupContext* m_pContext;   // no reference
};
