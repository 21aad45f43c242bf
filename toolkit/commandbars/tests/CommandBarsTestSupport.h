// What the command-bar tests share: a theme with a fixed separator, controls
// of a fixed size, a bar that records its redraw requests, and a window that
// records the messages bars and controls send it.
#pragma once
#include "TestTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRImageManager.h"
#include <functional>
#include <vector>

// Separators measure 4 wide and 6 high.
class CSeparatorTheme : public CTestTheme
{
public:
    CSize DrawSeparator(CDC*, CZMRCommandBar*, CZMRControl*, BOOL) override { return CSize(4, 6); }
};

// A button that measures as its given size, whatever its style, unless a
// size per style is given.
class CFixedControl : public CZMRControlButton
{
    DECLARE_DYNCREATE(CFixedControl)
public:
    CFixedControl() : m_sz(20, 20) {}
    explicit CFixedControl(CSize sz) : m_sz(sz) {}
    CSize GetSize(CDC*) override
    {
        const int nStyle = GetStyle();
        return nStyle >= 0 && nStyle < 5 && m_szStyle[nStyle].cx ? m_szStyle[nStyle] : m_sz;
    }
    CSize m_sz;
    CSize m_szStyle[5] = {};
};

// A bar without a window that records what it is asked to redraw.
class CTestBar : public CZMRCommandBar
{
public:
    struct CRedraw
    {
        CRect rc;
        BOOL bAnimate;
    };
    void Redraw(LPCRECT lpRect, BOOL bAnimate) override
    {
        m_redraws.push_back({lpRect ? CRect(*lpRect) : CRect(0, 0, 0, 0), bAnimate});
        CZMRCommandBar::Redraw(lpRect, bAnimate);
    }
    void ClearPending() { m_nPending = 0; }
    std::vector<CRedraw> m_redraws;
};

// A hidden window that records messages and answers them as told.
class CRecordingWnd : public CWnd
{
public:
    struct CMessage
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
        UINT nCode;    // the notification code of ZMR_WM_CONTROLNOTIFY
    };
    BOOL Create();
    ~CRecordingWnd() override;
    // The recorded messages of one number.
    std::vector<CMessage> Messages(UINT nMessage) const;
    std::vector<CMessage> m_messages;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> m_answer;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A bar of the test theme with fixed-size controls, released with the fixture.
class CBarFixture
{
public:
    CBarFixture();
    ~CBarFixture();
    CFixedControl* Add(int cx, int cy, BOOL bBeginGroup = FALSE, DWORD dwFlags = 0);
    CTestBar* m_pBar;
    CSeparatorTheme* m_pTheme;
};

// A bar painted by a theme of its own and with an image manager of its own,
// released (its window destroyed, if it has one) with the fixture.
template <class TTheme>
struct CThemedBarFixture
{
    CThemedBarFixture(int nType, int nPosition)
    {
        m_pBar = new CTestBar;
        m_pTheme = new TTheme;
        m_pBar->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
        m_pImages = new CZMRImageManager;
        m_pBar->SetImageManager(m_pImages);
        m_pImages->InternalRelease();
        m_pBar->SetType(nType);
        m_pBar->SetPosition(nPosition);
    }
    ~CThemedBarFixture()
    {
        if (m_pBar->GetSafeHwnd())
            m_pBar->DestroyWindow();
        m_pBar->InternalRelease();
    }
    CThemedBarFixture(const CThemedBarFixture&) = delete;
    CThemedBarFixture& operator=(const CThemedBarFixture&) = delete;
    CZMRControl* Add(int nType, int nId, LPCTSTR lpszCaption, int nStyle = zmrButtonAutomatic)
    {
        CZMRControl* pControl = m_pBar->GetControls()->Add(nType, nId);
        pControl->SetCaption(lpszCaption);
        pControl->SetStyle(nStyle);
        return pControl;
    }
    CTestBar* m_pBar;
    TTheme* m_pTheme;
    CZMRImageManager* m_pImages;
};
