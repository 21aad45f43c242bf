// The ribbon from the keyboard: Alt shows the tips of the quick-access
// controls (digits), the tabs and the system button; a tab's tip shows the
// tips of its groups' controls; the arrows move the hot control across the
// ribbon by geometry.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include <cstdlib>

// ---------------------------------------------------------------- menu mode and mnemonics

void CZMRRibbonBar::EnterKeyboardMode(int nTipLevel)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!m_bTracking)
        pManager->CancelTracking();
    pManager->ShowKeyboardCues(TRUE);
    pManager->SetKeyboardTipLevel(nTipLevel);
    SetMenuLoopActive(TRUE, FALSE, 1);
}

void CZMRRibbonBar::FocusControlTab()
{
    if (m_pControlTab && m_pControlTab->GetParent() == this)
    {
        SetHotControl(m_pControlTab->GetIndex(), 1);
        m_pControlTab->SetFocused(TRUE);
    }
}

BOOL CZMRRibbonBar::OnMnemonicKey(UINT nChar)
{
    CZMRBarManager* pManager = GetBarManager();
    if (::GetKeyState(VK_CONTROL) < 0 || !pManager)
        return FALSE;

    if (nChar == VK_MENU)
    {
        if (GetTabCount() == 0)
            return FALSE;
        pManager->CancelTracking();
        pManager->ShowKeyboardCues(TRUE);
        pManager->SetKeyboardTipLevel(1);
        if (IsMinimized())
            SetMenuLoopActive(TRUE, TRUE, TRUE);
        else
        {
            SetMenuLoopActive(TRUE, FALSE, 1);
            if (m_bTabsVisible)
                FocusControlTab();
            else
                SetHotControl(0, 1);
        }
        return TRUE;
    }

    if (nChar >= '1' && nChar <= '9')
    {
        CZMRControl* pControl = GetVisibleQuickAccessControl(int(nChar - '0'));
        if (!pControl || !pControl->GetEnabled())
            return FALSE;
        EnterKeyboardMode(2);
        pControl->InternalAddRef();
        SetHotControl(pControl->GetIndex(), 1);
        pControl->OnAccessKeyPressed();
        pControl->InternalRelease();
        return TRUE;
    }

    // A tab whose access letter is the key.
    for (int i = 0; i < GetTabCount(); i++)
    {
        CZMRRibbonTab* pTab = GetTab(i);
        const CString strCaption = pTab->GetCaption();
        BOOL bAmpersand = FALSE;
        const TCHAR chLetter = GetMnemonicChar(strCaption, bAmpersand);
        if (!bAmpersand || !pTab->IsEnabled() || !pTab->IsVisible() || !IsCharMatchingVirtualKey(chLetter, nChar))
            continue;
        SelectTabFromKeyboard(pTab);
        return TRUE;
    }
    return FALSE;
}

void CZMRRibbonBar::SelectTabFromKeyboard(CZMRRibbonTab* pTab)
{
    CZMRBarManager* pManager = GetBarManager();
    EnterKeyboardMode(1);
    m_nSelectionKind = 1;
    pTab->Select();
    FocusControlTab();
    if (!IsMinimized())
        pManager->ShowKeyboardTips(this, 2);
    if (m_pControlTab)
        m_pControlTab->PopupSelectedTab(TRUE);
}

CZMRControl* CZMRRibbonBar::GetVisibleQuickAccessControl(int nNumber) const
{
    int n = 0;
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
    {
        CZMRControl* pControl = m_pQuickAccessControls->GetAt(i);
        if (pControl->IsVisible() && ++n == nNumber)
            return pControl;
    }
    return nullptr;
}

// ---------------------------------------------------------------- tips

void CZMRRibbonBar::CreateKeyboardTips()
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    if (pManager->GetKeyboardTipLevel() == 2)
    {
        if (CZMRRibbonTab* pTab = GetSelectedTab())
            CreateGroupTips(pTab);
        return;
    }
    if (pManager->GetKeyboardTipLevel() != 1)
        return;

    // Quick access: 1 to 9, then 01 to 09.
    int n = 0;
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
    {
        CZMRControl* pControl = m_pQuickAccessControls->GetAt(i);
        if (!pControl->IsVisible())
            continue;
        if (++n > 18)
            break;
        CString strNumber;
        strNumber.Format(n <= 9 ? L"%i" : L"0%i", n <= 9 ? n : n - 9);
        const CRect rc = pControl->GetRect();
        pManager->AddKeyboardTip(new CZMRCommandBarKeyboardTip(pManager, pControl, strNumber,
                                                               CPoint(rc.CenterPoint().x, rc.bottom - 11),
                                                               CZMRCommandBarKeyboardTip::alignCenterX,
                                                               pControl->GetEnabled()));
    }
    if (m_bTabsVisible)
    {
        for (int i = 0; i < GetTabCount(); i++)
        {
            CZMRRibbonTab* pTab = GetTab(i);
            if (pTab->GetCaption().IsEmpty() || !pTab->IsEnabled() || !pTab->IsVisible())
                continue;
            const CRect rc = pTab->GetRect();
            pManager->AddKeyboardTip(new CZMRCommandBarKeyboardTip(pManager, pTab, pTab->GetCaption(),
                                                                   CPoint(rc.CenterPoint().x, rc.bottom - 9),
                                                                   CZMRCommandBarKeyboardTip::alignCenterX, TRUE));
        }
    }
    if (m_pControlSystemButton)
    {
        const CRect rc = m_pControlSystemButton->GetRect();
        pManager->AddKeyboardTip(new CZMRCommandBarKeyboardTip(
            pManager, m_pControlSystemButton, m_pControlSystemButton->GetCaption(), rc.CenterPoint(),
            CZMRCommandBarKeyboardTip::alignCenterX | CZMRCommandBarKeyboardTip::alignCenterY,
            m_pControlSystemButton->GetEnabled()));
    }
}

void CZMRRibbonBar::CreateGroupTips(CZMRRibbonTab* pTab, CZMRRibbonGroup* pReplaced, CZMRRibbonGroup* pShown)
{
    CZMRRibbonGroups* pGroups = pTab ? pTab->GetGroups() : nullptr;
    if (!pGroups)
        return;
    for (int i = 0; i < pGroups->GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = pGroups->GetAt(i);
        if (pReplaced && pGroup == pReplaced)
            pGroup = pShown;
        if (!pGroup)
            continue;
        const BOOL bShown = pShown ? pGroup == pShown : pGroup->IsShown();
        for (int j = 0; j < pGroup->GetCount(); j++)
            CreateControlTip(pGroup->GetAt(j), nullptr, bShown);
        CZMRControl* pOption = pGroup->GetOptionButton();
        if (pOption && !(pOption->GetHideFlags() & zmrHideGeneric))
            CreateControlTip(pOption, nullptr, bShown);
        if (CZMRControl* pPopup = pGroup->GetPopupButton())
            CreateControlTip(pPopup, L"Z", bShown);
    }
}

void CZMRRibbonBar::CreateControlTip(CZMRControl* pControl, LPCTSTR lpszExplicit, BOOL bGroupShown)
{
    CZMRBarManager* pManager = GetBarManager();
    CZMRRibbonGroup* pGroup = pControl ? pControl->GetRibbonGroup() : nullptr;
    if (!pManager || !pGroup || (pControl->GetFlags() & zmrFlagSkipFocus) ||
        (pControl->GetCaption().IsEmpty() && pControl->GetKeyboardTip().IsEmpty()))
        return;
    // The groups rectangle of the bar that shows the control: this ribbon or
    // one of its popups.
    CZMRRibbonScrollableBar* pScrollable = CZMRRibbonScrollableBar::FromBar(pControl->GetParent());
    const CRect rcGroups = pScrollable ? pScrollable->GetGroupsRect() : GetGroupsRect();
    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    const int K = pTheme ? pTheme->GetGroupCaptionHeight() : 0;
    const CRect rcGroup = pGroup->GetRect();
    const int T = rcGroup.top, B = rcGroup.bottom;
    const CRect R = pControl->GetRect();
    CPoint pt;
    DWORD dwAlign = 0;
    using Tip = CZMRCommandBarKeyboardTip;
    if (R.bottom > B - K + 2 && R.top < B)
    {
        // In the group's caption strip: below the groups.
        pt = CPoint(R.CenterPoint().x, rcGroups.bottom - 6);
        dwAlign = Tip::alignCenterX;
    }
    else
    {
        const int F = B - K - T + 2;
        if (pControl->GetStyle() == zmrButtonIconAndCaptionBelow && R.Height() > F / 2)
        {
            pt = CPoint(R.CenterPoint().x, B - K);
            dwAlign = Tip::alignCenterX | Tip::alignCenterY;
        }
        else if (pControl->GetType() == zmrControlGallery)
        {
            pt = CPoint(R.right, B - K);
            dwAlign = Tip::alignCenterX | Tip::alignCenterY;
        }
        else
        {
            const int yCentre = R.CenterPoint().y;
            int y = B - K;
            if (yCentre < T + F / 3)
                y = T + 2;
            else if (yCentre <= T + 2 * F / 3)
                y = (T + B - K + 2) / 2 - 1;
            pt = CPoint(R.left + 11, y);
            dwAlign = Tip::alignCenterY;
        }
        if (pControl->GetType() == zmrControlCheckBox || pControl->GetType() == zmrControlRadioButton)
            pt.x = R.left + 6;
        else if ((pControl->GetType() == zmrControlComboBox || pControl->GetType() == zmrControlEdit) &&
                 pControl->GetStyle() == zmrButtonAutomatic)
        {
            pt.x = R.CenterPoint().x;
            dwAlign |= Tip::alignCenterX;
        }
    }
    auto* pTip = new Tip(pManager, pControl, pControl->GetCaption(), pt, dwAlign, pControl->GetEnabled());
    pTip->SetTipText(pControl->GetKeyboardTip());
    if (lpszExplicit)
        pTip->SetExplicitTip(lpszExplicit);
    CRect rcInside;
    pTip->SetTipVisible(bGroupShown && rcInside.IntersectRect(R, rcGroups) && rcInside == R &&
                        pControl->IsVisible());
    pManager->AddKeyboardTip(pTip);
}

void CZMRRibbonBar::ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip)
{
    CCmdTarget* pOwner = pTip->GetOwner();
    if (CZMRRibbonTab* pTab = DYNAMIC_DOWNCAST(CZMRRibbonTab, pOwner))
    {
        GetBarManager()->HideKeyboardTips();
        pTab->Select();
        SetMenuLoopActive(TRUE, FALSE, 1);
        FocusControlTab();
        if (IsMinimized())
        {
            if (m_pControlTab)
                m_pControlTab->PopupSelectedTab(TRUE);
        }
        else
            GetBarManager()->ShowKeyboardTips(this, 2);
        return;
    }
    ActivateGroupControlTip(this, pTip, TRUE);
}

void CZMRRibbonBar::ActivateGroupControlTip(CZMRCommandBar* pBar, CZMRCommandBarKeyboardTip* pTip, BOOL bShowPopupTips)
{
    CZMRControl* pControl = DYNAMIC_DOWNCAST(CZMRControl, pTip->GetOwner());
    CZMRBarManager* pManager = pBar->GetBarManager();
    if (!pControl || !pManager)
        return;
    pManager->HideKeyboardTips();
    pControl->InternalAddRef();
    CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup();
    CZMRControl* pButton = pGroup ? pGroup->GetPopupButton() : nullptr;
    // A control the layout hid inside a collapsed group: its group opens in
    // a popup and the copy of the control there is activated.
    if (!pTip->IsTipVisible() && pControl->GetHideFlags() == zmrHideWrap && pButton)
    {
        const int nIndex = pGroup->IndexOf(pControl);
        pButton->InternalAddRef();
        if (pButton->GetParent() == pBar)
            pBar->OnControlHotByKeyboard(pButton->GetIndex());
        pButton->OnAccessKeyPressed();
        CZMRCommandBar* pPopup = pButton->GetCommandBar();
        if (pPopup && pPopup->IsTrackingMode() && nIndex >= 0 && nIndex < pPopup->GetControlCount())
        {
            if (bShowPopupTips)
                pManager->ShowKeyboardTips(pPopup, 1);
            CZMRControl* pCopy = pPopup->GetControl(nIndex);
            pCopy->InternalAddRef();
            pCopy->OnAccessKeyPressed();
            pCopy->InternalRelease();
        }
        pButton->InternalRelease();
    }
    else
    {
        pControl->OnAccessKeyPressed();
    }
    pControl->InternalRelease();
}

// ---------------------------------------------------------------- arrows

BOOL CZMRRibbonBar::HandleNavigationKey(int nCode)
{
    if (nCode != zmrNavCancel)
        HideKeyboardTips();
    if (NavigateByArrow(nCode))
        return TRUE;
    return CZMRMenuBar::HandleNavigationKey(nCode);
}

int CZMRRibbonBar::HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                       LRESULT& lResult)
{
    if (m_bTracking && nMessage == WM_CONTEXTMENU)
    {
        // The context-menu key (or Shift+F10) opens the hot control's menu
        // at its top-left corner; a mouse's context menu is not the
        // site's business while the ribbon is in keyboard mode. The
        // keyboard's point (-1, -1) comes as 32 bits.
        if (DWORD(lParam) == 0xFFFFFFFF)
        {
            if (CZMRControl* pHot = GetControl(m_nHotIndex))
                ShowContextMenu(pHot->GetRect().TopLeft(), pHot);
        }
        lResult = 0;
        return ZMR_HOOK_HANDLED;
    }
    if (m_bTracking && nMessage == WM_MOUSEWHEEL && m_pControlTab && !IsPopupTracked())
    {
        CZMRBarManager* pManager = GetBarManager();
        if (!pManager || !pManager->AreKeyboardTipsShown())
        {
            // Towards the user the next tab, away from the user the one before.
            const short nDelta = short(HIWORD(wParam));
            m_pControlTab->HandleKeyNavigation(this, nDelta <= 0 ? VK_RIGHT : VK_LEFT);
            lResult = 0;
            return ZMR_HOOK_HANDLED;
        }
    }
    return CZMRMenuBar::HandleHookedMessage(hWnd, nMessage, wParam, lParam, lResult);
}

BOOL CZMRRibbonBar::IsPopupTracked() const
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
    if (!pMouseManager)
        return FALSE;
    for (int i = 0; i < pMouseManager->GetTrackedCount(); i++)
    {
        if (pMouseManager->GetTrackedAt(i) != this)
            return TRUE;
    }
    return FALSE;
}

void CZMRRibbonBar::CloseTrackedPopups()
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
    // Leaving tracking may close further popups: the list is read afresh.
    for (int i = pMouseManager ? pMouseManager->GetTrackedCount() - 1 : -1; i >= 0; i--)
    {
        if (i >= pMouseManager->GetTrackedCount())
            continue;
        CZMRCommandBar* pBar = pMouseManager->GetTrackedAt(i);
        if (pBar != this)
        {
            pBar->SetMenuLoopActive(FALSE);
            pMouseManager->RemoveTracked(pBar);
        }
    }
}

BOOL CZMRRibbonBar::NavigateByArrow(int nCode)
{
    return NavigateBarByArrow(this, nCode);
}

BOOL CZMRRibbonBar::NavigateBarByArrow(CZMRCommandBar* pBar, int nCode)
{
    CZMRControl* pHot = pBar->GetControl(pBar->GetHotIndex());
    if (!pHot)
        return FALSE;
    if (nCode == zmrNavExecute || nCode == zmrNavSystemMenu)
    {
        pHot->InternalAddRef();
        if (pHot->IsFocused())
            pHot->OnClick(TRUE);
        else
            pHot->OnAccessKeyPressed();
        pHot->InternalRelease();
        return TRUE;
    }
    if (nCode != zmrNavUp && nCode != zmrNavDown && nCode != zmrNavArrowPrevious && nCode != zmrNavArrowNext)
        return FALSE;

    auto navRect = [&](CZMRControl* pControl, BOOL bCurrent) {
        CRect rc = pControl->GetRect();
        CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup();
        if (pGroup && pControl == pGroup->GetOptionButton())
        {
            rc = pGroup->GetCaptionRect();
            rc.DeflateRect(4, 0);
        }
        else if (bCurrent && pControl == m_pControlTab && nCode == zmrNavUp && GetSelectedTab())
            rc = GetSelectedTab()->GetRect();
        else if (!bCurrent && !pGroup && pControl == m_pControlQuickAccess &&
                 (nCode == zmrNavUp || nCode == zmrNavDown))
        {
            CRect rcClient;
            pBar->GetClientRect(&rcClient);
            rc.right = rcClient.right;
        }
        return rc;
    };
    const CRect rcCur = navRect(pHot, TRUE);
    auto overlapsX = [](const CRect& a, const CRect& b) {
        return (a.left >= b.left - 1 && a.left <= b.right + 1) || (b.left >= a.left - 1 && b.left <= a.right + 1);
    };
    auto overlapsY = [](const CRect& a, const CRect& b) {
        return (a.top >= b.top - 1 && a.top <= b.bottom + 1) || (b.top >= a.top - 1 && b.top <= a.bottom + 1);
    };

    // Each candidate in the direction is ranked by its near edge (smaller is
    // nearer), then by the distance of its centre on the other axis; the
    // first found wins a tie.
    const BOOL bVertical = nCode == zmrNavUp || nCode == zmrNavDown;
    const BOOL bForward = nCode == zmrNavDown || nCode == zmrNavArrowNext;
    int nBest = -1, nBestEdge = 0, nBestDistance = 0, nWrap = -1, nWrapEdge = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CZMRControl* pControl = pBar->GetControl(i);
        if (pControl == pHot || !pControl->IsVisible(zmrHideInternal) || (pControl->GetFlags() & zmrFlagSkipFocus))
            continue;
        const CRect rc = navRect(pControl, FALSE);
        if (bVertical ? !overlapsX(rc, rcCur) : !overlapsY(rc, rcCur))
            continue;
        const int nNear = bVertical ? (bForward ? rc.top : -rc.bottom) : (bForward ? rc.left : -rc.right);
        const int nLimit = bVertical ? (bForward ? rcCur.bottom : -rcCur.top) : (bForward ? rcCur.right : -rcCur.left);
        // Across a band the far end is where the walk wraps to.
        if (!bVertical && (nWrap == -1 || nNear < nWrapEdge))
        {
            nWrap = i;
            nWrapEdge = nNear;
        }
        if (nNear < nLimit)
            continue;
        const int nDistance = bVertical ? abs(rc.CenterPoint().x - rcCur.CenterPoint().x)
                                        : abs(rc.CenterPoint().y - rcCur.CenterPoint().y);
        if (nBest == -1 || nNear < nBestEdge || (nNear == nBestEdge && nDistance < nBestDistance))
        {
            nBest = i;
            nBestEdge = nNear;
            nBestDistance = nDistance;
        }
    }
    if (nBest == -1 && (nCode == zmrNavArrowPrevious || nCode == zmrNavArrowNext))
        nBest = nWrap;
    if (nBest != -1)
        pBar->SetHotControl(nBest, nCode == zmrNavDown || nCode == zmrNavArrowNext ? 2 : 3);
    return TRUE;
}
