#include "CZMRRibbonTabPopupToolBar.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRFontDC.h"
#include "CZMRMonitorAreas.h"
#include "CZMRMouseManager.h"
#include "CZMRToolTipContext.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CZMRRibbonTabPopupToolBar, CZMRPopupToolBar)

BEGIN_MESSAGE_MAP(CZMRRibbonTabPopupToolBar, CZMRPopupToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CZMRRibbonTabPopupToolBar::CZMRRibbonTabPopupToolBar(CZMRRibbonTab* pTab)
    : m_pTabCopy(nullptr), m_pRibbonBar(nullptr), m_rcGroups(0, 0, 0, 0)
{
    CreateScrollButtons(this);
    if (!pTab)
        return;
    m_pRibbonBar = pTab->GetParentRibbon();
    m_pTabCopy = static_cast<CZMRRibbonTab*>(pTab->GetRuntimeClass()->CreateObject());
    m_pTabCopy->SetHostBar(this);
    m_pTabCopy->SetParentRibbon(m_pRibbonBar);
    m_pTabCopy->Copy(pTab);
    m_pTabCopy->SetRect(pTab->GetRect());
    SetHoverOpen(FALSE);
    SetFlags(zmrBarFlagReducing);
    SetAnimationOption(TRUE);
    m_pAnimation->SetEnabled(TRUE);
}

CZMRRibbonTabPopupToolBar::~CZMRRibbonTabPopupToolBar()
{
    if (m_pTabCopy)
    {
        m_pTabCopy->OnRemoved();
        m_pTabCopy->InternalRelease();
    }
}

CRect CZMRRibbonTabPopupToolBar::CalcPlacement(const CRect& rcRibbon, const CRect& rcWork, const CRect& rcExclude,
                                               int nHeight)
{
    const int x = std::max(rcRibbon.left, rcWork.left);
    int nWidth = rcRibbon.right - x;
    if (x + nWidth > rcWork.right)
        nWidth = rcWork.right - x - 4;
    int y = rcExclude.bottom;
    if (rcWork.bottom < y + nHeight)
        y = rcExclude.top - nHeight;
    return CRect(x, y, x + nWidth, y + nHeight);
}

void CZMRRibbonTabPopupToolBar::ScrollGroups(BOOL bLeft)
{
    if (!m_pTabCopy)
        return;
    SetHotControl(-1);
    HideKeyboardTips();
    RequestScrollOffset(CalcScrollStep(m_pTabCopy->GetGroups()->GetAppliedScrollOffset(), bLeft));
}

CRect CZMRRibbonTabPopupToolBar::GetGroupsRect() const
{
    return m_rcGroups;
}

CZMRRibbonGroup* CZMRRibbonTabPopupToolBar::HitTestGroup(CPoint point) const
{
    if (!m_pTabCopy || !m_rcGroups.PtInRect(point))
        return nullptr;
    return m_pTabCopy->GetGroups()->HitTest(point);
}

CSize CZMRRibbonTabPopupToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (!m_pTabCopy || !m_pRibbonBar || !m_pRibbonBar->GetSafeHwnd())
        return CZMRPopupToolBar::CalcDynamicLayout(nLength, dwMode);
    m_bLayoutLock = TRUE;
    CRect rcRibbon;
    m_pRibbonBar->GetWindowRect(&rcRibbon);
    CRect rcTab = m_pTabCopy->GetRect();
    m_pRibbonBar->ClientToScreen(&rcTab);
    CRect rcWork, rcMonitor;
    if (s_fnMonitorAreas)
        s_fnMonitorAreas(rcTab.TopLeft(), rcTab, rcWork, rcMonitor);
    else
        rcWork = GetMonitorAreas()->GetWorkArea(&rcTab);
    const int nHeight = m_pRibbonBar->GetGroupsAreaHeight();
    const CRect rcPopup = CalcPlacement(rcRibbon, rcWork, m_rcExclude, nHeight);
    m_ptAnchor = rcPopup.TopLeft();

    UpdateControlsState();
    m_rcGroups.SetRect(0, 0, rcPopup.Width(), nHeight);
    {
        CClientDC dc(GetSafeHwnd() ? static_cast<CWnd*>(this) : CWnd::FromHandle(::GetDesktopWindow()));
        CZMRFontDC font(&dc, GetPaintManager()->GetBarFont(this));
        m_pTabCopy->GetGroups()->Layout(&dc, m_rcGroups.Width(),
                                        CRect(m_rcGroups.left + 4, m_rcGroups.top + 3, 6, 3));
    }
    m_rcTearOffHandle.SetRectEmpty();
    m_bLayoutLock = FALSE;
    return rcPopup.Size();
}

CRect CZMRRibbonTabPopupToolBar::CalcPopupRect(CPoint ptAnchor, CSize szPopup)
{
    return CRect(ptAnchor, szPopup);
}

void CZMRRibbonTabPopupToolBar::PaintBar(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(this);
    if (!pTheme || !m_pTabCopy)
    {
        CZMRPopupToolBar::PaintBar(pDC);
        return;
    }
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    pTheme->FillTabPopupToolBar(pDC, this);
    pTheme->DrawGroupsBackground(pDC, m_pTabCopy, m_rcGroups);
    pDC->SetBkMode(TRANSPARENT);
    CZMRFontDC font(pDC, pTheme->GetBarFont(this));
    CZMRRibbonGroups* pGroups = m_pTabCopy->GetGroups();
    CRect rcMeet;
    for (int i = 0; i < pGroups->GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = pGroups->GetAt(i);
        if (pGroup->IsShown() && rcMeet.IntersectRect(rcClip, pGroup->GetRect()))
            pGroup->Draw(pDC, rcClip);
    }
    for (CControlGroupsScroll* pButton : {m_pScrollLeft, m_pScrollRight})
    {
        if (pButton->IsVisible())
            pButton->Draw(pDC);
    }
}

INT_PTR CZMRRibbonTabPopupToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const INT_PTR nHit = CZMRPopupToolBar::OnToolHitTest(point, pTI);
    if (nHit != -1 && pTI)
    {
        CZMRControl* pControl = HitTest(point);
        CZMRBarManager* pManager = GetBarManager();
        CZMRToolTipContext* pContext = pManager ? pManager->GetToolTipContext() : nullptr;
        if (pControl && pControl->GetRibbonGroup() && pContext && pContext->m_bShowTitleAndDescription)
            pTI->rect = m_rcGroups;
    }
    return nHit;
}

CSize CZMRRibbonTabPopupToolBar::GetIconSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetIconSize() : CZMRPopupToolBar::GetIconSize();
}

CSize CZMRRibbonTabPopupToolBar::GetButtonSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetButtonSize() : CZMRPopupToolBar::GetButtonSize();
}

BOOL CZMRRibbonTabPopupToolBar::AreKeyboardCuesShown() const
{
    return m_pRibbonBar ? m_pRibbonBar->AreKeyboardCuesShown() : CZMRPopupToolBar::AreKeyboardCuesShown();
}

BOOL CZMRRibbonTabPopupToolBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    SetHotGroup(nullptr);
    return CZMRPopupToolBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback);
}

BOOL CZMRRibbonTabPopupToolBar::HandleNavigationKey(int nCode)
{
    if (nCode != zmrNavCancel)
        HideKeyboardTips();
    if (m_pRibbonBar && m_pRibbonBar->NavigateBarByArrow(this, nCode))
        return TRUE;
    if (nCode == zmrNavCancel && m_pRibbonBar && m_pRibbonBar->GetSelectionKind() == 0)
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        return TRUE;
    }
    return CZMRPopupToolBar::HandleNavigationKey(nCode);
}

void CZMRRibbonTabPopupToolBar::CreateKeyboardTips()
{
    if (m_pRibbonBar && m_pTabCopy)
        m_pRibbonBar->CreateGroupTips(m_pTabCopy);
}

void CZMRRibbonTabPopupToolBar::ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip)
{
    if (m_pRibbonBar)
        m_pRibbonBar->ActivateGroupControlTip(this, pTip, FALSE);
    else
        CZMRPopupToolBar::ActivateKeyboardTip(pTip);
}

void CZMRRibbonTabPopupToolBar::OnControlHotByKeyboard(int nIndex)
{
    CZMRPopupToolBar::OnControlHotByKeyboard(nIndex);
    CZMRControl* pControl = GetControl(nIndex);
    CZMRRibbonGroup* pGroup = pControl ? pControl->GetRibbonGroup() : nullptr;
    if (pGroup && IsScrollButtonVisible())
    {
        const CRect rc = pControl->GetRect();
        ScrollIntoView(pGroup->GetGroups(), rc.left, rc.right);
    }
}

void CZMRRibbonTabPopupToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    TrackHotGroup(GetMouseManager(), point);
    CZMRPopupToolBar::OnMouseMove(nFlags, point);
}

void CZMRRibbonTabPopupToolBar::OnMouseLeave()
{
    SetHotGroup(nullptr);
    CZMRPopupToolBar::OnMouseLeave();
}
