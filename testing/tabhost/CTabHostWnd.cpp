#include "CTabHostWnd.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRImageManager.h"

// ------------------------------------------------------------ the strip

void CTabHostWnd::CStrip::Reposition()
{
    m_nRepositions++;
    m_pHost->RepositionStrip();
}

CZMRTabPaintManager* CTabHostWnd::CStrip::GetPaintManager() const
{
    return m_pHost->m_pPaintManager;
}

void CTabHostWnd::CStrip::RedrawControl(LPCRECT lpRect, BOOL bNow)
{
    if (!m_pHost->GetSafeHwnd())
        return;
    ::InvalidateRect(m_pHost->GetSafeHwnd(), lpRect, FALSE);
    if (bNow)
        ::UpdateWindow(m_pHost->GetSafeHwnd());
}

BOOL CTabHostWnd::CStrip::DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    if (!pItem || !GetPaintManager()->m_bShowIcons)
        return FALSE;
    if (m_pImageManager && pItem->GetImageIndex() >= 0)
    {
        CZMRImageManagerIcon* pImage = m_pImageManager->GetImage(pItem->GetImageIndex(), szIcon.cx);
        if (!pImage)
            return FALSE;
        if (bDraw)
            pItem->DrawImage(pDC, CRect(pt, szIcon), pImage);
        return TRUE;
    }
    if (!pItem->GetIcon())
        return FALSE;
    if (bDraw)
        ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, pItem->GetIcon(), szIcon.cx, szIcon.cy, 0, nullptr, DI_NORMAL);
    return TRUE;
}

BOOL CTabHostWnd::CStrip::ConfirmItemClick(CZMRTabManagerItem* pItem)
{
    return !m_bRefuseClicks;
}

void CTabHostWnd::CStrip::SetSelectedItem(CZMRTabManagerItem* pItem)
{
    if (!m_bRefuseSelection)
        CZMRTabManager::SetSelectedItem(pItem);
}

void CTabHostWnd::CStrip::OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton)
{
    if (pButton->GetItem())
        m_log.push_back(L"close " + std::to_wstring(pButton->GetItem()->GetIndex()));
    else
        m_log.push_back(L"button " + std::to_wstring(pButton->GetID()));
    CZMRTabManager::OnNavigateButtonClickEx(pButton);
}

// ------------------------------------------------------------ the window

CTabHostWnd::CTabHostWnd(CZMRTabPaintManager* pPaintManager)
    : m_strip(this), m_pPaintManager(pPaintManager), m_bOwnPaintManager(pPaintManager == nullptr)
{
    if (!m_pPaintManager)
        m_pPaintManager = new CZMRTabPaintManager();
    m_pPaintManager->AddAtom(&m_strip);
}

CTabHostWnd::~CTabHostWnd()
{
    m_pPaintManager->RemoveAtom(&m_strip);
    if (m_bOwnPaintManager)
        m_pPaintManager->InternalRelease();
}

CTabHostWnd* CTabHostWnd::Create(const RECT& rcClient, CZMRTabPaintManager* pPaintManager)
{
    CTabHostWnd* pHost = new CTabHostWnd(pPaintManager);
    const DWORD dwStyle = WS_POPUP | WS_VISIBLE;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (!pHost->CreateEx(0, lpszClass, L"Tab host", dwStyle, rcClient, nullptr, 0))
    {
        delete pHost;
        return nullptr;
    }
    ::SetForegroundWindow(pHost->GetSafeHwnd());
    pHost->RepositionStrip();
    Pump();
    return pHost;
}

void CTabHostWnd::RepositionStrip()
{
    if (!GetSafeHwnd())
        return;
    CRect rc;
    ::GetClientRect(GetSafeHwnd(), rc);
    CClientDC dc(this);
    m_pPaintManager->RepositionTabControl(&m_strip, &dc, rc);
    ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

void CTabHostWnd::Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

INT_PTR CTabHostWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    return const_cast<CStrip&>(m_strip).HitTestForTooltip(const_cast<CTabHostWnd*>(this), point, pTI);
}

LRESULT CTabHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        m_toolTipContext.FilterMouseMessage(this, message, wParam, lParam);
    switch (message)
    {
    case WM_SIZE:
        RepositionStrip();
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    {
        CPaintDC dc(this);
        CRect rc;
        ::GetClientRect(GetSafeHwnd(), rc);
        m_pPaintManager->DrawTabControl(&m_strip, &dc, rc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        m_strip.HandleHeaderClick(this, point);
        return 0;
    case WM_MOUSEMOVE:
        m_strip.TrackHotItem(this, point);
        return 0;
    case WM_MOUSELEAVE:
        m_strip.TrackHotItem(this, CPoint(-1, -1));
        return 0;
    case WM_KEYDOWN:
        if (m_strip.HandleKeyNavigation(this, static_cast<UINT>(wParam)))
            return 0;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
