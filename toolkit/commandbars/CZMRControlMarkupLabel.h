// A label whose caption is markup text: it measures and draws the element
// tree built from the caption, or, when the caption does not parse, as a
// plain label.
#pragma once
#include "CZMRControlLabel.h"

class CZMRMarkupUIElement;

class CZMRControlMarkupLabel : public CZMRControlLabel
{
    DECLARE_SERIAL(CZMRControlMarkupLabel)
public:
    CZMRControlMarkupLabel();
    ~CZMRControlMarkupLabel() override;

    // Rebuilds the element from the new caption.
    void OnCaptionChanged() override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;

    CZMRMarkupUIElement* GetMarkupElement() const { return m_pMarkupElement; }

protected:
    // The bar font the markup starts from.
    HFONT GetMarkupFont() const;

    CZMRMarkupUIElement* m_pMarkupElement;   // none while the caption does not parse
};
