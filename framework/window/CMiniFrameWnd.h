// CMiniFrameWnd: a small floating frame with a tool-window caption, owned by
// another window (floating palettes and bars live in one).
#pragma once

#include "window/CFrameWnd.h"

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();

    // A popup owned by pParentWnd; WS_CAPTION gives it the small caption.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = nullptr, UINT nID = 0);
};
