// The layout of a popup bar: its column of controls with the rarely used
// ones hidden behind the expand button, the scrolled layout of a popup taller
// than the screen, the tear-off strip and the gallery gripper, and the
// relayout when the popup expands or its gallery changes size.
#include "CZMRPopupBar.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarClock.h"
#include "CZMRControl.h"
#include "CZMRControlPopup.h"
#include "CZMRControls.h"
#include "CZMRMenuSoundPlayer.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupScrollLayout.h"
#include "CZMRShadowManager.h"
#include "CZMRToolTipContext.h"
#include "CZMRBufferDC.h"
#include "CZMRFontDC.h"

// ---------------------------------------------------------------- the expand button

CZMRPopupBar::CControlExpandButton::CControlExpandButton()
{
    m_controlType = zmrControlButton;
    m_dwFlags = zmrFlagSkipFocus | zmrFlagManualUpdate | zmrFlagNoMovable | zmrFlagShowTooltip;
}

void CZMRPopupBar::CControlExpandButton::Draw(CDC* pDC)
{
    if (CZMRPaintManager* pPaintManager = m_pParent ? m_pParent->GetPaintManager() : nullptr)
        pPaintManager->DrawOverflowButton(pDC, 1, this, m_pParent, TRUE, 0);
}

void CZMRPopupBar::CControlExpandButton::OnExecute()
{
    if (CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, m_pParent))
        pPopup->Expand();
}

CZMRControl* CZMRPopupBar::GetExpandButton() const
{
    return m_pControls->FindControlById(ZMR_ID_POPUPBAR_EXPAND);
}

int CZMRPopupBar::GetResizeMode() const
{
    return m_nResizeMode;
}

// ---------------------------------------------------------------- rarely used controls

void CZMRPopupBar::UpdateRarelyUsed()
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    const int nCount = GetControlCount();
    if (pManager->GetOptions()->bAlwaysShowFullMenus)
    {
        for (int i = 0; i < nCount; i++)
            GetControl(i)->SetRarelyUsed(FALSE);
        m_bExpanded = TRUE;
        return;
    }

    m_bMoreControlsHidden = FALSE;
    const CZMRControl* pExpand = GetExpandButton();
    BOOL bFrequent = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        CZMRControl* pControl = GetControl(i);
        const BOOL bVisible = pControl->IsVisible(zmrHideInternal | zmrHideExpand);
        if (pManager->IsControlRarelyUsed(pControl))
        {
            pControl->SetRarelyUsed(bVisible);
        }
        else
        {
            pControl->SetRarelyUsed(FALSE);
            if (bVisible && pControl != pExpand)
                bFrequent = TRUE;
        }
    }
    // A popup whose visible controls are all rare shows them all.
    for (int i = 0; i < nCount; i++)
    {
        CZMRControl* pControl = GetControl(i);
        DWORD dwHide = pControl->GetHideFlags() & ~DWORD(zmrHideExpand);
        if (pControl->IsRarelyUsed() && !m_bExpanded && bFrequent)
        {
            dwHide |= zmrHideExpand;
            m_bMoreControlsHidden = TRUE;
        }
        if (dwHide != pControl->GetHideFlags())
            pControl->SetHideFlags(dwHide);
    }
}

// ---------------------------------------------------------------- layout

CRect CZMRPopupBar::GetLayoutBorders() const
{
    CRect rcBorder = GetBorders();
    rcBorder.top += m_nTearOffHeight;
    rcBorder.bottom += m_nGripperHeight + m_nExpandHeight;
    return rcBorder;
}

void CZMRPopupBar::PlaceFrameParts(CSize szPopup)
{
    const CRect rcBorder = GetBorders();
    const int nLeft = rcBorder.left, nRight = szPopup.cx - rcBorder.right;
    m_rcTearOffHandle = m_nTearOffHeight ? CRect(nLeft, rcBorder.top, nRight, rcBorder.top + m_nTearOffHeight)
                                         : CRect(0, 0, 0, 0);
    const int nGripperBottom = szPopup.cy - rcBorder.bottom;
    m_rcResizeGripper = m_nGripperHeight ? CRect(nLeft, nGripperBottom - m_nGripperHeight, nRight, nGripperBottom)
                                         : CRect(0, 0, 0, 0);
    if (CZMRControl* pExpand = GetExpandButton(); pExpand && m_nExpandHeight)
    {
        const int nBottom = nGripperBottom - m_nGripperHeight;
        pExpand->SetRect(CRect(nLeft, nBottom - m_nExpandHeight, nRight, nBottom));
    }
}

CSize CZMRPopupBar::CalcDynamicLayout(int nLength, DWORD /*dwMode*/)
{
    m_bLayoutLock = TRUE;
    CClientDC dc(GetSafeHwnd() ? this : CWnd::FromHandle(::GetDesktopWindow()));
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CFont* pOldFont = dc.SelectObject(pPaintManager->GetBarFont(this));
    m_nTearOffHeight =
        m_bTearOffPopup ? pPaintManager->DrawTearOffHandle(&dc, CRect(0, 0, 0, 0), FALSE, FALSE).cy : 0;
    m_nGripperHeight = 0;
    m_nExpandHeight = 0;
    m_nResizeMode = 0;
    CSize sz;
    if (m_barType == zmrBarTypeNormal)
    {
        UpdateShortcutTexts();
        DWORD dwMode = 0x142;
        sz = m_pControls->CalcLayout(&dc, m_nMRUWidth, dwMode, GetLayoutBorders());
    }
    else
    {
        for (int i = 0; i < GetControlCount(); i++)
        {
            CZMRControl* pControl = GetControl(i);
            if (pControl->GetType() == zmrControlGallery && pControl->IsVisible())
            {
                m_nResizeMode = pControl->IsWidthAdjustable();
                break;
            }
        }
        if (m_nResizeMode)
            m_nGripperHeight = m_nResizeMode == 2 ? 8 : 11;
        if (nLength == 0)
        {
            for (int i = 0; i < m_pControls->GetCount(); i++)
                m_pControls->GetAt(i)->ExpandIntoItems(0);
            UpdateRarelyUsed();
        }
        UpdateShortcutTexts();

        CZMRControl* pExpand = GetExpandButton();
        if (HidesRarelyUsed())
        {
            if (!pExpand)
                pExpand = m_pControls->AddControl(new CControlExpandButton, ZMR_ID_POPUPBAR_EXPAND, L"", -1, TRUE);
            if (pExpand)
                m_nExpandHeight = pPaintManager->DrawOverflowButton(&dc, 1, pExpand, this, FALSE, 0).cy;
        }
        // The button stands across the bottom, outside the columns.
        if (pExpand)
            pExpand->SetVisible(FALSE);
        sz = m_pControls->CalcPopupLayout(&dc, nLength, 0, GetLayoutBorders());
        if (pExpand && m_nExpandHeight)
            pExpand->SetVisible(TRUE);
    }
    PlaceFrameParts(sz);
    dc.SelectObject(pOldFont);
    m_bLayoutLock = FALSE;
    return sz;
}

void CZMRPopupBar::LayoutScrolled(const CSize* pSize, BOOL bFromEnd, BOOL bRedraw)
{
    CSize sz;
    if (pSize)
        sz = *pSize;
    else if (GetSafeHwnd())
    {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        sz = rcWindow.Size();
    }
    m_rcScrollUp.SetRectEmpty();
    m_rcScrollDown.SetRectEmpty();

    CZMRPopupScrollLayout::CInput in;
    in.szPopup = sz;
    in.rcBorders = GetLayoutBorders();
    in.nSeparator = GetPaintManager()->DrawSeparator(nullptr, this, nullptr, FALSE).cy;
    in.nFirst = m_nFirstVisible;
    in.nEnd = m_nEndVisible;
    in.bFromEnd = bFromEnd;
    const CZMRControl* pExpand = GetExpandButton();
    for (int i = 0; i < GetControlCount(); i++)
    {
        const CZMRControl* pControl = GetControl(i);
        CZMRPopupScrollLayout::CItem item;
        item.nHeight = pControl->GetRect().Height();
        item.bVisible = pControl != pExpand && pControl->IsVisible(zmrHideInternal);
        item.bBeginGroup = pControl->GetBeginGroup();
        in.items.push_back(item);
    }
    const CZMRPopupScrollLayout::COutput out = CZMRPopupScrollLayout::Calc(in);
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (!in.items[i].bVisible)
            continue;
        // Controls out of view are hidden by the internal-layout bit, which
        // the next column layout clears.
        const BOOL bInView = !out.rects[i].IsRectEmpty();
        if (bInView)
            pControl->SetRect(out.rects[i]);
        const DWORD dwHide = bInView ? pControl->GetHideFlags() & ~DWORD(zmrHideInternal)
                                     : pControl->GetHideFlags() | zmrHideInternal;
        if (dwHide != pControl->GetHideFlags())
            pControl->SetHideFlags(dwHide);
    }
    m_nFirstVisible = out.nFirst;
    m_nEndVisible = out.nEnd;
    m_rcScrollUp = out.rcScrollUp;
    m_rcScrollDown = out.rcScrollDown;
    PlaceFrameParts(sz);
    if (bRedraw)
        Redraw();
}

// ---------------------------------------------------------------- expanding

void CZMRPopupBar::Expand()
{
    if (m_bExpanded || !m_bMoreControlsHidden)
        return;
    if (m_pToolTipContext)
        m_pToolTipContext->CancelToolTips();
    m_bExpanding = TRUE;
    m_bExpanded = TRUE;
    SetPoppedControl(-1);
    SetHotControl(-1);
    OnRecalcLayout();
    m_bExpanding = FALSE;
    // Popups opened later in this tracking open expanded, and the release of
    // the click that expanded this one reaches nobody.
    CZMRMouseManager* pMouseManager = GetMouseManager();
    pMouseManager->m_bMenusExpanded = TRUE;
    pMouseManager->m_bSwallowNextButtonUp = TRUE;
}

void CZMRPopupBar::OnRecalcLayout()
{
    if (m_bLayoutLock || !GetSafeHwnd() || !m_bTracking)
        return;
    UpdateShortcutTexts();
    ComputeAnchorFromControl();
    const CSize sz = CalcDynamicLayout(0, 0);
    const CRect rc = CalcPopupRect(m_ptAnchor, sz);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!m_bExpanding && rc == rcWindow)
    {
        Redraw();
        return;
    }

    const BOOL bTips = GetKeyboardTipLevel() > 0;
    if (bTips)
        HideKeyboardTips();
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager->m_pShadowManager)
        pPaintManager->m_pShadowManager->RemoveShadows(this);

    const int nAnimation = m_bExpanding ? GetAnimationType() : 5;
    if (m_bExpanding && nAnimation >= 2 && nAnimation <= 4)
    {
        // The screen under the new rectangle is the first frame; the new
        // rows then unfold over it.
        CDC dcScreen;
        dcScreen.Attach(::GetDC(nullptr));
        CDC dcBack;
        dcBack.CreateCompatibleDC(&dcScreen);
        CBitmap bmpBack;
        bmpBack.CreateCompatibleBitmap(&dcScreen, rc.Width(), rc.Height());
        CBitmap* pOldBack = dcBack.SelectObject(&bmpBack);
        dcBack.BitBlt(0, 0, rc.Width(), rc.Height(), &dcScreen, rc.left, rc.top, SRCCOPY);
        ::ReleaseDC(nullptr, dcScreen.Detach());

        ShowWindow(SW_HIDE);
        if (CWnd* pSite = GetSite(); pSite && pSite->GetSafeHwnd())
            pSite->UpdateWindow();
        ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        pPaintManager->ApplyBarWindowRegion(this);
        {
            CClientDC dc(this);
            dc.BitBlt(0, 0, rc.Width(), rc.Height(), &dcBack, 0, 0, SRCCOPY);
            CDC dcPicture;
            dcPicture.CreateCompatibleDC(&dc);
            CBitmap bmpPicture;
            bmpPicture.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height());
            CBitmap* pOldPicture = dcPicture.SelectObject(&bmpPicture);
            PaintClient(&dcPicture, CRect(0, 0, rc.Width(), rc.Height()));
            pPaintManager->AnimateUnfold(this, &dc, &dcPicture, rcWindow.bottom < rc.bottom);
            dcPicture.SelectObject(pOldPicture);
        }
        dcBack.SelectObject(pOldBack);
        CZMRMenuSoundPlayer::GetInstance()->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    }
    else
    {
        if (m_bExpanding)
            CZMRMenuSoundPlayer::GetInstance()->Request(CZMRMenuSoundPlayer::soundMenuPopup);
        ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        pPaintManager->ApplyBarWindowRegion(this);
    }

    ShowPopupShadow();
    if (CZMRControlPopup* pControlPopup = DYNAMIC_DOWNCAST(CZMRControlPopup, m_pControlPopup))
        pControlPopup->AddControlShadow();
    Redraw();
    if (bTips)
        PostMessage(WM_TIMER, ZMR_TIMER_KEYBOARDTIPS, 0);
    m_bExpanding = FALSE;
}

void CZMRPopupBar::ResizeToContent()
{
    if (m_bLayoutLock || !GetSafeHwnd() || !m_bTracking)
        return;
    const CSize sz = CalcDynamicLayout(0, 0);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rc(rcWindow.TopLeft(), sz);
    // The edge the gripper does not move stays where it is.
    if (IsRightToLeftWindow())
        rc.OffsetRect(rcWindow.right - rc.right, 0);
    if (rc != rcWindow)
    {
        if (GetKeyboardTipLevel() > 0)
            HideKeyboardTips();
        SetWindowRgn(nullptr, FALSE);
        ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        CZMRPaintManager* pPaintManager = GetPaintManager();
        pPaintManager->ApplyBarWindowRegion(this);
        if (pPaintManager->m_pShadowManager)
            pPaintManager->m_pShadowManager->OffsetShadows(this, rc.Width() - rcWindow.Width(),
                                                           rc.Height() - rcWindow.Height());
    }
    Redraw();
}

// ---------------------------------------------------------------- keys and the hot control

BOOL CZMRPopupBar::SetHotControl(int nIndex, int nKind)
{
    CZMRControl* pControl = GetControl(nIndex);
    if (m_bScrolling && pControl && (pControl->GetHideFlags() & zmrHideInternal))
    {
        if (nIndex < m_nFirstVisible)
        {
            m_nFirstVisible = nIndex;
            LayoutScrolled(nullptr, FALSE, TRUE);
        }
        else if (nIndex >= m_nEndVisible)
        {
            m_nEndVisible = nIndex + 1;
            LayoutScrolled(nullptr, TRUE, TRUE);
        }
    }
    // The expand button under the mouse expands the popup after a delay;
    // any other control, or the keyboard, stops it.
    if (GetSafeHwnd())
    {
        CZMRBarManager* pManager = GetBarManager();
        if (pControl && pControl == GetExpandButton() && nKind == 0 && pManager &&
            pManager->GetOptions()->bShowFullAfterDelay)
            SetTimer(TimerExpandButton, CZMRCommandBarClock::GetExpandButtonDelay(), nullptr);
        else
            KillTimer(TimerExpandButton);
    }
    return CZMRCommandBar::SetHotControl(nIndex, nKind);
}

int CZMRPopupBar::HandleHookedKeyDown(UINT nChar, LPARAM lParam)
{
    // A tear-off or resize drag reads Escape itself.
    if (m_bInCaptureLoop)
        return ZMR_HOOK_STOP;
    if (nChar == VK_DOWN && HidesRarelyUsed() && m_bTracking && !IsCustomizeMode() && m_nInputSuspension == 0)
    {
        int nLast = -1;
        for (int i = GetControlCount() - 1; i >= 0 && nLast == -1; i--)
        {
            if (GetControl(i)->IsVisible() && GetControl(i) != GetExpandButton())
                nLast = i;
        }
        if (::GetKeyState(VK_CONTROL) < 0 || (nLast != -1 && m_nHotIndex == nLast))
        {
            Expand();
            return 1;
        }
    }
    return CZMRCommandBar::HandleHookedKeyDown(nChar, lParam);
}
