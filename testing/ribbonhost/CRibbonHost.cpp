#include "CRibbonHost.h"
#include "CZMRBarManager.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "ArtifactPng.h"
#include "WindowPixels.h"

#include <commctrl.h>

CRibbonHost* CRibbonHost::Create(const RECT& rc, CZMRPaintManager* pPaintManager)
{
    CFrameHost* pFrame = CFrameHost::Create(rc, L"Ribbon host");
    if (!pFrame)
    {
        if (pPaintManager)
            pPaintManager->InternalRelease();
        return nullptr;
    }
    auto* pHost = new CRibbonHost;
    pHost->m_pFrame = pFrame;
    ::SetWindowSubclass(pFrame->GetSafeHwnd(), FrameSubclass, 1, reinterpret_cast<DWORD_PTR>(pHost));
    pHost->m_pManager = new CZMRBarManager;
    pHost->m_pManager->Attach(pFrame);
    if (!pPaintManager)
        pPaintManager = new CZMRRibbonTheme;
    pPaintManager->RefreshMetrics();
    pHost->m_pManager->SetPaintManager(pPaintManager);
    pPaintManager->InternalRelease();

    pHost->m_pRibbon = static_cast<CZMRRibbonBar*>(
        CZMRBarManager::CreateBar(RUNTIME_CLASS(CZMRRibbonBar), RUNTIME_CLASS(CZMRRibbonBar), pHost->m_pManager));
    pHost->m_pManager->AddBar(pHost->m_pRibbon);
    pHost->m_pManager->DockToolBarSide(pHost->m_pRibbon, zmrBarTop);
    pHost->m_pRibbon->LoadMenuBar(0);
    pHost->Layout();
    return pHost;
}

LRESULT CALLBACK CRibbonHost::FrameSubclass(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR dwRefData)
{
    auto* pHost = reinterpret_cast<CRibbonHost*>(dwRefData);
    if (nMessage == ZMR_WM_CONTROLNOTIFY && lParam)
    {
        const auto* pNM = reinterpret_cast<const NMZMRCONTROL*>(lParam);
        CNotification notification = {int(pNM->hdr.code), pNM->pControl, nullptr};
        if (notification.nCode == ZMR_RIBBON_TABCHANGING || notification.nCode == ZMR_RIBBON_TABCHANGED)
            notification.pTab = static_cast<const NMZMRRIBBONTAB*>(pNM)->pTab;
        pHost->m_notifications.push_back(notification);
        if (pHost->m_answer)
            return pHost->m_answer(notification);
    }
    if (pHost->m_nRecordMessage && nMessage == pHost->m_nRecordMessage)
    {
        MSG msg = {hWnd, nMessage, wParam, lParam, 0, {0, 0}};
        pHost->m_frameMessages.push_back(msg);
    }
    return ::DefSubclassProc(hWnd, nMessage, wParam, lParam);
}

CRibbonHost::~CRibbonHost()
{
    if (m_pManager)
        m_pManager->CancelTracking();
    delete m_pManager;
    if (m_pFrame && ::IsWindow(m_pFrame->GetSafeHwnd()))
    {
        ::RemoveWindowSubclass(m_pFrame->GetSafeHwnd(), FrameSubclass, 1);
        m_pFrame->DestroyWindow();
    }
}

CZMRPaintManager* CRibbonHost::PaintManager() const
{
    return m_pManager->GetPaintManager();
}

void CRibbonHost::Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void CRibbonHost::Layout()
{
    m_pFrame->RecalcLayout();
    Pump();
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

CRect CRibbonHost::RibbonRectInFrame() const
{
    CRect rc;
    m_pRibbon->GetWindowRect(&rc);
    m_pFrame->ScreenToClient(&rc);
    return rc;
}

std::vector<COLORREF> CRibbonHost::CaptureFrame(CSize& sz) const
{
    return ReadWindow(m_pFrame->GetSafeHwnd(), sz, TRUE);
}

void CRibbonHost::SavePicture(LPCWSTR lpszName) const
{
    CSize sz;
    const std::vector<COLORREF> pixels = CaptureFrame(sz);
    SaveArtifactPng(lpszName, sz.cx, sz.cy, [&](int x, int y) { return pixels[size_t(y) * sz.cx + x]; });
}
