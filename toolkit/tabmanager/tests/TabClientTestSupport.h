// An MDI frame on the test's desktop whose client shows its children as tab
// groups, with helpers that read the groups back as lists of titles.
#pragma once
#include "CTabClientHost.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManager.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class CTabClientFixture
{
public:
    CTabClientFixture()
    {
        m_pHost = CTabClientHost::Create(CRect(60, 60, 700, 540));
        ::SetForegroundWindow(m_pHost->GetSafeHwnd());
        CTabClientHost::Pump();
    }
    ~CTabClientFixture()
    {
        if (m_pHost)
            m_pHost->DestroyWindow();
        CTabClientHost::Pump();
    }

    CZMRTabClientWnd& Client() { return m_pHost->TabClient(); }
    CZMRTabClientWnd::CWorkspace* Group(int i) { return Client().GetWorkspace(i); }
    CMDIChildWnd* AddChild(LPCTSTR lpszTitle)
    {
        CMDIChildWnd* pChild = m_pHost->AddChild(lpszTitle);
        CTabClientHost::Pump();
        return pChild;
    }
    // The titles of a group's tabs in order, the selected one in brackets.
    std::vector<std::wstring> Tabs(int nGroup)
    {
        std::vector<std::wstring> tabs;
        CZMRTabClientWnd::CWorkspace* pGroup = Group(nGroup);
        for (int i = 0; pGroup && i < pGroup->GetItemCount(); i++)
        {
            CZMRTabManagerItem* pItem = pGroup->GetItem(i);
            std::wstring strTitle = (LPCTSTR)pItem->GetCaption();
            tabs.push_back(pItem == pGroup->GetSelectedItem() ? L"[" + strTitle + L"]" : strTitle);
        }
        return tabs;
    }
    CZMRTabManagerItem* Tab(CWnd* pChild) { return Client().FindItem(pChild->GetSafeHwnd()); }
    HWND Active() { return Client().GetActiveChild(); }
    // The child's window rectangle in the client's coordinates.
    CRect ChildRect(CWnd* pChild)
    {
        CRect rc;
        ::GetWindowRect(pChild->GetSafeHwnd(), rc);
        ::MapWindowPoints(nullptr, Client().GetSafeHwnd(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    int ClientWidth()
    {
        CRect rc;
        ::GetClientRect(Client().GetSafeHwnd(), rc);
        return rc.Width();
    }

    CTabClientHost* m_pHost;
};

using TabList = std::vector<std::wstring>;
