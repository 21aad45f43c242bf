// One keyboard tip: a small top-most window next to a control (or a bar)
// showing the letters that activate it from the keyboard. The bar manager
// keeps the tips of the level shown and destroys them; the paint manager
// in force draws them; clicks fall through them.
#pragma once
#include "Framework.h"

class CZMRBarManager;

class CZMRCommandBarKeyboardTip : public CWnd
{
public:
    // Bits of the alignment on the anchor point.
    enum
    {
        alignCenterX = 0x1,
        alignRight = 0x2,
        alignCenterY = 0x4,
        alignBottom = 0x8
    };

    // ptAnchor: screen coordinates for a tip of a bar, client coordinates of
    // the bar window for any other owner. The tip text starts empty.
    CZMRCommandBarKeyboardTip(CZMRBarManager* pManager, CCmdTarget* pOwner, LPCTSTR lpszCaption, CPoint ptAnchor,
                              DWORD dwAlign, BOOL bEnabled);

    // The letters shown and typed.
    CString GetTipText() const { return m_strTip; }
    void SetTipText(LPCTSTR lpszTip) { m_strTip = lpszTip; }
    CString GetCaption() const { return m_strCaption; }
    // A fixed text that wins over the caption's letter when the tip has no
    // text of its own.
    CString GetExplicitTip() const { return m_strExplicit; }
    void SetExplicitTip(LPCTSTR lpszTip) { m_strExplicit = lpszTip; }
    // The control, the bar or the ribbon tab the tip activates.
    CCmdTarget* GetOwner() const { return m_pOwner; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    DWORD GetAlign() const { return m_dwAlign; }
    BOOL IsEnabled() const { return m_bEnabled; }
    // Only visible tips get a window; invisible ones can still be typed.
    BOOL IsTipVisible() const { return m_bVisible; }
    void SetTipVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL HasOwnText() const { return m_bOwnText; }
    void SetOwnText(BOOL bOwnText) { m_bOwnText = bOwnText; }
    CZMRBarManager* GetManager() const { return m_pManager; }

    // The screen rectangle of a tip whose text measures szText, placed at
    // the anchor (screen) by the alignment; right to left the tip's right
    // edge is at the anchor unless it is centred.
    static CRect CalcRect(CPoint ptAnchor, CSize szText, DWORD dwAlign, BOOL bRightToLeft);

    // The window at rc (screen), owned by the bar window, top-most and not
    // yet shown; layered when asked.
    BOOL CreateTipWindow(CWnd* pBarWnd, const CRect& rc, BOOL bLayered);

protected:
    void OnPaint();
    LRESULT OnNcHitTest(CPoint point);

    CString m_strTip;
    CString m_strCaption;
    CString m_strExplicit;
    CCmdTarget* m_pOwner;
    CPoint m_ptAnchor;
    BOOL m_bEnabled;
    BOOL m_bVisible;
    CZMRBarManager* m_pManager;
    DWORD m_dwAlign;
    BOOL m_bOwnText;

    DECLARE_MESSAGE_MAP()
};
