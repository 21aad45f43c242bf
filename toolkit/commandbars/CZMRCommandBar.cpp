#include "CZMRCommandBar.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRControlDragHelper.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRKeyboardManager.h"
#include "CZMRHookManager.h"
#include "window/CToolBarResource.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"
#include "CZMRToolTipContext.h"

IMPLEMENT_SERIAL(CZMRCommandBar, CWnd, VERSIONABLE_SCHEMA | 0x21)

BEGIN_MESSAGE_MAP(CZMRCommandBar, CWnd)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCMOUSEMOVE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

BEGIN_INTERFACE_MAP(CZMRCommandBar, CWnd)
    INTERFACE_PART(CZMRCommandBar, IID_IAccessible, Accessible)
    INTERFACE_PART(CZMRCommandBar, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

CZMRCommandBar::CZMRCommandBar()
    : m_pReturnCmd(nullptr), m_bMouseLockExempt(0), m_bHoverOpen(1), m_bHideCaret(1), m_nMRUWidth(32767),
      m_nHotIndex(-1), m_nPoppedIndex(-1), m_hWndCaret(nullptr), m_nBarID(0), m_bVisible(1), m_bTracking(0),
      m_pSite(nullptr), m_nPending(0), m_dwFlags(0), m_dwStyle(zmrBarStyleGripper), m_barType(zmrBarTypeNormal),
      m_pControls(nullptr), m_barPosition(zmrBarNone), m_pBarManager(nullptr), m_pOwner(nullptr), m_szIcons(0, 0),
      m_szButtons(0, 0), m_nTextBelowIcons(2), m_bRightButton(0), m_bNoNotify(0), m_bNestedTrack(0),
      m_nInputSuspension(0), m_nSelectionKind(0), m_bCloseable(-1), m_bCustomizable(TRUE), m_rcMarker(0, 0, 0, 0),
      m_bVerticalMarker(FALSE), m_bCustomizeDialogPresent(TRUE), m_bEnteredByMouse(FALSE), m_nLockRedraw(0),
      m_pPaintManager(nullptr), m_pImageManager(nullptr), m_bRowBoundLayout(FALSE),
      m_nDefaultButtonStyle(zmrButtonAutomatic), m_pToolTipContext(nullptr), m_pAnimation(nullptr),
      m_nStatusIndex(-1), m_nRowGap(0), m_bMultiColumn(FALSE), m_nLastReleasedIndex(-1)
{
    m_pControls = new CZMRControls;
    m_pControls->SetParent(this);
    // A constructor that throws runs no destructor: what it took goes back here.
    try
    {
        m_pAnimation = new CZMRCommandBarAnimation(this);
    }
    catch (...)
    {
        m_pControls->SetParent(nullptr);
        m_pControls->InternalRelease();
        throw;
    }
}

CZMRCommandBar::~CZMRCommandBar()
{
    // The controls lose their bar before they go.
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    SetPaintManager(nullptr);
    SetImageManager(nullptr);
    ZMRReplaceReference(m_pToolTipContext, static_cast<CZMRToolTipContext*>(nullptr));
    delete m_pAnimation;
}

void CZMRCommandBar::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    // A bar that tracks without a window has no destruction to leave
    // tracking: the input managers must not keep it past its end.
    if (m_bTracking)
        SetMenuLoopActive(FALSE);
    if (CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager())
    {
        if (pMouseManager->m_pHotBar == this)
            pMouseManager->m_pHotBar = nullptr;
    }
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
    // A chain without a manager belongs where its root bar's window lives.
    const CZMRCommandBar* pRootBar = GetRootBar();
    if (CWnd* pSite = pRootBar->m_pSite)
        return pSite;
    if (HWND hWndRoot = pRootBar->GetSafeHwnd())
    {
        if (HWND hWndOwner = ::GetWindow(hWndRoot, GW_OWNER))
            return CWnd::FromHandle(hWndOwner);
        if (HWND hWndParent = ::GetParent(hWndRoot))
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

int CZMRCommandBar::GetKeyboardTipLevel() const
{
    CZMRBarManager* pManager = GetBarManager();
    return pManager && pManager->GetKeyboardTipOwner() == this ? pManager->GetKeyboardTipLevel() : 0;
}

void CZMRCommandBar::HideKeyboardTips()
{
    if (CZMRBarManager* pManager = GetBarManager())
    {
        if (pManager->GetKeyboardTipOwner() == this)
            pManager->HideKeyboardTips();
    }
}

CZMRMouseManager* CZMRCommandBar::GetMouseManager() const
{
    CZMRBarManager* pManager = GetBarManager();
    return pManager ? pManager->GetMouseManager() : CZMRMouseManager::GetThreadMouseManager();
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

int CZMRCommandBar::GetDefaultItem(BOOL bByIndex) const
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (pControl->IsVisible() && pControl->IsDefaultItem())
            return bByIndex ? i : pControl->GetID();
    }
    return -1;
}

CSize CZMRCommandBar::GetIconSize() const
{
    const BOOL bOwnSize = m_szIcons.cx != 0 || m_szIcons.cy != 0;
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return bOwnSize ? m_szIcons : CSize(16, 16);
    const CZMRBarManager::COptions* pOptions = pManager->GetOptions();
    CZMRPaintManager* pPaintManager = GetPaintManager();
    auto isSet = [](const CSize& sz) { return sz.cx != 0 || sz.cy != 0; };
    if (m_barType == zmrBarTypePopup)
    {
        if (bOwnSize)
            return m_szIcons;
        if (isSet(pOptions->szPopupIcons))
            return pOptions->szPopupIcons;
        return pPaintManager ? pPaintManager->GetIconSize(FALSE) : CSize(16, 16);
    }
    // Large icons replace the bar's size unless the bar fixes its buttons.
    if (pOptions->bLargeIcons && !isSet(m_szButtons))
    {
        if (isSet(pOptions->szLargeIcons))
            return pOptions->szLargeIcons;
        return pPaintManager ? pPaintManager->GetIconSize(TRUE) : CSize(32, 32);
    }
    if (bOwnSize)
        return m_szIcons;
    if (isSet(pOptions->szIcons))
        return pOptions->szIcons;
    return pPaintManager ? pPaintManager->GetIconSize(FALSE) : CSize(16, 16);
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
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
    {
        if (m_szIcons.cx != 0 || m_szIcons.cy != 0)
            return CSize(2 * m_szIcons.cx, 2 * m_szIcons.cy);
        return CSize(32, 32);
    }
    if (m_szButtons.cx != 0 || m_szButtons.cy != 0)
        return m_szButtons;
    const CZMRBarManager::COptions* pOptions = pManager->GetOptions();
    if (pOptions->szLargeIcons.cx != 0 || pOptions->szLargeIcons.cy != 0)
        return pOptions->szLargeIcons;
    const CSize szIcons = pOptions->szIcons.cx != 0 || pOptions->szIcons.cy != 0 ? pOptions->szIcons : CSize(16, 16);
    return CSize(2 * szIcons.cx, 2 * szIcons.cy);
}

BOOL CZMRCommandBar::IsTextBelowIcons() const
{
    if (m_nTextBelowIcons != 2)
        return m_nTextBelowIcons != 0;
    CZMRBarManager* pManager = GetBarManager();
    return pManager && pManager->GetOptions()->bTextBelowIcons;
}

BOOL CZMRCommandBar::IsRightToLeftWindow() const
{
    return GetSafeHwnd() && (GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
}

DWORD CZMRCommandBar::GetTrackFlags() const
{
    const CZMRCommandBar* pRoot = GetRootBar();
    return (pRoot->m_bNestedTrack ? zmrTrackNested : 0) | (pRoot->m_bRightButton ? zmrTrackRightButton : 0) |
           (pRoot->m_bNoNotify ? zmrTrackNoNotify : 0);
}

void CZMRCommandBar::SetTrackFlags(DWORD dwTrackFlags)
{
    m_bNestedTrack = (dwTrackFlags & zmrTrackNested) != 0;
    m_bRightButton = (dwTrackFlags & zmrTrackRightButton) != 0;
    m_bNoNotify = (dwTrackFlags & zmrTrackNoNotify) != 0;
}

void CZMRCommandBar::EnableAnimation(BOOL bEnable)
{
    m_pAnimation->SetEnabled(bEnable);
    Redraw();
}

BOOL CZMRCommandBar::IsAnimationEnabled() const
{
    return m_pAnimation->IsSwitchOn();
}

void CZMRCommandBar::SetAnimationOption(BOOL bBuffered)
{
    m_pAnimation->SetBuffered(bBuffered);
}

// ---------------------------------------------------------------- defaults the bars replace

void CZMRCommandBar::ScheduleRedraw()
{
    m_nPending |= zmrPendingRedraw;
}

namespace
{
BOOL ReadToolBarResource(UINT nIDResource, CToolBarResource& resource)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    return LOWORD(nIDResource) != 0 && hResource && resource.Read(hResource, MAKEINTRESOURCEW(nIDResource));
}
} // namespace

BOOL CZMRCommandBar::HasToolBarResource(UINT nIDResource)
{
    CToolBarResource resource;
    return ReadToolBarResource(nIDResource, resource);
}

BOOL CZMRCommandBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    GetControls()->RemoveAll();
    CToolBarResource resource;
    if (!ReadToolBarResource(nIDResource, resource))
        return FALSE;
    const int nWidth = resource.sizeImage.cx, nHeight = resource.sizeImage.cy;
    const int nItems = int(resource.ids.size());
    const std::vector<UINT>& ids = resource.ids;
    SetControlsFromIds(ids.data(), nItems);

    if (bLoadIcons)
    {
        CArray<UINT, UINT> commands;
        for (int i = 0; i < nItems; i++)
        {
            if (ids[i] != 0)
                commands.Add(ids[i]);
        }
        CZMRImageManager* pImageManager = GetImageManager();
        if (!pImageManager || !pImageManager->SetIconsFromResourceId(nIDResource, commands.GetData(),
                                                                   int(commands.GetSize()), nWidth, nHeight,
                                                                   ZMR_ICONSTATE_NORMAL))
        {
            GetControls()->RemoveAll();
            return FALSE;
        }
        if (nWidth != 16)
            SetIconSize(CSize(nWidth, nHeight));
    }
    return TRUE;
}

void CZMRCommandBar::SetControlsFromIds(const UINT* pIds, int nCount)
{
    GetControls()->RemoveAll();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        if (pIds[i] == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        CWnd* pSite = GetSite();
        ZMR_CREATECONTROL_RECORD cs;
        cs.nId = int(pIds[i]);
        cs.pControl = nullptr;
        cs.bToolBar = TRUE;
        cs.nIndex = i;
        cs.pMenu = nullptr;
        cs.pCommandBar = this;
        cs.strCaption = m_strTitle;
        cs.controlType = zmrControlButton;
        cs.buttonStyle = zmrButtonAutomatic;
        CZMRControl* pControl = nullptr;
        if (pSite && pSite->GetSafeHwnd() && pSite->SendMessage(ZMR_WM_BEFORECREATECONTROL, 0, LPARAM(&cs)) != 0 &&
            cs.pControl)
            pControl = GetControls()->AddControl(cs.pControl, int(pIds[i]));
        else
        {
            pControl = GetControls()->Add(cs.controlType, int(pIds[i]));
            if (!pControl)
                continue;
            pControl->SetStyle(cs.buttonStyle);
            if (cs.controlType == zmrControlPopup)
                pControl->SetIconId(int(pIds[i]));
        }
        pControl->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
        if (pSite && pSite->GetSafeHwnd())
        {
            cs.pControl = pControl;
            pSite->SendMessage(ZMR_WM_AFTERCREATECONTROL, 0, LPARAM(&cs));
        }
    }
}

BOOL CZMRCommandBar::OpenAsPopup(CZMRControl* /*pControlPopup*/, BOOL /*bSelectFirst*/)
{
    return FALSE;
}

void CZMRCommandBar::SetVisible(BOOL /*bVisible*/)
{
}

BOOL CZMRCommandBar::IsVisible() const
{
    return FALSE;
}

BOOL CZMRCommandBar::SetPosition(int barPosition)
{
    // Only tool bars move to another side; other bars just keep the value.
    m_barPosition = barPosition;
    return FALSE;
}

BOOL CZMRCommandBar::IsCustomizable() const
{
    return m_bCustomizable;
}

void CZMRCommandBar::OnRecalcLayout()
{
}

void CZMRCommandBar::LeaveMenuLoop()
{
    SetMenuLoopActive(FALSE);
}

void CZMRCommandBar::ClearHotControl()
{
    SetHotControl(-1);
}

CZMRCommandBar* CZMRCommandBar::GetParentBar() const
{
    return nullptr;
}

BOOL CZMRCommandBar::IsDialogBar() const
{
    return FALSE;
}

BOOL CZMRCommandBar::IsRibbonBar() const
{
    return FALSE;
}

BOOL CZMRCommandBar::IsPopupBar() const
{
    return FALSE;
}

BOOL CZMRCommandBar::AreKeyboardCuesShown() const
{
    CZMRBarManager* pManager = GetBarManager();
    return pManager ? pManager->AreKeyboardCuesShown() : TRUE;
}

void CZMRCommandBar::OnControlHotByKeyboard(int /*nIndex*/)
{
}

CRect CZMRCommandBar::GetBorders() const
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager ? pPaintManager->GetBarBorderWidths(const_cast<CZMRCommandBar*>(this)) : CRect(0, 0, 0, 0);
}

void CZMRCommandBar::FillBackground(CDC* pDC, const CRect& /*rcClient*/)
{
    if (CZMRPaintManager* pPaintManager = GetPaintManager())
        pPaintManager->PaintBarBackground(pDC, this);
}

int CZMRCommandBar::GetResizeMode() const
{
    return 0;
}

CSize CZMRCommandBar::CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/)
{
    return CSize(0, 0);
}

void CZMRCommandBar::ResetSelection()
{
    m_nPending |= zmrPendingLayout;
    m_nHotIndex = -1;
    m_nPoppedIndex = -1;
}

BOOL CZMRCommandBar::OnMnemonicKey(UINT /*nChar*/)
{
    return FALSE;
}

void CZMRCommandBar::OnContextMenu(CPoint /*ptScreen*/)
{
}

INT_PTR CZMRCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // No tip while a menu is open or tracked, or when the program turned tips off.
    if (m_bTracking == 2 && !IsPopupBar())
        return -1;
    if (m_nPoppedIndex != -1)
        return -1;
    CZMRMouseManager* pMouseManager = GetMouseManager();
    if (pMouseManager && pMouseManager->IsMouseLocked(this))
        return -1;
    CZMRBarManager* pManager = GetBarManager();
    if (pManager && !pManager->GetOptions()->bShowToolTips)
        return -1;
    CZMRControl* pControl = HitTest(point);
    if (!pControl)
        return -1;
    if (m_barType == zmrBarTypePopup && !(pManager && pManager->GetOptions()->bToolTipsInPopups) &&
        !(pControl->GetFlags() & zmrFlagShowTooltip))
        return -1;

    INT_PTR nHit = pControl->OnToolHitTest(point, pTI);
    if (nHit != -1)
    {
        // The extended record tells the context which control the tool is.
        if (pTI && pTI->cbSize == TTTOOLINFOW_V2_SIZE && pTI->lParam)
            reinterpret_cast<ZMR_TOOLINFO_EXTENDED*>(pTI->lParam)->pObject = pControl;
        return nHit;
    }
    nHit = pControl->GetID();
    CString strTip = pControl->GetTooltip();
    // Markup tips ("<...") carry no shortcut.
    if (!strTip.IsEmpty() && strTip[0] != L'<' && pManager && pManager->GetOptions()->bShortcutsInToolTips)
    {
        CString strShortcut = pControl->GetShortcutText();
        if (strShortcut.IsEmpty())
            strShortcut = pManager->GetShortcutText(pControl->GetID());
        if (!strShortcut.IsEmpty())
            strTip += L" (" + strShortcut + L")";
    }
    // The tip is the title above the description where the tip shows both.
    const CRect rc = pControl->GetRect();
    const CString strDescription = pControl->GetDescription();
    CZMRToolTipContext::FillInToolInfoEx(pTI, m_hWnd, rc, nHit, strTip, strTip, strDescription, GetImageManager());
    return nHit == 0 ? -1 : nHit;
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

    // The frame lays the bars out again, and tells them, at the next idle time.
    if (GetSafeHwnd())
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
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

// ---------------------------------------------------------------- lifecycle

LRESULT CZMRCommandBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pToolTipContext)
        m_pToolTipContext->FilterMouseMessage(this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

int CZMRCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CZMRBarManager* pManager = GetBarManager();
    if (pManager)
    {
        if (m_barPosition != zmrBarNoDrag)
            pManager->GetDragHelper()->RegisterBar(this);
        ZMRReplaceReference(m_pToolTipContext, pManager->GetToolTipContext());
    }
    else if (m_barType != zmrBarTypePopup)
    {
        EnableToolTips(TRUE);
    }
    return 0;
}

void CZMRCommandBar::OnDestroy()
{
    if (CZMRBarManager* pManager = GetBarManager())
        pManager->GetDragHelper()->UnregisterBar(this);
    SetMenuLoopActive(FALSE);
    // The mouse manager must not keep a bar that is going.
    CZMRMouseManager* pMouseManager = GetMouseManager();
    if (pMouseManager->m_pHotBar == this)
        pMouseManager->m_pHotBar = nullptr;
    m_pAnimation->OnBarDestroy();
    KillTimer(ZMR_TIMER_HOVER);
    KillTimer(ZMR_TIMER_EXPAND);
    KillTimer(ZMR_TIMER_KEYBOARDTIPS);
    HideKeyboardTips();
    if (m_pToolTipContext)
        m_pToolTipContext->CancelToolTips();
    ZMRReplaceReference(m_pToolTipContext, static_cast<CZMRToolTipContext*>(nullptr));
    CWnd::OnDestroy();
}

void CZMRCommandBar::OnDestroyBar()
{
    SetMenuLoopActive(FALSE);
    GetHookManager()->RemoveAll(this);
    CZMRMouseManager* pMouseManager = GetMouseManager();
    if (pMouseManager->m_pHotBar == this)
        pMouseManager->m_pHotBar = nullptr;
    m_pControls->RemoveAll();
    if (GetSafeHwnd())
        DestroyWindow();
}
