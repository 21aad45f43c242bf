// A wide text converted to narrow text in the resource language's code page.
#pragma once
#include "core/Core.h"

class CZMRNarrowString
{
public:
    explicit CZMRNarrowString(LPCWSTR lpszText);
    ~CZMRNarrowString();
    CZMRNarrowString(const CZMRNarrowString&) = delete;
    CZMRNarrowString& operator=(const CZMRNarrowString&) = delete;

    operator LPCSTR() const { return m_lpszText; }
    LPCSTR GetText() const { return m_lpszText; }

private:
    LPSTR m_lpszText;
};
