// The list controls that put items after themselves at each layout: numbered
// captions, the MDI window list (nine children at most, the active one
// checked, each frame with its own first child id), the tool-bar list and the
// recent-file list (empty, full, the current folder, re-expansion).
#include "BarTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControlListItem.h"
#include "CZMRControlOleItems.h"
#include "CZMRControlRecentFileList.h"
#include "CZMRControlWindowList.h"
#include "CZMRPopupBar.h"
#include "CZMRToolBar.h"
#include "CFrameHost.h"
#include "CRecordingSiteFrame.h"
#include "CZMRMouseManager.h"
#include "DockTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
struct CItem
{
    int nId;
    std::wstring strCaption;
    int bChecked;
    bool operator==(const CItem& other) const
    {
        return nId == other.nId && strCaption == other.strCaption && bChecked == other.bChecked;
    }
};

void PrintTo(const CItem& item, std::ostream* os)
{
    *os << "{" << item.nId << ", \"" << std::string(item.strCaption.begin(), item.strCaption.end()) << "\", "
        << item.bChecked << "}";
}

// The visible controls of a collection, as id, caption and check state.
std::vector<CItem> VisibleItems(CZMRControls* pControls)
{
    std::vector<CItem> items;
    for (int i = 0; i < pControls->GetCount(); i++)
    {
        CZMRControl* pControl = pControls->GetAt(i);
        if (pControl->IsVisible())
            items.push_back({pControl->GetID(), std::wstring(LPCTSTR(pControl->GetCaption())),
                             pControl->GetChecked()});
    }
    return items;
}
} // namespace

TEST(ListControls, NumberedCaptions)
{
    struct
    {
        LPCTSTR lpszText;
        int nNumber;
        LPCTSTR lpszCaption;
    } cases[] = {
        {L"Report", 0, L"Report"},         {L"Report", 1, L"&1 Report"},   {L"Report", 9, L"&9 Report"},
        {L"Report", 10, L"1&0 Report"},    {L"Report", 11, L"11 Report"},  {L"R&D", 2, L"&2 R&&D"},
        {L"A && B", 0, L"A &&&& B"},       {L"", 3, L"&3 "},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.lpszCaption, CZMRControlListItem::FormatNumberedCaption(c.lpszText, c.nNumber))
            << c.nNumber;
}

// ---------------------------------------------------------------- window list

class WindowListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CFrameHost::Create(CRect(40, 40, 700, 500));
        ASSERT_NE(nullptr, m_pHost);
        m_pManager = new CZMRBarManager;
        ASSERT_TRUE(m_pManager->Attach(m_pHost));
        m_pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
        CZMRControls* pControls = m_pPopup->GetControls();
        pControls->Add(zmrControlButton, 100);
        m_pList = pControls->Add(zmrControlButton, ZMR_ID_WINDOWLIST);
        pControls->Add(zmrControlButton, 101);
    }
    void TearDown() override
    {
        if (m_pPopup)
            m_pPopup->InternalRelease();
        delete m_pManager;
        if (m_pHost && ::IsWindow(m_pHost->GetSafeHwnd()))
            m_pHost->DestroyWindow();
    }
    std::vector<CItem> Expand()
    {
        m_pList->ExpandIntoItems(0);
        return VisibleItems(m_pPopup->GetControls());
    }

    CFrameHost* m_pHost = nullptr;
    CZMRBarManager* m_pManager = nullptr;
    CZMRPopupBar* m_pPopup = nullptr;
    CZMRControl* m_pList = nullptr;
};

TEST_F(WindowListTest, NineOfTwelveChildrenNumberedWithTheActiveOneChecked)
{
    std::vector<CMDIChildWnd*> children;
    for (int i = 1; i <= 12; i++)
    {
        CString strTitle;
        strTitle.Format(i == 2 ? L"R&D %d" : L"Child %d", i);
        children.push_back(m_pHost->AddChild(strTitle));
        ASSERT_NE(nullptr, children.back());
    }
    m_pHost->MDIActivate(children[2]);

    std::vector<CItem> expected = {{100, L"", 0}};
    for (int i = 1; i <= 9; i++)
    {
        CString strCaption;
        strCaption.Format(i == 2 ? L"&%d R&&D %d" : L"&%d Child %d", i, i);
        expected.push_back({ZMR_ID_FIRST_MDICHILD + i - 1, std::wstring(LPCTSTR(strCaption)), i == 3});
    }
    expected.push_back({101, L"", 0});
    EXPECT_EQ(expected, Expand());
    EXPECT_FALSE(m_pList->IsVisible());

    CZMRControls* pControls = m_pPopup->GetControls();
    for (int i = 2; i <= 10; i++)
    {
        CZMRControl* pItem = pControls->GetAt(i);
        EXPECT_TRUE(pItem->IsTemporary());
        EXPECT_EQ(DWORD(zmrFlagManualUpdate), pItem->GetFlags());
        EXPECT_EQ(ZMR_IDS_MDICHILD_PROMPT, pItem->GetHelpId());
        EXPECT_STREQ(L"Activates this window", pItem->GetDescription()) << "the status-bar prompt";
        EXPECT_EQ(i == 2, pItem->GetBeginGroup()) << "the first item opens the group";
    }

    // A child that is not visible is passed over (its style changed behind
    // the MDI client's back, which would otherwise renumber the children);
    // the next layout replaces the items.
    m_pHost->MDIActivate(children[0]);
    const HWND hWndHidden = children[1]->GetSafeHwnd();
    ::SetWindowLongPtrW(hWndHidden, GWL_STYLE, ::GetWindowLongPtrW(hWndHidden, GWL_STYLE) & ~LONG_PTR(WS_VISIBLE));
    ASSERT_EQ(ZMR_ID_FIRST_MDICHILD + 1, ::GetDlgCtrlID(hWndHidden));
    const std::vector<CItem> items = Expand();
    ASSERT_EQ(11u, items.size());
    EXPECT_EQ((CItem{ZMR_ID_FIRST_MDICHILD, L"&1 Child 1", 1}), items[1]);
    EXPECT_EQ((CItem{ZMR_ID_FIRST_MDICHILD + 2, L"&2 Child 3", 0}), items[2]);
    EXPECT_EQ((CItem{ZMR_ID_FIRST_MDICHILD + 9, L"&9 Child 10", 0}), items[9]);
    EXPECT_EQ(12, m_pPopup->GetControlCount());
}

TEST_F(WindowListTest, ShowsItselfWithoutChildrenOrClientAndInCustomizeMode)
{
    // No child.
    EXPECT_EQ((std::vector<CItem>{{100, L"", 0}, {ZMR_ID_WINDOWLIST, L"", 0}, {101, L"", 0}}), Expand());

    // Customize mode: the list control stands in for the children.
    ASSERT_NE(nullptr, m_pHost->AddChild(L"One"));
    EXPECT_EQ((std::vector<CItem>{{100, L"", 0}, {ZMR_ID_FIRST_MDICHILD, L"&1 One", 1}, {101, L"", 0}}), Expand());
    m_pManager->SetCustomizeMode(m_pManager);
    EXPECT_EQ((std::vector<CItem>{{100, L"", 0}, {ZMR_ID_WINDOWLIST, L"", 0}, {101, L"", 0}}), Expand());
    m_pManager->SetCustomizeMode(nullptr);

    // A bar whose site is no MDI frame.
    CWnd wndPlain;
    ASSERT_TRUE(wndPlain.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->SetSiteOverride(&wndPlain);
    CZMRControl* pList = pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_WINDOWLIST);
    pList->ExpandIntoItems(0);
    EXPECT_EQ(1, pPopup->GetControlCount());
    EXPECT_TRUE(pList->IsVisible());
    pPopup->InternalRelease();
    wndPlain.DestroyWindow();
}

TEST_F(WindowListTest, EachFrameKeepsItsOwnFirstChildId)
{
    CFrameHost* pOther = CFrameHost::Create(CRect(80, 80, 600, 400), L"Other frame");
    ASSERT_NE(nullptr, pOther);
    // Windows whose ids move a frame's first child id.
    CWnd wndLow, wndHigh, wndPlain;
    ASSERT_TRUE(wndLow.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 1, 1), m_pHost, 5));
    ASSERT_TRUE(wndHigh.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 1, 1), m_pHost, 32790));
    ASSERT_TRUE(wndPlain.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 1, 1), m_pHost, 500));

    const HWND hWndHost = m_pHost->GetSafeHwnd();
    const HWND hWndOther = pOther->GetSafeHwnd();
    EXPECT_EQ(ZMR_ID_FIRST_MDICHILD, CZMRControlWindowList::GetFirstMDIChildId(hWndHost));
    EXPECT_EQ(1, CZMRControlWindowList::AdjustFirstMDIChildId(hWndHost, wndLow.GetSafeHwnd()));
    EXPECT_EQ(ZMR_ID_FIRST_MDICHILD, CZMRControlWindowList::GetFirstMDIChildId(hWndOther)) << "the other frame";
    EXPECT_EQ(1, CZMRControlWindowList::AdjustFirstMDIChildId(hWndHost, wndPlain.GetSafeHwnd())) << "it stays";
    EXPECT_EQ(1, CZMRControlWindowList::AdjustFirstMDIChildId(hWndHost, nullptr));
    EXPECT_EQ(32768, CZMRControlWindowList::AdjustFirstMDIChildId(hWndOther, wndHigh.GetSafeHwnd()));
    EXPECT_EQ(1, CZMRControlWindowList::GetFirstMDIChildId(hWndHost));

    // The other frame's children still list from its own first id.
    CZMRBarManager manager;
    ASSERT_TRUE(manager.Attach(pOther));
    pOther->AddChild(L"Elsewhere");
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(&manager);
    CZMRControl* pList = pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_WINDOWLIST);
    pList->ExpandIntoItems(0);
    EXPECT_EQ(1, pPopup->GetControlCount()) << "no child at 32768";
    pPopup->InternalRelease();
    pOther->DestroyWindow();
}

// A picture for people: the window menu of a frame with twelve children, the
// third active, in the Default theme.
TEST_F(WindowListTest, PictureOfTheExpandedWindowList)
{
    CZMRPaintManager* pDefault = CZMRPaintManager::CreateTheme(0);
    pDefault->RefreshMetrics();
    m_pManager->SetPaintManager(pDefault);
    pDefault->InternalRelease();
    m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
    m_pManager->GetOptions()->nAnimationType = 5;
    m_pPopup->GetControl(0)->SetCaption(L"&Cascade");
    m_pPopup->GetControl(2)->SetCaption(L"&Tile");
    m_pPopup->GetControl(2)->SetBeginGroup(TRUE);
    std::vector<CMDIChildWnd*> children;
    for (int i = 1; i <= 12; i++)
    {
        CString strTitle;
        strTitle.Format(L"Report %d.txt", i);
        children.push_back(m_pHost->AddChild(strTitle));
    }
    m_pHost->MDIActivate(children[2]);
    ::SetForegroundWindow(m_pHost->GetSafeHwnd());

    m_pPopup->SetAnchor(CPoint(100, 100));
    ASSERT_TRUE(m_pPopup->OpenAsPopup(nullptr));
    PumpPendingMessages();
    ASSERT_EQ(12, m_pPopup->GetControlCount());
    const CWindowPixels pixels(m_pPopup->GetSafeHwnd());
    EXPECT_TRUE(pixels.Save(L"window_list_expanded.png"));

    // Every row shows its caption; only the active child's row has a check
    // mark in the icon column.
    auto inked = [&](CRect rc) {
        const COLORREF clrBack = pixels.At(rc.right - 2, rc.top + 1);
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                nCount += pixels.At(x, y) != clrBack ? 1 : 0;
        return nCount;
    };
    const int nIconColumn = pDefault->GetPopupIconColumnWidth(m_pPopup);
    for (int i = 2; i <= 10; i++)
    {
        const CRect rcItem = m_pPopup->GetControl(i)->GetRect();
        EXPECT_GT(inked(CRect(rcItem.left + nIconColumn, rcItem.top, rcItem.right, rcItem.bottom)), 10) << i;
        const int nMark = inked(CRect(rcItem.left + 2, rcItem.top + 2, rcItem.left + nIconColumn - 2,
                                      rcItem.bottom - 2));
        if (i == 4)
            EXPECT_GT(nMark, 3) << "the active child is checked";
        else
            EXPECT_EQ(0, nMark) << i;
    }
    m_pPopup->SetMenuLoopActive(FALSE);
}

// ---------------------------------------------------------------- tool-bar list

// The manager's tool-bar menu lists the bars that have both a menu entry and a
// close button, checked while shown; choosing one hides or shows its bar.
TEST(ToolbarList, OneCheckedItemPerListedBarAndChoosingOneTogglesItsBar)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(40, 40, 700, 500));
    ASSERT_NE(nullptr, pHost);
    CZMRBarManager* pManager = new CZMRBarManager;
    ASSERT_TRUE(pManager->Attach(pHost));
    CZMRToolBar* pStandard = pManager->AddToolBar(L"Standard", 1);
    CZMRToolBar* pUnclosable = pManager->AddToolBar(L"Unclosable", 2);
    pUnclosable->SetCloseable(FALSE);
    CZMRToolBar* pResearch = pManager->AddToolBar(L"R&D", 3);
    CZMRToolBar* pUnlisted = pManager->AddToolBar(L"Unlisted", 4);
    pUnlisted->SetContextMenuPresent(FALSE);
    CZMRToolBar* pHidden = pManager->AddToolBar(L"Hidden", 5);
    pHidden->SetVisible(FALSE);
    for (CZMRToolBar* pBar : {pStandard, pUnclosable, pResearch, pUnlisted, pHidden})
        ASSERT_NE(nullptr, pBar);
    ::SetForegroundWindow(pHost->GetSafeHwnd());

    CZMRPopupBar* pPopup = pManager->CreateToolBarContextMenu();
    ASSERT_NE(nullptr, pPopup);
    pPopup->GetControl(0)->SetBeginGroup(TRUE);
    auto open = [&] {
        pPopup->SetAnchor(CPoint(100, 100));
        EXPECT_TRUE(pPopup->OpenAsPopup(nullptr));
        PumpPendingMessages();
        return VisibleItems(pPopup->GetControls());
    };
    EXPECT_EQ((std::vector<CItem>{{ZMR_ID_TOOLBARLIST, L"Standard", 1},
                                  {ZMR_ID_TOOLBARLIST, L"R&&D", 1},
                                  {ZMR_ID_TOOLBARLIST, L"Hidden", 0}}),
              open());
    ASSERT_EQ(4, pPopup->GetControlCount());
    for (int i = 1; i <= 3; i++)
    {
        CZMRControl* pItem = pPopup->GetControl(i);
        EXPECT_STREQ(L"CZMRControlToolbar", pItem->GetParameter());
        EXPECT_TRUE(pItem->IsTemporary());
        EXPECT_EQ(i == 1, pItem->GetBeginGroup()) << "only the first item takes the list's group";
    }
    EXPECT_EQ(pResearch, pManager->GetBar(int(pPopup->GetControl(2)->GetTag())));

    // Choosing "R&D" closes the menu and hides that bar; the options are
    // marked changed and the next opening shows it unchecked.
    pManager->GetOptions()->bDirtyState = FALSE;
    pPopup->GetControl(2)->OnExecute();
    EXPECT_FALSE(pPopup->IsTrackingMode());
    EXPECT_FALSE(pResearch->IsVisible());
    EXPECT_TRUE(pStandard->IsVisible());
    EXPECT_TRUE(pManager->GetOptions()->bDirtyState);
    const std::vector<CItem> items = open();
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(0, items[1].bChecked);

    // Choosing the hidden bar shows it.
    pPopup->GetControl(3)->OnExecute();
    EXPECT_TRUE(pHidden->IsVisible());
    EXPECT_FALSE(pResearch->IsVisible());
    EXPECT_EQ(1, open()[2].bChecked);
    pPopup->SetMenuLoopActive(FALSE);

    pPopup->InternalRelease();
    delete pManager;
    pHost->DestroyWindow();
}

// ---------------------------------------------------------------- recent files

class RecentFileListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.m_pRecentFileList = new CRecentFileList(1, L"Recent File List", L"File%d", 12);
        m_pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
        m_pPopup->GetControls()->Add(zmrControlButton, 100);
        m_pList = m_pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_FILE_MRU);
        m_pPopup->GetControls()->Add(zmrControlButton, 101);
        ::GetCurrentDirectoryW(MAX_PATH, m_szDir);
    }
    void TearDown() override
    {
        m_pPopup->InternalRelease();
        ::SetCurrentDirectoryW(m_szDir);
    }
    std::vector<CItem> Expand()
    {
        m_pList->ExpandIntoItems(0);
        return VisibleItems(m_pPopup->GetControls());
    }

    CWinApp m_app{L"ListControlsTests"};
    CZMRPopupBar* m_pPopup = nullptr;
    CZMRControl* m_pList = nullptr;
    WCHAR m_szDir[MAX_PATH] = {};
};

TEST_F(RecentFileListTest, EmptyListShowsTheControlDisabled)
{
    ASSERT_TRUE(m_pList->IsKindOf(RUNTIME_CLASS(CZMRControlRecentFileList)));
    EXPECT_EQ(3u, Expand().size());
    EXPECT_TRUE(m_pList->IsVisible());
    EXPECT_FALSE(m_pList->GetEnabled());

    // In customize mode it shows enabled, so that it can be moved.
    CZMRBarManager manager;
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(&manager);
    CZMRControl* pList = pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_FILE_MRU);
    m_app.m_pRecentFileList->Add(L"C:\\data\\a.txt");
    manager.SetCustomizeMode(&manager);
    pList->ExpandIntoItems(0);
    manager.SetCustomizeMode(nullptr);
    EXPECT_EQ(1, pPopup->GetControlCount());
    EXPECT_TRUE(pList->IsVisible());
    EXPECT_TRUE(pList->GetEnabled());
    pPopup->InternalRelease();

    // Without the application's list nothing changes.
    delete m_app.m_pRecentFileList;
    m_app.m_pRecentFileList = nullptr;
    m_pList->SetVisible(FALSE);
    EXPECT_EQ(2u, Expand().size());
}

TEST_F(RecentFileListTest, FullListNumbersEveryFileAndShortensTheCurrentFolder)
{
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\windows"));
    for (int i = 12; i >= 1; i--)
    {
        CString strPath;
        strPath.Format(i == 3 ? L"C:\\windows\\R&D %d.txt" : L"C:\\data\\file%d.txt", i);
        m_app.m_pRecentFileList->Add(strPath);
    }
    const std::vector<CItem> items = Expand();
    ASSERT_EQ(14u, items.size());
    EXPECT_EQ((CItem{100, L"", 0}), items[0]);
    EXPECT_EQ((CItem{ZMR_ID_FILE_MRU_FIRST, L"&1 C:\\data\\file1.txt", 0}), items[1]);
    EXPECT_EQ((CItem{ZMR_ID_FILE_MRU_FIRST + 2, L"&3 R&&D 3.txt", 0}), items[3]) << "the current folder's file";
    EXPECT_EQ((CItem{ZMR_ID_FILE_MRU_FIRST + 8, L"&9 C:\\data\\file9.txt", 0}), items[9]);
    EXPECT_EQ((CItem{ZMR_ID_FILE_MRU_FIRST + 9, L"1&0 C:\\data\\file10.txt", 0}), items[10]);
    EXPECT_EQ((CItem{ZMR_ID_FILE_MRU_FIRST + 11, L"12 C:\\data\\file12.txt", 0}), items[12]);
    EXPECT_EQ((CItem{101, L"", 0}), items[13]);
    EXPECT_FALSE(m_pList->IsVisible());

    CZMRControl* pFirst = m_pPopup->GetControl(2);
    EXPECT_TRUE(pFirst->IsTemporary());
    EXPECT_EQ(DWORD(zmrFlagManualUpdate), pFirst->GetFlags());
    EXPECT_TRUE(pFirst->GetBeginGroup()) << "the list does not open the menu";
    EXPECT_FALSE(m_pPopup->GetControl(3)->GetBeginGroup());

    // The next layout replaces the items; a shorter list leaves fewer.
    m_app.m_pRecentFileList->Remove(0);
    m_app.m_pRecentFileList->Remove(0);
    EXPECT_EQ(12u, Expand().size());
    EXPECT_EQ(13, m_pPopup->GetControlCount());

    // At the top of the menu the first item opens no group.
    m_pPopup->GetControls()->RemoveAt(0);
    Expand();
    EXPECT_EQ(0, m_pList->GetIndex());
    EXPECT_FALSE(m_pPopup->GetControl(1)->GetBeginGroup());
}

TEST_F(RecentFileListTest, SavedControlsAfterTheListAreNotItems)
{
    // A control the user put right after the list, with an id of the range.
    m_pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_FILE_MRU_FIRST + 1, L"", m_pList->GetIndex() + 1);
    m_app.m_pRecentFileList->Add(L"C:\\data\\a.txt");
    Expand();
    Expand();
    const std::vector<CItem> items = VisibleItems(m_pPopup->GetControls());
    ASSERT_EQ(4u, items.size());
    EXPECT_EQ(ZMR_ID_FILE_MRU_FIRST, items[1].nId);
    EXPECT_EQ(ZMR_ID_FILE_MRU_FIRST + 1, items[2].nId);
    EXPECT_FALSE(m_pPopup->GetControl(3)->IsTemporary());
}

// ---------------------------------------------------------------- OLE items

namespace
{
// IUnknown for a test object of one interface, deleted with its last reference.
template <class TInterface>
class CTestUnknown : public TInterface
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid != IID_IUnknown && riid != __uuidof(TInterface))
            return *ppv = nullptr, E_NOINTERFACE;
        this->AddRef();
        return *ppv = this, S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return nRefs;
    }

protected:
    virtual ~CTestUnknown() = default;

private:
    ULONG m_nRefs = 1;
};

// An embedded object that only tells its short type and its verbs.
class CTestOleObject : public CTestUnknown<IOleObject>
{
public:
    CTestOleObject(LPCWSTR lpszType, std::vector<OLEVERB> verbs) : m_strType(lpszType), m_verbs(std::move(verbs)) {}

    class CEnumVerbs : public CTestUnknown<IEnumOLEVERB>
    {
    public:
        explicit CEnumVerbs(CTestOleObject* pObject) : m_pObject(pObject) { m_pObject->AddRef(); }
        ~CEnumVerbs() override { m_pObject->Release(); }
        STDMETHODIMP Next(ULONG celt, LPOLEVERB rgelt, ULONG* pceltFetched) override
        {
            ULONG n = 0;
            for (; n < celt && m_nNext < m_pObject->m_verbs.size(); n++, m_nNext++)
            {
                rgelt[n] = m_pObject->m_verbs[m_nNext];
                const size_t nBytes = (wcslen(rgelt[n].lpszVerbName) + 1) * sizeof(WCHAR);
                rgelt[n].lpszVerbName = static_cast<LPOLESTR>(::CoTaskMemAlloc(nBytes));
                memcpy(rgelt[n].lpszVerbName, m_pObject->m_verbs[m_nNext].lpszVerbName, nBytes);
            }
            if (pceltFetched)
                *pceltFetched = n;
            return n == celt ? S_OK : S_FALSE;
        }
        STDMETHODIMP Skip(ULONG celt) override { return m_nNext += celt, S_OK; }
        STDMETHODIMP Reset() override { return m_nNext = 0, S_OK; }
        STDMETHODIMP Clone(IEnumOLEVERB**) override { return E_NOTIMPL; }

    private:
        CTestOleObject* m_pObject;
        size_t m_nNext = 0;
    };

    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnum) override { return *ppEnum = new CEnumVerbs(this), S_OK; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR* ppsz) override
    {
        const size_t nBytes = (m_strType.size() + 1) * sizeof(WCHAR);
        *ppsz = static_cast<LPOLESTR>(::CoTaskMemAlloc(nBytes));
        memcpy(*ppsz, m_strType.c_str(), nBytes);
        return S_OK;
    }
    STDMETHODIMP SetClientSite(IOleClientSite*) override { return E_NOTIMPL; }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP Close(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return E_NOTIMPL; }
    STDMETHODIMP IsUpToDate() override { return E_NOTIMPL; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    std::wstring m_strType;
    std::vector<OLEVERB> m_verbs;
};

// A view that has one item selected.
class CSelectingView : public CView
{
public:
    void OnDraw(CDC*) override {}
    BOOL IsSelected(const CObject* pObject) const override { return pObject == m_pSelected; }
    const CObject* m_pSelected = nullptr;
};

const OLEVERB kEdit = {0, const_cast<LPOLESTR>(L"&Edit"), 0, OLEVERBATTRIB_ONCONTAINERMENU};
const OLEVERB kOpen = {1, const_cast<LPOLESTR>(L"&Open"), 0, OLEVERBATTRIB_ONCONTAINERMENU};
const OLEVERB kHidden = {2, const_cast<LPOLESTR>(L"Hidden"), 0, 0};
const OLEVERB kShow = {-1, const_cast<LPOLESTR>(L"Show"), 0, OLEVERBATTRIB_ONCONTAINERMENU};

class OleItemsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_document.m_bAutoDelete = FALSE;
        m_pSite = CRecordingSiteFrame::Create();
        ASSERT_NE(nullptr, m_pSite);
        m_pView = new CSelectingView;
        ASSERT_TRUE(m_pView->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), m_pSite,
                                    AFX_IDW_PANE_FIRST));
        m_document.AddView(m_pView);
        m_pSite->SetActiveView(m_pView, FALSE);
        m_pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
        m_pPopup->SetSiteOverride(m_pSite);
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 100, L"Cut");
        menu.AppendMenu(MF_STRING, ZMR_ID_OLE_VERB_FIRST, ZMR_OLE_VERBS_TEXT);
        menu.AppendMenu(MF_STRING, 101, L"Paste");
        m_pPopup->LoadMenu(&menu);
        m_pList = m_pPopup->GetControl(1);
    }
    void TearDown() override
    {
        if (m_pPopup)
            m_pPopup->InternalRelease();
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }
    COleClientItem* AddItem(std::vector<OLEVERB> verbs, UINT nState = COleClientItem::loadedState)
    {
        auto* pItem = new COleClientItem(&m_document);
        pItem->m_lpObject = new CTestOleObject(L"Picture", std::move(verbs));
        pItem->SetItemState(nState);
        return pItem;
    }
    std::vector<CItem> Expand()
    {
        m_pList->ExpandIntoItems(0);
        return VisibleItems(m_pPopup->GetControls());
    }

    COleDocument m_document;
    CRecordingSiteFrame* m_pSite = nullptr;
    CSelectingView* m_pView = nullptr;
    CZMRPopupBar* m_pPopup = nullptr;
    CZMRControl* m_pList = nullptr;
};
} // namespace

TEST_F(OleItemsTest, TheSelectedItemsVerbsMakeOnePopup)
{
    ASSERT_TRUE(m_pList->IsKindOf(RUNTIME_CLASS(CZMRControlOleItems)));
    const std::vector<CItem> listShown = {{100, L"Cut", 0}, {ZMR_ID_OLE_VERB_FIRST, ZMR_OLE_VERBS_TEXT, 0},
                                          {101, L"Paste", 0}};
    EXPECT_EQ(listShown, Expand()) << "no item selected";

    COleClientItem* pItem = AddItem({kEdit, kHidden, kShow, kOpen});
    AddItem({kEdit, kOpen});
    m_pView->m_pSelected = pItem;
    const std::vector<CItem> items = Expand();
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(L"Picture &Object", items[1].strCaption);
    CZMRControl* pPopup = m_pPopup->GetControl(2);
    EXPECT_EQ(zmrControlPopup, pPopup->GetType());
    EXPECT_STREQ(L"OLEMENUPOPUP", pPopup->GetParameter());
    EXPECT_TRUE(pPopup->IsTemporary());
    EXPECT_FALSE(m_pList->IsVisible());
    // The verbs for the container's menu, each under its own command.
    CZMRCommandBar* pVerbs = pPopup->GetCommandBar();
    ASSERT_NE(nullptr, pVerbs);
    EXPECT_EQ((std::vector<CItem>{{ZMR_ID_OLE_VERB_FIRST, L"&Edit", 0}, {ZMR_ID_OLE_VERB_FIRST + 1, L"&Open", 0}}),
              VisibleItems(pVerbs->GetControls()));

    // The next layout replaces the popup; an item active in place, a single
    // verb (no popup) or a second selected item leave the list control shown.
    EXPECT_EQ(3u, Expand().size());
    EXPECT_EQ(4, m_pPopup->GetControlCount());
    pItem->SetItemState(COleClientItem::activeState);
    EXPECT_EQ(listShown, Expand());
    pItem->SetItemState(COleClientItem::activeUIState);
    EXPECT_EQ(3u, Expand().size());
    static_cast<CTestOleObject*>(pItem->m_lpObject)->m_verbs = {kEdit};
    EXPECT_EQ(listShown, Expand());
    EXPECT_EQ(3, m_pPopup->GetControlCount());
}

TEST(OleVerbMenu, OneItemForOneVerbAPopupForMore)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, L"placeholder");
    AfxOleSetEditMenu(nullptr, &menu, 0, 57872, 57887);
    CString strText;
    menu.GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_STREQ(L"&Object", strText);
    EXPECT_TRUE(::GetMenuState(menu.GetSafeHmenu(), 0, MF_BYPOSITION) & MF_GRAYED);

    COleClientItem item;
    item.m_lpObject = new CTestOleObject(L"Sound", {kOpen});
    AfxOleSetEditMenu(&item, &menu, 0, 57872, 57887);
    menu.GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_STREQ(L"&Open Sound &Object", strText);
    EXPECT_EQ(57873u, menu.GetMenuItemID(0));

    static_cast<CTestOleObject*>(item.m_lpObject)->m_verbs = {kEdit, kOpen, kHidden};
    AfxOleSetEditMenu(&item, &menu, 0, 57872, 57872);
    menu.GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_STREQ(L"&Edit Sound &Object", strText) << "verbs past the last command are left out";
    AfxOleSetEditMenu(&item, &menu, 0, 57872, 57887, 57900);
    CMenu* pVerbs = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pVerbs);
    EXPECT_EQ(4, pVerbs->GetMenuItemCount()) << "two verbs, a separator and the conversion";
    EXPECT_EQ(57900u, pVerbs->GetMenuItemID(3));
}
