// The shape family of a tab paint manager: header and client geometry, how
// header and client are filled and framed, and how one tab is outlined. The
// base holds the geometry every style shares and draws no tab outline.
#pragma once
#include "CZMRTabPaintManager.h"

class CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSet();
    virtual ~CAppearanceSet() {}

    // Tab height from the normal font: text height + 3, at least 18.
    virtual void RefreshMetrics();
    // The header band cut off rc at the position's edge.
    virtual CRect GetHeaderRect(CRect rc, CZMRTabManager* pManager);
    // rc without the header; the client starts one pixel inside the band.
    virtual CRect GetClientRect(CRect rc, CZMRTabManager* pManager);
    virtual CRect GetHeaderMargin() { return m_rcHeaderMargin; }
    virtual CRect GetClientMargin();
    // The item's width as DrawTabItem measures it.
    virtual int MeasureTabExtent(CDC* pDC, CZMRTabManagerItem* pItem);
    // The depth of one row of tabs.
    virtual int GetHeaderHeight(CZMRTabManager* pManager);
    // The area to repaint for an item.
    virtual CRect GetTabPaintRect(CZMRTabManagerItem* pItem);
    virtual void DrawTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    // Fills header and client, frames the client; the header rectangle.
    virtual CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    virtual void RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    virtual void AdjustClientRect(CZMRTabManager* pManager, CRect& rcClient);
    // One tab's outline and content; nothing in the base.
    virtual void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) {}
    virtual void DrawClientFrame(CDC* pDC, CRect rc, int nFrame);
    // The colour sets this style is meant for (a mask of colour-set flags).
    virtual int GetSupportedColorSets() { return 95; }
    virtual int GetDefaultColorSet() { return 1; }
    virtual void DrawImageButton(CDC* pDC, CZMRTabManagerItem* pItem, CRect rc) {}

    // The fill every framed style shares: header and client through the colour
    // set, then the client's 3-D frame (or, with client frame 1, its line
    // along the header) in the style's colours; the header rectangle.
    CRect FillTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // The header depth for the strip's row count (0 with tabs hidden).
    int GetHeaderExtent(CZMRTabManager* pManager);
    BOOL IsDrawTowardSelected() const { return m_bDrawTowardSelected; }
    int GetRowSpacing() const { return m_nRowSpacing; }
    int GetButtonHeight() const { return m_nButtonHeight; }

    CRect m_rcHeaderMargin;
    int m_nRowSpacing;
    int m_nButtonHeight;
    CZMRTabPaintManager* m_pPaintManager;
    BOOL m_bDrawTowardSelected;
};

// The styles, made by number through SetAppearance. Each draws a tab in its
// upright form (the client below it) and turns it to the strip's position.

class CZMRTabPaintManager::CAppearanceSetPropertyPage : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPage();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 13; }
    int GetDefaultColorSet() override { return 1; }

protected:
    void DrawOutline(CDC* pDC, CZMRTabManagerItem* pItem);
};

// The property page outlining only the selected and the hot tab.
class CZMRTabPaintManager::CAppearanceSetPropertyPageSelected : public CZMRTabPaintManager::CAppearanceSetPropertyPage
{
public:
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
};

class CZMRTabPaintManager::CAppearanceSetPropertyPageFlat : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPageFlat();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return 1; }

    BOOL m_bRoundedCorners;
    BOOL m_bSeparators;
};

class CZMRTabPaintManager::CAppearanceSetPropertyPage2003 : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPage2003();
    void RefreshMetrics() override;
    CRect GetTabPaintRect(CZMRTabManagerItem* pItem) override;
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 85; }
    int GetDefaultColorSet() override { return 4; }

    BOOL m_bHotLook;
};

class CZMRTabPaintManager::CAppearanceSetStateButtons : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetStateButtons();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 95; }
    int GetDefaultColorSet() override { return 2; }
};

class CZMRTabPaintManager::CAppearanceSetVisualStudio : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetVisualStudio();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return 2; }
};

class CZMRTabPaintManager::CAppearanceSetFlat : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetFlat();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return 2; }
};

class CZMRTabPaintManager::CAppearanceSetExcel : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetExcel();
    void RefreshMetrics() override;
    CRect GetTabPaintRect(CZMRTabManagerItem* pItem) override;
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 7; }
    int GetDefaultColorSet() override { return 2; }
};

// Full-width bars stacked in the header order, the client after the selected one.
class CZMRTabPaintManager::CAppearanceSetVisio : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetVisio();
    CRect GetHeaderRect(CRect rc, CZMRTabManager* pManager) override;
    CRect GetClientRect(CRect rc, CZMRTabManager* pManager) override;
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 5; }
    int GetDefaultColorSet() override { return 1; }
};

class CZMRTabPaintManager::CAppearanceSetVisualStudio2005 : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetVisualStudio2005();
    void RefreshMetrics() override;
    CRect GetTabPaintRect(CZMRTabManagerItem* pItem) override;
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 85; }
    int GetDefaultColorSet() override { return 4; }

    BOOL m_bHotLook;
};

// Client and tabs from the skin's pictures; nothing but content without a skin.
class CZMRTabPaintManager::CAppearanceSetPropertyPage2007 : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPage2007();
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 32; }
    int GetDefaultColorSet() override { return 32; }
};

// Overlapping tabs from the skin, each reaching half a tab height under the next.
class CZMRTabPaintManager::CAppearanceSetPropertyPageAccess2007 : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSetPropertyPageAccess2007();
    void RefreshMetrics() override;
    CRect GetTabPaintRect(CZMRTabManagerItem* pItem) override;
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override;
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;
    int GetSupportedColorSets() override { return 128; }
    int GetDefaultColorSet() override { return 128; }

protected:
    CRect GetDrawRect(CZMRTabManagerItem* pItem);
};
