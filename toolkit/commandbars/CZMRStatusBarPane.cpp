#include "CZMRStatusBarPane.h"
#include "CZMRStatusBar.h"
#include "ZMRMarkupFacade.h"

CZMRStatusBarPane::CZMRStatusBarPane(CZMRStatusBar* pStatusBar, int nIndex)
    : m_nStyle(0), m_bHidden(0), m_clrText(COLORREF(-1)), m_clrBackground(COLORREF(-1)), m_rcPane(0, 0, 0, 0),
      m_nTextAlignment(0), m_pStatusBar(pStatusBar), m_nIndex(nIndex), m_rcPadding(0, 0, 0, 0), m_bButton(0),
      m_bPressed(0), m_pMarkupElement(nullptr)
{
}

CZMRStatusBarPane::~CZMRStatusBarPane()
{
    DropMarkupTree(&m_pMarkupElement);
}

void CZMRStatusBarPane::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText;
    DropMarkupTree(&m_pMarkupElement);
    if (m_pStatusBar && m_pStatusBar->GetMarkupContext())
        m_pMarkupElement = BuildMarkupTree(m_pStatusBar->GetMarkupContext(), m_strText);
}

CZMRStatusBarPane::CSwitch& CZMRStatusBarPane::GetSwitch(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSwitchCount())
        AfxThrowInvalidArgException();
    return m_arrSwitches[nIndex];
}

void CZMRStatusBarPane::AddSwitch(int nId)
{
    const CSwitch sw = {nId, 0, 0, 0, 0};
    m_arrSwitches.Add(sw);
}

CFont* CZMRStatusBarPane::GetTextFont()
{
    return nullptr;
}

CZMRImageManagerIcon* CZMRStatusBarPane::GetPaneIcon()
{
    return nullptr;
}
