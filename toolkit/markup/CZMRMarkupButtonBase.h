// The base of the buttons: the press that the left button starts on the
// element and ends with a click when it comes up there again, "IsPressed"
// that follows the pointer while the press lasts, the "Click" event, and the
// visual-style wrapper the buttons draw with.
#pragma once
#include "CZMRMarkupContentControl.h"
#include "CZMRWinThemeWrapper.h"

class CZMRMarkupRoutedEvent;
class CZMRMarkupSolidColorBrush;

class CZMRMarkupButtonBase : public CZMRMarkupContentControl
{
    DECLARE_MARKUPCLASS(CZMRMarkupButtonBase)
public:
    CZMRMarkupButtonBase();
    ~CZMRMarkupButtonBase() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupRoutedEvent* m_pClickEvent;   // bubbles
    static CZMRMarkupDependencyProperty* m_pIsPressedProperty;

    void OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseEnter(CZMRMarkupMouseEventArgs* pArgs) override;
    // A disabled button takes no press.
    void OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnLostMouseCapture(CZMRMarkupMouseEventArgs* pArgs) override;

    // Slot 40: raises "Click" with the button as the source.
    virtual void OnClick();

    void SetPressed(BOOL bPressed);
    BOOL IsPressed() const;
    // "IsEnabled" (true when unset).
    BOOL IsEnabled() const;
    BOOL IsMouseInside() const { return m_bMouseInside; }

    // A disabled button drawn without a visual style has nothing else to
    // show its state: its content's text, unless a foreground is set,
    // takes the system's grey text colour (the inherited "Foreground").
    CZMRMarkupObject* GetValueCore(CZMRMarkupDependencyProperty* pProperty) const override;

protected:
    BOOL m_bPressed;       // the left button went down here and has not come up
    BOOL m_bMouseInside;
    CZMRWinThemeWrapper m_themeButton;

private:
    mutable CZMRMarkupSolidColorBrush* m_pGrayText;   // one reference, made at first need
};
