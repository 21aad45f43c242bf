// What the tests inside an open popup share: a popup bar of a recording
// manager on a recording site, probe controls of 100 x 20 each filled with a
// colour of its own, and opening at a point.
#pragma once
#include "BarTestSupport.h"
#include "CZMRPopupBar.h"
#include "CZMRMouseManager.h"
#include <gtest/gtest.h>

class PopupFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pSite = CRecordingSiteFrame::Create(CRect(0, 0, 600, 400));
        ASSERT_NE(m_pSite, nullptr);
        m_pManager = new CRecordingManager;
        ASSERT_TRUE(m_pManager->Attach(m_pSite));
        m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
        m_pManager->GetOptions()->nAnimationType = 5;
        m_pTheme = MakeTheme();
        m_pManager->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
        m_pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
        ASSERT_NE(m_pPopup, nullptr);
        ::SetForegroundWindow(m_pSite->GetSafeHwnd());
        m_pSite->SetFocus();
        PumpPendingMessages();
        m_pSite->Clear();
    }
    void TearDown() override
    {
        if (m_pPopup)
        {
            m_pPopup->SetMenuLoopActive(FALSE);
            m_pPopup->InternalRelease();
        }
        // Later popups of the thread must not open expanded.
        if (CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager())
        {
            pMouseManager->m_bMenusExpanded = FALSE;
            pMouseManager->m_bSwallowNextButtonUp = FALSE;
        }
        delete m_pManager;
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }
    virtual CFillTheme* MakeTheme() { return new CFillTheme; }

    // n controls 100 x 20, ids 500 on, control i filled with RGB(10 + i, 100, 200).
    void AddControls(int n)
    {
        for (int i = 0; i < n; i++)
        {
            auto* pControl = new CProbeControl;
            pControl->m_sz = CSize(100, 20);
            pControl->m_clr = RGB(10 + i, 100, 200);
            m_pPopup->GetControls()->AddControl(pControl, 500 + i);
        }
    }
    bool Open(CPoint pt)
    {
        m_pPopup->SetAnchor(pt);
        if (!m_pPopup->OpenAsPopup(nullptr))
            return false;
        PumpPendingMessages();
        return true;
    }
    static CRect WindowRect(const CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    CPoint Screen(CPoint ptClient) const
    {
        m_pPopup->ClientToScreen(&ptClient);
        return ptClient;
    }

    CRecordingSiteFrame* m_pSite = nullptr;
    CRecordingManager* m_pManager = nullptr;
    CFillTheme* m_pTheme = nullptr;
    CZMRPopupBar* m_pPopup = nullptr;
};
