// The edit control on a bar: its window, hint, colours, focus, spin buttons,
// keys, clipboard commands, context menu and saved keys.
#include "BarTestSupport.h"
#include "ToolBarTestSupport.h"
#include "CZMRControlEdit.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRMouseManager.h"
#include "CZMRPopupBar.h"
#include "CZMRToolBar.h"
#include "CZMRSectionScope.h"
#include "MemoryPropStore.h"
#include "CTestInput.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>
#include <richedit.h>
#include <string>
#include <vector>

namespace
{
// Colours that tell the indices apart.
const COLORREF clrWindowText = RGB(160, 0, 0);
const COLORREF clrGrayText = RGB(0, 150, 0);
const COLORREF clrWindow = RGB(255, 255, 255);
const COLORREF clrFace = RGB(212, 208, 200);
const COLORREF clrBtnText = RGB(0, 0, 170);

class CEditTheme : public CClassicColoursTheme
{
public:
    CEditTheme()
    {
        const int indices[] = {COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_WINDOW, COLOR_3DFACE, COLOR_BTNTEXT};
        const COLORREF colours[] = {clrWindowText, clrGrayText, clrWindow, clrFace, clrBtnText};
        SetColors(5, indices, colours);
    }
};

// A tool bar of the manager at the top of the site with one edit on it.
class EditOnToolBar : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        CEditTheme* pTheme = new CEditTheme;
        m_pManager->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        m_pSite->m_answer = [this](const CRecordingSiteFrame::CMessage& msg) -> LRESULT {
            if (msg.nMessage != ZMR_WM_CONTROLNOTIFY)
                return 0;
            const auto* pNM = reinterpret_cast<const NMZMRCONTROL*>(msg.lParam);
            m_codes.push_back(int(pNM->hdr.code));
            if (pNM->hdr.code == ZMR_EN_SPINUP || pNM->hdr.code == ZMR_EN_SPINDOWN)
                m_deltas.push_back(reinterpret_cast<const NMZMRSPIN*>(pNM)->nDelta);
            return m_bTakeSpin && (pNM->hdr.code == ZMR_EN_SPINUP || pNM->hdr.code == ZMR_EN_SPINDOWN);
        };
        m_pBar = m_pManager->AddToolBar(L"Find", 1);
        m_pEdit = static_cast<CZMRControlEdit*>(m_pBar->GetControls()->Add(zmrControlEdit, 77));
        m_pEdit->SetCaption(L"Size");
        m_pEdit->SetStyle(zmrButtonCaption);
        m_pEdit->SetShowSpinButtons(TRUE);
        m_pEdit->SetEditHint(L"points");
        Layout();
    }
    void TearDown() override
    {
        ::SetFocus(nullptr);
        BarSiteTest::TearDown();
    }
    void Layout()
    {
        m_pBar->OnRecalcLayout();
        m_pSite->RecalcLayout();
        PumpPendingMessages();
    }
    HWND EditWnd() const { return m_pEdit->GetEditCtrl() ? m_pEdit->GetEditCtrl()->GetSafeHwnd() : nullptr; }
    CRect EditRectInBar() const
    {
        CRect rc;
        ::GetWindowRect(EditWnd(), &rc);
        m_pBar->ScreenToClient(&rc);
        return rc;
    }
    CPoint BarToScreen(CPoint pt) const
    {
        m_pBar->ClientToScreen(&pt);
        return pt;
    }
    COLORREF TextColour() const
    {
        CHARFORMAT2W cf = {};
        cf.cbSize = sizeof(cf);
        ::SendMessageW(EditWnd(), EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf));
        return cf.crTextColor;
    }
    void ClickAt(CPoint ptBar)
    {
        CTestInput::MoveTo(BarToScreen(ptBar));
        PumpPendingMessages();
        CTestInput::Button(VK_LBUTTON, true);
        PumpPendingMessages();
        CTestInput::Button(VK_LBUTTON, false);
        PumpPendingMessages();
    }
    std::string Text() const { return std::string(CStringA(m_pEdit->GetEditText())); }

    CZMRToolBar* m_pBar = nullptr;
    CZMRControlEdit* m_pEdit = nullptr;
    std::vector<int> m_codes;
    std::vector<int> m_deltas;
    BOOL m_bTakeSpin = FALSE;
};

TEST(EditSpin, StepsToTheMultipleOfTheStepItPasses)
{
    struct
    {
        int nValue, nStep, nDirection, nExpected;
    } const cases[] = {
        {7, 5, +1, 10}, {7, 5, -1, 5},   {10, 5, +1, 15}, {10, 5, -1, 5},   {0, 1, +1, 1},
        {0, 1, -1, -1}, {-3, 5, +1, 0},  {-3, 5, -1, -5}, {19, 20, +1, 20}, {41, 20, -1, 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CZMRControlEdit::StepSpinValue(c.nValue, c.nStep, c.nDirection), c.nExpected)
            << c.nValue << " by " << c.nStep << " x " << c.nDirection;

    // A held button: steps of 1 for about 2 s, 5 until about 5 s, then 20.
    const struct
    {
        DWORD dwElapsed;
        int nStep;
    } steps[] = {{0, 1}, {2047, 1}, {2048, 5}, {5119, 5}, {5120, 20}, {60000, 20}};
    for (const auto& s : steps)
        EXPECT_EQ(CZMRControlEdit::GetSpinStep(s.dwElapsed), s.nStep) << s.dwElapsed << " ms";
}

TEST_F(EditOnToolBar, TheWindowFillsTheFieldAndShowsTheHintInGrey)
{
    ASSERT_NE(EditWnd(), nullptr);
    EXPECT_EQ(::GetParent(EditWnd()), m_pBar->GetSafeHwnd());
    EXPECT_TRUE(::IsWindowVisible(EditWnd()));
    EXPECT_EQ(::SendMessageW(EditWnd(), 10824, 0, 0), 1) << "marked as a bar edit for the tooltips";
    const CRect rc = m_pEdit->GetRect();
    const int nLabel = m_pEdit->GetLabelWidth();
    EXPECT_GT(nLabel, 0) << "the caption shows as a label";
    EXPECT_EQ(EditRectInBar(), CRect(rc.left + nLabel + 4, rc.top + 3, rc.right - 20, rc.bottom - 3));
    EXPECT_EQ(m_pEdit->GetSpinButtonsRect(), CRect(rc.right - 18, rc.top + 1, rc.right - 1, rc.bottom - 1));

    EXPECT_STREQ(m_pEdit->GetEditText(), L"points");
    EXPECT_STREQ(m_pEdit->GetDisplayText(), L"") << "the hint is no text";
    EXPECT_EQ(TextColour(), clrGrayText);
    m_pEdit->SetEditText(L"12");
    EXPECT_EQ(TextColour(), clrWindowText);
    m_pEdit->SetEnabled(FALSE);
    EXPECT_EQ(TextColour(), clrGrayText) << "a disabled field";
    EXPECT_FALSE(::IsWindowEnabled(EditWnd()));

    // Without spin buttons the window reaches 3 pixels from the right edge.
    m_pEdit->SetShowSpinButtons(FALSE);
    m_pEdit->SetRefreshNeeded();
    Layout();
    EXPECT_EQ(EditRectInBar().right, m_pEdit->GetRect().right - 3);
    EXPECT_TRUE(m_pEdit->GetSpinButtonsRect().IsRectEmpty());

    // Docked at a side the edit leaves the bar and its window hides.
    m_pEdit->ExpandIntoItems(LM_VERTDOCK);
    EXPECT_FALSE(m_pEdit->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(EditWnd()));
    m_pEdit->ExpandIntoItems(LM_HORZDOCK);
    EXPECT_TRUE(::IsWindowVisible(EditWnd()));

    // Out of its bar the window goes; the text stays with the control.
    m_pEdit->SetEditText(L"33");
    m_pEdit->SetParent(nullptr);
    EXPECT_EQ(EditWnd(), nullptr);
    EXPECT_STREQ(m_pEdit->GetEditText(), L"33");
}

TEST_F(EditOnToolBar, AnEditIconSitsInFrontOfTheWindow)
{
    const COLORREF clrIcon = RGB(0, 120, 200);
    ASSERT_TRUE(SetBlockIcons(m_pManager, m_pBar, {500}, {clrIcon}, CSize(16, 16)));
    const int nLeftWithout = EditRectInBar().left;
    m_pEdit->SetEditIconId(500);
    m_pEdit->SetRefreshNeeded();
    Layout();
    EXPECT_EQ(EditRectInBar().left, nLeftWithout + 16 + 2) << "the window makes room for the icon";

    const CRect rc = m_pEdit->GetRect();
    const CPoint ptIcon(rc.left + m_pEdit->GetLabelWidth() + 3 + 8, (rc.top + rc.bottom) / 2);
    auto iconPixel = [&] {
        m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CSize sz;
        const std::vector<COLORREF> pixels = ReadWindow(m_pBar->GetSafeHwnd(), sz);
        return pixels[size_t(ptIcon.y) * sz.cx + ptIcon.x];
    };
    EXPECT_EQ(iconPixel(), clrIcon);
    m_pEdit->SetEnabled(FALSE);
    EXPECT_NE(iconPixel(), clrIcon) << "the disabled image";
}

TEST_F(EditOnToolBar, AClickGivesItTheFocusAndEscapeGivesBackTheTextAndTheFocus)
{
    m_pSite->SetFocus();
    m_pEdit->SetEditText(L"");
    m_pEdit->SetRefreshNeeded();
    Layout();
    ASSERT_STREQ(m_pEdit->GetEditText(), L"points");
    const CRect rcEdit = EditRectInBar();
    ClickAt(rcEdit.CenterPoint());
    PumpPendingMessages();

    EXPECT_EQ(::GetFocus(), EditWnd());
    EXPECT_TRUE(m_pEdit->IsFocused());
    EXPECT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(m_pBar->GetHotIndex(), m_pEdit->GetIndex());
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, 1);
    EXPECT_STREQ(m_pEdit->GetEditText(), L"") << "the hint makes way for typing";
    ASSERT_FALSE(m_codes.empty());
    EXPECT_EQ(m_codes.back(), ZMR_EN_SETFOCUS);

    // Typing reports each change.
    m_codes.clear();
    ::SendMessageW(EditWnd(), WM_CHAR, '4', 1);
    ::SendMessageW(EditWnd(), WM_CHAR, '2', 1);
    EXPECT_STREQ(m_pEdit->GetEditText(), L"42");
    EXPECT_EQ(m_codes, (std::vector<int>{ZMR_EN_CHANGE, ZMR_EN_CHANGE}));

    // Escape: the text from when the focus came, the focus back where it was,
    // and the hint again over the empty field.
    m_codes.clear();
    EXPECT_EQ(m_pEdit->HandleHookedKeyDown(VK_ESCAPE), 0) << "a tool bar handles Escape itself";
    EXPECT_EQ(::GetFocus(), m_pSite->GetSafeHwnd());
    EXPECT_FALSE(m_pEdit->IsFocused());
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, 0);
    EXPECT_STREQ(m_pEdit->GetEditText(), L"points");
    EXPECT_EQ(TextColour(), clrGrayText);
    ASSERT_FALSE(m_codes.empty());
    EXPECT_EQ(m_codes.back(), ZMR_EN_KILLFOCUS);
    EXPECT_FALSE(m_pBar->IsTrackingMode()) << "the bar no longer takes the keys";
}

TEST_F(EditOnToolBar, ArrowKeysAndTheSpinButtonsStepTheValue)
{
    m_pEdit->SetEditText(L"7");
    m_pEdit->GetEditCtrl()->SetFocus();
    ASSERT_TRUE(m_pEdit->IsFocused());
    EXPECT_EQ(m_pEdit->HandleHookedKeyDown(VK_UP), 1);
    EXPECT_EQ(Text(), "8");
    EXPECT_EQ(m_pEdit->HandleHookedKeyDown(VK_DOWN), 1);
    EXPECT_EQ(m_pEdit->HandleHookedKeyDown(VK_DOWN), 1);
    EXPECT_EQ(Text(), "6");
    EXPECT_EQ(m_deltas, (std::vector<int>{1, -1, -1}));
    EXPECT_EQ(std::count(m_codes.begin(), m_codes.end(), ZMR_EN_VALUECHANGED), 3);

    // A site that takes the spin notification does the step itself.
    m_bTakeSpin = TRUE;
    m_pEdit->HandleHookedKeyDown(VK_UP);
    EXPECT_EQ(Text(), "6");
    m_bTakeSpin = FALSE;

    // A read-only field keeps its value, though it shows the buttons: a
    // click on them only gives the window the focus.
    m_pEdit->SetReadOnly(TRUE);
    m_pEdit->HandleHookedKeyDown(VK_UP);
    EXPECT_EQ(Text(), "6");
    m_pSite->SetFocus();
    EXPECT_FALSE(m_pEdit->GetSpinButtonsRect().IsRectEmpty());
    ClickAt(CPoint(m_pEdit->GetSpinButtonsRect().CenterPoint().x, m_pEdit->GetSpinButtonsRect().top + 2));
    EXPECT_EQ(Text(), "6");
    EXPECT_EQ(::GetFocus(), EditWnd());
    m_pEdit->SetReadOnly(FALSE);
    m_pSite->SetFocus();
    EXPECT_FALSE(m_pEdit->IsFocused());

    // Holding the up button: one step at once, more after the first delay,
    // until the button is let go.
    m_deltas.clear();
    const CRect rcSpin = m_pEdit->GetSpinButtonsRect();
    CTestInput::MoveTo(BarToScreen(CPoint(rcSpin.CenterPoint().x, rcSpin.top + 2)));
    PumpPendingMessages();
    const UINT_PTR nRelease = ::SetTimer(nullptr, 0, 800, [](HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(nullptr, nId);
        CTestInput::Button(VK_LBUTTON, false);
    });
    CTestInput::Button(VK_LBUTTON, true);
    ASSERT_TRUE(PumpUntil([&] { return ::GetAsyncKeyState(VK_LBUTTON) >= 0 && ::GetCapture() == nullptr; }));
    ::KillTimer(nullptr, nRelease);
    ASSERT_GE(m_deltas.size(), 2u) << "a step at the press and at least one after 530 ms";
    for (int nDelta : m_deltas)
        EXPECT_EQ(nDelta, 1);
    EXPECT_EQ(Text(), std::to_string(6 + int(m_deltas.size())));
    EXPECT_EQ(m_pEdit->GetPressed(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(EditOnToolBar, OnARightToLeftBarTheWindowIsMadeAnewOnlyWhenItsDirectionDiffers)
{
    auto bRtl = [](HWND hWnd) { return (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; };
    m_pBar->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    m_pEdit->SetRefreshNeeded();
    Layout();
    const HWND hWndRtl = EditWnd();
    ASSERT_NE(hWndRtl, nullptr);
    EXPECT_TRUE(bRtl(hWndRtl)) << "made anew in the bar's direction";

    // Typing survives further layouts: the window of the bar's direction stays.
    ::SetFocus(hWndRtl);
    ::SendMessageW(hWndRtl, WM_CHAR, '5', 1);
    for (int i = 0; i < 2; i++)
    {
        m_pEdit->SetRefreshNeeded();
        Layout();
    }
    EXPECT_EQ(EditWnd(), hWndRtl);
    EXPECT_EQ(::GetFocus(), hWndRtl);
    EXPECT_EQ(Text(), "5");

    m_pSite->SetFocus();
    m_pBar->ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    m_pEdit->SetRefreshNeeded();
    Layout();
    ASSERT_NE(EditWnd(), nullptr);
    EXPECT_FALSE(bRtl(EditWnd())) << "back to left-to-right with its bar";
    EXPECT_EQ(Text(), "5");
}

// The rich edit's text request, seen on its way to the window.
WNDPROC g_pfnRichEditProc = nullptr;
std::vector<std::pair<LRESULT, DWORD>> g_textRequests;   // length announced, byte count asked for
LRESULT CALLBACK WatchTextRequests(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallWindowProcW(g_pfnRichEditProc, hWnd, message, wParam, lParam);
    if (message == EM_GETTEXTLENGTHEX)
        g_textRequests.push_back({lResult, 0});
    else if (message == EM_GETTEXTEX && !g_textRequests.empty())
        g_textRequests.back().second = reinterpret_cast<const GETTEXTEX*>(wParam)->cb;
    return lResult;
}

TEST_F(EditOnToolBar, TheWholeTextComesBackFromTheRichEdit)
{
    CZMRControlEditCtrl* pWnd = m_pEdit->GetEditCtrl();
    ASSERT_TRUE(pWnd->IsRichEdit20());
    std::wstring strText;
    for (int i = 0; i < 300; i++)
        strText += wchar_t(L'a' + i % 26);
    strText += L"\u00e9\u4e2d";
    pWnd->SetText(strText.c_str());

    g_textRequests.clear();
    g_pfnRichEditProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(pWnd->GetSafeHwnd(), GWLP_WNDPROC, LONG_PTR(&WatchTextRequests)));
    const CString strBack = pWnd->GetText();
    ::SetWindowLongPtrW(pWnd->GetSafeHwnd(), GWLP_WNDPROC, LONG_PTR(g_pfnRichEditProc));

    EXPECT_EQ(std::wstring(LPCWSTR(strBack)), strText) << "the last character too";
    ASSERT_EQ(g_textRequests.size(), 1u);
    EXPECT_EQ(g_textRequests[0].first, LRESULT(strText.size()));
    EXPECT_EQ(g_textRequests[0].second, DWORD((strText.size() + 1) * sizeof(wchar_t)))
        << "room for the text and its terminating wide character, in bytes";
}

TEST_F(EditOnToolBar, ClipboardCommandsFollowTheSelectionAndTheWindowsState)
{
    CZMRControlEditCtrl* pWnd = m_pEdit->GetEditCtrl();
    m_pEdit->SetEditText(L"abc");
    ASSERT_TRUE(::OpenClipboard(m_pSite->GetSafeHwnd()));
    ::EmptyClipboard();
    ::CloseClipboard();
    struct
    {
        const char* pszCase;
        int nStart, nEnd;
        BOOL bReadOnly;
        BOOL bCopy, bCut;
    } const cases[] = {
        {"no selection", 1, 1, FALSE, FALSE, FALSE},
        {"a selection", 0, 2, FALSE, TRUE, TRUE},
        {"read-only with a selection", 0, 2, TRUE, TRUE, FALSE},
    };
    for (const auto& c : cases)
    {
        m_pEdit->SetReadOnly(c.bReadOnly);
        pWnd->SetSel(c.nStart, c.nEnd);
        EXPECT_EQ(pWnd->IsClipboardCommandEnabled(ID_EDIT_COPY), c.bCopy) << c.pszCase;
        EXPECT_EQ(pWnd->IsClipboardCommandEnabled(ID_EDIT_CUT), c.bCut) << c.pszCase;
        EXPECT_FALSE(pWnd->IsClipboardCommandEnabled(ID_EDIT_PASTE)) << c.pszCase << ": the clipboard is empty";
    }
    m_pEdit->SetReadOnly(FALSE);
    pWnd->SetSel(0, 2);
    pWnd->OnClipboardCommand(ID_EDIT_CUT);
    EXPECT_STREQ(pWnd->GetText(), L"c");
    EXPECT_TRUE(pWnd->IsClipboardCommandEnabled(ID_EDIT_PASTE));
    m_pEdit->SetReadOnly(TRUE);
    EXPECT_FALSE(pWnd->IsClipboardCommandEnabled(ID_EDIT_PASTE)) << "nothing goes into a read-only window";
    m_pEdit->SetReadOnly(FALSE);
    pWnd->SetSel(0, -1);
    pWnd->OnClipboardCommand(ID_EDIT_PASTE);
    EXPECT_STREQ(pWnd->GetText(), L"ab");
}

struct CMenuSeen
{
    std::vector<std::pair<int, int>> items;   // id, enabled
    int nChoose = 0;
};
CMenuSeen* g_pMenuSeen = nullptr;

TEST_F(EditOnToolBar, ARightClickShowsCutCopyPasteAndRunsTheChoice)
{
    m_pEdit->SetEditText(L"hello");
    m_pEdit->SetReadOnly(TRUE);
    CMenuSeen seen;
    seen.nChoose = ID_EDIT_COPY;
    g_pMenuSeen = &seen;
    // The timer runs from now on, but the menu opens only inside the press
    // below: until it is up, the timer looks again at its next tick.
    const UINT_PTR nInMenu = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR nId, DWORD) {
        CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
        CZMRCommandBar* pPopup = pMouseManager->GetLastTracked();
        if (!pPopup || !pPopup->IsPopupBar())
            return;
        ::KillTimer(nullptr, nId);
        CZMRControl* pChoice = nullptr;
        for (int i = 0; i < pPopup->GetControlCount(); i++)
        {
            CZMRControl* pItem = pPopup->GetControl(i);
            g_pMenuSeen->items.push_back({pItem->GetID(), pItem->GetEnabled()});
            if (pItem->GetID() == g_pMenuSeen->nChoose)
                pChoice = pItem;
        }
        if (pChoice)
            pChoice->OnExecute();
    });
    const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(nullptr, nId);
        ADD_FAILURE() << "the menu was still open";
        CZMRMouseManager::GetThreadMouseManager()->CloseAllTracked();
    });
    CTestInput::MoveTo(BarToScreen(EditRectInBar().CenterPoint()));
    PumpPendingMessages();
    ASSERT_TRUE(::OpenClipboard(m_pSite->GetSafeHwnd()));
    ::EmptyClipboard();
    ::CloseClipboard();
    CTestInput::Button(VK_RBUTTON, true);
    ASSERT_TRUE(PumpUntil([&] { return !seen.items.empty(); }));
    CTestInput::Button(VK_RBUTTON, false);
    PumpPendingMessages();
    ::KillTimer(nullptr, nInMenu);
    ::KillTimer(nullptr, nSafety);
    g_pMenuSeen = nullptr;

    // The whole text was selected as the focus came; read-only: no Cut, and
    // nothing to paste.
    const std::vector<std::pair<int, int>> expected = {{ID_EDIT_CUT, 0}, {ID_EDIT_COPY, 1}, {ID_EDIT_PASTE, 0}};
    EXPECT_EQ(seen.items, expected);
    EXPECT_TRUE(m_pEdit->IsFocused());
    ASSERT_TRUE(::OpenClipboard(m_pSite->GetSafeHwnd()));
    HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
    EXPECT_STREQ(hData ? static_cast<LPCWSTR>(::GlobalLock(hData)) : L"", L"hello") << "Copy ran";
    if (hData)
        ::GlobalUnlock(hData);
    ::CloseClipboard();

    // A program without the edit command strings shows no menu.
    const HINSTANCE hSaved = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleW(L"kernel32.dll"));
    EXPECT_FALSE(m_pEdit->GetEditCtrl()->ShowContextMenu(m_pEdit, CPoint(2, 2)));
    AfxSetResourceHandle(hSaved);
}

TEST_F(EditOnToolBar, APictureOfTheFieldWithItsHintAndSpinButtons)
{
    m_pSite->SetFocus();
    ::UpdateWindow(m_pSite->GetSafeHwnd());
    m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CSize sz;
    const std::vector<COLORREF> pixels = ReadWindow(m_pBar->GetSafeHwnd(), sz);
    auto pixel = [&](CPoint pt) { return pixels[size_t(pt.y) * sz.cx + pt.x]; };
    EXPECT_TRUE(SaveArtifactPng(L"edit_hint_spin.png", sz.cx, sz.cy, [&](int x, int y) { return pixel(CPoint(x, y)); }));

    // The hint's letters in the grey of the hint.
    const CRect rcEdit = EditRectInBar();
    int nGrey = 0;
    for (int y = rcEdit.top; y < rcEdit.bottom; y++)
        for (int x = rcEdit.left; x < rcEdit.right; x++)
            nGrey += pixel(CPoint(x, y)) == clrGrayText;
    EXPECT_GT(nGrey, 5) << "the hint is drawn in the grey-text colour";
    EXPECT_EQ(pixel(CPoint(rcEdit.right - 2, rcEdit.top + 1)), clrWindow) << "the field is white";

    // The spin buttons' arrows: 5 pixels wide at their base, in the button text colour.
    const CRect rcSpin = m_pEdit->GetSpinButtonsRect();
    const int nMiddle = (rcSpin.top + rcSpin.bottom) / 2;
    const CPoint ptUp = CRect(rcSpin.left + 1, rcSpin.top + 1, rcSpin.right - 1, nMiddle).CenterPoint();
    const CPoint ptDown = CRect(rcSpin.left + 1, nMiddle, rcSpin.right - 1, rcSpin.bottom - 1).CenterPoint();
    for (int dx = -2; dx <= 2; dx++)
    {
        EXPECT_EQ(pixel(CPoint(ptUp.x + dx, ptUp.y)), clrBtnText) << "up arrow base " << dx;
        EXPECT_EQ(pixel(CPoint(ptDown.x + dx, ptDown.y - 1)), clrBtnText) << "down arrow base " << dx;
    }
    EXPECT_NE(pixel(CPoint(ptUp.x - 2, ptUp.y - 1)), clrBtnText) << "the up arrow narrows";
}

TEST(EditPersistence, TheEditsKeysComeBackAndOlderStatesKeepDefaults)
{
    CZMRControlEdit edit;
    edit.SetWidth(140);
    edit.ShowLabel(TRUE);
    edit.SetReadOnly(TRUE);
    edit.SetEditHint(L"name");
    edit.SetEditStyle(ES_NUMBER);
    edit.SetShowSpinButtons(TRUE);
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        edit.DoPropExchange(&store);
    }
    struct
    {
        int nSchema;
        int nWidth;
        BOOL bLabel, bReadOnly;
        const wchar_t* pszHint;
        DWORD dwStyle;
        BOOL bSpin;
    } const cases[] = {
        {ZMR_PX_SCHEMA_CURRENT, 140, TRUE, TRUE, L"name", ES_NUMBER, TRUE},
        {18, 140, TRUE, TRUE, L"name", ES_NUMBER, FALSE},
        {16, 140, TRUE, TRUE, L"name", 0, FALSE},
        {8, 140, TRUE, TRUE, L"", 0, FALSE},
        {7, 140, TRUE, FALSE, L"", 0, FALSE},
        {5, 100, FALSE, FALSE, L"", 0, FALSE},
    };
    for (const auto& c : cases)
    {
        CZMRControlEdit loaded;
        CMemoryPropStore store(&data, TRUE, c.nSchema);
        loaded.DoPropExchange(&store);
        EXPECT_EQ(loaded.GetWidth(), c.nWidth) << c.nSchema;
        EXPECT_EQ(loaded.HasLabel(), c.bLabel) << c.nSchema;
        EXPECT_EQ(loaded.IsReadOnly(), c.bReadOnly) << c.nSchema;
        EXPECT_STREQ(loaded.GetEditHint(), c.pszHint) << c.nSchema;
        EXPECT_EQ(loaded.GetEditStyle(), c.dwStyle) << c.nSchema;
        EXPECT_EQ(loaded.IsSpinButtonsVisible(), c.bSpin) << c.nSchema;
    }
}
} // namespace
