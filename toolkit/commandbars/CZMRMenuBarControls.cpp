// The controls a maximized MDI child puts on the menu bar: its system menu
// behind its icon, and the minimize, restore and close buttons drawn with
// the glyphs of the symbol font.
#include "CZMRMenuBar.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRPaintManager.h"
#include "CZMRIconHandle.h"

// ---------------------------------------------------------------- the buttons

CZMRMenuBar::CControlMDIButton::CControlMDIButton()
{
    m_dwFlags |= zmrFlagRightAlign | zmrFlagSkipFocus | zmrFlagManualUpdate | zmrFlagNoMovable;
}

void CZMRMenuBar::CControlMDIButton::SetBeginGroup(BOOL /*bBeginGroup*/)
{
}

void CZMRMenuBar::CControlMDIButton::OnExecute()
{
    CZMRMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CZMRMenuBar, GetParent());
    HWND hWndChild = pMenuBar ? pMenuBar->GetActiveMdiChild() : nullptr;
    if (!hWndChild)
        return;
    const UINT nCommand = m_nId == ZMR_ID_MDI_CLOSE     ? SC_CLOSE
                          : m_nId == ZMR_ID_MDI_RESTORE ? SC_RESTORE
                                                        : SC_MINIMIZE;
    ::PostMessageW(hWndChild, WM_SYSCOMMAND, nCommand, 0);
}

CSize CZMRMenuBar::CControlMDIButton::GetSize(CDC* /*pDC*/)
{
    return CSize(16, 16);
}

void CZMRMenuBar::CControlMDIButton::Draw(CDC* pDC)
{
    DrawGlyph(pDC, this, m_strParameter);
}

void CZMRMenuBar::CControlMDIButton::DrawGlyph(CDC* pDC, CZMRControl* pControl, LPCTSTR lpszGlyph)
{
    // 8 points at 96 DPI: the same pixel height at any DPI.
    CFont font;
    font.CreatePointFont(::MulDiv(80, 96, pDC->GetDeviceCaps(LOGPIXELSX)), L"Marlett", pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    CZMRPaintManager* pPaintManager = pControl->GetPaintManager();
    pPaintManager->DrawControlStateRect(pDC, pControl);
    pDC->SetTextColor(pPaintManager->GetControlTextColor(pControl));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rc = pControl->GetRect();
    pDC->DrawText(lpszGlyph, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
    font.DeleteObject();
}

// ---------------------------------------------------------------- the system menu

CZMRMenuBar::CControlMDISysMenuPopup::CZMRSysMenuPopupBar::CZMRSysMenuPopupBar()
{
    m_bCustomizable = FALSE;
}

void CZMRMenuBar::CControlMDISysMenuPopup::CZMRSysMenuPopupBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/,
                                                                                   LPARAM /*lParam*/)
{
}

CZMRMenuBar::CControlMDISysMenuPopup::CControlMDISysMenuPopup(HWND hWndChild, HMENU hSystemMenu)
    : m_hSystemMenu(nullptr), m_hIcon(nullptr)
{
    m_controlType = zmrControlPopup;
    m_dwFlags |= zmrFlagManualUpdate | zmrFlagNoMovable;
    SetCaption(L"-");
    auto* pPopupBar = new CZMRSysMenuPopupBar;
    pPopupBar->SetControlPopup(this);
    SetCommandBar(pPopupBar);
    pPopupBar->InternalRelease();
    SetSystemMenu(hWndChild, hSystemMenu);
}

CZMRMenuBar::CControlMDISysMenuPopup::~CControlMDISysMenuPopup()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

CSize CZMRMenuBar::CControlMDISysMenuPopup::GetSize(CDC* /*pDC*/)
{
    return CSize(16, 16);
}

void CZMRMenuBar::CControlMDISysMenuPopup::Draw(CDC* pDC)
{
    if (m_hIcon)
        pDC->DrawState(m_rcControl.TopLeft(), CSize(16, 16), m_hIcon, DSS_NORMAL, HBRUSH(nullptr));
}

void CZMRMenuBar::CControlMDISysMenuPopup::AdjustAvoidRect(CRect& rcAvoid, BOOL /*bVertical*/)
{
    rcAvoid = m_rcControl;
    rcAvoid.InflateRect(1, 1);
}

void CZMRMenuBar::CControlMDISysMenuPopup::AddControlShadow()
{
}

void CZMRMenuBar::CControlMDISysMenuPopup::SetSystemMenu(HWND hWndChild, HMENU hSystemMenu)
{
    m_hSystemMenu = hSystemMenu;

    // The child's own icon if it tells one, else its window's, its class's,
    // or the system's.
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageW(hWndChild, ZMR_WM_GETCHILDICON, 0, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::SendMessageW(hWndChild, WM_GETICON, ICON_SMALL, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::SendMessageW(hWndChild, WM_GETICON, ICON_BIG, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWndChild, GCLP_HICONSM));
    if (!hIcon)
        hIcon = ::LoadIconW(nullptr, IDI_WINLOGO);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    const CSize szIcon = hIcon ? ::GetIconSize(hIcon) : CSize(0, 0);
    m_hIcon = hIcon ? ScaleIcon(hIcon, szIcon.cx, szIcon.cy, 16) : nullptr;

    CZMRControls* pControls = m_pCommandBar ? m_pCommandBar->GetControls() : nullptr;
    if (!pControls)
        return;
    pControls->RemoveAll();
    if (!::IsMenu(hSystemMenu))
        return;
    CMenu* pMenu = CMenu::FromHandle(hSystemMenu);
    const int nDefault = int(pMenu->GetDefaultItem(GMDI_USEDISABLED, TRUE));
    BOOL bBeginGroup = FALSE;
    const int nCount = ::GetMenuItemCount(hSystemMenu);
    for (int i = 0; i < nCount; i++)
    {
        const UINT nId = ::GetMenuItemID(hSystemMenu, i);
        CZMRControl* pControl = nullptr;
        if (nId == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        if (nId >= 0xF000 && nId <= 0xF1EF)
        {
            pControl = pControls->AddControl(new CZMRControlButton, int(nId));
            pControl->SetFlags(zmrFlagManualUpdate);
            WCHAR szText[1025] = {};
            ::GetMenuStringW(hSystemMenu, UINT(i), szText, 1024, MF_BYPOSITION);
            pControl->SetCaption(szText);
            CString strDescription;
            const UINT nIdString = 0xEF00 + (nId - 0xF000) / 16;
            if (!strDescription.LoadString(nIdString))
                strDescription.Empty();
            pControl->SetDescription(strDescription);
            pControl->SetDefaultItem(nDefault == i);
            // A grayed item is disabled as well (one state bit on some systems, two on others).
            pControl->SetEnabled(
                !(::GetMenuState(hSystemMenu, UINT(i), MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED)));
        }
        else
            pControl = pControls->AddMenuItem(pMenu, i);
        if (pControl && bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
    }
}
