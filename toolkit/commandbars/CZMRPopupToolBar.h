// A popup bar laid out like a tool bar: the controls wrap in rows.
#pragma once
#include "CZMRPopupBar.h"

class CZMRPopupToolBar : public CZMRPopupBar
{
    DECLARE_SERIAL(CZMRPopupToolBar)
public:
    CZMRPopupToolBar();

    // A popup tool bar of the manager's popup-tool-bar class for the
    // manager, without a window yet; one reference for the caller.
    static CZMRPopupToolBar* CreatePopupToolBar(CZMRBarManager* pBarManager);
};
