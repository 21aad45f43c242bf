// A tool bar built from a tool-bar resource, and reset to it.
#include "ToolBarTestSupport.h"
#include "CommandBarsTestResources.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMROriginalControls.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
class ToolBarResource : public ::testing::Test
{
protected:
    ToolBarResource() : m_pBar(new CPlacedToolBar) {}
    ~ToolBarResource() override { m_pBar->InternalRelease(); }
    // Each control as its id, negative when it begins a group.
    std::vector<int> Layout() const
    {
        std::vector<int> result;
        for (int i = 0; i < m_pBar->GetControlCount(); i++)
        {
            CZMRControl* pControl = m_pBar->GetControl(i);
            result.push_back(pControl->GetBeginGroup() ? -pControl->GetID() : pControl->GetID());
        }
        return result;
    }
    CPlacedToolBar* m_pBar;
};

const std::vector<int> g_builtIn = {ID_TEST_NEW, -ID_TEST_CUT, ID_TEST_PASTE};

TEST_F(ToolBarResource, BuildsButtonsWithGroupsAndKeepsThemAsBuiltIn)
{
    ASSERT_TRUE(m_pBar->LoadToolBar(IDT_TEST_TOOLBAR, FALSE));
    EXPECT_EQ(Layout(), g_builtIn);
    EXPECT_EQ(m_pBar->GetBarID(), IDT_TEST_TOOLBAR);
    EXPECT_EQ(m_pBar->GetControl(0)->GetType(), zmrControlButton);
    ASSERT_NE(m_pBar->GetControls()->GetOriginalControls(), nullptr);
    EXPECT_FALSE(m_pBar->HasCustomizedControls());

    m_pBar->GetControls()->Remove(m_pBar->GetControl(0));
    EXPECT_TRUE(m_pBar->HasCustomizedControls());
    m_pBar->Reset(FALSE);
    EXPECT_EQ(Layout(), g_builtIn);
    EXPECT_FALSE(m_pBar->HasCustomizedControls());
}

TEST_F(ToolBarResource, FailuresLeaveTheBarEmpty)
{
    struct
    {
        UINT nId;
        BOOL bImages;
        const char* why;
    } const cases[] = {
        {0, FALSE, "no id"},
        {0x10000, FALSE, "low word 0"},
        {IDM_TEST_MENU, FALSE, "no tool-bar resource of that id"},
        {IDT_TEST_TOOLBAR, TRUE, "no bitmap for the images"},
    };
    for (const auto& c : cases)
    {
        m_pBar->GetControls()->Add(zmrControlButton, 1);
        EXPECT_FALSE(m_pBar->LoadToolBar(c.nId, c.bImages)) << c.why;
        EXPECT_EQ(m_pBar->GetControlCount(), 0) << c.why;
    }
}

TEST_F(ToolBarResource, ResetWithoutSnapshotReloadsTheResource)
{
    m_pBar->SetBarID(IDT_TEST_TOOLBAR);
    ASSERT_EQ(m_pBar->GetControls()->GetOriginalControls(), nullptr);
    m_pBar->Reset(FALSE);
    EXPECT_EQ(Layout(), g_builtIn);

    // Neither a bar without a built-in definition nor one that may not be
    // customized is reset.
    m_pBar->GetControls()->RemoveAll();
    m_pBar->SetBuiltIn(FALSE);
    m_pBar->Reset(FALSE);
    EXPECT_TRUE(Layout().empty());
    m_pBar->SetBuiltIn(TRUE);
    m_pBar->SetBarID(0);
    m_pBar->Reset(FALSE);
    EXPECT_TRUE(Layout().empty());
}

// A resource that does not load leaves the bar's controls as they are, and
// the site hears of no reset.
TEST_F(ToolBarResource, ResetWhoseResourceDoesNotLoadKeepsTheControls)
{
    CRecordingWnd site;
    ASSERT_TRUE(site.Create());
    m_pBar->SetSiteOverride(&site);
    m_pBar->GetControls()->Add(zmrControlButton, ID_TEST_NEW);
    m_pBar->GetControls()->Add(zmrControlButton, ID_TEST_PASTE);
    m_pBar->SetBarID(IDM_TEST_MENU);
    m_pBar->Reset(FALSE);
    EXPECT_EQ(Layout(), std::vector<int>({ID_TEST_NEW, ID_TEST_PASTE}));
    EXPECT_TRUE(site.Messages(ZMR_WM_RESETBAR).empty());
    m_pBar->SetSiteOverride(nullptr);
}

TEST_F(ToolBarResource, TheSiteMayMakeEachControl)
{
    CRecordingWnd site;
    ASSERT_TRUE(site.Create());
    m_pBar->SetSiteOverride(&site);
    m_pBar->SetTitle(L"Standard");
    std::vector<ZMR_CREATECONTROL_RECORD> seen;
    site.m_answer = [&](UINT nMessage, WPARAM, LPARAM lParam) -> LRESULT {
        auto* pRecord = reinterpret_cast<ZMR_CREATECONTROL_RECORD*>(lParam);
        if (nMessage == ZMR_WM_BEFORECREATECONTROL)
        {
            seen.push_back(*pRecord);
            if (pRecord->nId == ID_TEST_CUT)
            {
                pRecord->pControl = new CFixedControl(CSize(40, 20));
                return 1;
            }
        }
        if (nMessage == ZMR_WM_AFTERCREATECONTROL)
        {
            EXPECT_NE(pRecord->pControl, nullptr);
        }
        return 0;
    };
    ASSERT_TRUE(m_pBar->LoadToolBar(IDT_TEST_TOOLBAR, FALSE));
    EXPECT_EQ(Layout(), g_builtIn);
    EXPECT_NE(dynamic_cast<CFixedControl*>(m_pBar->GetControl(1)), nullptr);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].bToolBar);
    EXPECT_EQ(seen[0].pCommandBar, m_pBar);
    EXPECT_EQ(seen[0].strCaption, CString(L"Standard"));
    EXPECT_EQ(seen[0].controlType, zmrControlButton);
    EXPECT_EQ(site.Messages(ZMR_WM_AFTERCREATECONTROL).size(), 3u);

    m_pBar->Reset(FALSE);
    EXPECT_EQ(site.Messages(ZMR_WM_RESETBAR).size(), 1u);
    m_pBar->SetSiteOverride(nullptr);
}
} // namespace

namespace
{
TEST(ToolBarCopy, KeepsTheToolBarsOwnSwitches)
{
    CPlacedToolBar* pSource = new CPlacedToolBar;
    pSource->SetBuiltIn(FALSE);
    pSource->SetTearOff(TRUE);
    pSource->SetTitle(L"Torn off");
    pSource->GetControls()->Add(zmrControlButton, 7);
    CZMRToolBar* pCopy = new CZMRToolBar;
    pCopy->Copy(pSource);
    EXPECT_FALSE(pCopy->IsBuiltIn());
    EXPECT_TRUE(pCopy->IsTearOff());
    EXPECT_EQ(pCopy->GetTitle(), CString(L"Torn off"));
    EXPECT_EQ(pCopy->GetControlCount(), 1);
    pCopy->InternalRelease();
    pSource->InternalRelease();
}
} // namespace
