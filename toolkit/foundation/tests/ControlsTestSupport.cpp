#include "ControlsTestSupport.h"
#include "ControlsTestResources.h"
#include "PixelCanvas.h"

#include "ArtifactPng.h"

#include <cstdio>
#include <string>

void CWindowPicture::Take(HWND hWnd, const std::function<void(HDC)>& draw)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    m_pixels.assign(static_cast<size_t>(m_nWidth) * m_nHeight, 0);
    if (m_nWidth <= 0 || m_nHeight <= 0)
        return;

    CPixelCanvas canvas(m_nWidth, m_nHeight, RGB(0, 0, 0));
    draw(canvas.DC()->GetSafeHdc());
    for (int y = 0; y < m_nHeight; y++)
    {
        for (int x = 0; x < m_nWidth; x++)
        {
            const COLORREF clr = canvas.Pixel(x, y);
            m_pixels[static_cast<size_t>(y) * m_nWidth + x] = (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
        }
    }
}

void CWindowPicture::Capture(HWND hWnd)
{
    Take(hWnd, [&](HDC hDC) {
        HDC hWindowDC = ::GetDC(hWnd);
        ::BitBlt(hDC, 0, 0, m_nWidth, m_nHeight, hWindowDC, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hWindowDC);
    });
}

void CWindowPicture::Print(HWND hWnd)
{
    Take(hWnd, [&](HDC hDC) {
        ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

COLORREF CWindowPicture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    const DWORD v = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

bool CWindowPicture::SavePng(const wchar_t* lpszName) const
{
    return SaveArtifactPng(lpszName, m_nWidth, m_nHeight, [this](int x, int y) { return At(x, y); });
}

void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool PumpMessagesUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs)
{
    const DWORD dwStart = ::GetTickCount();
    while (!pred())
    {
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPendingMessages();
    }
    return true;
}

LRESULT CTestListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        m_nPaints++;
    return CZMListCtrl::WindowProc(message, wParam, lParam);
}

bool CTestListCtrl::SortList(int nColumn, bool bAscending)
{
    m_nSorts++;
    m_nSortedColumn = nColumn;
    m_bSortedAscending = bAscending;
    return true;
}

CListTestDlg::CListTestDlg()
    : CDialog(IDD_ZM_LISTTEST)
{
}

BOOL CListTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_ZM_LIST, this);
    return FALSE;
}

bool CListTestDlg::Open(int nWidth, int nHeight)
{
    if (!Create(IDD_ZM_LISTTEST) || !m_list.GetSafeHwnd())
        return false;
    SetWindowPos(nullptr, 0, 0, nWidth + 40, nHeight + 40, SWP_NOZORDER | SWP_NOMOVE);
    m_list.MoveWindow(0, 0, nWidth, nHeight);
    PumpPendingMessages();
    return true;
}

CWindowPicture CListTestDlg::PaintList()
{
    m_list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();
    CWindowPicture picture;
    picture.Capture(m_list.GetSafeHwnd());
    return picture;
}
