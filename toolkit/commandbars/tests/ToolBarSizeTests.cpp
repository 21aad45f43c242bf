// The icon and button sizes every bar uses, from the bar's own sizes, the
// manager's options and the theme's defaults.
#include "ToolBarTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRToolTipContext.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
const CSize Unset(0, 0);
// Stand-ins for the theme's default sizes, resolved in the test.
const CSize ThemeSmall(-1, -1);
const CSize ThemeLarge(-2, -2);

struct CSizeCase
{
    const char* name;
    BOOL bManager;
    int barType;
    CSize szBarIcons, szBarButtons;
    BOOL bLargeIcons;
    CSize szManagerIcons, szManagerLarge, szManagerPopup;
    CSize szIcon, szButton, szLarge;
};

const CSizeCase g_sizeCases[] = {
    {"no manager, nothing set", FALSE, zmrBarTypeNormal, Unset, Unset, FALSE, Unset, Unset, Unset,
     CSize(16, 16), CSize(22, 22), CSize(32, 32)},
    {"no manager, the bar's icons", FALSE, zmrBarTypeNormal, CSize(24, 20), Unset, FALSE, Unset, Unset, Unset,
     CSize(24, 20), CSize(30, 26), CSize(48, 40)},
    {"no manager, the bar's buttons", FALSE, zmrBarTypeNormal, Unset, CSize(40, 30), FALSE, Unset, Unset, Unset,
     CSize(16, 16), CSize(40, 30), CSize(32, 32)},
    {"manager: its tool-bar size", TRUE, zmrBarTypeNormal, Unset, Unset, FALSE, CSize(20, 20), Unset, Unset,
     CSize(20, 20), CSize(26, 26), CSize(40, 40)},
    {"manager: the theme's default", TRUE, zmrBarTypeNormal, Unset, Unset, FALSE, Unset, Unset, Unset,
     ThemeSmall, Unset, CSize(32, 32)},
    {"manager: the bar's own size wins", TRUE, zmrBarTypeNormal, CSize(24, 24), Unset, FALSE, CSize(20, 20), Unset,
     Unset, CSize(24, 24), CSize(30, 30), CSize(40, 40)},
    {"large icons: the manager's large size", TRUE, zmrBarTypeNormal, Unset, Unset, TRUE, CSize(20, 20),
     CSize(36, 36), Unset, CSize(36, 36), CSize(42, 42), CSize(36, 36)},
    {"large icons: the theme's large size", TRUE, zmrBarTypeNormal, Unset, Unset, TRUE, Unset, Unset, Unset,
     ThemeLarge, Unset, CSize(32, 32)},
    {"large icons do not change a bar with fixed buttons", TRUE, zmrBarTypeNormal, Unset, CSize(30, 30), TRUE,
     CSize(20, 20), CSize(36, 36), Unset, CSize(20, 20), CSize(30, 30), CSize(30, 30)},
    {"popup: the manager's popup size, never large", TRUE, zmrBarTypePopup, Unset, Unset, TRUE, CSize(20, 20),
     CSize(36, 36), CSize(18, 18), CSize(18, 18), CSize(24, 24), CSize(36, 36)},
    {"popup: the theme's default", TRUE, zmrBarTypePopup, Unset, Unset, TRUE, CSize(20, 20), Unset, Unset,
     ThemeSmall, Unset, CSize(40, 40)},
};

class CTypedToolBar : public CPlacedToolBar
{
public:
    void SetType(int barType) { m_barType = barType; }
};

class BarSizes : public ::testing::TestWithParam<CSizeCase>
{
};

TEST_P(BarSizes, IconButtonAndLargeSizes)
{
    const CSizeCase& c = GetParam();
    CZMRBarManager manager;
    CTypedToolBar* pBar = new CTypedToolBar;
    CGripperTheme* pTheme = new CGripperTheme;
    pBar->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    pBar->SetType(c.barType);
    pBar->SetIconSize(c.szBarIcons);
    pBar->SetButtonSize(c.szBarButtons);
    if (c.bManager)
    {
        pBar->SetBarManager(&manager);
        CZMRBarManager::COptions* pOptions = manager.GetOptions();
        pOptions->bLargeIcons = c.bLargeIcons;
        pOptions->szIcons = c.szManagerIcons;
        pOptions->szLargeIcons = c.szManagerLarge;
        pOptions->szPopupIcons = c.szManagerPopup;
    }
    auto resolve = [&](CSize sz) {
        return sz == ThemeSmall ? pTheme->GetIconSize(FALSE) : sz == ThemeLarge ? pTheme->GetIconSize(TRUE) : sz;
    };
    const CSize szIcon = resolve(c.szIcon);
    EXPECT_EQ(pBar->GetIconSize(), szIcon);
    const CSize szButton = c.szButton == Unset ? CSize(szIcon.cx + 6, szIcon.cy + 6) : c.szButton;
    EXPECT_EQ(pBar->GetButtonSize(), szButton);
    EXPECT_EQ(pBar->GetLargeIconSize(), c.szLarge);
    pBar->SetBarManager(nullptr);
    pBar->InternalRelease();
}

INSTANTIATE_TEST_SUITE_P(Cases, BarSizes, ::testing::ValuesIn(g_sizeCases),
                         [](const ::testing::TestParamInfo<CSizeCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });
} // namespace

namespace
{
// A shortcut source that knows one key.
class CSourceOfF12 : public CZMRBarManager::CShortcutSource
{
public:
    CString GetShortcutText(int nId) const override { return nId == 42 ? L"F12" : L""; }
};

// The tool a bar reports for a point: its id and text, or none.
struct CTipCase
{
    const char* name;
    int barType;
    BOOL bShowTips, bShortcuts, bInPopups;
    LPCWSTR lpszTooltip;
    LPCWSTR lpszShortcut;    // the control's own
    DWORD dwFlags;
    CPoint pt;
    INT_PTR nExpected;
    LPCWSTR lpszText;
};

const CTipCase g_tipCases[] = {
    {"the shortcut in parentheses", zmrBarTypeNormal, TRUE, TRUE, FALSE, L"Save", L"Ctrl+S", 0, CPoint(15, 15), 42,
     L"Save (Ctrl+S)"},
    {"the source's shortcut when the control has none", zmrBarTypeNormal, TRUE, TRUE, FALSE, L"Save", L"", 0,
     CPoint(15, 15), 42, L"Save (F12)"},
    {"shortcuts option off", zmrBarTypeNormal, TRUE, FALSE, FALSE, L"Save", L"Ctrl+S", 0, CPoint(15, 15), 42,
     L"Save"},
    {"a markup tip keeps its text", zmrBarTypeNormal, TRUE, TRUE, FALSE, L"<b>Save</b>", L"Ctrl+S", 0,
     CPoint(15, 15), 42, L"<b>Save</b>"},
    {"tips off", zmrBarTypeNormal, FALSE, TRUE, FALSE, L"Save", L"Ctrl+S", 0, CPoint(15, 15), -1, nullptr},
    {"outside every control", zmrBarTypeNormal, TRUE, TRUE, FALSE, L"Save", L"Ctrl+S", 0, CPoint(50, 15), -1,
     nullptr},
    {"a popup without tips in popups", zmrBarTypePopup, TRUE, TRUE, FALSE, L"Save", L"Ctrl+S", 0, CPoint(15, 15),
     -1, nullptr},
    {"a popup control that asks for its tip", zmrBarTypePopup, TRUE, FALSE, FALSE, L"Save", L"Ctrl+S",
     zmrFlagShowTooltip, CPoint(15, 15), 42, L"Save"},
    {"a popup with tips in popups", zmrBarTypePopup, TRUE, FALSE, TRUE, L"Save", L"Ctrl+S", 0, CPoint(15, 15), 42,
     L"Save"},
};

// A bar of one control (id 42 at 10,10-30,30) on a manager with a shortcut source.
class BarToolHitTestBase
{
protected:
    BarToolHitTestBase()
    {
        m_manager.SetShortcutSource(&m_source);
        m_pBar->SetBarManager(&m_manager);
    }
    ~BarToolHitTestBase()
    {
        m_pBar->SetBarManager(nullptr);
        m_pBar->InternalRelease();
    }
    CZMRControl* AddControl(CZMRControl* pControl)
    {
        m_pBar->GetControls()->AddControl(pControl, 42);
        pControl->SetRect(CRect(10, 10, 30, 30));
        return pControl;
    }
    CSourceOfF12 m_source;
    CZMRBarManager m_manager;
    CTypedToolBar* m_pBar = new CTypedToolBar;
};

class BarToolHitTest : public ::testing::TestWithParam<CTipCase>, protected BarToolHitTestBase
{
};

TEST_P(BarToolHitTest, IdAndText)
{
    const CTipCase& c = GetParam();
    CZMRBarManager::COptions* pOptions = m_manager.GetOptions();
    pOptions->bShowToolTips = c.bShowTips;
    pOptions->bShortcutsInToolTips = c.bShortcuts;
    pOptions->bToolTipsInPopups = c.bInPopups;
    m_pBar->SetType(c.barType);
    CZMRControl* pControl = AddControl(new CFixedControl(CSize(20, 20)));
    pControl->SetTooltip(c.lpszTooltip);
    pControl->SetShortcutText(c.lpszShortcut);
    pControl->SetFlags(c.dwFlags);

    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOW_V1_SIZE;
    EXPECT_EQ(m_pBar->OnToolHitTest(c.pt, &ti), c.nExpected);
    if (c.lpszText)
    {
        ASSERT_NE(ti.lpszText, nullptr);
        EXPECT_STREQ(ti.lpszText, c.lpszText);
        EXPECT_EQ(CRect(ti.rect), CRect(10, 10, 30, 30));
        EXPECT_EQ(ti.uId, UINT_PTR(42));
    }
    if (ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACK)
        free(ti.lpszText);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarToolHitTest, ::testing::ValuesIn(g_tipCases),
                         [](const ::testing::TestParamInfo<CTipCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// A control that finds its own tool.
class COwnTipControl : public CFixedControl
{
public:
    INT_PTR OnToolHitTest(CPoint, TOOLINFO* pTI) override
    {
        CZMRToolTipContext::FillInToolInfo(pTI, nullptr, 0, 0, 1, 1, 7, L"own");
        return 7;
    }
};

class BarToolRecord : public ::testing::Test, protected BarToolHitTestBase
{
protected:
    // An extended record as the tooltip context hands it over.
    BarToolRecord()
    {
        m_ti.cbSize = TTTOOLINFOW_V2_SIZE;
        m_ti.lParam = reinterpret_cast<LPARAM>(&m_extended);
    }
    ~BarToolRecord() override
    {
        free(m_ti.lpszText);
        free(m_extended.lpszTitle);
        free(m_extended.lpszDescription);
    }
    ZMR_TOOLINFO_EXTENDED m_extended = {};
    TOOLINFO m_ti = {};
};

TEST_F(BarToolRecord, CarriesTheDescriptionUnderTheTipAsTitleAndTheBarsImages)
{
    m_manager.GetOptions()->bShortcutsInToolTips = TRUE;
    CZMRControl* pControl = AddControl(new CFixedControl(CSize(20, 20)));
    pControl->SetTooltip(L"Save");
    pControl->SetDescription(L"Writes the document to its file");
    EXPECT_EQ(m_pBar->OnToolHitTest(CPoint(15, 15), &m_ti), 42);
    EXPECT_STREQ(m_ti.lpszText, L"Save (F12)");
    ASSERT_NE(m_extended.lpszTitle, nullptr);
    EXPECT_STREQ(m_extended.lpszTitle, L"Save (F12)");
    ASSERT_NE(m_extended.lpszDescription, nullptr);
    EXPECT_STREQ(m_extended.lpszDescription, L"Writes the document to its file");
    EXPECT_EQ(m_extended.pImageManager, m_pBar->GetImageManager());
    EXPECT_EQ(m_extended.pObject, nullptr);
}

TEST_F(BarToolRecord, AControlsOwnToolIsKeptAndNamesTheControl)
{
    CZMRControl* pControl = AddControl(new COwnTipControl);
    pControl->SetTooltip(L"Save");
    EXPECT_EQ(m_pBar->OnToolHitTest(CPoint(15, 15), &m_ti), 7);
    EXPECT_STREQ(m_ti.lpszText, L"own");
    EXPECT_EQ(m_extended.pObject, pControl);

    // The basic record has no room for it.
    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOW_V1_SIZE;
    EXPECT_EQ(m_pBar->OnToolHitTest(CPoint(15, 15), &ti), 7);
    EXPECT_EQ(ti.lParam, 0);
    free(ti.lpszText);
}
} // namespace
