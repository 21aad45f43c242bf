#include "CZMRBarManager.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRControlActions.h"
#include "CZMRControlDragHelper.h"
#include "CZMRCommandBar.h"
#include "CZMRToolBar.h"
#include "CZMRDockBar.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRMenuBar.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"
#include "CZMRToolTipContext.h"
#include "CZMRControlToolbars.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRKeyboardTipLetters.h"
#include <vector>

ZMR_BAR_CLASSES CZMRBarManager::m_classes = {RUNTIME_CLASS(CZMRToolBar), RUNTIME_CLASS(CZMRMenuBar), RUNTIME_CLASS(CZMRPopupBar),
                                             RUNTIME_CLASS(CZMRPopupToolBar), RUNTIME_CLASS(CZMRDockBar)};

CZMRBarManager::COptions::COptions()
    : bDirtyState(FALSE), bAlwaysShowFullMenus(TRUE), bShowFullAfterDelay(TRUE), bAltDragCustomization(TRUE),
      nAnimationType(0), bAutoUpdateShortcuts(TRUE), nMnemonicFlags(zmrMnemonicWrap), bShowStatusDescriptions(TRUE),
      bNumPadMnemonics(FALSE), bPopupSaveBits(FALSE), bDisableWithoutHandler(TRUE), nPopupPlacement(0),
      bKeyboardTips(FALSE), bShowToolTips(TRUE), bShortcutsInToolTips(FALSE), bToolTipsInPopups(FALSE),
      bHideFloatingBars(TRUE), bAlwaysShowExpand(FALSE), bFloatByDoubleClick(FALSE), bTextBelowIcons(FALSE),
      bLargeIcons(FALSE), szIcons(0, 0), szLargeIcons(0, 0), szPopupIcons(0, 0)
{
}

CZMRBarManager::CZMRBarManager()
    : m_pKeyboardTipsBar(nullptr), m_nKeyboardTipLevel(0), m_nKeyboardTipsTyped(0), m_pDragHelper(nullptr),
      m_pPaintManager(nullptr), m_pImageManager(nullptr), m_pCustomizeSelection(nullptr), m_pCustomizeMode(nullptr),
      m_bAltDragPermission(TRUE), m_pCustomizeOwner(nullptr), m_pDocks{}, m_pSite(nullptr),
      m_pToolTipContext(nullptr), m_pMouseManager(nullptr), m_bKeyboardCues(FALSE), m_pShortcutSource(nullptr),
      m_nHelpId(0), m_pActions(nullptr), m_bKeyboardCuesSwitch(TRUE), m_bForcedRightToLeft(FALSE),
      m_bEnableActions(FALSE), m_bCustomizeAll(FALSE), m_bCustomizeAvail(FALSE)
{
    m_pDragHelper = new CZMRControlDragHelper(this);
    m_pActions = new CZMRControlActions(this);
    m_pToolTipContext = new CZMRToolTipContext;
    // Mnemonics are underlined from the start when the user asked the system
    // to underline them always; otherwise once the keyboard is used.
    BOOL bCues = FALSE;
    if (::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bCues, 0))
        m_bKeyboardCues = bCues != FALSE;
}

CZMRBarManager::~CZMRBarManager()
{
    HideKeyboardTips();
    SetCustomizeSelection(nullptr);
    DestroyBars();
    delete m_pDragHelper;
    m_pActions->InternalRelease();
    m_pToolTipContext->InternalRelease();
    SetPaintManager(nullptr);
    SetImageManager(nullptr);
}

void CZMRBarManager::DestroyBars()
{
    while (m_arrBars.GetSize() > 0)
    {
        CZMRCommandBar* pBar = m_arrBars[m_arrBars.GetSize() - 1];
        m_arrBars.RemoveAt(m_arrBars.GetSize() - 1);
        // A bar destroyed later may lay the frame out again: no dock bar may
        // still hold this one once it is gone.
        CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pBar);
        if (CZMRDockBar* pDock = pToolBar ? pToolBar->GetDockBar() : nullptr)
        {
            pDock->RemoveCommandBar(pToolBar);
            pToolBar->SetDockBar(nullptr);
        }
        pBar->OnDestroyBar();
        pBar->InternalRelease();
    }
    for (CZMRDockBar*& pDock : m_pDocks)
    {
        delete pDock;
        pDock = nullptr;
    }
}

// ---------------------------------------------------------------- the site

BOOL CZMRBarManager::Attach(CWnd* pSite)
{
    m_pSite = pSite;
    if (!pSite || !pSite->GetSafeHwnd())
        return FALSE;
    static const DWORD s_dwAlign[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
    static const UINT s_nId[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                                  AFX_IDW_DOCKBAR_RIGHT};
    for (int i = 0; i < 4; i++)
    {
        if (m_pDocks[i])
            continue;
        CObject* pObject = m_classes.pDockBarClass ? m_classes.pDockBarClass->CreateObject() : nullptr;
        CZMRDockBar* pDock = static_cast<CZMRDockBar*>(AfxDynamicDownCast(RUNTIME_CLASS(CZMRDockBar), pObject));
        if (!pDock)
        {
            delete pObject;
            return FALSE;
        }
        pDock->SetBarManager(this);
        if (!pDock->Create(pSite, s_dwAlign[i], s_nId[i]))
        {
            delete pDock;
            return FALSE;
        }
        m_pDocks[i] = pDock;
    }
    RecalcFrameLayout(TRUE);
    return TRUE;
}

BOOL CZMRBarManager::IsRightToLeft() const
{
    if (m_bForcedRightToLeft)
        return TRUE;
    return m_pSite && m_pSite->GetSafeHwnd() && (m_pSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

void CZMRBarManager::RecalcFrameLayoutIfPending()
{
    CFrameWnd* pFrame = m_pSite && m_pSite->GetSafeHwnd() ? DYNAMIC_DOWNCAST(CFrameWnd, m_pSite) : nullptr;
    if (pFrame && (pFrame->m_nIdleFlags & CFrameWnd::idleLayout))
    {
        pFrame->RecalcLayout(FALSE);
        pFrame->m_nIdleFlags &= ~UINT(CFrameWnd::idleLayout);
    }
}

// ---------------------------------------------------------------- services

CZMRPaintManager* CZMRBarManager::GetGlobalPaintManager()
{
    if (!CZMRPaintManager::GetCurrent())
        CZMRPaintManager::SetTheme(zmrThemeDefault);
    return CZMRPaintManager::GetCurrent();
}

CZMRPaintManager* CZMRBarManager::GetPaintManager() const
{
    return m_pPaintManager ? m_pPaintManager : GetGlobalPaintManager();
}

CZMRImageManager* CZMRBarManager::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager : ::GetImageManager();
}

void CZMRBarManager::SetPaintManager(CZMRPaintManager* pPaintManager)
{
    ZMRReplaceReference(m_pPaintManager, pPaintManager);
}

void CZMRBarManager::SetImageManager(CZMRImageManager* pImageManager)
{
    ZMRReplaceReference(m_pImageManager, pImageManager);
}

CZMRMouseManager* CZMRBarManager::GetMouseManager()
{
    if (!m_pMouseManager)
        m_pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    return m_pMouseManager;
}

void CZMRBarManager::CancelTracking()
{
    GetMouseManager()->CloseAllTracked();
}

// ---------------------------------------------------------------- bars

CZMRCommandBar* CZMRBarManager::GetBar(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

CZMRCommandBar* CZMRBarManager::FindBar(int nBarID) const
{
    if (nBarID == 0)
        return nullptr;
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrBars[i]->GetBarID() == nBarID)
            return m_arrBars[i];
    }
    return nullptr;
}

int CZMRBarManager::GetBarIndex(const CZMRCommandBar* pBar) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

void CZMRBarManager::AddBar(CZMRCommandBar* pBar)
{
    pBar->SetBarManager(this);
    m_arrBars.Add(pBar);
}

BOOL CZMRBarManager::IsBarShown(const CZMRCommandBar* pBar)
{
    if (!pBar || !pBar->GetSafeHwnd() || !pBar->IsVisible() || !::IsWindowVisible(pBar->GetSafeHwnd()))
        return FALSE;
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    return !rcWindow.IsRectEmpty();
}

int CZMRBarManager::GetNextVisibleBar(int nIndex, int nStep) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    // A walk that starts at -1 starts at an end and does not wrap.
    BOOL bWrapped = nIndex == -1;
    int i = nIndex == -1 && nStep < 0 ? nCount - 1 : nIndex + nStep;
    for (;;)
    {
        if (i < 0 || i >= nCount)
        {
            if (bWrapped)
                return -1;
            bWrapped = TRUE;
            i = nStep > 0 ? 0 : nCount - 1;
        }
        if (i == nIndex)
            return nIndex;
        if (IsBarShown(m_arrBars[i]))
            return i;
        i += nStep;
    }
}

void CZMRBarManager::ToggleBarVisible(int nIndex)
{
    if (CZMRCommandBar* pBar = GetBar(nIndex))
    {
        pBar->SetVisible(!pBar->IsVisible());
        m_options.bDirtyState = TRUE;
    }
}

CZMRPopupBar* CZMRBarManager::CreateToolBarContextMenu()
{
    if (CZMRControlToolbars::GetListedBarCount(this) == 0)
        return nullptr;
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(this);
    pPopup->SetContextMenu(TRUE);
    // The list control puts an item per bar in its place when the popup lays out.
    pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_TOOLBARLIST);
    return pPopup;
}

void CZMRBarManager::ShowToolBarContextMenu(CPoint ptScreen, CZMRToolBar* /*pToolBar*/)
{
    CZMRPopupBar* pPopup = CreateToolBarContextMenu();
    if (!pPopup)
        return;
    CZMRCommandBar::TrackPopupBar(pPopup, IsRightToLeft() ? zmrTrackRightAligned : 0, ptScreen.x, ptScreen.y,
                                  m_pSite);
    pPopup->InternalRelease();
}

CString CZMRBarManager::GetShortcutText(int nId) const
{
    if (!m_pShortcutSource || nId == 0)
        return CString();
    return m_pShortcutSource->GetShortcutText(nId);
}

void CZMRBarManager::RedrawBars()
{
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRCommandBar* pBar = m_arrBars[i];
        if (pBar->GetSafeHwnd() && pBar->IsVisible())
            pBar->Redraw();
    }
}

// ---------------------------------------------------------------- docking

CZMRDockBar* CZMRBarManager::GetDockBar(int nSide) const
{
    return nSide >= 0 && nSide < 4 ? m_pDocks[nSide] : nullptr;
}

BOOL CZMRBarManager::DockToolBar(CZMRToolBar* pBar, LPCRECT lpRect, CZMRDockBar* pDockBar)
{
    if (!pDockBar || !pBar)
        return FALSE;
    if (!pBar->SetDockState(m_pSite, FALSE))
        return FALSE;
    if (CZMRDockBar* pOld = pBar->GetDockBar())
    {
        if (pOld != pDockBar)
            pOld->RemoveCommandBar(pBar);
    }
    pDockBar->DockCommandBar(pBar, lpRect);
    pBar->m_barPosition = pDockBar->GetPosition();
    return TRUE;
}

BOOL CZMRBarManager::DockToolBarSide(CZMRToolBar* pBar, int nSide)
{
    return DockToolBar(pBar, nullptr, GetDockBar(nSide));
}

BOOL CZMRBarManager::FloatToolBar(CZMRToolBar* pBar)
{
    if (!pBar || !pBar->SetDockState(m_pSite, TRUE))
        return FALSE;
    if (CZMRDockBar* pDock = pBar->GetDockBar())
    {
        pDock->RemoveCommandBar(pBar);
        pBar->SetDockBar(nullptr);
    }
    pBar->m_barPosition = zmrBarFloating;
    return TRUE;
}

void CZMRBarManager::RemoveToolBar(CZMRToolBar* pBar)
{
    const int nIndex = GetBarIndex(pBar);
    if (nIndex == -1)
        return;
    if (pBar->GetSafeHwnd())
        pBar->ShowWindow(SW_HIDE);
    pBar->m_bVisible = FALSE;
    if (CZMRDockBar* pDock = pBar->GetDockBar())
    {
        pDock->RemoveCommandBar(pBar);
        pBar->SetDockBar(nullptr);
        RecalcFrameLayout();
    }
    OnBarRemoved(pBar);
    pBar->OnDestroyBar();
    m_arrBars.RemoveAt(nIndex);
    pBar->InternalRelease();
}

CZMRDockBar* CZMRBarManager::FindDockBarNear(CPoint ptScreen, CZMRDockBar* pCurrent) const
{
    auto isNear = [ptScreen](const CZMRDockBar* pDock) {
        if (!pDock || !pDock->GetSafeHwnd())
            return FALSE;
        CRect rc;
        pDock->GetWindowRect(&rc);
        rc.InflateRect(20, 20);
        return rc.PtInRect(ptScreen);
    };
    if (pCurrent && (pCurrent->GetBarStyle() & CBRS_ALIGN_ANY) && isNear(pCurrent))
        return pCurrent;
    for (CZMRDockBar* pDock : m_pDocks)
    {
        if (isNear(pDock))
            return pDock;
    }
    return nullptr;
}

// ---------------------------------------------------------------- keyboard

BOOL CZMRBarManager::FocusBar(CZMRCommandBar* pBar, int nDirection)
{
    if (nDirection != 0)
    {
        if (GetCount() < 2)
            return FALSE;
        const int nIndex = GetBarIndex(pBar);
        const int nNext = GetNextVisibleBar(nIndex, nDirection);
        if (nNext == -1 || nNext == nIndex)
            return FALSE;
        pBar = GetBar(nNext);
    }
    if (!pBar)
        return FALSE;
    CancelTracking();
    ShowKeyboardCues(TRUE);
    m_nKeyboardTipLevel = 1;
    pBar->SetMenuLoopActive(1, FALSE, 1);
    pBar->SetHotControl(pBar->GetControls()->GetNext(-1, +1), 2);
    return TRUE;
}

BOOL CZMRBarManager::HandleMnemonicKey(UINT nChar)
{
    if (m_options.nMnemonicFlags == zmrMnemonicsOff)
        return FALSE;
    if (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9 && !m_options.bNumPadMnemonics)
        return FALSE;
    if (::MapVirtualKeyW(nChar, MAPVK_VK_TO_CHAR) == 0)
        return FALSE;

    CZMRCommandBar* pTarget = nullptr;
    for (int i = 0; i < GetCount() && !pTarget; i++)
    {
        if (m_arrBars[i]->IsTrackingMode())
            pTarget = m_arrBars[i];
    }
    if (!pTarget)
    {
        CZMRCommandBar* pMenuBar = GetMenuBar();
        if (IsBarShown(pMenuBar))
            pTarget = pMenuBar;
    }
    if (!pTarget && (m_options.nMnemonicFlags & zmrMnemonicWrap))
        pTarget = GetBar(GetNextVisibleBar(-1, +1));
    if (!IsBarShown(pTarget))
        return FALSE;

    if (pTarget->OnMnemonicKey(nChar))
        return TRUE;
    BOOL bAmbiguous = FALSE;
    CZMRControl* pControl = FindMnemonicControl(pTarget, nChar, bAmbiguous);
    if (!pControl)
        return FALSE;

    CZMRCommandBar* pBar = pControl->GetParent();
    if (!pBar->IsTrackingMode())
        CancelTracking();
    ShowKeyboardCues(TRUE);
    m_nKeyboardTipLevel = 1;
    pBar->SetMenuLoopActive(1, FALSE, 1);
    pBar->SetHotControl(pControl->GetIndex(), 1);
    if (!bAmbiguous)
        pControl->OnAccessKeyPressed();
    return TRUE;
}

CZMRControl* CZMRBarManager::FindMnemonicControl(CZMRCommandBar* pTarget, UINT nChar, BOOL& bAmbiguous) const
{
    bAmbiguous = FALSE;
    if (!pTarget)
        return nullptr;

    // The walk: the target's controls after its hot one, with the wrap bit
    // the controls of the next shown bars, then the target's first controls.
    std::vector<std::pair<CZMRCommandBar*, int>> walk;
    const int nHot = pTarget->GetHotIndex();
    const int nCount = pTarget->GetControlCount();
    for (int i = nHot + 1; i < nCount; i++)
        walk.push_back({pTarget, i});
    if (m_options.nMnemonicFlags & zmrMnemonicWrap)
    {
        const int nStart = GetBarIndex(pTarget);
        for (int nBar = GetNextVisibleBar(nStart, +1); nBar != -1 && nBar != nStart;
             nBar = GetNextVisibleBar(nBar, +1))
        {
            CZMRCommandBar* pBar = m_arrBars[nBar];
            for (int i = 0; i < pBar->GetControlCount(); i++)
                walk.push_back({pBar, i});
            // A target outside the list ends the walk at the last bar.
            if (nStart == -1 && GetNextVisibleBar(nBar, +1) <= nBar)
                break;
        }
    }
    for (int i = 0; i <= nHot && i < nCount; i++)
        walk.push_back({pTarget, i});

    const BOOL bFirstLetters = !(m_options.nMnemonicFlags & zmrMnemonicAmpersandOnly);
    CZMRControl* pAmpersand = nullptr;
    CZMRControl* pFirstLetter = nullptr;
    BOOL bFirstLetterAmbiguous = FALSE;
    for (const auto& step : walk)
    {
        CZMRControl* pControl = step.first->GetControl(step.second);
        if (!pControl || !pControl->IsVisible() || !pControl->IsCaptionVisible() || !pControl->GetEnabled() ||
            pControl->IsTemporary())
            continue;
        BOOL bByAmpersand = FALSE;
        const TCHAR chLetter = GetMnemonicChar(pControl->GetCaption(), bByAmpersand);
        if (chLetter == 0)
            continue;
        if (bByAmpersand)
        {
            if (!IsCharMatchingVirtualKey(chLetter, nChar))
                continue;
            if (pAmpersand)
            {
                bAmbiguous = TRUE;
                return pAmpersand;
            }
            pAmpersand = pControl;
            continue;
        }
        if (!bFirstLetters || !IsCharMatchingVirtualKey(chLetter, nChar))
            continue;
        if (step.first->GetType() != zmrBarTypeMenuBar && !step.first->IsTrackingMode())
            continue;
        if (pFirstLetter)
            bFirstLetterAmbiguous = TRUE;
        else
            pFirstLetter = pControl;
    }
    if (pAmpersand)
        return pAmpersand;
    bAmbiguous = bFirstLetterAmbiguous;
    return pFirstLetter;
}

void CZMRBarManager::ShowKeyboardCues(BOOL bShow)
{
    if (IsCustomizeMode())
        bShow = TRUE;
    if (!m_bKeyboardCuesSwitch || m_bKeyboardCues == bShow)
        return;
    m_bKeyboardCues = bShow;
    RedrawBars();
}

void CZMRBarManager::ShowKeyboardTips(CZMRCommandBar* pBar, int nLevel)
{
    HideKeyboardTips();
    if (!m_options.bKeyboardTips || !pBar || !pBar->GetSafeHwnd())
        return;
    if (m_pToolTipContext)
        m_pToolTipContext->CancelToolTips();
    pBar->UpdateWindow();
    m_pKeyboardTipsBar = pBar;
    m_nKeyboardTipLevel = nLevel;
    m_nKeyboardTipsTyped = 0;
    pBar->CreateKeyboardTips();
    if (m_arrKeyboardTips.IsEmpty())
    {
        m_pKeyboardTipsBar = nullptr;
        return;
    }

    // The letters, then the tips that have none left go.
    std::vector<CZMRKeyboardTipLetters::CTip> letters(size_t(m_arrKeyboardTips.GetSize()));
    for (INT_PTR i = 0; i < m_arrKeyboardTips.GetSize(); i++)
    {
        CZMRCommandBarKeyboardTip* pTip = m_arrKeyboardTips[i];
        pTip->SetOwnText(!pTip->GetTipText().IsEmpty());
        letters[size_t(i)] = {pTip->GetCaption(), pTip->GetExplicitTip(), pTip->GetTipText()};
    }
    CZMRKeyboardTipLetters::Assign(letters);
    for (INT_PTR i = m_arrKeyboardTips.GetSize() - 1; i >= 0; i--)
    {
        if (letters[size_t(i)].bRemoved)
            RemoveKeyboardTip(int(i));
        else
            m_arrKeyboardTips[i]->SetTipText(letters[size_t(i)].strText);
    }

    CZMRPaintManager* pPaintManager = GetPaintManager();
    const BOOL bCanLayer = pPaintManager->m_pfnSetLayeredWindowAttributes != nullptr;
    CClientDC dc(pBar);
    CFont* pOldFont = dc.SelectObject(&pPaintManager->m_fntKeyboardTip);
    for (INT_PTR i = 0; i < m_arrKeyboardTips.GetSize(); i++)
    {
        CZMRCommandBarKeyboardTip* pTip = m_arrKeyboardTips[i];
        if (!pTip->IsTipVisible())
            continue;
        CPoint ptAnchor = pTip->GetAnchor();
        // A bar's tip is placed on the screen already.
        if (!DYNAMIC_DOWNCAST(CZMRCommandBar, pTip->GetOwner()))
            pBar->ClientToScreen(&ptAnchor);
        const CRect rc = CZMRCommandBarKeyboardTip::CalcRect(ptAnchor, dc.GetTextExtent(pTip->GetTipText()),
                                                              pTip->GetAlign(), IsRightToLeft());
        const BOOL bLayered = bCanLayer && !pTip->IsEnabled();
        if (!pTip->CreateTipWindow(pBar, rc, bLayered))
            continue;
        pPaintManager->PaintKeyboardTipWindow(nullptr, pTip, TRUE);
        if (bLayered)
            pPaintManager->m_pfnSetLayeredWindowAttributes(pTip->GetSafeHwnd(), 0, 150, LWA_ALPHA);
    }
    dc.SelectObject(pOldFont);
    for (INT_PTR i = 0; i < m_arrKeyboardTips.GetSize(); i++)
    {
        if (HWND hWndTip = m_arrKeyboardTips[i]->GetSafeHwnd())
            ::SetWindowPos(hWndTip, nullptr, 0, 0, 0, 0, 0x257);
    }
}

void CZMRBarManager::HideKeyboardTips()
{
    for (INT_PTR i = 0; i < m_arrKeyboardTips.GetSize(); i++)
        DeleteKeyboardTip(m_arrKeyboardTips[i]);
    m_arrKeyboardTips.RemoveAll();
    m_pKeyboardTipsBar = nullptr;
    m_nKeyboardTipLevel = 0;
    m_nKeyboardTipsTyped = 0;
}

void CZMRBarManager::AddKeyboardTip(CZMRCommandBarKeyboardTip* pTip)
{
    m_arrKeyboardTips.Add(pTip);
}

CZMRCommandBarKeyboardTip* CZMRBarManager::GetKeyboardTip(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetKeyboardTipCount())
        AfxThrowInvalidArgException();
    return m_arrKeyboardTips[nIndex];
}

void CZMRBarManager::RemoveKeyboardTip(int nIndex)
{
    DeleteKeyboardTip(GetKeyboardTip(nIndex));
    m_arrKeyboardTips.RemoveAt(nIndex);
}

void CZMRBarManager::DeleteKeyboardTip(CZMRCommandBarKeyboardTip* pTip)
{
    if (pTip->GetSafeHwnd())
        pTip->DestroyWindow();
    delete pTip;
}

// ---------------------------------------------------------------- actions

CZMRControlAction* CZMRBarManager::GetAction(int nId)
{
    return m_pActions->FindOrAdd(nId);
}

CZMRControlAction* CZMRBarManager::FindAction(int nId) const
{
    return m_pActions->FindById(nId);
}

// ---------------------------------------------------------------- customize mode

void CZMRBarManager::SetCustomizeMode(CCmdTarget* pCustomizeMode)
{
    m_options.bDirtyState = TRUE;
    m_pCustomizeOwner = pCustomizeMode;
    m_pCustomizeMode = pCustomizeMode;
    SetCustomizeSelection(nullptr);
    ShowKeyboardCues(pCustomizeMode != nullptr);
}

void CZMRBarManager::SetCustomizeSelection(CZMRControl* pControl)
{
    if (pControl == m_pCustomizeSelection)
        return;
    if (CZMRControl* pOld = m_pCustomizeSelection)
    {
        m_pCustomizeSelection = nullptr;
        pOld->RepaintInParentBar();
        pOld->InternalRelease();
    }
    m_pCustomizeSelection = pControl;
    if (pControl)
    {
        pControl->InternalAddRef();
        pControl->RepaintInParentBar();
    }
    NotifyCustomizeSelection();
}

void CZMRBarManager::NotifyCustomizeSelection()
{
    HWND hWnd = m_pDragHelper->GetCustomizeWindow();
    if (!hWnd && m_pSite)
        hWnd = m_pSite->GetSafeHwnd();
    if (hWnd)
        ::SendMessage(hWnd, ZMR_WM_CUSTOMIZESELECTION, 0, 0);
}

void CZMRBarManager::SetDragHelper(CZMRControlDragHelper* pDragHelper)
{
    delete m_pDragHelper;
    m_pDragHelper = pDragHelper;
}

// ---------------------------------------------------------------- command use

void CZMRBarManager::RecordCommandUse(int nId)
{
    if (!IsCommandTracked(nId))
        return;
    m_options.mapUsedCommands.SetAt(UINT(nId), TRUE);
    m_options.bDirtyState = TRUE;
}

// ---------------------------------------------------------------- operations the hosts replace

CZMRCommandBar* CZMRBarManager::GetMenuBar() const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrBars[i]->GetType() == zmrBarTypeMenuBar)
            return m_arrBars[i];
    }
    return nullptr;
}

void CZMRBarManager::RecalcFrameLayout(BOOL bDelay)
{
    CFrameWnd* pFrame = m_pSite && m_pSite->GetSafeHwnd() ? DYNAMIC_DOWNCAST(CFrameWnd, m_pSite) : nullptr;
    if (!pFrame)
        return;
    if (bDelay)
        pFrame->DelayRecalcLayout(FALSE);
    else
        pFrame->RecalcLayout(FALSE);
}

BOOL CZMRBarManager::IsCommandTracked(int nId) const
{
    // The toolkit's own commands are not the user's.
    return nId > 0 && !(nId >= ZMR_ID_TOOLKIT_FIRST && nId <= ZMR_ID_TOOLKIT_LAST);
}

BOOL CZMRBarManager::IsControlRarelyUsed(CZMRControl* pControl) const
{
    // Decided from the record of used commands alone, never from the
    // control's own mark: the popup writes that mark from this answer.
    if (!pControl || m_options.bAlwaysShowFullMenus || !IsCommandTracked(pControl->GetID()))
        return FALSE;
    BOOL bUsed = FALSE;
    return !m_options.mapUsedCommands.Lookup(UINT(pControl->GetID()), bUsed);
}

CDocTemplate* CZMRBarManager::GetActiveDocTemplate() const
{
    CFrameWnd* pFrame = m_pSite && m_pSite->GetSafeHwnd() ? DYNAMIC_DOWNCAST(CFrameWnd, m_pSite) : nullptr;
    CDocument* pDocument = pFrame ? pFrame->GetActiveDocument() : nullptr;
    return pDocument ? pDocument->GetDocTemplate() : nullptr;
}

void CZMRBarManager::OnBarRemoved(CZMRCommandBar* /*pBar*/)
{
}

void CZMRBarManager::OnTrackingModeChanged(CZMRCommandBar* /*pBar*/, int /*bMode*/)
{
}

CZMRToolBar* CZMRBarManager::AddToolBar(LPCTSTR lpszCaption, int nBarID, BOOL bTearOffBar)
{
    auto* pBar = static_cast<CZMRToolBar*>(CreateBar(m_classes.pToolBarClass, RUNTIME_CLASS(CZMRToolBar), this));
    pBar->SetTitle(lpszCaption);
    pBar->SetBarID(nBarID);
    m_arrBars.Add(pBar);
    if (!bTearOffBar)
        DockToolBarSide(pBar, 0);
    return pBar;
}

CZMRCommandBar* CZMRBarManager::CreateBar(CRuntimeClass* pClass, CRuntimeClass* pRequired,
                                          CZMRBarManager* pBarManager)
{
    CObject* pObject = pClass ? pClass->CreateObject() : nullptr;
    CZMRCommandBar* pBar = static_cast<CZMRCommandBar*>(AfxDynamicDownCast(pRequired, pObject));
    if (!pBar)
    {
        delete pObject;
        AfxThrowMemoryException();
    }
    pBar->SetBarManager(pBarManager);
    return pBar;
}
