// The ribbon bar: construction, its structural controls, tabs, groups,
// minimizing and the command-bar operations it replaces.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonBarControlQuickAccessPopup.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonControls.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRControls.h"
#include "CZMRFontDC.h"
#include "CZMRMeasureDC.h"
#include "CZMRToolTipContext.h"

#include <algorithm>

IMPLEMENT_SERIAL(CZMRRibbonBar, CZMRMenuBar, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonBar::CZMRRibbonBar()
    : m_bShownBySize(TRUE), m_bGroupsVisible(TRUE), m_bTabsVisible(TRUE), m_bQuickAccessBelow(FALSE),
      m_bQuickAccessVisible(TRUE), m_bAllowQuickAccessDuplicates(FALSE), m_bAllowQuickAccessCustomization(TRUE),
      m_bUpdateStatePending(FALSE), m_nQuickAccessHeight(0), m_bAllowMinimize(TRUE), m_pQuickAccessControls(nullptr),
      m_pControlTab(nullptr), m_pControlQuickAccess(nullptr), m_pControlQuickAccessMore(nullptr),
      m_pControlSystemButton(nullptr), m_bPressOnSelectedTab(FALSE), m_nMinimumFrameSize(250),
      m_pFrameHelper(nullptr), m_pContextHeaders(nullptr), m_nGroupsHeightOverride(0), m_bMinimized(FALSE),
      m_bCaptionBarShown(TRUE)
{
    m_dwFlags = 0x440;
    m_dwStyle = 0;
    m_bCustomizable = FALSE;
    m_bMultiColumn = TRUE;

    m_pQuickAccessControls = new CZMRRibbonQuickAccessControls;
    m_pQuickAccessControls->SetParent(this);

    // The ribbon's own collection in place of the plain one.
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    m_pControls = new CZMRRibbonControls;
    m_pControls->SetParent(this);

    CreateScrollButtons(this);
    m_pControlQuickAccess =
        m_pControls->AddControl(new CZMRRibbonBarControlQuickAccessPopup, ZMR_ID_RIBBONCUSTOMIZE, L"", -1, TRUE);
    m_pControlQuickAccessMore =
        m_pControls->AddControl(new CControlQuickAccessMorePopup, ZMR_ID_RIBBONQUICKACCESSMORE, L"", -1, TRUE);
    m_pControlTab = static_cast<CZMRRibbonControlTab*>(
        m_pControls->AddControl(new CZMRRibbonControlTab, ZMR_ID_RIBBONCONTROLTAB, L"", -1, TRUE));

    m_pContextHeaders = new CZMRRibbonContextHeaderList;

    SetAnimationOption(TRUE);
    m_pAnimation->SetEnabled(TRUE);
}

CZMRRibbonBar::~CZMRRibbonBar()
{
    m_pControlTab->DeleteAllItems();
    m_pQuickAccessControls->RemoveAll();
    m_pQuickAccessControls->SetParent(nullptr);
    m_pQuickAccessControls->InternalRelease();
    SetFrameHelper(nullptr);
    delete m_pContextHeaders;
}

// ---------------------------------------------------------------- the ribbon's controls

CZMRRibbonBar::CControlQuickAccessMorePopup::CControlQuickAccessMorePopup()
{
    m_dwFlags = zmrFlagManualUpdate | zmrFlagNoMovable;
    m_bTemporary = TRUE;
}

CSize CZMRRibbonBar::CControlQuickAccessMorePopup::GetSize(CDC* /*pDC*/)
{
    return CZMRRibbonBarControlQuickAccessPopup::GetQuickAccessButtonSize(GetParent());
}

void CZMRRibbonBar::CControlQuickAccessMorePopup::Draw(CDC* pDC)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        pTheme->DrawQuickAccessMoreButton(pDC, this);
}

CZMRRibbonBar::CControlCaptionButton::CControlCaptionButton(CZMRRibbonFrameHelper* pFrameHelper)
    : m_pFrameHelper(pFrameHelper)
{
    m_dwFlags = zmrFlagSkipFocus | zmrFlagManualUpdate | zmrFlagNoMovable;
}

void CZMRRibbonBar::CControlCaptionButton::Draw(CDC* pDC)
{
    CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(GetPaintManager());
    if (!pTheme)
        return;
    const BOOL bActive = m_pFrameHelper ? m_pFrameHelper->IsFrameActive() : TRUE;
    pTheme->DrawFrameCaptionButton(pDC, GetRect(), GetID(), GetSelected(), GetPressed(), GetEnabled() && bActive);
}

void CZMRRibbonBar::CControlCaptionButton::OnExecute()
{
    CZMRCommandBar* pBar = GetParent();
    CWnd* pSite = pBar ? pBar->GetSite() : nullptr;
    if (pSite && pSite->GetSafeHwnd())
        pSite->PostMessage(WM_SYSCOMMAND, WPARAM(GetID()), 0);
}

CZMRRibbonControlSystemButton* CZMRRibbonBar::AddSystemButton(int nId)
{
    if (m_pControlSystemButton)
        m_pControls->Remove(m_pControlSystemButton);
    m_pControlSystemButton = nullptr;
    if (nId < 0)
        return nullptr;
    auto* pButton = new CZMRRibbonControlSystemButton;
    m_pControls->AddControl(pButton, nId, L"", 0);
    m_pControlSystemButton = pButton;
    return pButton;
}

BOOL CZMRRibbonBar::IsStructuralControl(CZMRControl* pControl) const
{
    if (!pControl)
        return FALSE;
    if (pControl == m_pControlTab || pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore ||
        pControl == m_pScrollLeft || pControl == m_pScrollRight)
        return TRUE;
    CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup();
    return pGroup && (pControl == pGroup->GetOptionButton() || pControl == pGroup->GetPopupButton());
}

BOOL CZMRRibbonBar::IsQuickAccessControl(CZMRControl* pControl) const
{
    if (!pControl)
        return FALSE;
    if (pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore)
        return TRUE;
    return !pControl->GetRibbonGroup() && m_pQuickAccessControls->IndexOf(pControl) >= 0;
}

// ---------------------------------------------------------------- tabs and groups

CZMRRibbonTab* CZMRRibbonBar::InsertTab(int nIndex, LPCTSTR lpszCaption, int nId)
{
    auto* pTab = new CZMRRibbonTab;
    pTab->SetParentRibbon(this);
    pTab->SetHostBar(this);
    pTab->SetId(nId);
    if (nIndex < 0 || nIndex > GetTabCount())
        nIndex = GetTabCount();
    m_pControlTab->AddItem(nIndex, pTab);
    pTab->SetCaption(lpszCaption);
    return pTab;
}

CZMRRibbonTab* CZMRRibbonBar::GetTab(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetTabCount() ? m_pControlTab->GetTab(nIndex) : nullptr;
}

int CZMRRibbonBar::GetTabCount() const
{
    return m_pControlTab->GetItemCount();
}

CZMRRibbonTab* CZMRRibbonBar::GetSelectedTab() const
{
    return m_pControlTab->GetSelectedTab();
}

void CZMRRibbonBar::SelectTab(int nIndex)
{
    m_pControlTab->SetCurSel(nIndex);
}

CZMRRibbonGroup* CZMRRibbonBar::FindGroup(int nId) const
{
    for (int i = 0; i < GetTabCount(); i++)
    {
        if (CZMRRibbonGroup* pGroup = GetTab(i)->FindGroup(nId))
            return pGroup;
    }
    return nullptr;
}

BOOL CZMRRibbonBar::AreGroupsShown() const
{
    return m_bGroupsVisible && GetSelectedTab() && !m_bMinimized;
}

void CZMRRibbonBar::SetGroupsVisible(BOOL bVisible)
{
    m_bGroupsVisible = bVisible;
    OnRecalcLayout();
}

void CZMRRibbonBar::SetTabsVisible(BOOL bVisible)
{
    m_bTabsVisible = bVisible;
    OnRecalcLayout();
}

void CZMRRibbonBar::ShowQuickAccess(BOOL bShow)
{
    m_bQuickAccessVisible = bShow;
    OnRecalcLayout();
}

void CZMRRibbonBar::ShowGroupControls()
{
    SetScrollOffset(0);
    CZMRRibbonTab* pSelected = GetSelectedTab();
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup();
        if (!pGroup)
            continue;
        const BOOL bShown = !m_bMinimized && pGroup->GetTab() == pSelected && pGroup->IsVisible();
        const DWORD dwHide = pControl->GetHideFlags();
        pControl->SetHideFlags(bShown ? dwHide & ~DWORD(zmrHideRibbonTab) : dwHide | zmrHideRibbonTab);
    }
    OnRecalcLayout();
    // The open popups close. A tab chosen on the tab strip from the keyboard
    // leaves the ribbon in keyboard mode, so that the arrows and the wheel
    // go on to the next tab.
    if (m_bTracking && m_pControlTab && m_pControlTab->IsFocused())
        CloseTrackedPopups();
    else if (CZMRBarManager* pManager = GetBarManager())
        pManager->CancelTracking();
}

void CZMRRibbonBar::SetMinimized(BOOL bMinimized)
{
    if (bMinimized == m_bMinimized)
        return;
    m_bMinimized = bMinimized;
    if (!m_bMinimized && !GetSelectedTab())
    {
        if (CZMRTabManagerItem* pItem = m_pControlTab->StepToUsableItem(-1, +1))
            pItem->Select();
    }
    ShowGroupControls();
}

int CZMRRibbonBar::GetTabsHeight() const
{
    if (!m_bTabsVisible)
        return 2;
    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    return pTheme ? pTheme->GetTabsHeight() : 23;
}

int CZMRRibbonBar::GetGroupsHeight() const
{
    return AreGroupsShown() ? GetGroupsAreaHeight() : 0;
}

int CZMRRibbonBar::GetGroupsAreaHeight() const
{
    if (m_nGroupsHeightOverride > 0)
        return m_nGroupsHeightOverride;
    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    if (!pTheme)
        return 0;
    return 3 * pTheme->GetControlRowHeight() + pTheme->GetGroupCaptionHeight() + 10;
}

BOOL CZMRRibbonBar::OnTabChanging(CZMRRibbonTab* pTab)
{
    NMZMRRIBBONTAB nm = {};
    nm.pTab = pTab;
    return m_pControlTab->NotifySiteWithRecord(ZMR_RIBBON_TABCHANGING, &nm) != 0;
}

void CZMRRibbonBar::OnTabChanged(CZMRRibbonTab* pTab)
{
    NMZMRRIBBONTAB nm = {};
    nm.pTab = pTab;
    m_pControlTab->NotifySiteWithRecord(ZMR_RIBBON_TABCHANGED, &nm);
}

void CZMRRibbonBar::ShowQuickAccessBelow(BOOL bBelow)
{
    m_bQuickAccessBelow = bBelow;
    OnRecalcLayout();
    if (m_pFrameHelper && m_pFrameHelper->IsCompositionEnabled())
    {
        if (GetSafeHwnd())
            UpdateWindow();
        m_pFrameHelper->RefreshFrameRegion();
    }
    else if (m_pFrameHelper && m_pFrameHelper->GetFrameHwnd())
    {
        ::SendMessageW(m_pFrameHelper->GetFrameHwnd(), WM_NCPAINT, 0, 0);
    }
}

// ---------------------------------------------------------------- groups scrolling

void CZMRRibbonBar::ScrollGroups(BOOL bLeft)
{
    CZMRRibbonTab* pTab = GetSelectedTab();
    if (!pTab)
        return;
    SetPoppedControl(-1);
    HideKeyboardTips();
    RequestScrollOffset(CalcScrollStep(pTab->GetGroups()->GetAppliedScrollOffset(), bLeft));
}

CRect CZMRRibbonBar::GetGroupsRect() const
{
    return m_rcGroups;
}

CZMRRibbonGroup* CZMRRibbonBar::HitTestGroup(CPoint point) const
{
    if (!AreGroupsShown() || !m_rcGroups.PtInRect(point))
        return nullptr;
    for (CControlGroupsScroll* pButton : {m_pScrollLeft, m_pScrollRight})
    {
        if (pButton && pButton->IsVisible() && pButton->GetRect().PtInRect(point))
            return nullptr;
    }
    CZMRRibbonTab* pTab = GetSelectedTab();
    return pTab ? pTab->GetGroups()->HitTest(point) : nullptr;
}

// ---------------------------------------------------------------- frame helper and caption

void CZMRRibbonBar::SetFrameHelper(CZMRRibbonFrameHelper* pFrameHelper)
{
    if (pFrameHelper == m_pFrameHelper)
        return;
    // Deleted once, wherever the bar gives it up, and no longer the bar's
    // while it goes.
    CZMRRibbonFrameHelper* pOld = m_pFrameHelper;
    m_pFrameHelper = pFrameHelper;
    delete pOld;
}

BOOL CZMRRibbonBar::IsCaptionBandShown() const
{
    return m_pFrameHelper != nullptr || m_bCaptionBarShown;
}

int CZMRRibbonBar::GetCaptionTopOffset() const
{
    return m_pFrameHelper && m_pFrameHelper->IsCompositionEnabled() ? m_pFrameHelper->GetFrameBorderWidth() : 0;
}

int CZMRRibbonBar::GetCaptionHeight() const
{
    if (!IsCaptionBandShown())
        return 0;
    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    int nHeight = pTheme ? pTheme->GetRibbonCaptionHeight() : 0;
    if (m_bQuickAccessVisible && !m_bQuickAccessBelow)
        nHeight = std::max(nHeight, std::max(m_nQuickAccessHeight, GetTabsHeight() - 2));
    return nHeight;
}

int CZMRRibbonBar::CalcQuickAccessHeight()
{
    int nHeight = GetButtonSize().cy + 4;
    CZMRMeasureDC dc(nullptr);
    CZMRFontDC font(dc, GetPaintManager()->GetBarFont(this));
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
    {
        CZMRControl* pControl = m_pQuickAccessControls->GetAt(i);
        if (pControl->IsVisible(zmrHideWrap))
            nHeight = std::max<int>(nHeight, pControl->GetSize(dc).cy + 4);
    }
    return nHeight;
}

int CZMRRibbonBar::HitTestCaption(CPoint point) const
{
    if (IsCustomizeMode() || !m_pFrameHelper || !m_rcCaption.PtInRect(point))
        return 0;
    if (HitTest(point) || m_pContextHeaders->HitTest(point))
        return 0;
    const DWORD dwStyle = m_pFrameHelper->GetFrameStyle();
    if (point.y < m_rcCaption.top + 5 && (dwStyle & WS_THICKFRAME) && !(dwStyle & WS_MAXIMIZE))
        return HTTOP;
    return HTCAPTION;
}

// ---------------------------------------------------------------- command-bar operations

CZMRRibbonTheme* CZMRRibbonBar::GetRibbonTheme() const
{
    return CZMRRibbonTheme::FromBar(this);
}

BOOL CZMRRibbonBar::IsRibbonBar() const
{
    return TRUE;
}

INT_PTR CZMRRibbonBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (GetRibbonTheme() && m_bTabsVisible && m_rcTabControl.PtInRect(point))
    {
        const INT_PTR nHit = m_pControlTab->HitTestForTooltip(const_cast<CZMRRibbonBar*>(this), point, pTI);
        if (nHit != -1)
            return nHit;
    }
    const INT_PTR nHit = CZMRMenuBar::OnToolHitTest(point, pTI);
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

BOOL CZMRRibbonBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    if (GetSafeHwnd())
        m_pControlTab->TrackHotItem(this, CPoint(-1, -1));
    if (m_bTracking || bActive)
        SetHotGroup(nullptr);
    return CZMRMenuBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback);
}

CSize CZMRRibbonBar::GetIconSize() const
{
    if (m_szIcons.cx != 0 || m_szIcons.cy != 0)
        return m_szIcons;
    if (CZMRBarManager* pManager = GetBarManager())
    {
        const CSize sz = pManager->GetOptions()->szIcons;
        if (sz.cx != 0 || sz.cy != 0)
            return sz;
    }
    CZMRPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager ? pPaintManager->GetIconSize(FALSE) : CSize(16, 16);
}

CSize CZMRRibbonBar::GetButtonSize() const
{
    if (m_szButtons.cx != 0 || m_szButtons.cy != 0)
        return m_szButtons;
    CZMRPaintManager* pPaintManager = GetPaintManager();
    const int nHeight = pPaintManager ? pPaintManager->GetBaseHeight() : 22;
    return CSize(nHeight, nHeight);
}

void CZMRRibbonBar::SetVisible(BOOL bVisible)
{
    const BOOL bWasVisible = IsVisible();
    CZMRMenuBar::SetVisible(bVisible);
    if (m_pFrameHelper && bWasVisible != IsVisible())
        m_pFrameHelper->RecalcFrame();
}

BOOL CZMRRibbonBar::AreKeyboardCuesShown() const
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return TRUE;
    if (pManager->GetOptions()->bKeyboardTips)
        return FALSE;
    return pManager->AreKeyboardCuesShown();
}

void CZMRRibbonBar::OnControlHotByKeyboard(int nIndex)
{
    CZMRControl* pControl = GetControl(nIndex);
    CZMRRibbonGroup* pGroup = pControl ? pControl->GetRibbonGroup() : nullptr;
    if (pGroup && pGroup->GetTab() && pGroup->GetTab() != GetSelectedTab())
        pGroup->GetTab()->Select();
    if (pControl && pGroup && IsScrollButtonVisible())
    {
        const CRect rc = pControl->GetRect();
        ScrollIntoView(pGroup->GetGroups(), rc.left, rc.right);
    }
}

void CZMRRibbonBar::NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    if (IsCustomizable())
    {
        CZMRMenuBar::NumberBarsForSave(nBarId, pBars, pParam);
        return;
    }
    m_pQuickAccessControls->NumberBarsForSave(nBarId, pBars, pParam);
}

void CZMRRibbonBar::RelinkBarsAfterLoad(CZMRCommandBarList* pBars)
{
    if (IsCustomizable())
    {
        CZMRMenuBar::RelinkBarsAfterLoad(pBars);
        return;
    }
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
        m_pQuickAccessControls->GetAt(i)->RelinkBarsAfterLoad(pBars);
}

void CZMRRibbonBar::OnDestroyBar()
{
    SetFrameHelper(nullptr);
    m_pQuickAccessControls->RemoveAll();
    m_pControlTab->DeleteAllItems();
    CZMRCommandBar::OnDestroyBar();
}

CZMRCommandBar* CZMRRibbonBar::Clone(BOOL bRecursive)
{
    CZMRRibbonBar* pClone = static_cast<CZMRRibbonBar*>(CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}

BOOL CZMRRibbonBar::HasCustomizedControls() const
{
    return TRUE;
}

void CZMRRibbonBar::ApplyLoadedState(CZMRCommandBar* pLoadedBar, BOOL /*bSilent*/)
{
    if (pLoadedBar)
        Copy(pLoadedBar, FALSE);
}

void CZMRRibbonBar::UpdateMdiChildButtons()
{
    CZMRMenuBar::UpdateMdiChildButtons();
    if (!m_pFrameHelper || !m_pFrameHelper->GetFrameHwnd())
        return;
    const int nLength = ::GetWindowTextLengthW(m_pFrameHelper->GetFrameHwnd());
    CString strText;
    ::GetWindowTextW(m_pFrameHelper->GetFrameHwnd(), strText.GetBuffer(nLength + 1), nLength + 1);
    strText.ReleaseBuffer();
    if (strText != m_strCaptionText)
        DelayLayout();
}
