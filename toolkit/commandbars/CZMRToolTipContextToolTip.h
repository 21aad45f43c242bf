// The toolkit's own tooltip window for the flat and rounded kinds of a
// tooltip context: it keeps its own tools, decides when a tip appears
// (initial delay, quick reshow, clicked tools), places it under the cursor
// and paints it with the context's fonts, colours and margins.
#pragma once
#include "Framework.h"

#include <vector>

class CZMRToolTipContext;
class CZMRImageManagerIcon;

// Sent to a child window under the cursor; 1 means its parent's tools stand for it.
#define ZMR_WM_TOOLTIPPARENTTOOLS 10824
// Sets the tip image (l-parameter: a CZMRImageManagerIcon*, or null).
#define ZMR_WM_TOOLTIPSETIMAGE 10825

class CZMRToolTipContextToolTip : public CToolTipCtrl
{
public:
    struct TOOLITEM
    {
        CString strText;
        BOOL bTextCallback = FALSE;   // the text is asked of the tool's window when needed
        UINT uFlags = 0;              // TTF_IDISHWND: the tool is a whole window
        CRect rcTool;                 // client coordinates of the tool's window
        HINSTANCE hInst = nullptr;    // for texts given as string-resource numbers
        HWND hWnd = nullptr;
        UINT_PTR nId = static_cast<UINT_PTR>(-1);
        CRect rcPlacement;            // empty when none

        // Against a tool: the same window and id. Against none: this holds none.
        BOOL IsSameTooltipTool(const TOOLITEM* pTool) const;
    };

    explicit CZMRToolTipContextToolTip(CZMRToolTipContext* pContext);
    ~CZMRToolTipContextToolTip() override;

    BOOL CreateTipWindow(CWnd* pOwner, DWORD dwStyle);

    void Activate(BOOL bActivate);
    BOOL AddTool(const TOOLINFO* pInfo);
    void DeleteTool(const TOOLINFO* pInfo);
    void RelayEvent(const MSG* pMsg);
    void SetTitle(LPCWSTR lpszTitle);
    void UpdateTipText(const TOOLINFO* pInfo);
    void SetTipImage(CZMRImageManagerIcon* pImage) { m_pTipImage = pImage; }
    // The window under a screen point; a child that answers 1 to
    // ZMR_WM_TOOLTIPPARENTTOOLS gives way to its parent.
    static HWND WindowFromPoint(POINT pt);

    // Shows the tip of a tool, or hides the tip for none.
    void ShowTool(const TOOLITEM* pTool);
    const TOOLITEM* FindToolUnderCursor();
    CString GetToolText(TOOLITEM* pTool);
    int GetMaxTipWidth() const;
    // How far the current cursor reaches below its hot spot.
    static int GetCursorHeight();
    // Keeps a tip inside the work area of the monitor under the cursor.
    static void KeepOnScreen(CRect& rc, CPoint ptCursor);
    void SetRoundedRegion(int nWidth, int nHeight);

    int GetToolCount() const { return static_cast<int>(m_arrTools.size()); }
    const TOOLITEM& GetCurrentTool() const { return m_currentTool; }
    const TOOLITEM& GetPendingTool() const { return m_pendingTool; }
    BOOL IsActive() const { return m_bActive; }
    UINT GetInitialDelay() const { return m_nInitialDelay; }
    UINT GetReshowTime() const { return m_nReshowTime; }
    const CString& GetTitle() const { return m_strTitle; }
    CZMRImageManagerIcon* GetTipImage() const { return m_pTipImage; }
    BOOL IsRegionSet() const { return m_bRegionSet; }

    // The size a tip needs, 0 x 0 when it has nothing to show.
    virtual CSize CalcTipSize(TOOLITEM* pTool);
    // Title, image and text of the tip inside rc.
    virtual void DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc);
    // Fill and frame of the tip.
    virtual void DrawTipBackground(CDC* pDC, TOOLITEM* pTool, CRect rc);
    // The skin's tip face: the "Window" section's light-to-dark gradient
    // from top to bottom under the skin's tip frame, or a line in its tip
    // border colour where the skin has no frame.
    static void DrawSkinTipFace(CDC* pDC, CRect rc);
    // Told each time a tip is shown or hidden.
    virtual void OnTipShown(BOOL bShown);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnTimer();
    void OnDestroy();
    void SetMouseHook();
    void RemoveMouseHook();
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    TOOLITEM* FindTool(HWND hWnd, UINT_PTR nId);
    static void ClearTool(TOOLITEM& tool);

    std::vector<TOOLITEM*> m_arrTools;   // owned
    BOOL m_bActive;
    CZMRToolTipContext* m_pContext;
    TOOLITEM m_currentTool;
    TOOLITEM m_clickedTool;
    TOOLITEM m_pendingTool;
    UINT_PTR m_nPendingTimer;
    DWORD m_dwLastChange;
    UINT m_nInitialDelay;
    UINT m_nReshowTime;
    CString m_strTitle;
    CZMRImageManagerIcon* m_pTipImage;
    BOOL m_bRegionSet;

    static HHOOK s_hMouseHook;
    static HWND s_hWndHooked;
};
