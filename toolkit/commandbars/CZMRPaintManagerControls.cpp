// The paint manager's layout and drawing of whole controls and bar parts:
// tool-bar and popup items, edits and combo boxes, the floating gripper, the
// special bar buttons and status panes. Until the control model is in, they
// draw nothing and measure nothing.
#include "CZMRPaintManager.h"
#include "CZMRControl.h"
#include "CZMRCommandBar.h"

CSize CZMRPaintManager::DrawControl(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    switch (pControl->GetType())
    {
    case zmrControlEdit:
        return DrawEditItem(pDC, pControl, bDraw);
    case zmrControlComboBox:
        return DrawComboBoxItem(pDC, pControl, bDraw);
    }
    CZMRCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return DrawPopupBarItem(pDC, pControl, bDraw);
    return DrawToolBarItem(pDC, pControl, bDraw);
}

CSize CZMRPaintManager::DrawPopupBarItem(CDC* /*pDC*/, CZMRControl* /*pControl*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CZMRPaintManager::DrawToolBarItem(CDC* /*pDC*/, CZMRControl* /*pControl*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CZMRPaintManager::DrawComboBoxItem(CDC* /*pDC*/, CZMRControl* /*pControl*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CZMRPaintManager::DrawEditItem(CDC* /*pDC*/, CZMRControl* /*pControl*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CZMRPaintManager::DrawGripper(CDC* /*pDC*/, CZMRCommandBar* /*pBar*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CZMRPaintManager::DrawOverflowButton(CDC* /*pDC*/, int /*nKind*/, CZMRControl* /*pControl*/,
                                           CZMRCommandBar* /*pBar*/, BOOL /*bDraw*/, LPARAM /*lExtra*/)
{
    return CSize(0, 0);
}

void CZMRPaintManager::PaintStatusPane(CDC* /*pDC*/, CZMRStatusBarPane* /*pPane*/, CRect /*rcPane*/)
{
}
