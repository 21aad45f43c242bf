// The edit window of a bar edit control: it tells its control about focus,
// changes and destruction, passes mouse moves and customize clicks to the bar
// and shows the edit context menu.
#pragma once
#include "CZMREdit.h"

class CZMRControlEdit;

class CZMRControlEditCtrl : public CZMREdit
{
    DECLARE_DYNAMIC(CZMRControlEditCtrl)
public:
    CZMRControlEditCtrl() : m_pControl(nullptr) {}

    CZMRControlEdit* m_pControl;   // cleared before the control goes

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Private messages of the bar edit windows.
enum
{
    ZMR_WM_TOOLTIPEDITWINDOW = 10824,   // answered 1: a command-bar edit window
    ZMR_WM_CLOSEDROPDOWN = 10354        // the shell's suggestion list appeared
};

// The edit windows' shared handling: the relay to the tooltip context and
// the mouse messages the bar hot-tracks from.
namespace ZMREditWindow
{
// Hands the message to the bar's tooltip context.
void RelayToToolTips(CZMRControl* pControl, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
// A point of the window in the bar's client coordinates.
CPoint ToBar(CZMRControl* pControl, CWnd* pWnd, LPARAM lParam);
}
