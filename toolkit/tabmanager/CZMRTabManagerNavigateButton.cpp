#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRDrawHelpers.h"
#include "CZMRResourceManager.h"
#include "ZMRTabCaptureLoop.h"

namespace
{
// Arrows scroll one step per this many milliseconds while held.
const DWORD kRepeatInterval = 20;

CString LoadTooltip(UINT nID)
{
    CString str;
    GetResourceManager()->LoadString(&str, nID);
    return str;
}
}

CZMRTabManagerNavigateButton::CZMRTabManagerNavigateButton(CZMRTabManager* pManager, int nId, int nMode)
    : m_nId(nId), m_nMode(nMode), m_pManager(pManager), m_bEnabled(TRUE), m_bPressed(FALSE), m_pItem(nullptr)
{
    m_rcButton.SetRectEmpty();
}

CZMRTabManagerNavigateButton::~CZMRTabManagerNavigateButton()
{
    if (m_pManager && m_pManager->GetHotButton() == this)
        m_pManager->SetHotButton(nullptr);
}

BOOL CZMRTabManagerNavigateButton::IsShown() const
{
    return m_nMode == zmrTabNavigateButtonAlways
           || (m_nMode == zmrTabNavigateButtonAutomatic && m_pManager->IsNavigateButtonVisible(this));
}

BOOL CZMRTabManagerNavigateButton::IsHighlighted() const
{
    return m_pManager->GetHotButton() == this;
}

CSize CZMRTabManagerNavigateButton::GetSize() const
{
    return m_pManager->GetPaintManager()->m_szNavigateButton;
}

void CZMRTabManagerNavigateButton::ReduceAvailableLength(int& nLength)
{
    if (IsShown())
        nLength -= m_pManager->IsHorizontal() ? GetSize().cx : GetSize().cy;
}

void CZMRTabManagerNavigateButton::PlaceInHeader(CRect& rc)
{
    if (!IsShown())
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    const CSize sz = GetSize();
    if (!m_pManager->IsHorizontal())
    {
        const int x = (rc.left + rc.right) / 2 - sz.cx / 2;
        m_rcButton.SetRect(x, rc.bottom - sz.cy, x + sz.cx, rc.bottom);
        rc.bottom -= sz.cy;
    }
    else
    {
        const int b = (rc.top + rc.bottom) / 2 + sz.cy / 2;
        m_rcButton.SetRect(rc.right - sz.cx, b - sz.cy, rc.right, b);
        rc.right -= sz.cx;
    }
}

void CZMRTabManagerNavigateButton::OnExecute(BOOL bRepeat)
{
    if (!bRepeat)
        m_pManager->OnNavigateButtonClickEx(this);
}

void CZMRTabManagerNavigateButton::Draw(CDC* pDC)
{
    if (m_rcButton.IsRectEmpty())
        return;
    CRect rc = m_rcButton;
    m_pManager->GetPaintManager()->DrawNavigateButton(pDC, this, rc);
}

void CZMRTabManagerNavigateButton::RunClickLoop(CWnd* pWnd, CPoint point)
{
    if (::GetCapture() || !m_bEnabled)
        return;
    pWnd->SetCapture();
    const HWND hWnd = pWnd->GetSafeHwnd();
    DWORD dwLastTick = ::GetTickCount();
    BOOL bReleasedInside = FALSE;
    MSG msg;
    for (;;)
    {
        if (m_bEnabled && ::GetTickCount() - dwLastTick > kRepeatInterval)
        {
            dwLastTick = ::GetTickCount();
            OnExecute(TRUE);
        }
        const BOOL bInside = m_rcButton.PtInRect(point);
        if (bInside != m_bPressed)
        {
            m_bPressed = bInside;
            m_pManager->RedrawControl(m_rcButton, TRUE);
        }
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            // Nothing queued: sleep until input comes or the next repeat tick is due.
            const DWORD dwElapsed = ::GetTickCount() - dwLastTick;
            const DWORD dwWait = dwElapsed > kRepeatInterval ? 0 : kRepeatInterval + 1 - dwElapsed;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, m_bEnabled ? dwWait : INFINITE, QS_ALLINPUT);
            continue;
        }
        if (!TakeTabLoopMessage(msg))
            break;
        const ZMRTabLoopStep step = SortTabLoopMessage(msg, hWnd);
        if (step == tabLoopCancel)
            break;
        if (step == tabLoopMove)
            point = TabLoopPoint(msg);
        if (step == tabLoopRelease)
        {
            point = TabLoopPoint(msg);
            bReleasedInside = m_rcButton.PtInRect(point);
            break;
        }
    }

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_bPressed = FALSE;
    m_pManager->TrackHotItem(pWnd, point);
    m_pManager->RedrawControl(nullptr, FALSE);
    if (bReleasedInside)
        OnExecute(FALSE);
}

// ------------------------------------------------------------ arrows

namespace
{
// Whether an arrow hides itself: never in the multi-row layout; in automatic
// mode also in shrink to fit and while every item fits at offset 0.
BOOL IsArrowHidden(CZMRTabManager* pManager, int nMode, int nHeaderLength, const CRect& rcMargin, int nTotal)
{
    const int nLayout = pManager->GetPaintManager()->GetLayout();
    if (nLayout == zmrTabLayoutMultiRow)
        return TRUE;
    if (nMode == zmrTabNavigateButtonNone)
        return TRUE;
    if (nMode == zmrTabNavigateButtonAutomatic)
    {
        if (nLayout == zmrTabLayoutSizeToFit)
            return TRUE;
        const int nOffset = pManager->GetScrollOffset();
        if (nTotal + nOffset - rcMargin.left - 1 <= nHeaderLength - rcMargin.right - rcMargin.left && nOffset >= 0)
            return TRUE;
    }
    return FALSE;
}

void PlaceArrow(CZMRTabManagerNavigateButton* pButton, CRect& rc, UINT nHorzTip, UINT nVertTip, BOOL bLeft)
{
    CZMRTabManager* pManager = pButton->GetTabManager();
    pButton->SetTooltip(LoadTooltip(pManager->IsHorizontal() ? nHorzTip : nVertTip));
    const CRect rcMargin = pManager->GetPaintManager()->GetAppearanceSet()->GetHeaderMargin();
    const CRect rcHeader = pManager->GetHeaderRect();
    const int nLength = pManager->GetLengthAlongStrip(rcHeader);
    const int nTotal = pManager->GetTotalItemsWidth();
    const int nOffset = pManager->GetScrollOffset();
    pButton->SetEnabled(bLeft ? nOffset < 0 : nLength - rcMargin.right - rcMargin.left - 28 < nTotal + nOffset);
    if (IsArrowHidden(pManager, pButton->GetVisibilityMode(), nLength, rcMargin, nTotal))
        pButton->SetRect(CRect(0, 0, 0, 0));
    else
        pButton->CZMRTabManagerNavigateButton::PlaceInHeader(rc);
}
}

CZMRTabManager::CNavigateButtonArrowLeft::CNavigateButtonArrowLeft(CZMRTabManager* pManager, int nMode)
    : CZMRTabManagerNavigateButton(pManager, zmrTabNavigateButtonLeft, nMode)
{
}

void CZMRTabManager::CNavigateButtonArrowLeft::ReduceAvailableLength(int& nLength)
{
    if (m_nMode == zmrTabNavigateButtonAlways)
        nLength -= m_pManager->IsHorizontal() ? GetSize().cx : GetSize().cy;
}

void CZMRTabManager::CNavigateButtonArrowLeft::PlaceInHeader(CRect& rc)
{
    PlaceArrow(this, rc, IDS_ZMR_TAB_SCROLLLEFT, IDS_ZMR_TAB_SCROLLUP, TRUE);
}

void CZMRTabManager::CNavigateButtonArrowLeft::OnExecute(BOOL bRepeat)
{
    if (bRepeat)
        m_pManager->ScrollHeader(FALSE);
}

void CZMRTabManager::CNavigateButtonArrowLeft::DrawGlyph(CDC* pDC, CRect rc)
{
    const CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontal())
        CZMRDrawHelpers::Triangle(pDC, CPoint(c.x + 2, c.y - 5), CPoint(c.x - 2, c.y - 1), CPoint(c.x + 2, c.y + 3));
    else
        CZMRDrawHelpers::Triangle(pDC, CPoint(c.x - 5, c.y + 2), CPoint(c.x - 1, c.y - 2), CPoint(c.x + 3, c.y + 2));
}

CZMRTabManager::CNavigateButtonArrowRight::CNavigateButtonArrowRight(CZMRTabManager* pManager, int nMode)
    : CZMRTabManagerNavigateButton(pManager, zmrTabNavigateButtonRight, nMode)
{
}

void CZMRTabManager::CNavigateButtonArrowRight::ReduceAvailableLength(int& nLength)
{
    if (m_nMode == zmrTabNavigateButtonAlways)
        nLength -= m_pManager->IsHorizontal() ? GetSize().cx : GetSize().cy;
}

void CZMRTabManager::CNavigateButtonArrowRight::PlaceInHeader(CRect& rc)
{
    PlaceArrow(this, rc, IDS_ZMR_TAB_SCROLLRIGHT, IDS_ZMR_TAB_SCROLLDOWN, FALSE);
}

void CZMRTabManager::CNavigateButtonArrowRight::OnExecute(BOOL bRepeat)
{
    if (bRepeat)
        m_pManager->ScrollHeader(TRUE);
}

void CZMRTabManager::CNavigateButtonArrowRight::DrawGlyph(CDC* pDC, CRect rc)
{
    const CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontal())
        CZMRDrawHelpers::Triangle(pDC, CPoint(c.x - 2, c.y - 5), CPoint(c.x + 2, c.y - 1), CPoint(c.x - 2, c.y + 3));
    else
        CZMRDrawHelpers::Triangle(pDC, CPoint(c.x - 5, c.y - 2), CPoint(c.x - 1, c.y + 2), CPoint(c.x + 3, c.y - 2));
}

// ------------------------------------------------------------ close buttons

namespace
{
void DrawCross(CDC* pDC, CRect rc)
{
    const CPoint c = rc.CenterPoint();
    pDC->MoveTo(c.x - 4, c.y - 3);
    pDC->LineTo(c.x + 3, c.y + 4);
    pDC->MoveTo(c.x - 3, c.y - 3);
    pDC->LineTo(c.x + 4, c.y + 4);
    pDC->MoveTo(c.x - 4, c.y + 3);
    pDC->LineTo(c.x + 3, c.y - 4);
    pDC->MoveTo(c.x - 3, c.y + 3);
    pDC->LineTo(c.x + 4, c.y - 4);
}
}

CZMRTabManager::CNavigateButtonClose::CNavigateButtonClose(CZMRTabManager* pManager, int nMode)
    : CZMRTabManagerNavigateButton(pManager, zmrTabNavigateButtonClose, nMode)
{
    m_strTooltip = LoadTooltip(IDS_ZMR_TAB_CLOSE);
}

void CZMRTabManager::CNavigateButtonClose::DrawGlyph(CDC* pDC, CRect rc)
{
    DrawCross(pDC, rc);
}

CZMRTabManager::CNavigateButtonTabClose::CNavigateButtonTabClose(CZMRTabManagerItem* pItem, int nMode)
    : CZMRTabManagerNavigateButton(pItem->GetTabManager(), zmrTabNavigateButtonClose, nMode)
{
    m_pItem = pItem;
    m_strTooltip = LoadTooltip(IDS_ZMR_TAB_CLOSE);
}

void CZMRTabManager::CNavigateButtonTabClose::DrawGlyph(CDC* pDC, CRect rc)
{
    DrawCross(pDC, rc);
}
