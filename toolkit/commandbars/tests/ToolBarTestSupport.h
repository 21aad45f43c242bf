// What the tool-bar tests share: a theme of fixed borders and gripper sizes,
// and a tool bar a test can place at a side or floating without a manager.
#pragma once
#include "CommandBarsTestSupport.h"
#include "CZMRToolBar.h"
#include "CZMRDefaultTheme.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include <vector>

// Borders of 2, a gripper of 5 across the start of a docked bar and a caption
// strip 14 high on a floating one, whatever the fonts.
class CGripperTheme : public CSeparatorTheme
{
public:
    CRect GetBarBorderWidths(CZMRCommandBar*) override { return CRect(2, 2, 2, 2); }
    CSize DrawGripper(CDC*, CZMRCommandBar* pBar, BOOL) override
    {
        switch (pBar->GetPosition())
        {
        case zmrBarFloating:
            return CSize(0, 14);
        case zmrBarLeft:
        case zmrBarRight:
            return CSize(0, 5);
        default:
            return CSize(5, 0);
        }
    }
};

class CPlacedToolBar : public CZMRToolBar
{
public:
    void Place(int nPosition) { m_barPosition = nPosition; }
};

// The Default theme with the classic system colours, whatever the colours of
// the machine the picture is taken on.
class CClassicColoursTheme : public CZMRDefaultTheme
{
public:
    CClassicColoursTheme()
    {
        RefreshMetrics();
        const int indices[] = {COLOR_3DFACE,  COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DDKSHADOW,
                               COLOR_3DLIGHT, COLOR_BTNTEXT,  COLOR_GRAYTEXT,    COLOR_HIGHLIGHT,
                               COLOR_HIGHLIGHTTEXT, COLOR_WINDOW};
        const COLORREF colours[] = {RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(64, 64, 64),
                                    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(128, 128, 128), RGB(10, 36, 106),
                                    RGB(255, 255, 255), RGB(255, 255, 255)};
        SetColors(10, indices, colours);
        m_clrBarText = RGB(0, 0, 0);
    }
};

// Gives the manager images of its own: for each id a block of one colour,
// inset by 2 pixels on the strip's transparent ground (the colour of its
// first pixel), so that one pixel tells which image was drawn.
inline BOOL SetBlockIcons(CZMRBarManager* pManager, CWnd* pWnd, const std::vector<UINT>& ids,
                          const std::vector<COLORREF>& colours, CSize szIcon)
{
    CZMRImageManager* pImages = new CZMRImageManager;
    pManager->SetImageManager(pImages);
    pImages->InternalRelease();
    const int nCount = int(ids.size());
    CClientDC dcWnd(pWnd);
    CBitmap strip;
    strip.CreateCompatibleBitmap(&dcWnd, szIcon.cx * nCount, szIcon.cy);
    CDC dc;
    dc.CreateCompatibleDC(&dcWnd);
    CBitmap* pOld = dc.SelectObject(&strip);
    dc.FillSolidRect(0, 0, szIcon.cx * nCount, szIcon.cy, RGB(255, 0, 255));
    for (int i = 0; i < nCount; i++)
        dc.FillSolidRect(szIcon.cx * i + 2, 2, szIcon.cx - 4, szIcon.cy - 4, colours[size_t(i)]);
    dc.SelectObject(pOld);
    return pImages->SetIcons(strip, ids.data(), nCount, szIcon.cx, szIcon.cy, 0, FALSE);
}
