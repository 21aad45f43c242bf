// The base of every markup object that belongs to a context and takes part in
// input: it holds a reference to its context, the mouse properties and
// events, the handlers of its events, and the style and trigger values that
// stand behind its local values.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupActiveTriggerCollection;
struct CZMRMarkupPropertyChange;
class CZMRMarkupDelegate;
class CZMRMarkupEventHandlers;
class CZMRMarkupMouseEventArgs;
class CZMRMarkupMouseWheelEventArgs;
class CZMRMarkupQueryCursorEventArgs;
class CZMRMarkupRoutedEvent;
class CZMRMarkupRoutedEventArgs;
class CZMRMarkupStyle;

class CZMRMarkupInputElement : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupInputElement)
public:
    CZMRMarkupInputElement();
    ~CZMRMarkupInputElement() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pCursorProperty;
    static CZMRMarkupDependencyProperty* m_pIsMouseOverProperty;
    static CZMRMarkupDependencyProperty* m_pResourcesProperty;
    static CZMRMarkupDependencyProperty* m_pStyleProperty;
    static CZMRMarkupDependencyProperty* m_pIsKeyboardFocusedProperty;
    static CZMRMarkupDependencyProperty* m_pIsFocusableProperty;
    static CZMRMarkupDependencyProperty* m_pToolTipProperty;
    static CZMRMarkupRoutedEvent* m_pMouseLeaveEvent;
    static CZMRMarkupRoutedEvent* m_pMouseEnterEvent;
    static CZMRMarkupRoutedEvent* m_pMouseLeftButtonUpEvent;
    static CZMRMarkupRoutedEvent* m_pMouseLeftButtonDownEvent;
    static CZMRMarkupRoutedEvent* m_pMouseRightButtonUpEvent;
    static CZMRMarkupRoutedEvent* m_pMouseRightButtonDownEvent;
    static CZMRMarkupRoutedEvent* m_pMouseMoveEvent;
    static CZMRMarkupRoutedEvent* m_pLostMouseCaptureEvent;

    // The local value, then an active trigger's, the style's and the type's
    // default style's.
    CZMRMarkupObject* GetValueCore(CZMRMarkupDependencyProperty* pProperty) const override;
    // An event attribute adds the context's delegate of that name as a handler.
    void AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                             CZMRMarkupObject* pValue) override;
    // Leaves the context's hover and capture first; the context outlives the
    // element's destruction by its own reference.
    void OnFinalRelease() override;

    // Slots 14 to 25, in this order. The context calls the mouse operations
    // along the element chain when an event's handlers left it unhandled.
    virtual void OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseEnter(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseMove(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnQueryCursor(CZMRMarkupQueryCursorEventArgs* pArgs);
    virtual void OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseRightButtonUp(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseRightButtonDown(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnLostMouseCapture(CZMRMarkupMouseEventArgs* pArgs);
    virtual void OnMouseWheel(CZMRMarkupMouseWheelEventArgs* pArgs);
    // The innermost element at the point (in the parent's coordinates), or null.
    virtual CZMRMarkupInputElement* InputHitTest(CPoint pt);
    // Finds the implicit style when the element has none, then evaluates the
    // style's triggers.
    virtual void ApplyStyle();

    // The caller hands over one reference of the handler.
    void AddHandler(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler);
    // Runs this element's handlers of the record's event; a bubbling event
    // goes on up to the root and then to the context's handlers.
    void RaiseEvent(CZMRMarkupRoutedEventArgs* pArgs);
    // The handlers of this element's list for the event, in the order added.
    void RaiseHandlers(CZMRMarkupRoutedEventArgs* pArgs);
    int GetHandlerCount(CZMRMarkupRoutedEvent* pEvent) const;

    void CaptureMouse();
    void ReleaseMouseCapture();
    // Focus goes through the context's keyboard navigation, which moves none.
    void Focus();

    // Re-evaluates the style's triggers after pProperty changed to pNewValue;
    // null evaluates every trigger against the current values.
    void UpdateTriggers(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pNewValue);
    CZMRMarkupActiveTriggerCollection* GetActiveTriggers() const { return m_pActiveTriggers; }
    // The value an active trigger sets, or null.
    CZMRMarkupObject* GetTriggerValue(CZMRMarkupDependencyProperty* pProperty) const;

    CZMRMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }
    // Only the context binds and unbinds its elements.
    void SetMarkupContext(CZMRMarkupContext* pContext) { m_pMarkupContext = pContext; }
    CZMRMarkupStyle* GetStyle() const { return m_pStyle; }
    // The Style property's value, else the default style of the element's type.
    CZMRMarkupStyle* GetEffectiveStyle() const;

    BOOL IsMouseOver() const;
    BOOL IsKeyboardFocused() const;

    static void AFXAPI OnStyleChanged(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change);

protected:
    // Appends the style's (and its BasedOn's) triggers that match to the
    // active ones; TRUE when any was appended.
    BOOL CollectActiveTriggers(CZMRMarkupStyle* pStyle, CZMRMarkupDependencyProperty* pProperty,
                               CZMRMarkupObject* pValue);

    CZMRMarkupEventHandlers* m_pHandlers;            // made at the first AddHandler
    CZMRMarkupContext* m_pMarkupContext;             // one reference
    CZMRMarkupActiveTriggerCollection* m_pActiveTriggers;   // owned
    CZMRMarkupProperties* m_pTriggerValues;          // owned
    CZMRMarkupStyle* m_pStyle;                       // not owned
    // The trigger updates running on this element, innermost first: one
    // entry on the stack of each UpdateTriggers call.
    struct CTriggerUpdate
    {
        CZMRMarkupDependencyProperty* pProperty;
        CTriggerUpdate* pOuter;
    };
    CTriggerUpdate* m_pTriggerUpdates;
};
