// The keyboard of a tracking bar: keys handed over by the keyboard manager
// become movements of the hot control, popups opened and closed, commands
// run, mnemonics and keyboard-tip input. A key a bar does not take (result
// 0) is offered to the bar tracked before it, so a submenu that cannot go
// left lets its parent close it, and a menu that cannot go right lets the
// menu bar move on.
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRBarManager.h"
#include "CZMRToolBar.h"
#include "CZMRCommandBarKeyboardTip.h"

BOOL(WINAPI* CZMRCommandBar::s_pfnMessageBeep)(UINT uType) = &::MessageBeep;

namespace
{
BOOL IsEnabledPopupControl(const CZMRControl* pControl)
{
    const int controlType = pControl->GetType();
    return (controlType == zmrControlPopup || controlType == zmrControlButtonPopup ||
            controlType == zmrControlSplitButtonPopup) &&
           pControl->GetEnabled();
}

BOOL IsKeyDown(int nVirtualKey)
{
    return ::GetKeyState(nVirtualKey) < 0;
}
} // namespace

// ---------------------------------------------------------------- hooked messages

int CZMRCommandBar::HandleHookedMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                        LRESULT& lResult)
{
    if (!m_bTracking)
        return ZMR_HOOK_NOTHANDLED;
    if (nMessage == WM_KEYDOWN)
    {
        const int nResult = HandleHookedKeyDown(UINT(wParam), lParam);
        lResult = nResult;
        return nResult;
    }
    if (nMessage == WM_MOUSEWHEEL)
    {
        CZMRControl* pHot = GetControl(m_nHotIndex);
        if (pHot && pHot->IsFocused())
        {
            pHot->HandleHookedMouseWheel(LOWORD(wParam), short(HIWORD(wParam)),
                                         CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
            lResult = 1;
            return 1;
        }
    }
    return ZMR_HOOK_NOTHANDLED;
}

BOOL CZMRCommandBar::NotifySiteOfTrackingKey(UINT nChar, UINT nFlags)
{
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return FALSE;

    // The site may destroy the bar, or take it from its manager, while it
    // handles the key; the reference keeps the object readable until the
    // answer is known, and nothing of it is read once it is released.
    CZMRBarManager* pManager = GetBarManager();
    const HWND hWndBar = m_hWnd;
    const BOOL bListed = pManager && pManager->GetBarIndex(this) != -1;
    InternalAddRef();
    ZMR_TRACKINGKEY_RECORD record = {nChar, nFlags};
    pSite->SendMessage(ZMR_WM_TRACKINGKEYDOWN, reinterpret_cast<WPARAM>(&record), reinterpret_cast<LPARAM>(this));
    const BOOL bGone = m_hWnd != hWndBar || !::IsWindow(hWndBar) || GetBarManager() != pManager ||
                       (bListed && pManager->GetBarIndex(this) == -1);
    if (InternalRelease() == 0)
        return TRUE;
    return bGone;
}

// ---------------------------------------------------------------- keys while tracking

int CZMRCommandBar::HandleHookedKeyDown(UINT nChar, LPARAM lParam)
{
    if (IsCustomizeMode())
        return 2;
    CWnd* pSite = GetSite();
    CFrameWnd* pFrame = pSite && pSite->IsFrameWnd() ? static_cast<CFrameWnd*>(pSite) : nullptr;
    if (pFrame && pFrame->m_bHelpMode)
        return 2;
    if (m_nInputSuspension > 0)
        return 1;
    if (NotifySiteOfTrackingKey(nChar, UINT(HIWORD(lParam))))
        return 1;

    // A control that holds the focus (an edit) reads its own keys first.
    if (CZMRControl* pHot = GetControl(m_nHotIndex); pHot && pHot->IsFocused())
    {
        const int nResult = pHot->HandleHookedKeyDown(nChar);
        if (nResult == 1 || nResult == 2)
            return nResult;
    }

    const BOOL bShift = IsKeyDown(VK_SHIFT);
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    CZMRBarManager* pManager = GetBarManager();
    const BOOL bRootToolBar = IsKindOf(RUNTIME_CLASS(CZMRToolBar)) && !GetParentBar();
    switch (nChar)
    {
    case VK_TAB:
    {
        if (bCtrl && bRootToolBar && pManager)
        {
            pManager->FocusBar(this, bShift ? -1 : +1);
            return 1;
        }
        const BOOL bTaken = HandleNavigationKey(bShift ? zmrNavPrevious : zmrNavNext);
        if (CZMRControl* pHot = GetControl(m_nHotIndex); pHot && pHot->IsFocusable())
            pHot->SetFocused(TRUE);
        return bTaken ? 1 : 0;
    }
    case VK_RETURN:
        return HandleNavigationKey(zmrNavExecute) ? 1 : 0;
    case VK_ESCAPE:
        return HandleNavigationKey(zmrNavCancel) ? 1 : 0;
    case VK_SPACE:
        // Only the menu bar takes Space (the site's system menu).
        if (HandleNavigationKey(zmrNavSystemMenu))
            return 1;
        break;
    default:
    {
        if (m_hWnd && ::IsChild(m_hWnd, ::GetFocus()))
            return 2;
        const int nCode = MapArrowKey(nChar);
        if (nCode != -1)
            return HandleNavigationKey(nCode) ? 1 : 0;
        break;
    }
    }

    // Letters and digits.
    if (::MapVirtualKeyW(nChar, MAPVK_VK_TO_CHAR) == 0)
        return 1;
    if (!bCtrl && pManager && pManager->GetKeyboardTipOwner() == this && pManager->AreKeyboardTipsShown())
    {
        HandleTipKey(nChar);
        return 1;
    }
    // A tool bar lets the manager look for the letter across its bars.
    if (pManager && IsKindOf(RUNTIME_CLASS(CZMRToolBar)) && pManager->HandleMnemonicKey(nChar))
        return 1;
    if (!bCtrl)
    {
        BOOL bAmbiguous = FALSE;
        const int nIndex = FindMnemonicControl(nChar, bAmbiguous);
        if (CZMRControl* pControl = GetControl(nIndex))
        {
            // The control may close the bar: it is held until it returns.
            pControl->InternalAddRef();
            SetHotControl(nIndex, 2);
            if (!bAmbiguous)
                pControl->OnAccessKeyPressed();
            pControl->InternalRelease();
            return 1;
        }
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        s_pfnMessageBeep(0);
    return 1;
}

int CZMRCommandBar::MapArrowKey(UINT nChar) const
{
    const BOOL bHorizontal = m_barPosition == zmrBarTop || m_barPosition == zmrBarBottom ||
                             m_barPosition == zmrBarFloating ||
                             (m_barPosition == zmrBarPopup && m_barType == zmrBarTypeNormal);
    const BOOL bRightToLeft = IsRightToLeftWindow();
    switch (nChar)
    {
    case VK_END:
        return zmrNavLast;
    case VK_HOME:
        return zmrNavFirst;
    case VK_LEFT:
        if (bHorizontal)
            return bRightToLeft ? zmrNavArrowNext : zmrNavArrowPrevious;
        return bRightToLeft ? zmrNavDown : zmrNavUp;
    case VK_UP:
        return bHorizontal ? zmrNavUp : zmrNavPrevious;
    case VK_RIGHT:
        if (bHorizontal)
            return bRightToLeft ? zmrNavArrowPrevious : zmrNavArrowNext;
        return bRightToLeft ? zmrNavUp : zmrNavDown;
    case VK_DOWN:
        return bHorizontal ? zmrNavDown : zmrNavNext;
    default:
        return -1;
    }
}

int CZMRCommandBar::FindMnemonicControl(UINT nChar, BOOL& bAmbiguous) const
{
    bAmbiguous = FALSE;
    const int nCount = GetControlCount();
    int nAmpersand = -1, nFirstLetter = -1;
    BOOL bFirstLetterAmbiguous = FALSE;
    // Once around the bar, from the control after the hot one.
    for (int nStep = 1; nStep <= nCount; nStep++)
    {
        const int i = (m_nHotIndex + nStep + nCount) % nCount;
        CZMRControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || !pControl->GetEnabled())
            continue;
        BOOL bByAmpersand = FALSE;
        const TCHAR chLetter = GetMnemonicChar(pControl->GetCaption(), bByAmpersand);
        if (chLetter == 0 || !IsCharMatchingVirtualKey(chLetter, nChar))
            continue;
        if (bByAmpersand)
        {
            if (nAmpersand != -1)
            {
                bAmbiguous = TRUE;
                return nAmpersand;
            }
            nAmpersand = i;
        }
        else if (nAmpersand == -1)
        {
            if (nFirstLetter != -1)
                bFirstLetterAmbiguous = TRUE;
            else
                nFirstLetter = i;
        }
    }
    if (nAmpersand != -1)
        return nAmpersand;
    bAmbiguous = bFirstLetterAmbiguous;
    return nFirstLetter;
}

// ---------------------------------------------------------------- navigation codes

BOOL CZMRCommandBar::HandleNavigationKey(int nCode)
{
    if (nCode == zmrNavArrowPrevious)
        nCode = zmrNavPrevious;
    else if (nCode == zmrNavArrowNext)
        nCode = zmrNavNext;
    if (nCode == zmrNavNext || nCode == zmrNavPrevious)
        HideKeyboardTips();

    // A popup tool bar moves through its grid of controls.
    const BOOL bGrid = m_barPosition == zmrBarPopup && m_barType == zmrBarTypeNormal;
    CZMRControl* pHot = GetControl(m_nHotIndex);
    BOOL bGeometric = FALSE;
    if (bGrid && pHot && m_nHotIndex == m_nPoppedIndex)
    {
        if (nCode == zmrNavNext)
            return FALSE;
        if (nCode == zmrNavPrevious)
            nCode = zmrNavUp;
        else if (nCode == zmrNavUp || nCode == zmrNavDown)
            bGeometric = TRUE;
    }
    else
    {
        // Up on a bar's popup control opens it, as Down does.
        if (nCode == zmrNavUp && m_nPoppedIndex == -1 && pHot && (bGrid || !GetParentBar()) &&
            IsEnabledPopupControl(pHot))
            nCode = zmrNavDown;
        bGeometric = (nCode == zmrNavUp || nCode == zmrNavDown) && (bGrid || m_barPosition == zmrBarFloating) &&
                     m_nPoppedIndex == -1;
    }

    if (bGeometric && !(pHot && IsEnabledPopupControl(pHot)))
    {
        const int nDirection = nCode == zmrNavDown ? +1 : -1;
        if (!pHot)
        {
            SetHotControl(m_pControls->GetNext(-1, nDirection), 2);
            return TRUE;
        }
        const int nIndex = FindControlInAdjacentRow(nDirection);
        if (nIndex != -1)
            SetHotControl(nIndex, nCode == zmrNavUp ? 3 : 2);
        return TRUE;
    }

    switch (nCode)
    {
    case zmrNavNext:
    case zmrNavPrevious:
    {
        const BOOL bNext = nCode == zmrNavNext;
        const int nIndex = m_pControls->GetNext(m_nHotIndex, bNext ? +1 : -1);
        if (nIndex == -1)
            return FALSE;
        SetHotControl(nIndex, bNext ? 2 : 3);
        return TRUE;
    }
    case zmrNavUp:
        if (m_nPoppedIndex == -1)
            return FALSE;
        SetPoppedControl(-1);
        // The bar stays in keyboard mode with its menu closed.
        SetMenuLoopActive(TRUE);
        return TRUE;
    case zmrNavDown:
    {
        if (!pHot)
            return FALSE;
        const int nTracking = m_bTracking;
        pHot->OnSelectionChange(2);
        if (SetPoppedControl(m_nHotIndex))
            return TRUE;
        // A control without a popup leaves the bar as it was.
        if (nTracking && m_bTracking)
            SetMenuLoopActive(nTracking);
        return FALSE;
    }
    case zmrNavCancel:
    {
        CZMRBarManager* pManager = GetBarManager();
        const int nLevel = GetKeyboardTipLevel();
        if (nLevel >= 2 && pManager)
        {
            pManager->ShowKeyboardTips(this, nLevel - 1);
            return TRUE;
        }
        CZMRCommandBar* pParent = GetParentBar();
        if (pParent && pParent->IsTrackingMode())
            pParent->SetMenuLoopActive(TRUE);
        SetMenuLoopActive(FALSE);
        return TRUE;
    }
    case zmrNavExecute:
        if (!pHot)
            return FALSE;
        pHot->InternalAddRef();
        pHot->OnSelectionChange(2);
        pHot->OnClick(TRUE);
        pHot->InternalRelease();
        return TRUE;
    case zmrNavFirst:
    case zmrNavLast:
    {
        const BOOL bFirst = nCode == zmrNavFirst;
        const int nIndex = m_pControls->GetNext(-1, bFirst ? +1 : -1);
        if (nIndex == -1)
            return FALSE;
        SetHotControl(nIndex, bFirst ? 2 : 3);
        return TRUE;
    }
    case zmrNavSystemMenu:
    {
        if (m_barType != zmrBarTypeMenuBar)
            return FALSE;
        CWnd* pSite = GetSite();
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        else
            SetMenuLoopActive(FALSE);
        if (pSite && pSite->GetSafeHwnd())
            pSite->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, 32);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

int CZMRCommandBar::FindControlInAdjacentRow(int nDirection) const
{
    const CZMRControl* pHot = GetControl(m_nHotIndex);
    if (!pHot)
        return -1;
    const CRect rcHotRow = pHot->GetRowRect();
    const int nHotLeft = pHot->GetRect().left;
    CRect rcTargetRow(0, 0, 0, 0);
    int nBest = -1, nBestDistance = 0;
    // Past the hot control's row into the next row in that direction; the
    // walk wraps, so Down from the last row reaches the first.
    for (int i = m_pControls->GetNext(m_nHotIndex, nDirection); i != -1 && i != m_nHotIndex;
         i = m_pControls->GetNext(i, nDirection))
    {
        const CZMRControl* pControl = GetControl(i);
        const CRect rcRow = pControl->GetRowRect();
        if (rcRow.IsRectEmpty())
            continue;
        if (nBest == -1)
        {
            if (rcRow == rcHotRow)
                continue;
            rcTargetRow = rcRow;
        }
        else if (rcRow != rcTargetRow)
            break;
        const int nDistance = abs(pControl->GetRect().left - nHotLeft);
        if (nBest == -1 || nDistance < nBestDistance)
        {
            nBest = i;
            nBestDistance = nDistance;
        }
    }
    return nBest;
}

// ---------------------------------------------------------------- keyboard tips

void CZMRCommandBar::CreateKeyboardTips()
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        const CString strCaption = pControl->GetCaption();
        if (!pControl->IsVisible() || strCaption.IsEmpty() || (pControl->GetFlags() & zmrFlagSkipFocus) ||
            pControl->GetType() == zmrControlGallery)
            continue;
        const CRect rc = pControl->GetRect();
        auto* pTip = new CZMRCommandBarKeyboardTip(pManager, pControl, strCaption,
                                                   CPoint(rc.left + 12, rc.bottom - 11), 0, pControl->GetEnabled());
        pTip->SetTipText(pControl->GetKeyboardTip());
        pManager->AddKeyboardTip(pTip);
    }
    if (GetParentBar())
        return;
    // A root bar also shows where the other bars are reached.
    for (int i = 0; i < pManager->GetCount(); i++)
    {
        CZMRCommandBar* pBar = pManager->GetBar(i);
        if (pBar == this || !CZMRBarManager::IsBarShown(pBar))
            continue;
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        pManager->AddKeyboardTip(
            new CZMRCommandBarKeyboardTip(pManager, pBar, pBar->GetTitle(), rcWindow.TopLeft(), 0, TRUE));
    }
}

void CZMRCommandBar::ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip)
{
    // The tips go first: a menu the control opens shows tips of its own.
    CCmdTarget* pOwner = pTip->GetOwner();
    HideKeyboardTips();
    if (CZMRControl* pControl = DYNAMIC_DOWNCAST(CZMRControl, pOwner))
    {
        pControl->InternalAddRef();
        pControl->OnAccessKeyPressed();
        pControl->InternalRelease();
    }
    else if (CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pOwner))
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->FocusBar(pToolBar);
    }
}

void CZMRCommandBar::HandleTipKey(UINT nChar)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    const int nTyped = pManager->GetKeyboardTipsTyped();
    for (int i = 0; i < pManager->GetKeyboardTipCount(); i++)
    {
        CZMRCommandBarKeyboardTip* pTip = pManager->GetKeyboardTip(i);
        const CString strTip = pTip->GetTipText();
        if (strTip.GetLength() <= nTyped || !IsCharMatchingVirtualKey(strTip[nTyped], nChar))
            continue;
        if (nTyped == strTip.GetLength() - 1)
        {
            if (!pTip->IsEnabled())
                s_pfnMessageBeep(0);
            else
                ActivateKeyboardTip(pTip);
            return;
        }
        // The tips that no longer start with what was typed go.
        pManager->SetKeyboardTipsTyped(nTyped + 1);
        const CString strTyped = strTip.Left(nTyped + 1);
        for (int j = pManager->GetKeyboardTipCount() - 1; j >= 0; j--)
        {
            if (pManager->GetKeyboardTip(j)->GetTipText().Left(nTyped + 1) != strTyped)
                pManager->RemoveKeyboardTip(j);
        }
        return;
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        s_pfnMessageBeep(0);
}
