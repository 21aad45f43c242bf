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

class CZMRCommandBar;
class CZMRControlComboBoxAutoCompleteWnd;
class CZMRImageManagerIcon;

// What the edit windows of bar edits and combo boxes share: the relay to
// the tooltip context, the mouse messages the bar hot-tracks from, and the
// window work of their controls.
namespace ZMREditWindow
{
// Hands the message to the bar's tooltip context.
void RelayToToolTips(CZMRControl* pControl, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
// A point of the window in the bar's client coordinates.
CPoint ToBar(CZMRControl* pControl, CWnd* pWnd, LPARAM lParam);
// The window lays out in another direction than the bar, or is on another bar.
BOOL NeedsNewWindow(CZMREdit* pEdit, HWND hWndBar);
// Shows the window while the control is in a collection on a shown bar.
void Show(CZMRControl* pControl, CZMREdit* pEdit);
// The control font and no margins.
void ApplyFont(CZMRControl* pControl, CZMREdit* pEdit);
// The field's image (edit icon id above 0) in the manager's image manager.
CZMRImageManagerIcon* GetEditIcon(CZMRControl* pControl, int nEditIconId);
// The shell's completion on the window; none when it is off or fails.
CZMRControlComboBoxAutoCompleteWnd* CreateAutoComplete(CZMREdit* pEdit, DWORD dwFlags);
// The bar keeps the window the focus came from (else the site) once.
void RememberFocusOrigin(CZMRCommandBar* pBar, CWnd* pWndOld);
// The focus goes back to the window the bar kept, else the site.
void GiveFocusBack(CZMRCommandBar* pBar);
// The caret at the start, then the whole text selected once the window has
// settled.
void SelectAllOnFocus(CZMREdit* pEdit);
// Grey for a disabled field or the hint, else the window text colour; the
// paint manager's field background.
void GetColours(CZMRControl* pControl, BOOL bHint, COLORREF& clrText, COLORREF& clrBack);

// The window exists and has the focus.
BOOL HasFocus(CZMREdit* pEdit);
// Destroys the window; the object stays for the next one.
void DestroyWindow(CZMREdit* pEdit);
// Destroys the window and deletes the object.
void Delete(CZMREdit* pEdit);
// Makes the window on the control's bar, disabled with a disabled control;
// false when it cannot be made.
BOOL Create(CZMRControl* pControl, CZMREdit* pEdit, DWORD dwEditStyle);
// The window takes the control's enabled state; false without a window.
BOOL Enable(CZMRControl* pControl, CZMREdit* pEdit);

// The field's text: read from the window once it changed there (bStale),
// else the one kept while the window was away.
const CString& ReadText(CZMREdit* pEdit, CString& strKept, BOOL& bStale);
// The window shows strText (set only where it differs) and it is kept.
void WriteText(CZMREdit* pEdit, const CString& strText, CString& strKept, BOOL& bStale);
// The change of the window's text came from the user: the window has the
// focus and the program is not setting the text.
BOOL IsTypedChange(CZMREdit* pEdit);
// No margins in the window again (a new text or font brings them back).
void ClearMargins(CZMREdit* pEdit);
// The text is the hint the field shows while empty.
BOOL IsHint(const CString& strText, const CString& strHint);
// An empty field out of focus shows its hint.
CString GetShownText(const CString& strDisplay, const CString& strHint);

// Room for the edit icon in front of the window.
void MakeRoomForIcon(CZMRControl* pControl, int nEditIconId, CRect& rc);
// The caption shows on popup bars, with a caption style, else with the
// label (bLabel); never without a caption.
BOOL IsCaptionShown(const CZMRControl* pControl, BOOL bLabel);
// The hide flags after the dock mode: hidden in vertically docked bars.
DWORD GetDockHideFlags(DWORD dwHideFlags, DWORD dwMode);
}
