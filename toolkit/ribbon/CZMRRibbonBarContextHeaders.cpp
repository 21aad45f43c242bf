// The context headers of the ribbon's caption band: rebuilt at the end of
// every arrangement from the tabs' contexts and places.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonContextHeaderLayout.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonTab.h"

void CZMRRibbonBar::RepositionContextHeaders()
{
    // The tabs let go of the old headers before they are freed.
    m_pContextHeaders->RemoveAll();
    for (int i = 0; i < GetTabCount(); i++)
        GetTab(i)->SetContextHeader(nullptr);
    if (!IsCaptionBandShown() || GetTabCount() == 0)
        return;

    CZMRRibbonContextHeaderLayout::CInput in;
    for (int i = 0; i < GetTabCount(); i++)
    {
        CZMRRibbonTab* pTab = GetTab(i);
        CZMRRibbonContextHeaderLayout::CTab tab;
        tab.bVisible = pTab->IsVisible();
        tab.nContextColor = pTab->GetContextColor();
        tab.strContextCaption = pTab->GetContextCaption();
        tab.nLeft = pTab->GetRect().left;
        tab.nRight = pTab->GetRect().right;
        in.tabs.push_back(tab);
    }
    in.rcCaption = m_rcCaption;
    in.rcFree = m_rcCaptionFree;
    in.rcCaptionText = m_rcCaptionText;
    in.bFrameHelper = m_pFrameHelper != nullptr;
    in.bQuickAccessInCaption = m_bQuickAccessVisible && !m_bQuickAccessBelow;
    in.rcQuickAccess = m_rcQuickAccess;
    CZMRControl* pCustomize = GetQuickAccessCustomizeButton();
    in.nCustomizeWidth = pCustomize && pCustomize->IsVisible() ? pCustomize->GetRect().Width() : -1;

    const CZMRRibbonContextHeaderLayout::COutput out = CZMRRibbonContextHeaderLayout::Calc(in);
    m_rcCaptionFree = out.rcFree;
    m_rcCaptionText = out.rcCaptionText;
    std::vector<CZMRRibbonTabContextHeader*> headers;
    for (const CZMRRibbonContextHeaderLayout::CHeader& h : out.headers)
    {
        CZMRRibbonTabContextHeader* pHeader = new CZMRRibbonTabContextHeader;
        pHeader->m_pFirstTab = GetTab(h.nFirst);
        pHeader->m_pLastTab = GetTab(h.nLast);
        pHeader->m_strCaption = h.strCaption;
        pHeader->m_nColor = h.nColor;
        pHeader->m_rcHeader = h.rc;
        m_pContextHeaders->Add(pHeader);
        headers.push_back(pHeader);
    }
    for (int i = 0; i < (int)out.tabHeaders.size(); i++)
    {
        if (out.tabHeaders[i] >= 0)
            GetTab(i)->SetContextHeader(headers[out.tabHeaders[i]]);
    }
}
