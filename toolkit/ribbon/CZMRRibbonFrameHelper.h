// Stands between a frame window and the ribbon that takes over its caption:
// the frame's caption and border metrics, its region, and recalculation of
// the frame after the ribbon changes size. The ribbon owns it.
#pragma once
#include "Framework.h"
#include "CZMRHookManagerHookAble.h"

class CZMRRibbonBar;
class CZMRBarManager;
class CZMRPaintManager;
class CZMRControls;
class CZMRDwmApiBinding;
class CZMROffice2007Theme;

class CZMRRibbonFrameHelper
{
public:
    CZMRRibbonFrameHelper(HWND hWndFrame, CZMRRibbonBar* pRibbonBar, CZMRBarManager* pBarManager = nullptr,
                          CZMRPaintManager* pPaintManager = nullptr);
    virtual ~CZMRRibbonFrameHelper();

    // The frame's style (or extended style); 0 without window.
    DWORD GetFrameStyle(BOOL bExtended = FALSE) const;
    CZMRPaintManager* GetPaintManager() const;
    BOOL IsMaximizedMdiChild() const;
    // The frame keeps the system's caption.
    BOOL IsStandardCaption() const;
    int GetCaptionHeight() const;
    // Whether the frame draws its visible status bar in its own area, and
    // then the bar's height.
    BOOL GetFrameStatusBarHeight(int* pnHeight = nullptr) const;
    // Asks the frame to recalculate at its next idle time.
    void PostRecalc();
    // Recomputes the frame's non-client area and layout, then redraws the ribbon.
    void RecalcFrame();
    void UpdateFrameRegion(int nWidth, int nHeight, BOOL bForce);
    void RefreshFrameRegion();

    HWND GetFrameHwnd() const { return m_hWndFrame; }
    BOOL IsFrameActive() const { return m_bFrameActive; }
    void SetFrameActive(BOOL bActive) { m_bFrameActive = bActive; }
    BOOL IsCompositionEnabled() const { return m_bCompositionEnabled; }
    void SetCompositionEnabled(BOOL bEnabled) { m_bCompositionEnabled = bEnabled; }
    int GetFrameBorderWidth() const { return m_nFrameBorderWidth; }
    void SetFrameBorderWidth(int nWidth) { m_nFrameBorderWidth = nWidth; }
    BOOL IsRecalcPosted() const { return m_bRecalcPosted; }
    // The controls the skinned theme draws as the frame's caption buttons
    // while the frame keeps its standard caption.
    CZMRControls* GetCaptionButtons() const { return m_pCaptionButtons; }
    // The composition functions the frame is extended through (tests put a
    // recording one in).
    void SetDwmApiBinding(CZMRDwmApiBinding* pDwmApi) { m_pDwmApi = pDwmApi; }
    CZMRDwmApiBinding* GetDwmApiBinding() const { return m_pDwmApi; }

    // Watches the frame's messages: the helper then follows the frame's
    // activation, desktop composition and size, answers the posted
    // recalculation, and has the skinned theme paint the frame's borders and
    // caption (with the ribbon in the caption, the frame keeps only its
    // borders and the ribbon's caption lies in its client area). FALSE
    // leaves the frame to itself again.
    void HookFrame(BOOL bHook = TRUE);
    BOOL IsFrameHooked() const { return m_bFrameHooked; }
    // The frame's non-client widths (left, top, right, bottom) while hooked
    // and not composed.
    CRect GetFrameInsets();
    // Paints the frame's borders and caption now.
    void PaintFrame();

protected:
    class CFrameHook : public CZMRHookManagerHookAble
    {
    public:
        explicit CFrameHook(CZMRRibbonFrameHelper* pHelper) : m_pHelper(pHelper) {}
        int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    private:
        CZMRRibbonFrameHelper* m_pHelper;
    };
    int OnFrameMessage(UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult);
    // The frame's own procedure, past the helper.
    LRESULT CallFrameProc(UINT nMessage, WPARAM wParam, LPARAM lParam) const;
    // The skinned theme that draws the frame, or none.
    CZMROffice2007Theme* GetFrameTheme() const;

    HWND m_hWndFrame;
    CZMRRibbonBar* m_pRibbonBar;
    CZMRBarManager* m_pBarManager;
    CZMRPaintManager* m_pPaintManager;
    BOOL m_bFrameActive;
    int m_nLastWidth;
    int m_nLastHeight;
    BOOL m_bRecalcPosted;
    CZMRControls* m_pCaptionButtons;
    BOOL m_bInRegionUpdate;
    int m_nFrameBorderWidth;
    BOOL m_bCompositionEnabled;
    CZMRDwmApiBinding* m_pDwmApi;   // not owned
    CFrameHook m_frameHook;
    BOOL m_bFrameHooked;
};
