// A scroll bar for tests: it scrolls over a range of its own when asked and
// records every action with the repeat delay in force. And a progress base
// with a rectangle of its own.
#pragma once
#include "CZMRProgressBase.h"
#include "CZMRScrollBarPaintManager.h"
#include "CZMRScrollBase.h"
#include <algorithm>
#include <functional>
#include <vector>

class CTestScrollBar : public CZMRScrollBase
{
public:
    struct CAction
    {
        int cmd;
        int pos;
        int nRepeatDelay;
    };
    CTestScrollBar() : m_paintManager(nullptr)
    {
        m_paintManager.m_cyVScroll = 16;
        m_paintManager.m_cxHScroll = 16;
        m_paintManager.m_nThumbSize = 0;
    }
    BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
    CWnd* GetScrollParentWindow() const override { return m_pWnd; }
    CRect GetScrollBarRect() override { return m_rcBar; }
    void GetScrollInfo(SCROLLINFO* psi) override
    {
        psi->nMin = m_nMin;
        psi->nMax = m_nMax;
        psi->nPage = UINT(m_nPage);
        psi->nPos = m_nPos;
    }
    void DoScroll(int cmd, int pos) override
    {
        m_actions.push_back({cmd, pos, m_nRepeatDelay});
        int nPos = m_nPos;
        if (cmd == SB_LINEUP)
            nPos -= 1;
        else if (cmd == SB_LINEDOWN)
            nPos += 1;
        else if (cmd == SB_PAGEUP)
            nPos -= m_nPage;
        else if (cmd == SB_PAGEDOWN)
            nPos += m_nPage;
        else if (cmd == SB_THUMBTRACK || cmd == SB_THUMBPOSITION)
            nPos = pos;
        m_nPos = std::max(m_nMin, std::min(nPos, m_nMax - m_nPage + 1));
        UpdateScrollBar();
        if (m_onScroll)
            m_onScroll(cmd);
    }
    void RedrawScrollBar() override { m_nRedraws++; }
    CZMRScrollBarPaintManager* GetScrollBarPaintManager() const override
    {
        return const_cast<CZMRScrollBarPaintManager*>(&m_paintManager);
    }
    std::vector<int> Commands() const
    {
        std::vector<int> cmds;
        for (const CAction& a : m_actions)
            cmds.push_back(a.cmd);
        return cmds;
    }

    CZMRScrollBarPaintManager m_paintManager;
    CWnd* m_pWnd = nullptr;
    CRect m_rcBar;
    int m_nMin = 0, m_nMax = 99, m_nPage = 20, m_nPos = 0;
    int m_nRedraws = 0;
    BOOL m_bEnabled = TRUE;
    std::vector<CAction> m_actions;
    std::function<void(int)> m_onScroll;
};


class CTestProgress : public CZMRProgressBase
{
public:
    explicit CTestProgress(CRect rc) : m_rc(rc) {}
    void GetProgressRect(CRect& rc) override { rc = m_rc; }
    void RedrawProgress() override {}
    CZMRProgressPaintManager* GetProgressPaintManager() override { return nullptr; }
    CRect m_rc;
};
