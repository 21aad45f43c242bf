#include "CZMRMarkupCheckBox.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupCheckBox)

namespace
{
const int partCheckBox = 3;
}

CSize CZMRMarkupCheckBox::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    // Without content the box keeps the glyph's height as the radio button
    // does, so that its glyph shows.
    return MeasureBesideGlyph(pDC, nAvailableWidth, nAvailableHeight);
}

CSize CZMRMarkupCheckBox::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    ArrangeBesideGlyph(nFinalWidth, nFinalHeight);
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupCheckBox::OnRender(CZMRMarkupDrawingContext* pDC)
{
    const HDC hDC = pDC->GetOutputDC();
    CRect rcGlyph = GetGlyphRect();
    const int nChecked = GetIsChecked();
    if (m_themeButton.IsThemeOpenAndActive())
    {
        const int nState =
            GetGlyphBaseState() + (nChecked == checkChecked ? 4 : nChecked == checkIndeterminate ? 8 : 0);
        m_themeButton.DrawThemeBackground(hDC, partCheckBox, nState, &rcGlyph, nullptr);
        return;
    }
    UINT nFlags = DFCS_BUTTONCHECK;
    if (nChecked == checkChecked)
        nFlags |= DFCS_CHECKED;
    else if (nChecked == checkIndeterminate)
        nFlags |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (IsPressed())
        nFlags |= DFCS_PUSHED;
    if (!IsEnabled())
        nFlags |= DFCS_INACTIVE;
    ::DrawFrameControl(hDC, &rcGlyph, DFC_BUTTON, nFlags);
}

void CZMRMarkupCheckBox::OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC)
{
    DrawGlyphFocus(pDC);
}
