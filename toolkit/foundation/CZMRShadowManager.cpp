#include "CZMRShadowManager.h"
#include "CZMRColorManager.h"

CZMRShadowManager::CZMRShadowManager()
    : m_bUseClassStyle(TRUE), m_pfnUpdateLayeredWindow(nullptr), m_pfnSystemParametersInfo(::SystemParametersInfoW),
      m_pShadows(new CShadowList),
      m_bAlphaShadow(FALSE), m_dwOptions(0), m_clrShadow(0)
{
    HMODULE hUser = ::GetModuleHandleW(L"USER32");
    if (hUser)
        m_pfnUpdateLayeredWindow =
            reinterpret_cast<PFNUPDATELAYEREDWINDOW>(::GetProcAddress(hUser, "UpdateLayeredWindow"));
    m_bAlphaShadow = IsAlphaShadowAvailable();
}

CZMRShadowManager::~CZMRShadowManager()
{
    // Every shadow holds a reference, so none is left here but at process exit.
    delete m_pShadows;
}

BOOL CZMRShadowManager::IsAlphaShadowAvailable() const
{
    if (CZMRColorManager::IsLowColorDepth(nullptr))
        return FALSE;
    return m_pfnUpdateLayeredWindow != nullptr;
}

void CZMRShadowManager::SetShadow(CWnd* pPopup, const CRect& rcExclude)
{
    if (!pPopup || !pPopup->GetSafeHwnd())
        return;
    if (!(m_dwOptions & ZMR_SHADOW_ALWAYS))
    {
        BOOL bDropShadow = FALSE;
        if (!m_bAlphaShadow || !m_pfnSystemParametersInfo(SPI_GETDROPSHADOW, 0, &bDropShadow, 0) || !bDropShadow)
            return;
    }
    CRect rcPopup;
    pPopup->GetWindowRect(rcPopup);
    CreateShadow(shadowBottom, rcPopup, rcExclude, pPopup, FALSE);
    CreateShadow(shadowRight, rcPopup, rcExclude, pPopup, FALSE);

    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    if (hRgn && pPopup->GetWindowRgn(hRgn) == COMPLEXREGION)
        CreateShadow(shadowCorner, rcPopup, rcExclude, pPopup, FALSE);
    if (hRgn)
        ::DeleteObject(hRgn);
}

void CZMRShadowManager::SetShadowRect(int nLeft, int nTop, int nRight, int nBottom, CWnd* pOwner)
{
    if ((m_dwOptions & (ZMR_SHADOW_ALWAYS | ZMR_SHADOW_EXCLUDE)) != (ZMR_SHADOW_ALWAYS | ZMR_SHADOW_EXCLUDE))
        return;
    if (!pOwner || !pOwner->GetSafeHwnd())
        return;
    CRect rc(nLeft, nTop, nRight, nBottom);
    CreateShadow(shadowBottom, rc, CRect(0, 0, 0, 0), pOwner, TRUE);
    CreateShadow(shadowRight, rc, CRect(0, 0, 0, 0), pOwner, TRUE);
}

CZMRShadowManager::CShadowWnd* CZMRShadowManager::CreateShadow(int nKind, const CRect& rcOwner,
                                                               const CRect& rcExclude, CWnd* pOwner,
                                                               BOOL bRectBased)
{
    CShadowWnd* pShadow = new CShadowWnd(this);
    pShadow->m_bRectBased = bRectBased;
    pShadow->m_pOwner = pOwner;
    pShadow->Create(nKind, rcOwner);

    POSITION pos = m_pShadows->GetHeadPosition();
    while (pos)
        pShadow->AdjustToNeighbours(m_pShadows->GetNext(pos));
    m_pShadows->AddTail(pShadow);

    if (m_dwOptions & ZMR_SHADOW_EXCLUDE)
        pShadow->ExcludeRect(rcExclude);

    // Shadows never cover another popup (a corner dot lies on its own owner).
    pos = m_pShadows->GetHeadPosition();
    while (pos)
    {
        CShadowWnd* pOther = m_pShadows->GetNext(pos);
        if (!pOther->m_pOwner || !pOther->m_pOwner->GetSafeHwnd())
            continue;
        if (nKind == shadowCorner && pOther->m_pOwner->m_hWnd == pOwner->m_hWnd)
            continue;
        CRect rcOther;
        pOther->m_pOwner->GetWindowRect(rcOther);
        pShadow->ExcludeRect(rcOther);
    }

    if (pShadow->GetSafeHwnd())
    {
        const BOOL bTopMost = (::GetWindowLongW(pOwner->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        ::SetWindowPos(pShadow->m_hWnd, bTopMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    }
    GetHookManager()->SetHook(pOwner->m_hWnd, pShadow);
    return pShadow;
}

void CZMRShadowManager::RemoveShadows(CWnd* pOwner)
{
    if (!pOwner)
        return;
    InternalAddRef();   // the last shadow may hold the last reference
    POSITION pos = m_pShadows->GetHeadPosition();
    while (pos)
    {
        CShadowWnd* pShadow = m_pShadows->GetNext(pos);
        if (pShadow->m_pOwner && pShadow->m_pOwner->m_hWnd == pOwner->m_hWnd)
        {
            GetHookManager()->RemoveHook(pOwner->m_hWnd, pShadow);
            DestroyShadow(pShadow);
        }
    }
    InternalRelease();
}

void CZMRShadowManager::OffsetShadows(CWnd* pOwner, int dx, int dy)
{
    if (!pOwner || !pOwner->GetSafeHwnd())
        return;
    const BOOL bRTL = (::GetWindowLongW(pOwner->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    POSITION pos = m_pShadows->GetHeadPosition();
    while (pos)
    {
        CShadowWnd* pShadow = m_pShadows->GetNext(pos);
        if (!pShadow->m_pOwner || pShadow->m_pOwner->m_hWnd != pOwner->m_hWnd || !pShadow->GetSafeHwnd()
            || pShadow->m_bRectBased)
            continue;
        pShadow->SetWindowRgn(nullptr, FALSE);
        pShadow->m_bHasRegion = FALSE;

        CRect rc;
        pShadow->GetWindowRect(rc);
        int x = rc.left, y = rc.top, cx = rc.Width(), cy = rc.Height();
        switch (pShadow->m_nKind)
        {
        case shadowBottom:
            if (bRTL)
                x -= dx;
            y += dy;
            cx += dx;
            break;
        case shadowRight:
            if (!bRTL)
                x += dx;
            cy += dy;
            break;
        default:
            if (!bRTL)
                x += dx;
            y += dy;
            break;
        }
        ::SetWindowPos(pShadow->m_hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void CZMRShadowManager::DestroyShadow(CShadowWnd* pShadow)
{
    if (pShadow->GetSafeHwnd())
        pShadow->ShowWindow(SW_HIDE);
    pShadow->m_pOwner = nullptr;
    POSITION pos = m_pShadows->Find(pShadow);
    if (pos)
        m_pShadows->RemoveAt(pos);
    if (pShadow->GetSafeHwnd())
        pShadow->DestroyWindow();
    delete pShadow;   // releases its reference to this manager, perhaps the last
}
