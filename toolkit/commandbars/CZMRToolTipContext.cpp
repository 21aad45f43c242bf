#include "CZMRToolTipContext.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMRNonClientMetrics.h"
#include "CZMROSVersionInfo.h"
#include "CZMRToolTipContextToolTip.h"

#include <cstdlib>
#include <cwchar>

namespace
{
// The last version of the common controls that cannot draw balloons: 5.79.
const DWORD g_dwLastVersionWithoutBalloons = MAKELONG(79, 5);
const DWORD g_dwNoPrefix = TTS_NOPREFIX;

// The first window from hWnd up through its parents that shows tooltips
// for its tools.
HWND FindToolTipOwner(HWND hWnd)
{
    for (; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && (pWnd->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
            return hWnd;
    }
    return nullptr;
}

BOOL IsMouseButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0;
}

// The messages after which a tip may appear, move or go.
BOOL IsTipMessage(UINT message)
{
    switch (message)
    {
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSELEAVE:
        return TRUE;
    default:
        return FALSE;
    }
}

// Keys and button presses hide the tip.
BOOL IsCancelMessage(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return TRUE;
    default:
        return message >= WM_KEYFIRST && message <= WM_SYSDEADCHAR;
    }
}

BOOL IsCopiedText(LPCWSTR lpsz)
{
    return lpsz && lpsz != LPSTR_TEXTCALLBACKW && !IS_INTRESOURCE(lpsz);
}

// The copies the hit test made: the text, and the title and description of
// an extended record.
void FreeToolText(TOOLINFO& info)
{
    if (IsCopiedText(info.lpszText))
        free(info.lpszText);
    info.lpszText = nullptr;
    if (info.cbSize >= TTTOOLINFOW_V2_SIZE && info.lParam)
    {
        ZMR_TOOLINFO_EXTENDED* pExtended = reinterpret_cast<ZMR_TOOLINFO_EXTENDED*>(info.lParam);
        free(pExtended->lpszDescription);
        free(pExtended->lpszTitle);
        pExtended->lpszDescription = nullptr;
        pExtended->lpszTitle = nullptr;
    }
}

ZMR_TOOLINFO_EXTENDED* GetExtended(const TOOLINFO& info)
{
    return info.cbSize >= TTTOOLINFOW_V2_SIZE ? reinterpret_cast<ZMR_TOOLINFO_EXTENDED*>(info.lParam) : nullptr;
}
}

LRESULT CZMRToolTipContext::CStandardToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CToolTipCtrl::WindowProc(message, wParam, lParam);
    if (message == TTM_WINDOWFROMPOINT)
    {
        HWND hWnd = reinterpret_cast<HWND>(lResult);
        if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
            ::SendMessageW(hWnd, ZMR_WM_TOOLTIPPARENTTOOLS, 0, 0) == 1)
            lResult = reinterpret_cast<LRESULT>(::GetParent(hWnd));
    }
    return lResult;
}

void CZMRToolTipContext::CLunaToolTip::DrawTipBackground(CDC* pDC, TOOLITEM* /*pTool*/, CRect rc)
{
    const int nScheme = GetColorManager()->GetEffectiveSystemTheme();
    COLORREF clrFrom = m_pContext->GetTipBackColor(), clrTo = RGB(255, 255, 255), clrFrame = RGB(0, 0, 0);
    if (nScheme >= 1 && nScheme <= 5)
    {
        clrFrom = RGB(255, 212, 151);
        clrTo = RGB(255, 242, 200);
        clrFrame = nScheme == 2 ? RGB(63, 93, 56) : nScheme == 3 ? RGB(75, 75, 111) : RGB(0, 0, 128);
    }
    GetDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, FALSE);
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
}

CZMRToolTipContext::CZMRToolTipContext()
    : m_bShowTitleAndDescription(FALSE), m_bShowImage(FALSE), m_nImageWidth(1), m_nImageBase(0), m_nIconTitle(1),
      m_nMaxTipWidth(::GetSystemMetrics(SM_CXSCREEN) / 2), m_rcMargin(0, 0, 0, 0), m_nDelayInitial(-1),
      m_nDelayReshow(-1), m_nDelayAutoPop(-1), m_clrBack(static_cast<COLORREF>(-1)),
      m_clrText(static_cast<COLORREF>(-1)), m_nStyle(zmrToolTipStandard),
      m_dwComCtlVersion(CZMROSVersionInfo::GetComCtlVersion()), m_dwStyle(g_dwNoPrefix), m_pToolTip(nullptr)
{
    ZeroMemory(&m_lastTool, sizeof(m_lastTool));
    CZMRNonClientMetrics ncm;
    LOGFONTW lf = ncm.lfStatusFont;
    lf.lfWeight = FW_NORMAL;
    m_fntRegular.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntBold.CreateFontIndirect(&lf);
}

CZMRToolTipContext::~CZMRToolTipContext()
{
    DestroyToolTip();
}

CWnd* CZMRToolTipContext::CreateToolTip(CWnd* /*pOwner*/)
{
    switch (m_nStyle)
    {
    case zmrToolTipFlat:
    case zmrToolTipOffice2007:
        return new CZMRToolTipContextToolTip(this);
    case zmrToolTipLuna:
        return new CLunaToolTip(this);
    case zmrToolTipRichText:
        return new CRichEditToolTip(this);
    case zmrToolTipMarkup:
        return new CMarkupToolTip(this);
    case zmrToolTipHtml:
        AfxEnableControlContainer();
        return new CHTMLToolTip(this);
    default:
        return new CStandardToolTip();
    }
}

INT_PTR CZMRToolTipContext::HitTestTool(CWnd* pWnd, CPoint point, TOOLINFO* pInfo)
{
    return pWnd ? pWnd->OnToolHitTest(point, pInfo) : -1;
}

void CZMRToolTipContext::DestroyToolTip()
{
    if (!m_pToolTip)
        return;
    if (m_pToolTip->GetSafeHwnd())
        m_pToolTip->DestroyWindow();
    delete m_pToolTip;
    m_pToolTip = nullptr;
    ZeroMemory(&m_lastTool, sizeof(m_lastTool));
}

BOOL CZMRToolTipContext::IsBalloonStyleSupported() const
{
    return m_dwComCtlVersion > g_dwLastVersionWithoutBalloons;
}

void CZMRToolTipContext::SetStyle(int nStyle)
{
    if (nStyle == m_nStyle)
        return;
    if (nStyle == zmrToolTipBalloon && !IsBalloonStyleSupported())
        return;
    DestroyToolTip();
    m_nStyle = nStyle;
    const DWORD dwFlat = tipStyleFlatTopLeft | tipStyleNoShadow;
    ModifyToolTipStyle(nStyle == zmrToolTipFlat ? 0 : dwFlat, nStyle == zmrToolTipFlat ? dwFlat : 0);
    ModifyToolTipStyle(nStyle == zmrToolTipOffice2007 ? 0 : tipStyleRounded,
                       nStyle == zmrToolTipOffice2007 ? tipStyleRounded : 0);
}

void CZMRToolTipContext::ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd)
{
    DWORD dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == m_dwStyle)
        return;
    m_dwStyle = dwStyle;
    DestroyToolTip();
}

void AFXAPI CZMRToolTipContext::FillInToolInfo(TOOLINFO* pInfo, HWND hWnd, int nLeft, int nTop, int nRight,
                                               int nBottom, INT_PTR nId, LPCWSTR lpszText)
{
    if (!pInfo || pInfo->cbSize < TTTOOLINFOW_V1_SIZE)
        return;
    ::SetRect(&pInfo->rect, nLeft, nTop, nRight, nBottom);
    pInfo->hwnd = hWnd;
    pInfo->uId = static_cast<UINT_PTR>(nId);
    pInfo->lpszText = lpszText ? _wcsdup(lpszText) : nullptr;
}

void AFXAPI CZMRToolTipContext::FillInToolInfoEx(TOOLINFO* pInfo, HWND hWnd, LPCRECT lpRect, INT_PTR nId,
                                                 LPCWSTR lpszText, LPCWSTR lpszTitle, LPCWSTR lpszDescription,
                                                 CZMRImageManager* pImageManager)
{
    if (!lpRect)
        return;
    FillInToolInfo(pInfo, hWnd, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, nId, lpszText);
    ZMR_TOOLINFO_EXTENDED* pExtended = pInfo && pInfo->cbSize == TTTOOLINFOW_V2_SIZE
                                           ? reinterpret_cast<ZMR_TOOLINFO_EXTENDED*>(pInfo->lParam)
                                           : nullptr;
    if (!pExtended)
        return;
    if (lpszTitle && *lpszTitle && lpszDescription && *lpszDescription)
    {
        free(pExtended->lpszDescription);
        free(pExtended->lpszTitle);
        pExtended->lpszDescription = _wcsdup(lpszDescription);
        pExtended->lpszTitle = _wcsdup(lpszTitle);
    }
    pExtended->pImageManager = pImageManager;
}

COLORREF CZMRToolTipContext::GetTipBackColor() const
{
    return m_clrBack != static_cast<COLORREF>(-1) ? m_clrBack : GetColorManager()->GetColor(COLOR_INFOBK);
}

COLORREF CZMRToolTipContext::GetTipTextColor() const
{
    if (m_clrText != static_cast<COLORREF>(-1))
        return m_clrText;
    if (m_dwStyle & tipStyleRounded)
        return RGB(76, 76, 76);
    return GetColorManager()->GetColor(COLOR_INFOTEXT);
}

void CZMRToolTipContext::CancelToolTips()
{
    if (m_pToolTip && m_pToolTip->GetSafeHwnd())
        ::SendMessageW(m_pToolTip->GetSafeHwnd(), TTM_ACTIVATE, FALSE, 0);
}

void CZMRToolTipContext::RelayToolTipEvent(CWnd* pToolTip, MSG* pMsg)
{
    if (!pToolTip || !pToolTip->GetSafeHwnd() || !pMsg)
        return;
    MSG msg = *pMsg;
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageW(pToolTip->GetSafeHwnd(), TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&msg.pt)));
    if (hWnd && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSEWHEEL)
    {
        POINT pt = msg.pt;
        ::ScreenToClient(hWnd, &pt);
        msg.lParam = MAKELPARAM(pt.x, pt.y);
    }
    ::SendMessageW(pToolTip->GetSafeHwnd(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CZMRToolTipContext::FilterMouseMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only messages that can show or hide a tip are looked at: the bar gets
    // many others, and reading the cursor costs a call into the window system.
    if (!pWnd || (!IsTipMessage(message) && !IsCancelMessage(message)))
        return;
    MSG msg = {};
    msg.hwnd = pWnd->GetSafeHwnd();
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    ::GetCursorPos(&msg.pt);
    FilterToolTipMessage(pWnd, &msg, TRUE);
}

BOOL CZMRToolTipContext::CreateToolTipWindow(HWND hWndOwner)
{
    DWORD dwStyle = m_dwStyle | TTS_ALWAYSTIP | TTS_NOPREFIX;
    if (CZMRToolTipContextToolTip* pOwn = dynamic_cast<CZMRToolTipContextToolTip*>(m_pToolTip))
    {
        if (!pOwn->CreateTipWindow(CWnd::FromHandle(hWndOwner), dwStyle))
            return FALSE;
    }
    else
    {
        if (m_nStyle == zmrToolTipBalloon)
            dwStyle |= TTS_BALLOON;
        if (!m_pToolTip->CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, nullptr))
            return FALSE;
    }

    HWND hTip = m_pToolTip->GetSafeHwnd();
    ::SendMessageW(hTip, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fntRegular)), FALSE);
    ::SendMessageW(hTip, TTM_SETMAXTIPWIDTH, 0, m_nMaxTipWidth);
    ::SendMessageW(hTip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(m_rcMargin)));
    if (m_clrBack != static_cast<COLORREF>(-1))
        ::SendMessageW(hTip, TTM_SETTIPBKCOLOR, m_clrBack, 0);
    if (m_clrText != static_cast<COLORREF>(-1))
        ::SendMessageW(hTip, TTM_SETTIPTEXTCOLOR, m_clrText, 0);
    const struct
    {
        int nDelay;
        WPARAM nKind;
    } delays[] = {{m_nDelayReshow, TTDT_RESHOW}, {m_nDelayInitial, TTDT_INITIAL}, {m_nDelayAutoPop, TTDT_AUTOPOP}};
    for (const auto& delay : delays)
    {
        if (delay.nDelay != -1)
            ::SendMessageW(hTip, TTM_SETDELAYTIME, delay.nKind, MAKELPARAM(delay.nDelay, 0));
    }
    ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);
    return TRUE;
}

void CZMRToolTipContext::FilterToolTipMessage(CWnd* pOwner, MSG* pMsg, BOOL bFromHost)
{
    if (!pOwner || !pOwner->GetSafeHwnd() || !pMsg)
        return;
    // A message that did not come from the host itself counts only when the
    // tools under it are the owner's.
    if (!bFromHost && FindToolTipOwner(pMsg->hwnd) != pOwner->GetSafeHwnd())
        return;
    if (!IsTipMessage(pMsg->message) || IsMouseButtonDown())
    {
        if (IsCancelMessage(pMsg->message))
            CancelToolTips();
        return;
    }

    CWnd* pParentOwner = pOwner->GetParentOwner();
    HWND hWndParentOwner = pParentOwner ? pParentOwner->GetSafeHwnd() : nullptr;
    BOOL bForeground = CZMRDrawHelpers::IsTopOwnerForeground(pOwner->GetSafeHwnd());
    if (m_pToolTip && m_pToolTip->GetSafeHwnd())
    {
        if (::IsWindowVisible(m_pToolTip->GetSafeHwnd()) && !bForeground)
        {
            CancelToolTips();
            return;
        }
        if (::GetWindow(m_pToolTip->GetSafeHwnd(), GW_OWNER) != hWndParentOwner)
            DestroyToolTip();
    }
    if (!m_pToolTip)
    {
        m_pToolTip = CreateToolTip(pParentOwner);
        if (!m_pToolTip)
            return;
    }
    if (!m_pToolTip->GetSafeHwnd() && !CreateToolTipWindow(hWndParentOwner))
        return;
    HWND hTip = m_pToolTip->GetSafeHwnd();

    // The extended form carries title, description and image manager.
    const BOOL bExtended = m_bShowTitleAndDescription || m_bShowImage;
    ZMR_TOOLINFO_EXTENDED extended = {};
    TOOLINFO info = {};
    info.cbSize = bExtended ? TTTOOLINFOW_V2_SIZE : TTTOOLINFOW_V1_SIZE;
    if (bExtended)
        info.lParam = reinterpret_cast<LPARAM>(&extended);
    CPoint pt = pMsg->pt;
    ::ScreenToClient(pOwner->GetSafeHwnd(), &pt);
    INT_PTR nHit = HitTestTool(pOwner, pt, &info);
    if (nHit == -1)
    {
        FreeToolText(info);
        ZeroMemory(&info, sizeof(info));
        info.cbSize = bExtended ? TTTOOLINFOW_V2_SIZE : TTTOOLINFOW_V1_SIZE;
    }
    ZMR_TOOLINFO_EXTENDED* pExtended = GetExtended(info);

    if (m_bShowTitleAndDescription && pExtended && pExtended->lpszDescription && pExtended->lpszTitle &&
        wcscmp(pExtended->lpszDescription, pExtended->lpszTitle) == 0)
    {
        free(pExtended->lpszDescription);
        pExtended->lpszDescription = nullptr;
    }
    if (!(m_dwStyle & g_dwNoPrefix))
    {
        if (IsCopiedText(info.lpszText))
            CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(info.lpszText);
        if (pExtended && pExtended->lpszTitle)
            CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(pExtended->lpszTitle);
    }

    BOOL bDeleteOldAfter = FALSE;
    if (info.hwnd == m_lastTool.hwnd && info.uId == m_lastTool.uId)
    {
        if (::EqualRect(&info.rect, &m_lastTool.rect))
        {
            if (nHit != -1)
                RelayToolTipEvent(m_pToolTip, pMsg);
            FreeToolText(info);
            return;
        }
        if (m_lastTool.hwnd)
            ::SendMessageW(hTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&m_lastTool));
    }
    else
    {
        // The new tool goes in before the old one leaves, so the tip moves
        // from tool to tool without going out.
        bDeleteOldAfter = m_lastTool.hwnd != nullptr;
    }

    if (nHit == -1)
    {
        ::SendMessageW(hTip, TTM_ACTIVATE, FALSE, 0);
    }
    else
    {
        TOOLINFO tool = info;
        tool.uFlags &= ~static_cast<UINT>(toolFlagsPrivate);
        ::SendMessageW(hTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // Kinds that draw their own content have no title line.
        BOOL bOwnContent = m_nStyle == zmrToolTipRichText || m_nStyle == zmrToolTipHtml || m_nStyle == zmrToolTipMarkup;
        if (!bOwnContent && (m_dwComCtlVersion > g_dwLastVersionWithoutBalloons || m_nStyle != zmrToolTipStandard))
        {
            if (m_bShowTitleAndDescription && pExtended && pExtended->lpszTitle && *pExtended->lpszTitle &&
                pExtended->lpszDescription && *pExtended->lpszDescription)
            {
                ::SendMessageW(hTip, TTM_SETTITLEW, m_nIconTitle, reinterpret_cast<LPARAM>(pExtended->lpszTitle));
                tool.lpszText = pExtended->lpszDescription;
                ::SendMessageW(hTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
            else
            {
                // No title at all: an empty one still keeps a title line.
                ::SendMessageW(hTip, TTM_SETTITLEW, TTI_NONE, 0);
            }
        }
        if (m_bShowImage && pExtended && pExtended->pImageManager)
        {
            CZMRImageManagerIcon* pImage =
                pExtended->pImageManager->GetImage(static_cast<UINT>(m_nImageBase + nHit), m_nImageWidth);
            ::SendMessageW(hTip, ZMR_WM_TOOLTIPSETIMAGE, 0, reinterpret_cast<LPARAM>(pImage));
        }
        if ((info.uFlags & toolFlagAlwaysActivate) || bForeground)
        {
            ::SendMessageW(hTip, TTM_ACTIVATE, TRUE, 0);
            ::SetWindowPos(hTip, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
        }
    }

    RelayToolTipEvent(m_pToolTip, pMsg);
    if (bDeleteOldAfter)
        ::SendMessageW(hTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&m_lastTool));
    FreeToolText(info);
    m_lastTool = info;
    // The record lives on without its extended part, which was on the stack.
    m_lastTool.lParam = 0;
}
