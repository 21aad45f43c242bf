// A span that acts as a link: underlined and blue by its type's default
// style, red while the mouse is over it, and raising "Click" when the left
// button goes down and up on it.
#pragma once
#include "CZMRMarkupSpan.h"

class CZMRMarkupRoutedEvent;

class CZMRMarkupHyperlink : public CZMRMarkupSpan
{
    DECLARE_MARKUPCLASS(CZMRMarkupHyperlink)
public:
    CZMRMarkupHyperlink();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupRoutedEvent* m_pClickEvent;   // bubbles

    void OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs) override;
    // Leaving the link forgets a press, so a release elsewhere and a later
    // release over the link do not click.
    void OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs) override;

    // Slot 37: raises "Click" with the hyperlink as the source.
    virtual void OnClick();

    BOOL IsPressed() const { return m_bPressed; }

protected:
    BOOL m_bPressed;
};
