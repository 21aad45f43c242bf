// Painting of a popup bar: the bar's controls, then the arrows of its scroll
// areas, its tear-off strip and its gallery gripper.
#include "CZMRPopupBar.h"
#include "CZMRColorManager.h"
#include "CZMRPaintManager.h"

void CZMRPopupBar::PaintBar(CDC* pDC)
{
    CZMRCommandBar::PaintBar(pDC);
    CZMRPaintManager* pPaintManager = GetPaintManager();

    // A triangle 6 wide and 3 high in the middle of each scroll area,
    // pointing the way the area scrolls.
    const COLORREF clrArrow = GetColorManager()->GetColor(COLOR_BTNTEXT);
    if (!m_rcScrollDown.IsRectEmpty())
    {
        const CPoint pt = m_rcScrollDown.CenterPoint();
        CZMRPaintManager::DrawTriangle(pDC, CPoint(pt.x - 3, pt.y - 1), CPoint(pt.x + 3, pt.y - 1),
                                       CPoint(pt.x, pt.y + 2), clrArrow);
    }
    if (!m_rcScrollUp.IsRectEmpty())
    {
        const CPoint pt = m_rcScrollUp.CenterPoint();
        CZMRPaintManager::DrawTriangle(pDC, CPoint(pt.x - 3, pt.y + 1), CPoint(pt.x + 3, pt.y + 1),
                                       CPoint(pt.x, pt.y - 2), clrArrow);
    }
    if (m_bTearOffPopup && GetControlCount() > 0 && !m_rcTearOffHandle.IsRectEmpty())
        pPaintManager->DrawTearOffHandle(pDC, m_rcTearOffHandle, m_bTearOffHot, TRUE);
    if (m_nResizeMode && !m_rcResizeGripper.IsRectEmpty())
        pPaintManager->DrawPopupSizeGrip(pDC, m_rcResizeGripper, m_nResizeMode);
}
