// The paint manager's small drawing routines that every theme calls: glyphs,
// labels, split-button metrics and the popup opening animations. Until the
// drawing layer is in, they draw nothing; the glyphs keep their fixed size.
#include "CZMRPaintManager.h"
#include <algorithm>

COLORREF CZMRPaintManager::GetControlTextColor(CZMRControl* /*pControl*/)
{
    return GetColor(COLOR_BTNTEXT);
}

int CZMRPaintManager::GetSplitArrowWidth() const
{
    // The raw base height, not the one raised to 22.
    if (m_nFixedControlHeight >= 1)
        return 2 * m_nBaseHeight - 17;
    const int h = std::max(m_nBaseHeight + 3, 22);
    return 2 * h - 17;
}

CRect CZMRPaintManager::GetSplitMainPartRect(CZMRControl* /*pControl*/)
{
    return CRect(0, 0, 0, 0);
}

CSize CZMRPaintManager::DrawCheckBoxGlyph(CDC* /*pDC*/, CRect /*rc*/, BOOL /*bDraw*/, int /*nSelected*/,
                                          int /*nPressed*/, int /*nChecked*/, BOOL /*bEnabled*/)
{
    return CSize(13, 13);
}

CSize CZMRPaintManager::DrawRadioButtonGlyph(CDC* /*pDC*/, CRect /*rc*/, BOOL /*bDraw*/, int /*nSelected*/,
                                             int /*nPressed*/, int /*nChecked*/, BOOL /*bEnabled*/)
{
    return CSize(13, 13);
}

void CZMRPaintManager::DrawCheckMark(CDC* /*pDC*/, CRect /*rc*/, BOOL /*bEnabled*/, COLORREF /*clr*/)
{
}

void CZMRPaintManager::DrawRadioDot(CDC* /*pDC*/, CRect /*rc*/, BOOL /*bEnabled*/, COLORREF /*clr*/)
{
}

void CZMRPaintManager::DrawDropDownTriangle(CDC* /*pDC*/, CRect /*rc*/, COLORREF /*clr*/)
{
}

void CZMRPaintManager::DrawPopupArrow(CDC* /*pDC*/, CZMRControl* /*pControl*/, int /*x*/, int /*y*/,
                                      int /*nSelected*/, BOOL /*bPopped*/, BOOL /*bEnabled*/, BOOL /*bVertical*/)
{
}

void CZMRPaintManager::Animate(CDC* /*pDestDC*/, CDC* /*pSrcDC*/, CRect /*rc*/, int /*nKind*/)
{
}

void CZMRPaintManager::AnimateUnfold(CZMRPopupBar* /*pPopupBar*/, CDC* /*pDestDC*/, CDC* /*pSrcDC*/,
                                     BOOL /*bTopDown*/)
{
}

int CZMRPaintManager::DrawItemLabel(CDC* /*pDC*/, const CString& /*strText*/, CRect /*rc*/, UINT /*nFormat*/,
                                    BOOL /*bDraw*/, int /*nSelected*/, BOOL /*bEnabled*/)
{
    return 0;
}
