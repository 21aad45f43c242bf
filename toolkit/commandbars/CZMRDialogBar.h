// A tool bar that hosts one child window (a form, a tree, any window the
// program makes) below a caption strip with a caption popup and a hide
// button. It docks or floats, is resized by dragging its edges in both
// states, keeps separate docked and floating sizes and a minimum size, and
// shows its caption as active while the focus is inside it.
#pragma once
#include "CZMRToolBar.h"
#include "CZMRPopupBar.h"

class CZMRDialogBar : public CZMRToolBar
{
    DECLARE_SERIAL(CZMRDialogBar)
public:
    CZMRDialogBar();
    ~CZMRDialogBar() override;

    BOOL IsDialogBar() const override { return TRUE; }
    // Floating: the floating client size with the margins and the caption.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // 1 inside the caption strip, -2 elsewhere.
    int IsPointInside(CPoint ptScreen) const override;
    // Follows the focus into and out of the bar, then the bar's update.
    void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
    CZMRCommandBar* Clone(BOOL bRecursive = FALSE) override;
    // Docked: the docked client size with the margins and the caption.
    CSize CalcFixedLayout(int nLength, DWORD dwMode, int nThickness = 0) override;

    // The margins around the child window, the caption strip included.
    CRect GetClientMargins() const;
    // The dock context's resize step: the window rectangle (screen) for a
    // drag of the border with that hit code; smaller than the minimum size
    // it is ignored.
    void ResizeBar(const CRect& rcWindow, int nHitTest);
    // The size for a client size, the caption strip and its two controls
    // placed on the way.
    CSize CalcLayout(int nLength, DWORD dwMode, CSize szClient);

    HWND GetChildWindow() const { return m_hWndChild; }
    // The hosted window, a child of the bar; the program makes it.
    void SetChildWindow(HWND hWndChild) { m_hWndChild = hWndChild; }
    const CString& GetCaption() const { return m_strCaption; }
    // Empty: the bar's title shows.
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    CZMRPopupBar* GetCaptionPopupBar() const { return m_pCaptionPopupBar; }
    void SetClientMargins(const CRect& rc) { m_rcMargins = rc; }
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    void SetMinimumSize(CSize sz) { m_szMinimum = sz; }
    void ShowCaption(BOOL bShow) { m_bShowCaption = bShow; }
    void EnableCaptionPopup(BOOL bEnable) { m_bCaptionPopup = bEnable; }
    CSize GetDockedClientSize() const { return m_szDockedClient; }
    void SetDockedClientSize(CSize sz) { m_szDockedClient = sz; }
    CSize GetFloatingClientSize() const { return m_szFloatingClient; }
    void SetFloatingClientSize(CSize sz) { m_szFloatingClient = sz; }
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    BOOL IsActive() const { return m_bActive; }

    // The hide button of the caption strip: the close glyph.
    class CControlButtonHide : public CZMRControlButton
    {
    public:
        CControlButtonHide();
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };
    // The caption text, with a drop-down arrow when the caption popup has items.
    class CControlCaptionPopup : public CZMRControlPopup
    {
    public:
        CControlCaptionPopup();
        void Draw(CDC* pDC) override;
        // Opens only when the caption popup has controls.
        BOOL ShowPopup(BOOL bPopup) override;
        void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;
        BOOL m_bHasPopup;
    };
    // The caption popup: it opens at the caption control's left-bottom corner.
    class CCaptionPopupBar : public CZMRPopupBar
    {
    public:
        CCaptionPopupBar();
        void ComputeAnchorFromControl() override;
    };

protected:
    // The caption strip's height, measured with the bar's font.
    int MeasureCaption(CSize* pszGripper = nullptr) const;

    LRESULT OnNcHitTest(CPoint point);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    CRect m_rcMargins;
    BOOL m_bResizable;
    CSize m_szMinimum;
    BOOL m_bShowCaption;
    BOOL m_bCaptionPopup;
    int m_nCaptionHeight;
    CSize m_szDockedClient;
    CSize m_szFloatingClient;
    HWND m_hWndChild;
    CString m_strCaption;
    CZMRPopupBar* m_pCaptionPopupBar;
    BOOL m_bActive;
};
