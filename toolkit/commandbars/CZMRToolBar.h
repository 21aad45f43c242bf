// A command bar that docks along a side of its site frame or floats in a
// window of its own, and shows or hides at the program's or the user's wish.
#pragma once
#include "CZMRCommandBar.h"

class CZMRDockBar;

class CZMRToolBar : public CZMRCommandBar
{
    DECLARE_SERIAL(CZMRToolBar)
public:
    CZMRToolBar();

    // The dock bar the bar lies in; none while floating or hidden.
    CZMRDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CZMRDockBar* pDockBar) { m_pDockBar = pDockBar; }

    // Makes the window when there is none: a child of pParent when docked, a
    // popup owned by it when floating; false when it cannot be made.
    virtual BOOL SetDockState(CWnd* pParent, BOOL bFloating);

    // The visibility switch: the window shows or hides with it, and the site
    // hears of it (ZMR_WM_TOOLBARVISIBLECHANGED).
    void SetVisible(BOOL bVisible) override;
    BOOL IsVisible() const override;

protected:
    CZMRDockBar* m_pDockBar;
};
