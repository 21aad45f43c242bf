#include "CZMRControlTabWorkspace.h"
#include "CZMRCommandBar.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRToolTipContext.h"

IMPLEMENT_SERIAL(CZMRControlTabWorkspace, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

// ------------------------------------------------------------ the control's strip

void CZMRControlTabWorkspace::CControlWorkspace::Reposition()
{
    m_pControl->m_bLayoutPending = TRUE;
    if (CZMRCommandBar* pBar = m_pControl->GetParent())
    {
        pBar->DelayLayout();
        RedrawControl(nullptr, FALSE);
    }
}

void CZMRControlTabWorkspace::CControlWorkspace::RedrawControl(LPCRECT lpRect, BOOL /*bNow*/)
{
    CZMRCommandBar* pBar = m_pControl->GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    const CRect rcControl = m_pControl->GetRect();
    pBar->Redraw(lpRect ? lpRect : &rcControl);
}

int CZMRControlTabWorkspace::CControlWorkspace::GetPosition() const
{
    CZMRCommandBar* pBar = m_pControl->GetParent();
    switch (pBar ? pBar->GetPosition() : zmrBarTop)
    {
    case zmrBarBottom:
        return zmrTabPositionBottom;
    case zmrBarLeft:
        return zmrTabPositionLeft;
    case zmrBarRight:
        return zmrTabPositionRight;
    default:
        return zmrTabPositionTop;
    }
}

CWnd* CZMRControlTabWorkspace::CControlWorkspace::GetClientWindow() const
{
    return m_pControl->GetParent();
}

// ------------------------------------------------------------ the control

CZMRControlTabWorkspace::CZMRControlTabWorkspace()
    : m_workspace(this), m_bLayoutPending(FALSE), m_nDefaultLength(220)
{
    SetFlags(zmrFlagSkipFocus | zmrFlagNoMovable);
}

CZMRControlTabWorkspace::~CZMRControlTabWorkspace()
{
    if (CZMRTabClientWnd* pClient = m_workspace.GetClient())
    {
        if (pClient->GetHostedWorkspace() == &m_workspace)
            pClient->SetHostedWorkspace(nullptr);
    }
}

void CZMRControlTabWorkspace::SetRect(CRect rcControl)
{
    if (rcControl == GetRect() && !m_bLayoutPending)
        return;
    CZMRControlButton::SetRect(rcControl);
    m_bLayoutPending = FALSE;
    CZMRTabPaintManager* pPaintManager = m_workspace.GetPaintManager();
    CZMRCommandBar* pBar = GetParent();
    if (!pPaintManager || !pBar || !pBar->GetSafeHwnd())
        return;
    CClientDC dc(pBar);
    pPaintManager->RepositionTabControl(&m_workspace, &dc, rcControl);
}

CSize CZMRControlTabWorkspace::GetSize(CDC* pDC)
{
    CZMRTabPaintManager* pPaintManager = m_workspace.GetPaintManager();
    if (!pPaintManager)
        return CZMRControlButton::GetSize(pDC);
    int nAcross = pPaintManager->GetAppearanceSet()->GetHeaderExtent(&m_workspace);
    if (m_workspace.IsStaticFrame())
        nAcross += 2;
    CZMRCommandBar* pBar = GetParent();
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    if (nPosition == zmrBarLeft || nPosition == zmrBarRight)
        return CSize(nAcross, m_nDefaultLength);
    return CSize(m_nDefaultLength, nAcross);
}

void CZMRControlTabWorkspace::Draw(CDC* pDC)
{
    if (CZMRTabPaintManager* pPaintManager = m_workspace.GetPaintManager())
        pPaintManager->DrawTabControl(&m_workspace, pDC, GetRect());
    else
        CZMRControlButton::Draw(pDC);
}

void CZMRControlTabWorkspace::OnClick(BOOL bKeyboard, CPoint point)
{
    CZMRTabClientWnd* pClient = m_workspace.GetClient();
    if (!pClient || !GetParent())
    {
        CZMRControlButton::OnClick(bKeyboard, point);
        return;
    }
    pClient->SetClickState(TRUE, TRUE);
    m_workspace.HandleHeaderClick(GetParent(), point);
    pClient->SetClickState(FALSE, FALSE);
    // Children activated by the click show in the tabs now.
    pClient->UpdateContents();
}

void CZMRControlTabWorkspace::OnMouseMove(CPoint point)
{
    m_workspace.TrackHotItem(GetParent(), point);
}

INT_PTR CZMRControlTabWorkspace::OnToolHitTest(CPoint point, TOOLINFO* pTI)
{
    if (!m_workspace.GetClient())
        return -1;
    CZMRTabManagerItem* pItem = m_workspace.HitTest(point);
    if (!pItem)
        return 0;
    const CRect rc = pItem->GetRect();
    CZMRToolTipContext::FillInToolInfo(pTI, GetParent() ? GetParent()->GetSafeHwnd() : nullptr, rc.left, rc.top,
                                       rc.right, rc.bottom, pItem->GetIndex(), m_workspace.GetItemTooltip(pItem));
    return pItem->GetIndex();
}

void CZMRControlTabWorkspace::OnRemoved()
{
    CZMRTabClientWnd* pClient = m_workspace.GetClient();
    if (pClient && pClient->GetHostedWorkspace() == &m_workspace)
        pClient->SetHostedWorkspace(nullptr);
    CZMRControlButton::OnRemoved();
}

void CZMRControlTabWorkspace::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlButton::Copy(pControl, bRecursive);
    if (CZMRControlTabWorkspace* pOther = DYNAMIC_DOWNCAST(CZMRControlTabWorkspace, pControl))
        m_nDefaultLength = pOther->m_nDefaultLength;
}
