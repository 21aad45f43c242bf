// The combo box on a bar: its edit part, completion from the list, the keys,
// the drop-down list opened and closed by mouse and keys, and its saved keys.
#include "BarTestSupport.h"
#include "ToolBarTestSupport.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRControlComboBoxList.h"
#include "CZMRMouseManager.h"
#include "CZMRToolBar.h"
#include "MemoryPropStore.h"
#include "CTestInput.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace
{
const COLORREF clrListFrame = RGB(200, 0, 200);   // index 43
const COLORREF clrWindow = RGB(255, 255, 255);
const COLORREF clrGrayText = RGB(0, 150, 0);
const COLORREF clrWindowText = RGB(160, 0, 0);
const COLORREF clrHighlight = RGB(0, 0, 200);
const COLORREF clrHighlightText = RGB(250, 250, 0);

// A window's pixels with its frame.
std::vector<COLORREF> ReadWholeWindow(HWND hWnd, CSize& sz)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    sz = rc.Size();
    HDC hdcWnd = ::GetWindowDC(hWnd);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < sz.cy; y++)
        for (int x = 0; x < sz.cx; x++)
            pixels.push_back(::GetPixel(hdcWnd, x, y));
    ::ReleaseDC(hWnd, hdcWnd);
    return pixels;
}

class CComboTheme : public CClassicColoursTheme
{
public:
    CComboTheme()
    {
        const int indices[] = {43, COLOR_WINDOW, COLOR_GRAYTEXT, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
        const COLORREF colours[] = {clrListFrame, clrWindow, clrGrayText, clrWindowText, clrHighlight, clrHighlightText};
        SetColors(6, indices, colours);
    }
};

// A tool bar of the manager with a combo box in drop-down mode that
// completes from its list.
class ComboOnToolBar : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        CComboTheme* pTheme = new CComboTheme;
        m_pManager->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        m_pSite->m_answer = [this](const CRecordingSiteFrame::CMessage& msg) -> LRESULT {
            if (msg.nMessage == ZMR_WM_CONTROLNOTIFY)
                m_codes.push_back(int(reinterpret_cast<const NMZMRCONTROL*>(msg.lParam)->hdr.code));
            return 0;
        };
        m_pBar = m_pManager->AddToolBar(L"Find", 1);
        m_pBar->GetControls()->Add(zmrControlButton, 10);
        m_pCombo = static_cast<CZMRControlComboBox*>(m_pBar->GetControls()->Add(zmrControlComboBox, 88));
        m_pCombo->SetWidth(140);
        // The site has no handler for the command: no update may disable it.
        m_pCombo->SetFlags(zmrFlagManualUpdate);
        m_pCombo->SetDropDownMode(TRUE);
        m_pCombo->SetAutoComplete(TRUE);
        m_pCombo->SetEditHint(L"Find");
        for (LPCTSTR lpszItem : {L"abc", L"abd", L"xyz", L"xylophone"})
            List()->AddString(lpszItem);
        m_pSite->SetFocus();
        Layout();
    }
    void TearDown() override
    {
        m_pManager->CancelTracking();
        ::SetFocus(nullptr);
        BarSiteTest::TearDown();
    }
    void Layout()
    {
        m_pBar->OnRecalcLayout();
        m_pSite->RecalcLayout();
        PumpPendingMessages();
    }
    CZMRControlComboBoxList* List() const { return static_cast<CZMRControlComboBoxList*>(m_pCombo->GetCommandBar()); }
    HWND EditWnd() const { return m_pCombo->GetEditCtrl()->GetSafeHwnd(); }
    CPoint BarToScreen(CPoint pt) const
    {
        m_pBar->ClientToScreen(&pt);
        return pt;
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
    CPoint ButtonPoint() const
    {
        const CRect rc = m_pCombo->GetRect();
        return BarToScreen(CPoint(rc.right - m_pCombo->GetDropDownWidth() / 2, rc.CenterPoint().y));
    }
    void FocusEdit()
    {
        CRect rc;
        ::GetWindowRect(EditWnd(), &rc);
        ClickAt(rc.CenterPoint());
        ASSERT_EQ(::GetFocus(), EditWnd());
    }
    void Type(WORD wKey)
    {
        m_keys.Type(wKey);
        PumpPendingMessages();
    }
    bool IsListShown() const { return List()->GetSafeHwnd() && ::IsWindowVisible(List()->GetSafeHwnd()); }
    std::string Text() const { return std::string(CStringA(m_pCombo->GetEditText())); }
    std::pair<int, int> Selection() const
    {
        int nStart = 0, nEnd = 0;
        m_pCombo->GetEditCtrl()->GetSel(nStart, nEnd);
        return {nStart, nEnd};
    }
    int Count(int nCode) const { return int(std::count(m_codes.begin(), m_codes.end(), nCode)); }

    CZMRToolBar* m_pBar = nullptr;
    CZMRControlComboBox* m_pCombo = nullptr;
    std::vector<int> m_codes;
    CHeldKeys m_keys;
};

TEST(ComboBoxList, RowsFollowTheItemsUpToTheDropDownCount)
{
    struct
    {
        int nDropDownCount, nItems, nRows;
    } const cases[] = {
        {12, 0, 1}, {12, 1, 1}, {12, 5, 5}, {12, 30, 12}, {3, 30, 3}, {0, 5, 1}, {-4, 5, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CZMRControlComboBoxList::GetRowCount(c.nDropDownCount, c.nItems), c.nRows)
            << c.nDropDownCount << " / " << c.nItems;
}

TEST_F(ComboOnToolBar, TheEditPartSitsBetweenLabelAndButtonAndShowsTheHint)
{
    ASSERT_NE(EditWnd(), nullptr);
    EXPECT_EQ(::GetParent(EditWnd()), m_pBar->GetSafeHwnd());
    const CRect rc = m_pCombo->GetRect();
    CRect rcEdit;
    ::GetWindowRect(EditWnd(), &rcEdit);
    m_pBar->ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, CRect(rc.left + m_pCombo->GetLabelWidth() + 4, rc.top + 3,
                            rc.right - m_pCombo->GetDropDownWidth() - 3, rc.bottom - 3));
    EXPECT_STREQ(m_pCombo->GetEditText(), L"Find");
    EXPECT_STREQ(m_pCombo->GetDisplayText(), L"");
    EXPECT_EQ(::SendMessageW(EditWnd(), 10824, 0, 0), 1);

    // Docked at a side the combo box leaves the bar.
    m_pCombo->ExpandIntoItems(LM_VERTDOCK);
    EXPECT_FALSE(::IsWindowVisible(EditWnd()));
    m_pCombo->ExpandIntoItems(LM_HORZDOCK);
    EXPECT_TRUE(::IsWindowVisible(EditWnd()));
}

TEST_F(ComboOnToolBar, TypingCompletesFromTheListAndBackspaceDoesNotCompleteAgain)
{
    FocusEdit();
    EXPECT_TRUE(m_pCombo->IsFocused());
    EXPECT_STREQ(m_pCombo->GetEditText(), L"") << "the hint makes way";
    EXPECT_EQ(Count(ZMR_CBN_SETFOCUS), 1);

    Type('A');
    EXPECT_EQ(Text(), "abc") << "the first item completes, searched from the top";
    EXPECT_EQ(Selection(), std::make_pair(1, 3));
    Type('B');
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(Selection(), std::make_pair(2, 3)) << "the completed part is selected";
    EXPECT_EQ(m_pCombo->GetCurSel(), 0) << "the list follows the text";
    Type(VK_BACK);
    EXPECT_EQ(Text(), "ab") << "Backspace takes the completion away and does not complete again";
    EXPECT_EQ(m_pCombo->GetCurSel(), -1);
    Type('D');
    EXPECT_EQ(Text(), "abd");
    EXPECT_EQ(m_pCombo->GetCurSel(), 1);
    EXPECT_GE(Count(ZMR_CBN_EDITCHANGE), 4);

    // Escape gives back the text from when the focus came.
    Type(VK_ESCAPE);
    EXPECT_FALSE(m_pCombo->IsFocused());
    EXPECT_NE(::GetFocus(), EditWnd());
    EXPECT_STREQ(m_pCombo->GetEditText(), L"Find") << "empty again, so the hint shows";
    EXPECT_EQ(Count(ZMR_CBN_KILLFOCUS), 1);
    EXPECT_FALSE(m_pBar->IsTrackingMode());
}

TEST_F(ComboOnToolBar, TheButtonOpensTheListUnderTheFieldAndAClickOnAnItemChoosesIt)
{
    ClickAt(ButtonPoint());
    ASSERT_TRUE(IsListShown());
    EXPECT_TRUE(m_pCombo->IsPopupOpen());
    EXPECT_EQ(::GetFocus(), EditWnd()) << "the edit window takes the focus";
    EXPECT_EQ(Count(ZMR_CBN_DROPDOWN), 1);
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_POPUPOPENING).size(), 1u);

    CRect rcList, rcControl = m_pCombo->GetRect();
    ::GetWindowRect(List()->GetSafeHwnd(), &rcList);
    m_pBar->ClientToScreen(&rcControl);
    const int nItemHeight = int(List()->SendMessage(LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(rcList.Height(), nItemHeight * 4 + 4) << "four items, four rows";
    EXPECT_EQ(rcList.Width(), rcControl.Width()) << "as wide as the control";
    EXPECT_EQ(rcList.left, rcControl.left);
    EXPECT_EQ(rcList.top, rcControl.bottom);

    // Moving over an item selects it; releasing the button there takes it.
    CRect rcItem;
    List()->SendMessage(LB_GETITEMRECT, 2, LPARAM(&rcItem));
    List()->ClientToScreen(&rcItem);
    CTestInput::MoveTo(CPoint(rcItem.left + 5, rcItem.top + 2));
    PumpPendingMessages();
    CTestInput::MoveTo(rcItem.CenterPoint());
    PumpPendingMessages();
    EXPECT_EQ(List()->GetCurSel(), 2);
    m_codes.clear();
    CTestInput::Button(VK_LBUTTON, true);
    PumpPendingMessages();
    CTestInput::Button(VK_LBUTTON, false);
    PumpPendingMessages();
    EXPECT_STREQ(m_pCombo->GetEditText(), L"xyz");
    EXPECT_FALSE(IsListShown());
    EXPECT_FALSE(m_pCombo->IsPopupOpen());
    EXPECT_EQ(Count(ZMR_CBN_SELCHANGE), 1);
    EXPECT_EQ(Count(ZMR_CBN_SELENDOK), 1);
    EXPECT_EQ(Count(ZMR_CBN_CLOSEUP), 1);
    EXPECT_EQ(Count(ZMR_CBN_SELENDCANCEL), 0) << "executed, not cancelled";
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, m_pCombo->IsFocused() ? 1 : 0);
}

TEST_F(ComboOnToolBar, KeysOpenTheListMoveInItAndEachWayOutClosesIt)
{
    FocusEdit();
    // The wheel steps through the list while the field has the focus.
    for (int nDelta : {-120, -120, 120})
    {
        CTestInput::Wheel(nDelta);
        PumpPendingMessages();
    }
    EXPECT_EQ(Text(), "abc") << "down, down, up";
    EXPECT_FALSE(IsListShown());
    m_pCombo->SetEditText(L"");

    // F4 opens the list; Down moves the selection into the text.
    Type(VK_F4);
    ASSERT_TRUE(IsListShown());
    Type(VK_DOWN);
    EXPECT_EQ(List()->GetCurSel(), 0);
    EXPECT_EQ(Text(), "abc");
    Type(VK_DOWN);
    EXPECT_EQ(Text(), "abd");
    EXPECT_EQ(Selection().first, 0) << "the whole text is selected";
    EXPECT_GE(Selection().second, 3);

    // Enter takes it and closes the list.
    m_codes.clear();
    Type(VK_RETURN);
    EXPECT_FALSE(IsListShown());
    EXPECT_EQ(Count(ZMR_CBN_SELENDOK), 1);
    EXPECT_EQ(Count(ZMR_CBN_CLOSEUP), 1);
    EXPECT_FALSE(m_pCombo->IsFocused()) << "the command gives the focus back";
    EXPECT_EQ(::GetFocus(), m_pSite->GetSafeHwnd());
    EXPECT_FALSE(m_pBar->IsTrackingMode());
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, 0);

    auto altWith = [&](WORD wKey) {
        m_keys.Press(VK_MENU);
        Type(wKey);
        m_keys.Release(VK_MENU);
        PumpPendingMessages();
    };
    struct
    {
        const char* pszWay;
        std::function<void()> open;
        std::function<void()> close;
    } const ways[] = {
        {"F4 again", [&] { Type(VK_F4); }, [&] { Type(VK_F4); }},
        {"Escape", [&] { Type(VK_F4); }, [&] { Type(VK_ESCAPE); }},
        {"Alt+Up after Alt+Down", [&] { altWith(VK_DOWN); }, [&] { altWith(VK_UP); }},
        {"the button again", [&] { Type(VK_F4); }, [&] { ClickAt(ButtonPoint()); }},
        {"a click outside", [&] { Type(VK_F4); },
         [&] {
             CRect rcSite;
             m_pSite->GetWindowRect(rcSite);
             ClickAt(CPoint(rcSite.left + 300, rcSite.bottom - 40));
         }},
    };
    for (const auto& way : ways)
    {
        if (::GetFocus() != EditWnd())
            FocusEdit();
        way.open();
        ASSERT_TRUE(IsListShown()) << way.pszWay;
        m_codes.clear();
        way.close();
        EXPECT_FALSE(IsListShown()) << way.pszWay;
        EXPECT_FALSE(m_pCombo->IsPopupOpen()) << way.pszWay;
        EXPECT_EQ(Count(ZMR_CBN_CLOSEUP), 1) << way.pszWay;
        EXPECT_EQ(Count(ZMR_CBN_SELENDCANCEL), 1) << way.pszWay << ": closed without a choice";
    }

    // Alt+F4 is not the combo box's; F4 alone is.
    FocusEdit();
    // Alt is held in this thread's key state only: a real Alt released alone
    // would start the frame's menu mode.
    BYTE keys[256] = {};
    ASSERT_TRUE(::GetKeyboardState(keys));
    keys[VK_MENU] |= 0x80;
    ::SetKeyboardState(keys);
    EXPECT_EQ(m_pCombo->HandleHookedKeyDown(VK_F4), 2) << "Alt+F4 goes on to the window";
    keys[VK_MENU] &= 0x7F;
    ::SetKeyboardState(keys);
    EXPECT_FALSE(IsListShown());
    EXPECT_EQ(m_pCombo->HandleHookedKeyDown(VK_F4), 1);
    EXPECT_TRUE(IsListShown());
    Type(VK_ESCAPE);
}

TEST_F(ComboOnToolBar, WithoutAnEditWindowItDrawsItsOwnTextAndKeysMoveTheSelection)
{
    auto* pPlain = static_cast<CZMRControlComboBox*>(m_pBar->GetControls()->Add(zmrControlComboBox, 89));
    pPlain->SetWidth(120);
    pPlain->SetFlags(zmrFlagManualUpdate);
    pPlain->SetEditHint(L"Pick");
    auto* pList = static_cast<CZMRControlComboBoxList*>(pPlain->GetCommandBar());
    for (LPCTSTR lpszItem : {L"alpha", L"beta"})
        pList->AddString(lpszItem);
    Layout();
    ASSERT_EQ(pPlain->GetEditCtrl(), nullptr);

    // Counts the colours inside the field, clear of its frame and button.
    auto fieldColours = [&] {
        m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CSize sz;
        const std::vector<COLORREF> pixels = ReadWindow(m_pBar->GetSafeHwnd(), sz);
        const CRect rc = pPlain->GetRect();
        const CRect rcText(rc.left + pPlain->GetLabelWidth() + 4, rc.top + 3, rc.right - pPlain->GetDropDownWidth() - 1,
                           rc.bottom - 3);
        std::map<COLORREF, int> counts;
        for (int y = rcText.top; y < rcText.bottom; y++)
            for (int x = rcText.left; x < rcText.right; x++)
                counts[pixels[size_t(y) * sz.cx + x]]++;
        return counts;
    };
    struct
    {
        const char* pszState;
        std::function<void()> enter;
        COLORREF clrFill;           // the field's ground
        COLORREF clrText;           // 0: no text
        std::vector<int> codes;     // what the site was told
    } const states[] = {
        {"nothing chosen: the hint in grey", [] {}, clrWindow, clrGrayText, {}},
        {"focused by the keyboard, nothing chosen: highlighted, no hint", [&] { pPlain->OnClick(TRUE); },
         clrHighlight, 0, {ZMR_CBN_SETFOCUS}},
        {"Down chooses an item", [&] { Type(VK_DOWN); }, clrHighlight, clrHighlightText, {ZMR_CBN_SELCHANGE}},
        {"Escape restores the choice from when the focus came", [&] { Type(VK_ESCAPE); }, clrWindow, clrGrayText,
         {ZMR_CBN_SELCHANGE, ZMR_CBN_SELENDCANCEL, ZMR_CBN_KILLFOCUS}},
        {"an item chosen by the program", [&] { pPlain->SetCurSel(1); }, clrWindow, clrWindowText,
         {ZMR_CBN_SELCHANGE}},
        {"disabled", [&] { pPlain->SetEnabled(FALSE); }, 0, clrGrayText, {}},
    };
    for (const auto& state : states)
    {
        m_codes.clear();
        state.enter();
        PumpPendingMessages();
        std::map<COLORREF, int> counts = fieldColours();
        if (state.clrFill)
        {
            EXPECT_GT(counts[state.clrFill], 40) << state.pszState;
        }
        for (COLORREF clr : {clrGrayText, clrWindowText, clrHighlightText})
        {
            if (clr == state.clrText)
            {
                EXPECT_GT(counts[clr], 5) << state.pszState;
            }
            else
            {
                EXPECT_EQ(counts[clr], 0) << state.pszState;
            }
        }
        EXPECT_EQ(m_codes, state.codes) << state.pszState;
    }
    EXPECT_EQ(pPlain->GetCurSel(), 1);
}

TEST_F(ComboOnToolBar, AnOwnerDrawnListShowsAnIconPerItemAndOpensAtItsRememberedWidth)
{
    // Four 16 x 12 icons, ids 300 to 303.
    const COLORREF iconColours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(200, 120, 0)};
    ASSERT_TRUE(SetBlockIcons(m_pManager, m_pBar, {300, 301, 302, 303},
                              std::vector<COLORREF>(std::begin(iconColours), std::end(iconColours)), CSize(16, 12)));

    CZMRControlComboBoxList* pList = List();
    pList->DestroyWindow();
    pList->SetBarStyle(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    pList->SetListIconId(300);
    ASSERT_TRUE(pList->CreateListBox());
    EXPECT_EQ(pList->SendMessage(LB_GETITEMHEIGHT, 0, 0), 12 + 4) << "rows as high as the icon + 4";
    for (LPCTSTR lpszItem : {L"red", L"green", L"blue", L"amber"})
        pList->AddString(lpszItem);
    pList->SetMRUWidth(220);

    ClickAt(ButtonPoint());
    ASSERT_TRUE(IsListShown());
    CRect rcList;
    ::GetWindowRect(pList->GetSafeHwnd(), &rcList);
    EXPECT_EQ(rcList.Width(), 220) << "the remembered width, not the control's " << m_pCombo->GetRect().Width();
    EXPECT_EQ(rcList.Height(), 16 * 4 + 4);

    pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CSize sz;
    const std::vector<COLORREF> pixels = ReadWindow(pList->GetSafeHwnd(), sz, TRUE);
    for (int i = 0; i < 4; i++)
    {
        CRect rcItem;
        pList->SendMessage(LB_GETITEMRECT, WPARAM(i), LPARAM(&rcItem));
        const CPoint ptIcon(rcItem.left + 2 + 8, rcItem.top + 2 + 6);
        EXPECT_EQ(pixels[size_t(ptIcon.y) * sz.cx + ptIcon.x], iconColours[i]) << "item " << i;
    }
    Type(VK_ESCAPE);
}

TEST_F(ComboOnToolBar, APictureOfTheOpenComboBox)
{
    m_pCombo->SetEditText(L"xylophone");
    ClickAt(ButtonPoint());
    ASSERT_TRUE(IsListShown());
    List()->SetCurSel(3);
    List()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    CSize szBar, szList;
    const std::vector<COLORREF> bar = ReadWindow(m_pBar->GetSafeHwnd(), szBar);
    const std::vector<COLORREF> list = ReadWholeWindow(List()->GetSafeHwnd(), szList);
    CRect rcBar, rcList;
    m_pBar->GetWindowRect(rcBar);
    ::GetWindowRect(List()->GetSafeHwnd(), &rcList);
    const CRect rcAll = rcBar | rcList;
    EXPECT_TRUE(SaveArtifactPng(L"combo_open_on_toolbar.png", rcAll.Width(), rcAll.Height(), [&](int x, int y) {
        const CPoint pt(rcAll.left + x, rcAll.top + y);
        if (rcList.PtInRect(pt))
            return list[size_t(pt.y - rcList.top) * szList.cx + (pt.x - rcList.left)];
        if (rcBar.PtInRect(pt))
            return bar[size_t(pt.y - rcBar.top) * szBar.cx + (pt.x - rcBar.left)];
        return RGB(255, 255, 255);
    }));

    // The list's frame: a line in colour 43, then one in the window colour.
    auto listPixel = [&](int x, int y) { return list[size_t(y) * szList.cx + x]; };
    EXPECT_EQ(listPixel(0, 0), clrListFrame);
    EXPECT_EQ(listPixel(szList.cx / 2, szList.cy - 1), clrListFrame);
    EXPECT_EQ(listPixel(1, szList.cy / 2), clrWindow);
    EXPECT_EQ(listPixel(szList.cx - 2, 1), clrWindow);
}

TEST(ComboBoxPersistence, TheKeysAndTheListItemsComeBack)
{
    CZMRControlComboBox combo;
    combo.SetWidth(150);
    combo.SetComboStyle(1);
    combo.SetEditHint(L"Search");
    combo.SetAutoComplete(TRUE);
    combo.SetEditIconId(7);
    combo.SetDropDownItemCount(5);
    combo.SetEditStyle(ES_UPPERCASE);
    static_cast<CZMRControlComboBoxList*>(combo.GetCommandBar())->AddString(L"one");
    static_cast<CZMRControlComboBoxList*>(combo.GetCommandBar())->AddString(L"two");
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        combo.DoPropExchange(&store);
        combo.GetCommandBar()->DoPropExchange(&store);
    }
    struct
    {
        int nSchema;
        const wchar_t* pszHint;
        int nItemCount;
        DWORD dwEditStyle;
    } const cases[] = {{ZMR_PX_SCHEMA_CURRENT, L"Search", 5, ES_UPPERCASE}, {16, L"Search", 5, 0}, {8, L"", 12, 0}};
    for (const auto& c : cases)
    {
        CZMRControlComboBox loaded;
        CMemoryPropStore store(&data, TRUE, c.nSchema);
        loaded.DoPropExchange(&store);
        loaded.GetCommandBar()->DoPropExchange(&store);
        EXPECT_EQ(loaded.GetWidth(), 150) << c.nSchema;
        EXPECT_EQ(loaded.GetComboStyle(), 1) << c.nSchema;
        EXPECT_FALSE(loaded.GetDropDownMode()) << c.nSchema;
        EXPECT_EQ(loaded.GetEditCtrl(), nullptr) << "drop-down mode is applied after loading";
        EXPECT_STREQ(loaded.GetEditHint(), c.pszHint) << c.nSchema;
        EXPECT_EQ(loaded.GetDropDownItemCount(), c.nItemCount) << c.nSchema;
        EXPECT_EQ(loaded.GetEditStyle(), c.dwEditStyle) << c.nSchema;
        auto* pList = static_cast<CZMRControlComboBoxList*>(loaded.GetCommandBar());
        ASSERT_EQ(pList->GetCount(), 2) << c.nSchema;
        CString strItem;
        pList->GetText(1, strItem);
        EXPECT_STREQ(strItem, L"two");
    }
}
} // namespace
