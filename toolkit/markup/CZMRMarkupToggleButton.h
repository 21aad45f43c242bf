// A button that keeps a state, "IsChecked" (0 unchecked, 1 checked, 2
// indeterminate with "IsThreeState"), which a click moves on. Every change
// of the state raises "Checked", "Unchecked" or "Indeterminate" before the
// click's "Click". It draws nothing of its own.
#pragma once
#include "CZMRMarkupButtonBase.h"

struct CZMRMarkupPropertyChange;

class CZMRMarkupToggleButton : public CZMRMarkupButtonBase
{
    DECLARE_MARKUPCLASS(CZMRMarkupToggleButton)
public:
    enum { checkUnchecked = 0, checkChecked = 1, checkIndeterminate = 2 };

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupRoutedEvent* m_pCheckedEvent;         // bubbles
    static CZMRMarkupRoutedEvent* m_pUncheckedEvent;       // bubbles
    static CZMRMarkupRoutedEvent* m_pIndeterminateEvent;   // bubbles
    static CZMRMarkupDependencyProperty* m_pIsCheckedProperty;
    static CZMRMarkupDependencyProperty* m_pIsThreeStateProperty;

    // Moves the state on, then raises "Click".
    void OnClick() override;
    // Slot 41: unchecked to checked, checked to indeterminate (three-state)
    // or unchecked, indeterminate to unchecked.
    virtual void OnToggle();
    // Slots 42 to 44: each raises the record it receives.
    virtual void OnChecked(CZMRMarkupRoutedEventArgs* pArgs);
    virtual void OnUnchecked(CZMRMarkupRoutedEventArgs* pArgs);
    virtual void OnIndeterminate(CZMRMarkupRoutedEventArgs* pArgs);

    int GetIsChecked() const;
    void SetIsChecked(int nState);
    BOOL IsThreeState() const;

    static void AFXAPI OnIsCheckedChanged(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change);
    // "True" 1, "False" 0, the empty text 2, in any case.
    static CZMRMarkupObject* AFXAPI ConvertIsChecked(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);

    // The glyph of a check box or radio button is 13 pixels square, at the
    // left and vertically centred; the content starts 16 pixels in.
    enum { glyphSize = 13, contentIndent = 16 };
    // 0, H / 2 - 6, 13, H / 2 + 7 in a render height of H.
    CRect GetGlyphRect() const;

protected:
    // The layout of the glyph buttons: the content beside the glyph, at
    // least the glyph's height.
    CSize MeasureBesideGlyph(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
    void ArrangeBesideGlyph(int nFinalWidth, int nFinalHeight);
    // Normal 1, hot 2, pressed 3 or disabled 4: the first state of each
    // group of the glyph's visual-style states.
    int GetGlyphBaseState() const;
    // The focus rectangle beside the glyph, only with content.
    void DrawGlyphFocus(CZMRMarkupDrawingContext* pDC);
};
