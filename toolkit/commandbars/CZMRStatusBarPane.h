// One pane of a status bar as the paint managers draw it: its text or the
// markup built from it, colours, alignment, padding, an optional button face
// and, for a switch pane, its switches.
#pragma once
#include "Framework.h"

class CZMRStatusBar;
class CZMRImageManagerIcon;
class CZMRMarkupUIElement;

class CZMRStatusBarPane : public CCmdTarget
{
public:
    // Style bits.
    enum
    {
        zmrPaneNoBorder = 0x100,     // the background fills the whole pane
        zmrPaneChecked = 0x200,      // the button face is drawn checked
        zmrPaneDisabled = 0x4000000  // grey text, disabled icon and switches
    };

    // One switch of a switch pane; its icon is the status bar's image for nId.
    struct CSwitch
    {
        int nId;
        int nWidth;
        int bChecked;
        int bHot;
        int bPressed;
    };

    CZMRStatusBarPane(CZMRStatusBar* pStatusBar, int nIndex);
    ~CZMRStatusBarPane() override;

    CZMRStatusBar* GetStatusBar() const { return m_pStatusBar; }
    int GetIndex() const { return m_nIndex; }
    BOOL IsEnabled() const { return (m_nStyle & zmrPaneDisabled) == 0; }
    CString GetText() const { return m_strText; }
    // The text; with markup on in the status bar, the markup built from it
    // (none when it does not parse, and the plain text is drawn).
    void SetText(LPCTSTR lpszText);
    CZMRMarkupUIElement* GetMarkupElement() const { return m_pMarkupElement; }

    int GetSwitchCount() const { return int(m_arrSwitches.GetSize()); }
    // The framework's invalid-argument exception outside the list.
    CSwitch& GetSwitch(int nIndex);
    void AddSwitch(int nId);

    // The pane's font, or none for the status bar's.
    virtual CFont* GetTextFont();
    // The pane's icon, or none.
    virtual CZMRImageManagerIcon* GetPaneIcon();

    UINT m_nStyle;
    CString m_strText;
    int m_bHidden;               // not shown at all
    COLORREF m_clrText;          // -1: the theme's pane text colour
    COLORREF m_clrBackground;    // -1: no fill of its own
    CRect m_rcPane;              // in status-bar client coordinates
    int m_nTextAlignment;        // 0 left, 1 centre, 2 right
    CZMRStatusBar* m_pStatusBar;
    int m_nIndex;
    CRect m_rcPadding;           // insets before the icon and text are placed
    int m_bButton;               // acts as a button and gets a button face
    int m_bPressed;
    CZMRMarkupUIElement* m_pMarkupElement;
    CArray<CSwitch, const CSwitch&> m_arrSwitches;
};
