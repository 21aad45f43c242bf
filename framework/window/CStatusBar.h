// CStatusBar: the common controls' status bar at the bottom of a frame, with
// the frame's status-bar id. It shows the frame's status texts and takes its
// strip of the frame in the frame's layout pass.
#pragma once

#include "window/CWnd.h"

class CStatusBar : public CWnd
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_STATUS_BAR);
    // The bar's height in the frame's layout.
    int GetBarHeight() const;

protected:
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
