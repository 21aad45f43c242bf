#include "CZMRRibbonGroupPopupToolBar.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRFontDC.h"
#include "CZMRMouseManager.h"

IMPLEMENT_SERIAL(CZMRRibbonGroupPopupToolBar, CZMRPopupToolBar, VERSIONABLE_SCHEMA | 0x21)

BEGIN_MESSAGE_MAP(CZMRRibbonGroupPopupToolBar, CZMRPopupToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CZMRRibbonGroupPopupToolBar::CZMRRibbonGroupPopupToolBar(CZMRRibbonGroup* pGroup)
    : m_pGroupCopy(nullptr), m_pRibbonBar(nullptr), m_pSourceGroup(nullptr)
{
    m_pOwningBar = this;
    if (!pGroup)
        return;
    m_pRibbonBar = pGroup->GetRibbonBar();
    m_pSourceGroup = pGroup;
    m_pGroupCopy = static_cast<CZMRRibbonGroup*>(pGroup->GetRuntimeClass()->CreateObject());
    m_pGroupCopy->SetHostBar(this);
    m_pGroupCopy->SetRibbonBar(m_pRibbonBar);
    m_pGroupCopy->OnAdded();
    m_pGroupCopy->Copy(pGroup);

    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pRibbonBar);
    SetPopupBorders(CRect(2, 2, 3, (pTheme ? pTheme->GetGroupCaptionHeight() : 0) + 1));
    SetHoverOpen(FALSE);
    SetFlags(zmrBarFlagReducing);
    SetAnimationOption(TRUE);
    m_pAnimation->SetEnabled(TRUE);
}

CZMRRibbonGroupPopupToolBar::~CZMRRibbonGroupPopupToolBar()
{
    if (m_pGroupCopy)
    {
        m_pGroupCopy->OnRemoved();
        m_pGroupCopy->InternalRelease();
    }
}

CRect CZMRRibbonGroupPopupToolBar::GetGroupsRect() const
{
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd())
        GetClientRect(&rc);
    return rc;
}

CZMRRibbonGroup* CZMRRibbonGroupPopupToolBar::HitTestGroup(CPoint point) const
{
    return m_pGroupCopy && m_pGroupCopy->GetRect().PtInRect(point) ? m_pGroupCopy : nullptr;
}

CSize CZMRRibbonGroupPopupToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (!m_pGroupCopy || !m_pRibbonBar)
        return CZMRPopupToolBar::CalcDynamicLayout(nLength, dwMode);
    m_bLayoutLock = TRUE;
    UpdateShortcutTexts();
    CClientDC dc(GetSafeHwnd() ? static_cast<CWnd*>(this) : CWnd::FromHandle(::GetDesktopWindow()));
    int nWidth = 0;
    {
        CZMRFontDC font(&dc, GetPaintManager()->GetBarFont(this));
        m_pGroupCopy->BeginLayout(&dc);
        nWidth = m_pGroupCopy->GetWidth(&dc);
        if (CZMRRibbonGroupLayout* pLayout = m_pGroupCopy->GetLayout())
        {
            const CRect rc = pLayout->Arrange(0, 0, nWidth);
            m_pGroupCopy->SetRect(rc.left, rc.top, rc.right, rc.bottom);
        }
        m_pGroupCopy->EndLayout();
    }
    m_rcTearOffHandle.SetRectEmpty();
    m_bLayoutLock = FALSE;
    const CRect rcBorders = GetBorders();
    return CSize(rcBorders.left + rcBorders.right + nWidth, m_pRibbonBar->GetGroupsAreaHeight() - 7);
}

void CZMRRibbonGroupPopupToolBar::PaintBar(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(this);
    if (!pTheme || !m_pGroupCopy)
    {
        CZMRPopupToolBar::PaintBar(pDC);
        return;
    }
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    pTheme->FillGroupPopupToolBar(pDC, m_pGroupCopy, this);
    CZMRFontDC font(pDC, pTheme->GetBarFont(this));
    m_pGroupCopy->Draw(pDC, rcClip);
}

CSize CZMRRibbonGroupPopupToolBar::GetIconSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetIconSize() : CZMRPopupToolBar::GetIconSize();
}

CSize CZMRRibbonGroupPopupToolBar::GetButtonSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetButtonSize() : CZMRPopupToolBar::GetButtonSize();
}

BOOL CZMRRibbonGroupPopupToolBar::AreKeyboardCuesShown() const
{
    return m_pRibbonBar ? m_pRibbonBar->AreKeyboardCuesShown() : CZMRPopupToolBar::AreKeyboardCuesShown();
}

BOOL CZMRRibbonGroupPopupToolBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    SetHotGroup(nullptr);
    return CZMRPopupToolBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback);
}

BOOL CZMRRibbonGroupPopupToolBar::HandleNavigationKey(int nCode)
{
    if (nCode != zmrNavCancel)
        HideKeyboardTips();
    if (m_pRibbonBar && m_pRibbonBar->NavigateBarByArrow(this, nCode))
        return TRUE;
    return CZMRPopupToolBar::HandleNavigationKey(nCode);
}

void CZMRRibbonGroupPopupToolBar::CreateKeyboardTips()
{
    if (m_pRibbonBar && m_pSourceGroup)
        m_pRibbonBar->CreateGroupTips(m_pSourceGroup->GetTab(), m_pSourceGroup, m_pGroupCopy);
}

void CZMRRibbonGroupPopupToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    TrackHotGroup(GetMouseManager(), point);
    CZMRPopupToolBar::OnMouseMove(nFlags, point);
}

void CZMRRibbonGroupPopupToolBar::OnMouseLeave()
{
    SetHotGroup(nullptr);
    CZMRPopupToolBar::OnMouseLeave();
}
