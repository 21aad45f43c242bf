#include "CRecordingSiteFrame.h"

IMPLEMENT_DYNCREATE(CRecordingSiteFrame, CFrameWnd)

namespace
{
// The site messages of the command bars.
const UINT kFirstSiteMessage = 10325;
const UINT kLastSiteMessage = 10343;
const UINT kTrackingKeyMessage = 10330;
const UINT kRightClickMessage = 10329;

struct KeyRecord
{
    UINT nChar;
    UINT nFlags;
};
}

CRecordingSiteFrame* CRecordingSiteFrame::Create(const RECT& rc)
{
    auto* pFrame = new CRecordingSiteFrame;
    if (!pFrame->CreateEx(0, nullptr, L"Site", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc.left, rc.top,
                          rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr))
        return nullptr;   // deleted by its own PostNcDestroy
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return pFrame;
}

std::vector<CRecordingSiteFrame::CMessage> CRecordingSiteFrame::Messages(UINT nMessage) const
{
    std::vector<CMessage> result;
    for (const CMessage& m : m_messages)
    {
        if (nMessage == 0 || m.nMessage == nMessage)
            result.push_back(m);
    }
    return result;
}

LRESULT CRecordingSiteFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const BOOL bSite = message >= kFirstSiteMessage && message <= kLastSiteMessage;
    if (!bSite && message != WM_SETMESSAGESTRING && message != WM_POPMESSAGESTRING)
        return CFrameWnd::WindowProc(message, wParam, lParam);

    CMessage m = {message, wParam, lParam, CString(), 0, 0, CPoint(0, 0)};
    if (message == WM_SETMESSAGESTRING && lParam)
        m.strText = reinterpret_cast<LPCTSTR>(lParam);
    if (message == kTrackingKeyMessage && wParam)
    {
        m.nChar = reinterpret_cast<const KeyRecord*>(wParam)->nChar;
        m.nFlags = reinterpret_cast<const KeyRecord*>(wParam)->nFlags;
    }
    if (message == kRightClickMessage && wParam)
        m.pt = *reinterpret_cast<const POINT*>(wParam);
    m_messages.push_back(m);
    if (!bSite)
        return CFrameWnd::WindowProc(message, wParam, lParam);
    return m_answer ? m_answer(m) : 0;
}
