// The context's keeper of keyboard focus and the owner of the attached Tab
// navigation properties (KeyboardNavigation.IsTabStop, .TabNavigation and
// .TabIndex). It stores the settings and takes part in the host's message
// flow, but moves no focus.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupInputElement;

class CZMRMarkupKeyboardNavigation : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupKeyboardNavigation)
public:
    // Objects made from markup have no context.
    explicit CZMRMarkupKeyboardNavigation(CZMRMarkupContext* pContext = nullptr);
    ~CZMRMarkupKeyboardNavigation() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pIsTabStopProperty;      // default true
    static CZMRMarkupDependencyProperty* m_pTabNavigationProperty;  // Continue, Once, Cycle, None, Contained, Local
    static CZMRMarkupDependencyProperty* m_pTabIndexProperty;      // default 2147483647

    // WM_SETFOCUS, WM_KILLFOCUS and WM_KEYDOWN of the host; none is handled (0).
    int OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Focusing an element has no effect.
    void Focus(CZMRMarkupInputElement* pElement);

    CZMRMarkupContext* GetContext() const { return m_pContext; }

protected:
    CZMRMarkupObject* m_pFocusedElement;   // one reference when set
    CZMRMarkupObject* m_pSecondElement;    // one reference when set
    CZMRMarkupContext* m_pContext;         // not owned
};
