// The small square buttons of a tab strip: the scroll arrows and the close
// button at the end of the strip, and the close button inside a tab. Each
// kind chooses its glyph, its placement and what a press does.
#pragma once
#include "Framework.h"
#include "CZMRTabManager.h"

class CZMRTabManagerNavigateButton
{
public:
    CZMRTabManagerNavigateButton(CZMRTabManager* pManager, int nId, int nMode);
    virtual ~CZMRTabManagerNavigateButton();

    // Takes the button's extent off an available length when it will show.
    virtual void ReduceAvailableLength(int& nLength);
    virtual CSize GetSize() const;
    // The press loop: holds the capture until release, Escape or cancel.
    virtual void RunClickLoop(CWnd* pWnd, CPoint point);
    // Places the button at the far end of rc and takes its room off rc.
    virtual void PlaceInHeader(CRect& rc);
    virtual void DrawGlyph(CDC* pDC, CRect rc) = 0;
    // Repeat ticks while held (bRepeat) and the release inside (not bRepeat).
    virtual void OnExecute(BOOL bRepeat);

    void SetRect(CRect rc) { m_rcButton = rc; }
    CRect GetRect() const { return m_rcButton; }
    void Draw(CDC* pDC);
    CString GetTooltip() const { return m_strTooltip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
    int GetID() const { return m_nId; }
    int GetVisibilityMode() const { return m_nMode; }
    void SetVisibilityMode(int nMode) { m_nMode = nMode; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHighlighted() const;
    CZMRTabManagerItem* GetItem() const { return m_pItem; }
    CZMRTabManager* GetTabManager() const { return m_pManager; }
    // Mode 2, or mode 1 when the strip's automatic rule says so.
    BOOL IsShown() const;

protected:
    int m_nId;
    int m_nMode;
    CZMRTabManager* m_pManager;
    CRect m_rcButton;
    BOOL m_bEnabled;
    BOOL m_bPressed;
    CString m_strTooltip;
    CZMRTabManagerItem* m_pItem;
};

class CZMRTabManager::CNavigateButtonArrowLeft : public CZMRTabManagerNavigateButton
{
public:
    CNavigateButtonArrowLeft(CZMRTabManager* pManager, int nMode);
    void ReduceAvailableLength(int& nLength) override;
    void PlaceInHeader(CRect& rc) override;
    void DrawGlyph(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bRepeat) override;
};

class CZMRTabManager::CNavigateButtonArrowRight : public CZMRTabManagerNavigateButton
{
public:
    CNavigateButtonArrowRight(CZMRTabManager* pManager, int nMode);
    void ReduceAvailableLength(int& nLength) override;
    void PlaceInHeader(CRect& rc) override;
    void DrawGlyph(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bRepeat) override;
};

class CZMRTabManager::CNavigateButtonClose : public CZMRTabManagerNavigateButton
{
public:
    CNavigateButtonClose(CZMRTabManager* pManager, int nMode);
    void DrawGlyph(CDC* pDC, CRect rc) override;
};

class CZMRTabManager::CNavigateButtonTabClose : public CZMRTabManagerNavigateButton
{
public:
    CNavigateButtonTabClose(CZMRTabManagerItem* pItem, int nMode);
    void DrawGlyph(CDC* pDC, CRect rc) override;
};

// String ids of the navigate buttons' tooltips.
enum
{
    IDS_ZMR_TAB_SCROLLLEFT = 9800,
    IDS_ZMR_TAB_SCROLLRIGHT = 9801,
    IDS_ZMR_TAB_CLOSE = 9802,
    IDS_ZMR_TAB_SCROLLUP = 9803,
    IDS_ZMR_TAB_SCROLLDOWN = 9804
};
