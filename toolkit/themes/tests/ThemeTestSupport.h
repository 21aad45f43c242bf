// What the Office and Office 2003 theme tests share: a colour table in which
// every entry has a colour of its own (so one pixel tells which entry a rule
// used), bars with windows and icons, and the pictures of a tool bar, a
// popup, a menu bar and a status bar saved with the test artefacts.
#pragma once
#include "../../commandbars/tests/CommandBarsTestSupport.h"
#include "ArtifactPng.h"
#include "CZMRIconHandle.h"
#include "CZMRImageManager.h"
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"
#include "CZMRControlAction.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRPopupBar.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <set>

namespace themetest
{
const COLORREF kBack = RGB(1, 1, 1);

// The colour of table entry i in the distinct table: no two entries alike,
// none white or the background, and only entry 0 black, as it always is.
inline COLORREF Entry(int i)
{
    return i == 0 ? RGB(0, 0, 0) : RGB(40 + 3 * i, 250 - 2 * i, (60 + 5 * i) % 256);
}

// Gives every entry of the theme's table its distinct colour.
inline void UseDistinctColors(CZMRPaintManager& theme)
{
    int indices[CZMRPaintManager::ColorCount];
    COLORREF colors[CZMRPaintManager::ColorCount];
    for (int i = 0; i < CZMRPaintManager::ColorCount; i++)
    {
        indices[i] = i;
        colors[i] = Entry(i);
    }
    theme.SetColors(CZMRPaintManager::ColorCount, indices, colors);
    theme.m_clrBarText = Entry(COLOR_BTNTEXT);
}

// A theme with its fonts and colours refreshed, then the distinct table.
template <class TTheme>
class CDistinct : public TTheme
{
public:
    CDistinct()
    {
        this->RefreshMetrics();
        UseDistinctColors(*this);
    }
};

// A theme refreshed as it is, for the pictures.
template <class TTheme>
class CRefreshed : public TTheme
{
public:
    CRefreshed() { this->RefreshMetrics(); }
};

// A bar of a theme, optionally with a window of szWindow, whose image
// manager knows four icons (ids 100 to 103).
template <class TTheme>
struct CBar : CThemedBarFixture<TTheme>
{
    CBar(int nType, int nPosition, CSize szWindow = CSize(0, 0)) : CThemedBarFixture<TTheme>(nType, nPosition)
    {
        const LPCWSTR icons[] = {IDI_APPLICATION, IDI_WARNING, IDI_INFORMATION, IDI_QUESTION};
        for (int i = 0; i < 4; i++)
        {
            CZMRIconHandle handle;
            handle.SetIcon(::LoadIcon(nullptr, icons[i]));
            this->m_pImages->SetIcon(handle, UINT(100 + i), 16, 16, ZMR_ICONSTATE_NORMAL);
        }
        if (szWindow.cx)
            this->m_pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(CPoint(0, 0), szWindow), nullptr, 0);
    }
};

// A gallery on a bar of a theme whose action holds the items; with
// bDropDown it has a drop-down and shows the column of scroll buttons.
// Items are added, then the gallery is placed.
template <class TTheme>
struct CGalleryOnBar
{
    CGalleryOnBar(int nType, int nPosition, BOOL bDropDown) : bar(nType, nPosition)
    {
        pGallery = new CZMRControlGallery;
        bar.m_pBar->GetControls()->AddControl(pGallery, 500);
        pItems = new CZMRControlGalleryItems;
        pAction = new CZMRControlAction;
        pAction->SetID(500);
        pAction->SetItems(pItems);
        pGallery->SetAction(pAction);
        if (bDropDown)
        {
            CZMRPopupBar* pPopup = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
            pGallery->SetCommandBar(pPopup);
            pPopup->InternalRelease();
        }
    }
    ~CGalleryOnBar()
    {
        pGallery->SetAction(nullptr);
        pAction->InternalRelease();
    }
    CGalleryOnBar(const CGalleryOnBar&) = delete;
    CGalleryOnBar& operator=(const CGalleryOnBar&) = delete;
    void Place(CSize sz) { pGallery->SetRect(CRect(CPoint(0, 0), sz)); }
    CBar<TTheme> bar;
    CZMRControlGallery* pGallery;
    CZMRControlGalleryItems* pItems;
    CZMRControlAction* pAction;
};

inline std::set<COLORREF> ColoursIn(const CPixelCanvas& canvas, CRect rc)
{
    std::set<COLORREF> colours;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            colours.insert(canvas.Pixel(x, y));
    return colours;
}

// Whether two colours differ by at most nTolerance in every channel.
inline bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

inline void SavePicture(const CPixelCanvas& canvas, const std::wstring& strName, int cx, int cy)
{
    EXPECT_TRUE(SaveArtifactPng(strName.c_str(), cx, cy, [&](int x, int y) { return canvas.Pixel(x, y); }));
}

// ---------------------------------------------------------------- pictures
//
// Each draws one kind of bar with the theme's own colours and saves it as
// <prefix>-<kind>.png.

// Refreshes the theme for a colour scheme; -1 keeps the one it has.
inline void UseScheme(CZMRPaintManager& theme, int nScheme)
{
    if (nScheme < 0)
        return;
    theme.m_nColorScheme = nScheme;
    theme.RefreshMetrics();
}

// A tool bar on a 330 x 30 canvas: gripper, icon buttons, a checked one, a
// hot one, a group, a popup with caption, a split button and a check box.
template <class TTheme>
void PaintToolBarPicture(CPixelCanvas& canvas, int nScheme = -1)
{
    CBar<TTheme> bar(zmrBarTypeNormal, zmrBarTop, CSize(330, 30));
    UseScheme(*bar.m_pTheme, nScheme);
    CZMRControl* pControls[] = {
        bar.Add(zmrControlButton, 100, L"New", zmrButtonIcon),
        bar.Add(zmrControlButton, 101, L"Warn", zmrButtonIcon),
        bar.Add(zmrControlButton, 102, L"&Info", zmrButtonIconAndCaption),
        bar.Add(zmrControlPopup, 0, L"&View", zmrButtonCaption),
        bar.Add(zmrControlSplitButtonPopup, 103, L"Ask", zmrButtonIcon),
        bar.Add(zmrControlCheckBox, 0, L"Wrap", zmrButtonCaption),
    };
    pControls[1]->SetChecked(TRUE);
    pControls[2]->OnSelectionChange(1);
    pControls[3]->SetBeginGroup(TRUE);
    pControls[5]->SetChecked(TRUE);
    bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
    int x = bar.m_pTheme->DrawGripper(canvas.DC(), bar.m_pBar, TRUE).cx + 4;
    for (CZMRControl* pControl : pControls)
    {
        const CSize sz = pControl->GetSize(canvas.DC());
        if (pControl->GetBeginGroup())
            x += 6;
        pControl->SetRect(CRect(x, 3, x + sz.cx, 3 + sz.cy));
        pControl->SetRowRect(CRect(0, 3, 330, 3 + sz.cy));
        if (pControl->GetBeginGroup())
            bar.m_pTheme->DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE);
        pControl->Draw(canvas.DC());
        x += sz.cx;
    }
}

template <class TTheme>
void DrawToolBarPicture(const std::wstring& strPrefix, int nScheme = -1)
{
    CPixelCanvas canvas(330, 30, kBack);
    PaintToolBarPicture<TTheme>(canvas, nScheme);
    SavePicture(canvas, strPrefix + L"-toolbar.png", 330, 30);
}

// A menu bar on a 300 x 24 canvas: popup captions across, the second one hot.
template <class TTheme>
void PaintMenuBarPicture(CPixelCanvas& canvas, int nScheme = -1)
{
    CBar<TTheme> bar(zmrBarTypeMenuBar, zmrBarTop, CSize(300, 24));
    UseScheme(*bar.m_pTheme, nScheme);
    CZMRControl* pControls[] = {
        bar.Add(zmrControlPopup, 0, L"&File", zmrButtonCaption),
        bar.Add(zmrControlPopup, 0, L"&Edit", zmrButtonCaption),
        bar.Add(zmrControlPopup, 0, L"&View", zmrButtonCaption),
        bar.Add(zmrControlPopup, 0, L"&Help", zmrButtonCaption),
    };
    pControls[1]->OnSelectionChange(1);
    bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
    int x = 2;
    for (CZMRControl* pControl : pControls)
    {
        const CSize sz = pControl->GetSize(canvas.DC());
        pControl->SetRect(CRect(x, 1, x + sz.cx, 1 + sz.cy));
        pControl->SetRowRect(CRect(0, 1, 300, 1 + sz.cy));
        pControl->Draw(canvas.DC());
        x += sz.cx;
    }
}

template <class TTheme>
void DrawMenuBarPicture(const std::wstring& strPrefix, int nScheme = -1)
{
    CPixelCanvas canvas(300, 24, kBack);
    PaintMenuBarPicture<TTheme>(canvas, nScheme);
    SavePicture(canvas, strPrefix + L"-menubar.png", 300, 24);
}

// A popup on a 210 x 230 canvas with its icon column: icons, shortcuts,
// separators, checked and radio items, a disabled item, a submenu, a split
// item, the selected one.
template <class TTheme>
void PaintPopupPicture(CPixelCanvas& canvas, int nScheme = -1)
{
    CBar<TTheme> bar(zmrBarTypePopup, zmrBarPopup, CSize(210, 230));
    UseScheme(*bar.m_pTheme, nScheme);
    bar.m_pBar->SetBarStyle(bar.m_pBar->GetBarStyle() | zmrBarStyleGripper);
    CZMRControl* pControls[] = {
        bar.Add(zmrControlButton, 100, L"&New\tCtrl+N"),
        bar.Add(zmrControlButton, 101, L"&Open...\tCtrl+O"),
        bar.Add(zmrControlButton, 0, L"&Save\tCtrl+S"),
        bar.Add(zmrControlButton, 0, L"Word &Wrap"),
        bar.Add(zmrControlButton, 102, L"&Details"),
        bar.Add(zmrControlRadioButton, 0, L"&Large"),
        bar.Add(zmrControlButton, 0, L"&Paste"),
        bar.Add(zmrControlPopup, 0, L"&Recent"),
        bar.Add(zmrControlSplitButtonPopup, 103, L"&Help"),
    };
    pControls[1]->OnSelectionChange(1);
    pControls[3]->SetBeginGroup(TRUE);
    pControls[3]->SetChecked(TRUE);
    pControls[4]->SetChecked(TRUE);
    pControls[5]->SetChecked(TRUE);
    pControls[6]->SetEnabled(FALSE);
    pControls[7]->SetBeginGroup(TRUE);
    bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
    bar.m_pTheme->DrawGripper(canvas.DC(), bar.m_pBar, TRUE);
    const CRect rcBorders = bar.m_pBar->GetBorders();
    int y = rcBorders.top;
    for (CZMRControl* pControl : pControls)
    {
        const CSize sz = pControl->GetSize(canvas.DC());
        if (pControl->GetBeginGroup())
            y += 3;
        pControl->SetRect(CRect(rcBorders.left, y, 210 - rcBorders.right, y + sz.cy));
        pControl->SetRowRect(pControl->GetRect());
        if (pControl->GetBeginGroup())
            bar.m_pTheme->DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE);
        pControl->Draw(canvas.DC());
        y += sz.cy;
    }
}

template <class TTheme>
void DrawPopupPicture(const std::wstring& strPrefix, int nScheme = -1)
{
    CPixelCanvas canvas(210, 230, kBack);
    PaintPopupPicture<TTheme>(canvas, nScheme);
    SavePicture(canvas, strPrefix + L"-popup.png", 210, 230);
}

// Fills a made 400 x 22 status bar with plain, markup, coloured, centred and
// disabled panes and paints it, with the size gripper, on the canvas.
inline void PaintStatusBarPanes(CZMRPaintManager& theme, CPixelCanvas& canvas, CZMRStatusBar& statusBar)
{
    // Panes take the bar's font; markup makes its bold runs from it.
    statusBar.SetFont(&theme.m_fntRegular, FALSE);
    statusBar.EnableMarkup();
    const LPCWSTR texts[] = {L"Ready", L"<TextBlock>Port <Bold>COM3</Bold></TextBlock>", L"Busy", L"NUM", L"CAP"};
    const int widths[] = {140, 100, 50, 45, 45};
    theme.PaintStatusBackground(canvas.DC(), &statusBar);
    int x = 2;
    for (int i = 0; i < 5; i++)
    {
        CZMRStatusBarPane* pPane = statusBar.AddPane();
        pPane->SetText(texts[i]);
        pPane->m_rcPane = CRect(x, 2, x + widths[i], 20);
        pPane->m_rcPadding = CRect(2, 0, 2, 0);
        x += widths[i] + 2;
    }
    statusBar.GetPane(2)->m_clrBackground = RGB(255, 230, 150);
    statusBar.GetPane(3)->m_nTextAlignment = 1;
    statusBar.GetPane(4)->m_nStyle = CZMRStatusBarPane::zmrPaneDisabled;
    statusBar.m_bDrawDisabledText = TRUE;
    for (int i = 0; i < statusBar.GetPaneCount(); i++)
    {
        CZMRStatusBarPane* pPane = statusBar.GetPane(i);
        theme.PaintStatusPaneDivider(canvas.DC(), pPane->m_rcPane, pPane, FALSE);
        theme.PaintStatusPane(canvas.DC(), pPane, pPane->m_rcPane);
    }
    theme.PaintStatusSizeGrip(canvas.DC(), CRect(384, 6, 400, 22));
}

// The status bar picture on a 400 x 22 canvas.
inline void PaintStatusBarPicture(CZMRPaintManager& theme, CPixelCanvas& canvas)
{
    CZMRStatusBar statusBar;
    statusBar.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 400, 22), nullptr, 0);
    ASSERT_TRUE(statusBar.GetSafeHwnd());
    PaintStatusBarPanes(theme, canvas, statusBar);
    statusBar.DestroyWindow();
}

template <class TTheme>
void DrawStatusBarPicture(const std::wstring& strPrefix, int nScheme = -1)
{
    TTheme theme;
    UseScheme(theme, nScheme);
    CPixelCanvas canvas(400, 22, kBack);
    PaintStatusBarPicture(theme, canvas);
    SavePicture(canvas, strPrefix + L"-statusbar.png", 400, 22);
}
} // namespace themetest
