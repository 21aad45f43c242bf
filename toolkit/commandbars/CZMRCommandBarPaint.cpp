// Redraw requests and painting of a command bar: the redraw lock, WM_PAINT
// through the bar's animation object, and WM_PRINTCLIENT.
#include "CZMRCommandBar.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRFontDC.h"

void CZMRCommandBar::Redraw(LPCRECT lpRect, BOOL bAnimate)
{
    if (m_nLockRedraw > 0)
    {
        m_nPending |= zmrPendingRedraw;
        return;
    }
    if (!lpRect)
        m_nPending &= ~zmrPendingRedraw;
    if (GetSafeHwnd() && IsVisible())
        m_pAnimation->RedrawRect(lpRect, bAnimate);
}

void CZMRCommandBar::UnlockRedraw()
{
    if (m_nLockRedraw > 0 && --m_nLockRedraw == 0 && (m_nPending & zmrPendingRedraw))
        Redraw();
}

void CZMRCommandBar::PaintBar(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    FillBackground(pDC, rcClient);

    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (IsGripperShown() || m_barPosition == zmrBarFloating)
        pPaintManager->DrawGripper(pDC, this, TRUE);
    pDC->SetBkMode(TRANSPARENT);
    CZMRFontDC font(pDC, pPaintManager->GetBarFont(this));

    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    const BOOL bCustomize = IsCustomizeMode();
    CZMRBarManager* pManager = GetBarManager();
    CZMRControl* pSelection = bCustomize && pManager ? pManager->GetCustomizeSelection() : nullptr;

    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (pControl->GetParent() != this || !pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CRect rcMeet;
        if (rcMeet.IntersectRect(rcClip, pControl->GetRect()))
            pControl->Draw(pDC);
        if (pControl == pSelection)
            DrawCustomizeSelection(pDC, pControl);
    }
    if (bCustomize && !m_rcMarker.IsRectEmpty())
        DrawInsertionMark(pDC);
}

void CZMRCommandBar::DrawCustomizeSelection(CDC* pDC, CZMRControl* pControl)
{
    CRect rc = pControl->GetRect();
    pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
}

void CZMRCommandBar::PaintClient(CDC* pDC, const CRect& rcClip)
{
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcClip);
    PaintBar(pDC);
    pDC->RestoreDC(nSaved);
}

BOOL CZMRCommandBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CZMRCommandBar::OnPaint()
{
    CPaintDC dc(this);
    m_pAnimation->OnPaint(&dc, CRect(dc.m_ps.rcPaint));
}

LRESULT CZMRCommandBar::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    CRect rcClient;
    GetClientRect(&rcClient);
    PaintClient(pDC, rcClient);
    return 1;
}
