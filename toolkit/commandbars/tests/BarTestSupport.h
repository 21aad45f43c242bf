// What the bar-window and bar-manager tests share: a bar window on a
// recording site frame, controls that record what the bar asks of them and
// paint themselves in one colour, and a manager that records its
// notifications.
#pragma once
#include "WindowPixels.h"
#include "CommandBarsTestSupport.h"
#include "CZMRBarManager.h"
#include "CRecordingSiteFrame.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// A button of a fixed rectangle that records the bar's calls and fills its
// rectangle with its colour when drawn.
class CProbeControl : public CFixedControl
{
public:
    void OnClick(BOOL bKeyboard, CPoint) override { m_calls.push_back(bKeyboard ? "key click" : "click"); }
    void OnLButtonUp(CPoint) override { m_calls.push_back("lbutton up"); }
    BOOL OnLButtonDblClk(CPoint) override
    {
        m_calls.push_back("double click");
        return TRUE;
    }
    BOOL OnRButtonUp(CPoint) override
    {
        m_calls.push_back("rbutton up");
        return m_bTakeRButton;
    }
    void OnMouseHover() override { m_calls.push_back("hover"); }
    void OnMouseMove(CPoint point) override
    {
        if (m_bRecordMoves)
            m_calls.push_back("mouse move");
        CFixedControl::OnMouseMove(point);
    }
    void BeginControlMove(CPoint) override
    {
        m_calls.push_back(IsCustomizeMode() ? "move in customize mode" : "move");
    }
    void OnAccessKeyPressed() override { m_calls.push_back("access key"); }
    BOOL ShowPopup(BOOL bPopup) override
    {
        m_calls.push_back(bPopup ? "open" : "close");
        return bPopup ? m_bOpens : TRUE;
    }
    BOOL IsPopupOpen() const override { return m_bOpens && GetParent() && GetParent()->GetPoppedIndex() == GetIndex(); }
    void Draw(CDC* pDC) override { pDC->FillSolidRect(GetRect(), m_clr); }
    CZMRCommandBar* GetCommandBar() const override { return m_pPopupBar; }
    // The calls since the last look, emptied.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> calls;
        calls.swap(m_calls);
        return calls;
    }

    std::vector<std::string> m_calls;
    BOOL m_bTakeRButton = FALSE;
    BOOL m_bRecordMoves = FALSE;
    BOOL m_bOpens = TRUE;
    COLORREF m_clr = RGB(0, 0, 255);
    CZMRCommandBar* m_pPopupBar = nullptr;   // not owned
};

// A theme that fills the bar with its colour and draws separators as a
// vertical line of their own colour just before the control.
class CFillTheme : public CTestTheme
{
public:
    void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar*, CZMRControl* pControl, BOOL bDraw) override;
    COLORREF m_clrBack = RGB(200, 200, 200);
    COLORREF m_clrSeparator = RGB(255, 0, 0);
};

// A bar window that is visible while its window is, counts its paints and
// can tell when it is deleted.
class CProbeBar : public CZMRCommandBar
{
public:
    ~CProbeBar() override
    {
        if (m_pbDeleted)
            *m_pbDeleted = true;
    }
    // A child of the parent at rc with nControls probes 20 x 20, 4 apart.
    BOOL Create(CWnd* pParent, CRect rc, int nControls);
    CProbeControl* Probe(int nIndex) const { return static_cast<CProbeControl*>(GetControl(nIndex)); }
    BOOL IsVisible() const override { return GetSafeHwnd() && ::IsWindowVisible(m_hWnd); }
    void PaintBar(CDC* pDC) override
    {
        m_nPaints++;
        CZMRCommandBar::PaintBar(pDC);
    }
    // Puts the probe's rectangle at its slot again.
    static CRect Slot(int nIndex) { return CRect(4 + 24 * nIndex, 2, 24 + 24 * nIndex, 22); }

    int m_nPaints = 0;
    bool* m_pbDeleted = nullptr;
};

// A manager that records its notifications.
class CRecordingManager : public CZMRBarManager
{
public:
    void OnTrackingModeChanged(CZMRCommandBar* pBar, int bMode) override { m_tracking.push_back({pBar, bMode}); }
    void OnBarRemoved(CZMRCommandBar* pBar) override { m_removed.push_back(pBar); }
    std::vector<std::pair<CZMRCommandBar*, int>> m_tracking;
    std::vector<CZMRCommandBar*> m_removed;
};

// A recording site frame with a recording manager attached to it and a
// one-colour theme as the manager's paint manager.
class BarSiteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pSite = CRecordingSiteFrame::Create();
        ASSERT_NE(m_pSite, nullptr);
        m_pManager = new CRecordingManager;
        ASSERT_TRUE(m_pManager->Attach(m_pSite));
        m_pTheme = new CFillTheme;
        m_pManager->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
    }
    void TearDown() override
    {
        if (m_pManager)
            m_pManager->CancelTracking();
        delete m_pManager;
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }

    CRecordingSiteFrame* m_pSite = nullptr;
    CRecordingManager* m_pManager = nullptr;
    CFillTheme* m_pTheme = nullptr;
};

// An application object that answers message boxes itself.
class CAnswerApp : public CWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        m_nType = nType;
        return m_nAnswer;
    }
    int m_nAnswer = IDOK;
    UINT m_nType = 0;
    std::vector<CString> m_prompts;
};

// Pumps the thread's messages until the condition holds; false when it did
// not within the safety limit (a fault, never a pass). The limit is no
// measure of speed: a loaded machine must never reach it.
bool PumpUntil(const std::function<bool()>& condition, DWORD dwSafetyMs = 30000);
void PumpPendingMessages();

