// The shell's completion on bar edits and combo boxes, through a stand-in
// for the shell: the companion object, its hook watching for the suggestion
// window, the keys and clicks it lets through and the drop-down it closes.
#include "BarTestSupport.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxAutoCompleteWnd.h"
#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRControlComboBoxList.h"
#include "CZMRControlEdit.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRKeyboardManager.h"
#include "CZMRMouseManager.h"
#include "CZMRToolBar.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <vector>

namespace
{
struct CShellCall
{
    HWND hWnd;
    DWORD dwFlags;
};
std::vector<CShellCall> g_shellCalls;
HRESULT g_hrShell = S_OK;

LRESULT CALLBACK SuggestProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A tool bar with an edit and a combo box; the shell is a stand-in that
// records its calls, and its suggestion window one the test shows.
class ShellCompletion : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        g_shellCalls.clear();
        g_hrShell = S_OK;
        CZMRControlComboBoxAutoCompleteWnd::s_fnShellAutoComplete = [](HWND hWnd, DWORD dwFlags) {
            g_shellCalls.push_back({hWnd, dwFlags});
            return g_hrShell;
        };
        m_pBar = m_pManager->AddToolBar(L"Address", 1);
        m_pEdit = static_cast<CZMRControlEdit*>(m_pBar->GetControls()->Add(zmrControlEdit, 60));
        m_pEdit->SetFlags(zmrFlagManualUpdate);
        m_pCombo = static_cast<CZMRControlComboBox*>(m_pBar->GetControls()->Add(zmrControlComboBox, 61));
        m_pCombo->SetFlags(zmrFlagManualUpdate);
        m_pCombo->SetDropDownMode(TRUE);
        static_cast<CZMRControlComboBoxList*>(m_pCombo->GetCommandBar())->AddString(L"c:\\");
        m_pSite->SetFocus();
        Layout();

        WNDCLASSW wc = {};
        wc.lpfnWndProc = SuggestProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Auto-Suggest Dropdown";
        ::RegisterClassW(&wc);
        m_hWndSuggest = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Auto-Suggest Dropdown", L"",
                                          WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
        // The shell's window holds a scroll bar first and its list second.
        ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 160, 0, 16, 80, m_hWndSuggest,
                          nullptr, nullptr, nullptr);
        m_hWndSuggestList = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 160, 80,
                                              m_hWndSuggest, nullptr, nullptr, nullptr);
        for (LPCWSTR lpszItem : {L"c:\\one", L"c:\\two", L"c:\\three"})
            ::SendMessageW(m_hWndSuggestList, LB_ADDSTRING, 0, LPARAM(lpszItem));
    }
    void TearDown() override
    {
        m_pManager->CancelTracking();
        ::SetFocus(nullptr);
        ::DestroyWindow(m_hWndSuggest);
        CZMRControlComboBoxAutoCompleteWnd::s_fnShellAutoComplete =
            &CZMRControlComboBoxAutoCompleteWnd::CallShellAutoComplete;
        BarSiteTest::TearDown();
    }
    void Layout()
    {
        m_pBar->OnRecalcLayout();
        m_pSite->RecalcLayout();
        PumpPendingMessages();
    }
    // The shell shows its suggestions under the window.
    void ShowSuggestions(HWND hWndUnder)
    {
        CRect rc;
        ::GetWindowRect(hWndUnder, &rc);
        ::SetWindowPos(m_hWndSuggest, HWND_TOPMOST, rc.left, rc.bottom, 200, 80,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE);
        PumpPendingMessages();
    }
    void HideSuggestions()
    {
        ::SetWindowPos(m_hWndSuggest, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpPendingMessages();
    }
    void ClickAt(CPoint ptScreen)
    {
        CTestInput::MoveTo(ptScreen);
        PumpPendingMessages();
        CTestInput::Button(VK_LBUTTON, true);
        PumpPendingMessages();
        CTestInput::Button(VK_LBUTTON, false);
        PumpPendingMessages();
    }
    void FocusWindow(HWND hWnd)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ClickAt(rc.CenterPoint());
        ASSERT_EQ(::GetFocus(), hWnd);
    }

    CZMRToolBar* m_pBar = nullptr;
    CZMRControlEdit* m_pEdit = nullptr;
    CZMRControlComboBox* m_pCombo = nullptr;
    HWND m_hWndSuggest = nullptr;
    HWND m_hWndSuggestList = nullptr;
};

TEST_F(ShellCompletion, TheShellIsAskedForTheWindowAndAFailureLeavesNoCompletion)
{
    const HWND hWndEdit = m_pEdit->GetEditCtrl()->GetSafeHwnd();
    m_pEdit->SetShellAutoCompleteFlags(SHACF_FILESYSTEM);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].hWnd, hWndEdit);
    EXPECT_EQ(g_shellCalls[0].dwFlags, DWORD(SHACF_FILESYSTEM));
    EXPECT_NE(m_pEdit->GetAutoCompleteWnd(), nullptr);

    g_hrShell = E_FAIL;
    m_pCombo->SetShellAutoCompleteFlags(SHACF_URLALL);
    EXPECT_EQ(m_pCombo->GetAutoCompleteWnd(), nullptr) << "the shell failed: no completion";
    EXPECT_EQ(m_pCombo->GetShellAutoCompleteFlags(), DWORD(SHACF_URLALL));

    // Flags set before the window exists are applied when it is made.
    g_hrShell = S_OK;
    g_shellCalls.clear();
    CZMRControlEdit* pLater = static_cast<CZMRControlEdit*>(m_pBar->GetControls()->Add(zmrControlEdit, 62));
    pLater->SetShellAutoCompleteFlags(SHACF_FILESYSTEM);
    EXPECT_TRUE(g_shellCalls.empty());
    Layout();
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].hWnd, pLater->GetEditCtrl()->GetSafeHwnd());
    EXPECT_NE(pLater->GetAutoCompleteWnd(), nullptr);

    // Without a stand-in the system's shell takes the real window.
    CZMRControlComboBoxAutoCompleteWnd::s_fnShellAutoComplete =
        &CZMRControlComboBoxAutoCompleteWnd::CallShellAutoComplete;
    EXPECT_TRUE(SUCCEEDED(CZMRControlComboBoxAutoCompleteWnd::CallShellAutoComplete(hWndEdit, SHACF_FILESYSTEM)));
}

TEST_F(ShellCompletion, TheHookFindsTheSuggestionsWhileTheEditHasTheFocusAndLetsTheirKeysAndClicksThrough)
{
    m_pEdit->SetShellAutoCompleteFlags(SHACF_FILESYSTEM);
    CZMRControlComboBoxAutoCompleteWnd* pAuto = m_pEdit->GetAutoCompleteWnd();
    ASSERT_NE(pAuto, nullptr);
    const HWND hWndEdit = m_pEdit->GetEditCtrl()->GetSafeHwnd();

    // Out of focus nothing watches.
    ShowSuggestions(hWndEdit);
    EXPECT_EQ(pAuto->GetSuggestWindow(), nullptr);
    HideSuggestions();

    FocusWindow(hWndEdit);
    EXPECT_EQ(CZMRControlComboBoxAutoCompleteWnd::GetActive(), pAuto);
    ShowSuggestions(hWndEdit);
    EXPECT_EQ(pAuto->GetSuggestWindow(), m_hWndSuggest);

    // Down and PageDown go to the suggestion list; other keys stay the edit's.
    ::SendMessageW(m_hWndSuggestList, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(m_pEdit->HandleHookedKeyDown(VK_DOWN), 1);
    EXPECT_EQ(::SendMessageW(m_hWndSuggestList, LB_GETCURSEL, 0, 0), 1);
    EXPECT_NE(m_pEdit->HandleHookedKeyDown('A'), 1);

    // A click into the suggestions (beside their list, which would take the
    // focus as the shell's does not) keeps the bar in its menu mode.
    ASSERT_TRUE(m_pBar->IsTrackingMode());
    CRect rcSuggest;
    ::GetWindowRect(m_hWndSuggest, &rcSuggest);
    ClickAt(CPoint(rcSuggest.right - 10, rcSuggest.top + 20));
    EXPECT_EQ(::GetFocus(), hWndEdit);
    EXPECT_TRUE(m_pBar->IsTrackingMode()) << "the suggestion window is trusted";

    // Hidden, it is forgotten; focus lost, the hook goes.
    HideSuggestions();
    EXPECT_EQ(pAuto->GetSuggestWindow(), nullptr);
    m_pSite->SetFocus();
    PumpPendingMessages();
    EXPECT_EQ(CZMRControlComboBoxAutoCompleteWnd::GetActive(), nullptr);
}

TEST_F(ShellCompletion, TheSuggestionsAndTheComboBoxsOwnDropDownNeverShowTogether)
{
    m_pCombo->SetShellAutoCompleteFlags(SHACF_FILESYSTEM);
    CZMRControlComboBoxAutoCompleteWnd* pAuto = m_pCombo->GetAutoCompleteWnd();
    ASSERT_NE(pAuto, nullptr);
    const HWND hWndEdit = m_pCombo->GetEditCtrl()->GetSafeHwnd();
    FocusWindow(hWndEdit);
    ShowSuggestions(hWndEdit);
    ASSERT_EQ(pAuto->GetSuggestWindow(), m_hWndSuggest);

    // Opening the drop-down hides the suggestions.
    m_pCombo->HandleHookedKeyDown(VK_F4);
    PumpPendingMessages();
    ASSERT_TRUE(m_pCombo->IsPopupOpen());
    EXPECT_FALSE(::IsWindowVisible(m_hWndSuggest));
    EXPECT_EQ(pAuto->GetSuggestWindow(), nullptr);

    // The suggestions appearing close the drop-down.
    ShowSuggestions(hWndEdit);
    EXPECT_FALSE(m_pCombo->IsPopupOpen());
    EXPECT_EQ(::GetFocus(), hWndEdit);

    // Tab goes through the suggestions only when the flags say so.
    EXPECT_EQ(m_pCombo->HandleHookedKeyDown(VK_TAB), 0) << "without SHACF_USETAB the bar moves on";
    m_pCombo->SetShellAutoCompleteFlags(SHACF_FILESYSTEM | SHACF_USETAB);
    EXPECT_EQ(m_pCombo->HandleHookedKeyDown(VK_TAB), 2) << "the key goes on to the edit and its suggestions";

    // The wheel scrolls the suggestions, not the combo box's list.
    ASSERT_NE(m_pCombo->GetAutoCompleteWnd(), nullptr);
    m_pCombo->GetAutoCompleteWnd()->SetHookActive(TRUE);
    HideSuggestions();
    ShowSuggestions(hWndEdit);
    WPARAM wParam = MAKEWPARAM(0, WORD(-WHEEL_DELTA));
    LPARAM lParam = 0;
    LRESULT lResult = 0;
    EXPECT_EQ(m_pCombo->GetAutoCompleteWnd()->HandleHookedMessage(nullptr, WM_MOUSEWHEEL, wParam, lParam, lResult),
              ZMR_HOOK_STOP);
    EXPECT_FALSE(m_pCombo->HandleHookedMouseWheel(0, -WHEEL_DELTA, CPoint(0, 0)));
}
} // namespace
