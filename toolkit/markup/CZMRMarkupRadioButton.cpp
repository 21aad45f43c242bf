#include "CZMRMarkupRadioButton.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupRadioButton)

namespace
{
const int partRadioButton = 2;
}

void CZMRMarkupRadioButton::OnToggle()
{
    SetIsChecked(checkChecked);
}

void CZMRMarkupRadioButton::OnChecked(CZMRMarkupRoutedEventArgs* pArgs)
{
    CZMRMarkupVisual* pParent = GetVisualParent();
    const int nCount = pParent ? pParent->GetVisualChildrenCount() : 0;
    for (int i = 0; i < nCount; i++)
    {
        CZMRMarkupRadioButton* pOther = MarkupCast<CZMRMarkupRadioButton>(pParent->GetVisualChild(i));
        if (pOther && pOther != this && pOther->GetIsChecked() != checkUnchecked)
            pOther->SetIsChecked(checkUnchecked);
    }
    CZMRMarkupToggleButton::OnChecked(pArgs);
}

CSize CZMRMarkupRadioButton::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                             int nAvailableHeight)
{
    return MeasureBesideGlyph(pDC, nAvailableWidth, nAvailableHeight);
}

CSize CZMRMarkupRadioButton::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    ArrangeBesideGlyph(nFinalWidth, nFinalHeight);
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupRadioButton::OnRender(CZMRMarkupDrawingContext* pDC)
{
    const HDC hDC = pDC->GetOutputDC();
    CRect rcGlyph = GetGlyphRect();
    const BOOL bChecked = GetIsChecked() != checkUnchecked;
    if (m_themeButton.IsThemeOpenAndActive())
    {
        m_themeButton.DrawThemeBackground(hDC, partRadioButton, GetGlyphBaseState() + (bChecked ? 4 : 0), &rcGlyph,
                                          nullptr);
        return;
    }
    UINT nFlags = DFCS_BUTTONRADIO;
    if (bChecked)
        nFlags |= DFCS_CHECKED;
    if (IsPressed())
        nFlags |= DFCS_PUSHED;
    if (!IsEnabled())
        nFlags |= DFCS_INACTIVE;
    ::DrawFrameControl(hDC, &rcGlyph, DFC_BUTTON, nFlags);
}

void CZMRMarkupRadioButton::OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC)
{
    DrawGlyphFocus(pDC);
}
