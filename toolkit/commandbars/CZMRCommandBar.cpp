#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRCommandBar, CWnd, VERSIONABLE_SCHEMA | 0x21)

BEGIN_INTERFACE_MAP(CZMRCommandBar, CWnd)
    INTERFACE_PART(CZMRCommandBar, IID_IAccessible, Accessible)
    INTERFACE_PART(CZMRCommandBar, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

CZMRCommandBar::CZMRCommandBar()
    : m_pReturnCmd(nullptr), m_nMRUWidth(32767), m_nHotIndex(-1), m_nPoppedIndex(-1), m_nBarID(0),
      m_bTracking(0), m_pSite(nullptr), m_nPending(0), m_dwFlags(0), m_dwStyle(0x400000),
      m_barType(zmrBarTypeNormal), m_pControls(nullptr), m_barPosition(zmrBarNone), m_pBarManager(nullptr),
      m_pOwner(nullptr), m_szIcons(0, 0), m_szButtons(0, 0), m_nSelectionKind(0), m_bCustomizable(TRUE),
      m_nLockRedraw(0), m_pPaintManager(nullptr), m_pImageManager(nullptr),
      m_nDefaultButtonStyle(zmrButtonAutomatic), m_nRowGap(0), m_bMultiColumn(FALSE), m_nInputSuspension(0),
      m_nShowTextBelowIcons(2)
{
    m_pControls = new CZMRControls;
    m_pControls->SetParent(this);
}

CZMRCommandBar::~CZMRCommandBar()
{
    // The controls lose their bar before they go.
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    SetPaintManager(nullptr);
    SetImageManager(nullptr);
}

void CZMRCommandBar::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    CWnd::OnFinalRelease();
}

// ---------------------------------------------------------------- the chain of bars

CZMRBarManager* CZMRCommandBar::GetBarManager() const
{
    for (const CZMRCommandBar* pBar = this; pBar; pBar = pBar->GetParentBar())
    {
        if (pBar->m_pBarManager)
            return pBar->m_pBarManager;
    }
    return nullptr;
}

CZMRCommandBar* CZMRCommandBar::GetRootBar() const
{
    const CZMRCommandBar* pBar = this;
    while (CZMRCommandBar* pParent = pBar->GetParentBar())
        pBar = pParent;
    return const_cast<CZMRCommandBar*>(pBar);
}

CWnd* CZMRCommandBar::GetSite() const
{
    if (CZMRBarManager* pManager = GetBarManager())
        return pManager->GetSite();
    if (CWnd* pSite = GetRootBar()->m_pSite)
        return pSite;
    if (GetSafeHwnd())
    {
        if (HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER))
            return CWnd::FromHandle(hWndOwner);
        if (HWND hWndParent = ::GetParent(m_hWnd))
            return CWnd::FromHandle(hWndParent);
    }
    return AfxGetMainWnd();
}

CWnd* CZMRCommandBar::GetOwnerWindow() const
{
    for (const CZMRCommandBar* pBar = this; pBar; pBar = pBar->GetParentBar())
    {
        if (pBar->m_pOwner)
            return pBar->m_pOwner;
    }
    return GetSite();
}

CZMRPaintManager* CZMRCommandBar::GetPaintManager() const
{
    if (m_pPaintManager)
        return m_pPaintManager;
    if (CZMRBarManager* pManager = GetBarManager())
        return pManager->GetPaintManager();
    CZMRCommandBar* pRootBar = GetRootBar();
    if (pRootBar->m_pPaintManager)
        return pRootBar->m_pPaintManager;
    return CZMRBarManager::GetGlobalPaintManager();
}

CZMRImageManager* CZMRCommandBar::GetImageManager() const
{
    if (m_pImageManager)
        return m_pImageManager;
    if (CZMRBarManager* pManager = GetBarManager())
        return pManager->GetImageManager();
    CZMRCommandBar* pRootBar = GetRootBar();
    if (pRootBar->m_pImageManager)
        return pRootBar->m_pImageManager;
    return ::GetImageManager();
}

void CZMRCommandBar::SetPaintManager(CZMRPaintManager* pPaintManager)
{
    ZMRReplaceReference(m_pPaintManager, pPaintManager);
}

void CZMRCommandBar::SetImageManager(CZMRImageManager* pImageManager)
{
    ZMRReplaceReference(m_pImageManager, pImageManager);
}

BOOL CZMRCommandBar::IsCustomizeMode() const
{
    CZMRBarManager* pManager = GetBarManager();
    return pManager && pManager->IsCustomizeMode();
}

// ---------------------------------------------------------------- controls and values

int CZMRCommandBar::GetControlCount() const
{
    return m_pControls->GetCount();
}

CZMRControl* CZMRCommandBar::GetControl(int nIndex) const
{
    return m_pControls->GetAt(nIndex);
}

void CZMRCommandBar::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    Redraw();
}

CSize CZMRCommandBar::GetIconSize() const
{
    return m_szIcons.cx != 0 || m_szIcons.cy != 0 ? m_szIcons : CSize(16, 16);
}

CSize CZMRCommandBar::GetButtonSize() const
{
    if (m_szButtons.cx != 0 || m_szButtons.cy != 0)
        return m_szButtons;
    const CSize szIcon = GetIconSize();
    return CSize(szIcon.cx + 6, szIcon.cy + 6);
}

CSize CZMRCommandBar::GetLargeIconSize() const
{
    if (m_szIcons.cx != 0 || m_szIcons.cy != 0)
        return CSize(2 * m_szIcons.cx, 2 * m_szIcons.cy);
    return CSize(32, 32);
}

BOOL CZMRCommandBar::IsVisible() const
{
    return FALSE;
}

BOOL CZMRCommandBar::IsCustomizable() const
{
    return m_bCustomizable;
}

BOOL CZMRCommandBar::IsPopupBar() const
{
    return FALSE;
}

CZMRCommandBar* CZMRCommandBar::GetParentBar() const
{
    return nullptr;
}

int CZMRCommandBar::GetResizeMode() const
{
    return 0;
}

int CZMRCommandBar::IsPointInside(CPoint ptScreen) const
{
    CRect rcWindow;
    if (!GetSafeHwnd() || !::GetWindowRect(m_hWnd, &rcWindow) || !rcWindow.PtInRect(ptScreen))
        return 0;
    if (m_barPosition == zmrBarPopup)
    {
        // A shaped popup holds only the points of its region.
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        const BOOL bOutside = ::GetWindowRgn(m_hWnd, hRgn) != ERROR &&
                              !::PtInRegion(hRgn, ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
        ::DeleteObject(hRgn);
        if (bOutside)
            return 0;
    }
    return 1;
}

// ---------------------------------------------------------------- state

BOOL CZMRCommandBar::SetHotControl(int nIndex, int nKind)
{
    if (nIndex == m_nHotIndex)
        return FALSE;
    m_nSelectionKind = nKind;
    if (CZMRControl* pHot = GetControl(m_nHotIndex))
    {
        pHot->OnMouseMove(CPoint(-1, -1));
        pHot->OnSelectionChange(0);
    }
    m_nHotIndex = nIndex;
    if (CZMRControl* pHot = GetControl(nIndex))
        pHot->OnSelectionChange(nKind != 0 ? std::max(nKind, 2) : 1);
    return TRUE;
}

BOOL CZMRCommandBar::SetPoppedControl(int nIndex)
{
    if (nIndex == m_nPoppedIndex)
        return FALSE;
    if (CZMRControl* pPopped = GetControl(m_nPoppedIndex))
        pPopped->ShowPopup(FALSE);
    m_nPoppedIndex = -1;

    CZMRControl* pControl = GetControl(nIndex);
    if (!pControl)
        return TRUE;
    if (!pControl->GetEnabled())
        return FALSE;
    m_nPoppedIndex = nIndex;
    SetMenuLoopActive(2);
    if (!pControl->ShowPopup(TRUE))
    {
        m_nPoppedIndex = -1;
        return FALSE;
    }
    return TRUE;
}

BOOL CZMRCommandBar::SetMenuLoopActive(int bActive, BOOL /*bSelectFirst*/, int /*nCallback*/)
{
    if (bActive == m_bTracking || (m_bTracking && bActive))
    {
        m_bTracking = bActive;
        return FALSE;
    }
    m_bTracking = bActive;
    if (!bActive)
        SetPoppedControl(-1);
    return TRUE;
}

void CZMRCommandBar::OnControlSelectionChanged(int nSelected, CZMRControl* pControl)
{
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_CONTROLSELECTED, nSelected ? WPARAM(pControl) : 0, 0);
}

void CZMRCommandBar::Redraw(LPCRECT lpRect, BOOL /*bAnimate*/)
{
    if (m_nLockRedraw > 0)
    {
        m_nPending |= 2;
        return;
    }
    if (!lpRect)
        m_nPending &= ~2;
    if (GetSafeHwnd() && IsVisible())
        ::InvalidateRect(m_hWnd, lpRect, FALSE);
}

void CZMRCommandBar::UnlockRedraw()
{
    if (m_nLockRedraw > 0 && --m_nLockRedraw == 0 && (m_nPending & 2))
        Redraw();
}

void CZMRCommandBar::ResetSelection()
{
    m_nPending |= 1;
    m_nHotIndex = -1;
    m_nPoppedIndex = -1;
}

void CZMRCommandBar::OnRecalcLayout()
{
}

void CZMRCommandBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
}

int CZMRCommandBar::HandleHookedMessage(HWND /*hWnd*/, UINT /*nMessage*/, WPARAM& /*wParam*/, LPARAM& /*lParam*/,
                                        LRESULT& /*lResult*/)
{
    return ZMR_HOOK_NOTHANDLED;
}

void CZMRCommandBar::NumberBarsForSave(DWORD& /*nBarId*/, CZMRCommandBarList* /*pBars*/,
                                       ZMR_PROPEXCHANGE_PARAM* /*pParam*/)
{
}

// ---------------------------------------------------------------- menus and copies

BOOL CZMRCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return FALSE;
    if (bRemoveControls)
        m_pControls->RemoveAll();

    BOOL bBeginGroup = FALSE;
    const int nCount = pMenu->GetMenuItemCount();
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!pMenu->GetMenuItemInfo(UINT(i), &mii, TRUE))
            continue;
        if ((mii.fType & MFT_SEPARATOR) || (mii.wID == 0 && !mii.hSubMenu))
        {
            bBeginGroup = TRUE;
            continue;
        }

        CZMRControl* pControl = m_pControls->AddMenuItem(pMenu, i);
        if (!pControl)
            continue;
        if (mii.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK))
        {
            pControl->SetFlags(pControl->GetFlags() | zmrFlagWrapRow);
            if (mii.fType & MFT_MENUBARBREAK)
                bBeginGroup = TRUE;
        }
        if (bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
        if ((mii.fState & MFS_CHECKED) && !pControl->GetAction())
            pControl->SetChecked(TRUE);
        if (mii.fState & MFS_DISABLED)
            pControl->SetEnabled(FALSE);
    }

    if (GetSafeHwnd())
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->DelayRecalcLayout(TRUE);
    }
    return TRUE;
}

void CZMRCommandBar::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    m_barType = pCommandBar->m_barType;
    m_barPosition = pCommandBar->m_barPosition;
    m_nBarID = pCommandBar->m_nBarID;
    m_dwFlags = pCommandBar->m_dwFlags;
    m_dwStyle = pCommandBar->m_dwStyle;
    m_strTitle = pCommandBar->m_strTitle;
    m_bCustomizable = pCommandBar->m_bCustomizable;
    m_nMRUWidth = pCommandBar->m_nMRUWidth;
    m_szIcons = pCommandBar->m_szIcons;
    m_szButtons = pCommandBar->m_szButtons;
    m_pBarManager = pCommandBar->m_pBarManager;
    m_nDefaultButtonStyle = pCommandBar->m_nDefaultButtonStyle;
    m_pControls->Copy(pCommandBar->m_pControls, bRecursive);
}

CZMRCommandBar* CZMRCommandBar::Clone(BOOL bRecursive)
{
    CZMRCommandBar* pCommandBar = static_cast<CZMRCommandBar*>(GetRuntimeClass()->CreateObject());
    if (pCommandBar)
        pCommandBar->Copy(this, bRecursive);
    return pCommandBar;
}

// ---------------------------------------------------------------- what the paint manager reads

BOOL CZMRCommandBar::IsDialogBar() const
{
    return FALSE;
}

BOOL CZMRCommandBar::AreKeyboardCuesShown() const
{
    // The manager keeps no cue state of its own yet: cues are shown.
    return TRUE;
}

BOOL CZMRCommandBar::IsTextBelowIcons() const
{
    // The manager has no text-below-icons option yet; 2 reads as off.
    return m_nShowTextBelowIcons == 2 ? FALSE : m_nShowTextBelowIcons != 0;
}

BOOL CZMRCommandBar::IsRightToLeftWindow() const
{
    return GetSafeHwnd() && (GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
}
