#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDelegate.h"
#include "CZMRMarkupEventHandlers.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupProperties.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupInputElement)

CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pCursorProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pIsMouseOverProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pResourcesProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pStyleProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pIsKeyboardFocusedProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pIsFocusableProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupInputElement::m_pToolTipProperty = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseLeaveEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseEnterEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseLeftButtonUpEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseLeftButtonDownEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseRightButtonUpEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseRightButtonDownEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pMouseMoveEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupInputElement::m_pLostMouseCaptureEvent = nullptr;

void AFXAPI CZMRMarkupInputElement::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupInputElement::GetMarkupType();
    CZMRMarkupType* pBool = CZMRMarkupBool::GetMarkupType();
    m_pCursorProperty = CZMRMarkupDependencyProperty::Register(
        L"Cursor", CZMRMarkupInt::GetMarkupType(), pOwner, new CZMRMarkupPropertyMetadata(nullptr, &ConvertCursor, 0));
    m_pIsMouseOverProperty = CZMRMarkupDependencyProperty::Register(
        L"IsMouseOver", pBool, pOwner, new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), 0));
    CZMRMarkupType::EnsureRegistered(CZMRMarkupStyle::GetMarkupType());
    m_pResourcesProperty = CZMRMarkupStyle::m_pResourcesProperty->AddOwner(pOwner);
    m_pStyleProperty = CZMRMarkupDependencyProperty::Register(
        L"Style", CZMRMarkupStyle::GetMarkupType(), pOwner, new CZMRMarkupPropertyMetadata(nullptr, &OnStyleChanged, 0));
    m_pIsKeyboardFocusedProperty = CZMRMarkupDependencyProperty::Register(
        L"IsKeyboardFocused", pBool, pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), CZMRMarkupPropertyMetadata::flagAffectsRender));
    m_pIsFocusableProperty = CZMRMarkupDependencyProperty::Register(
        L"IsFocusable", pBool, pOwner, new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), 0));
    m_pToolTipProperty =
        CZMRMarkupDependencyProperty::Register(L"ToolTip", CZMRMarkupObject::GetMarkupType(), pOwner);

    m_pMouseLeaveEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeave", 0, pOwner);
    m_pMouseEnterEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseEnter", 0, pOwner);
    m_pMouseLeftButtonUpEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeftButtonUp", 0, pOwner);
    m_pMouseLeftButtonDownEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseLeftButtonDown", 0, pOwner);
    m_pMouseRightButtonUpEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseRightButtonUp", 0, pOwner);
    m_pMouseRightButtonDownEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseRightButtonDown", 0, pOwner);
    m_pMouseMoveEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"MouseMove", 0, pOwner);
    m_pLostMouseCaptureEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"pLostMouseCapture", 0, pOwner);
}

CZMRMarkupInputElement::CZMRMarkupInputElement()
    : m_pHandlers(nullptr), m_pMarkupContext(nullptr), m_pActiveTriggers(nullptr), m_pTriggerValues(nullptr),
      m_pStyle(nullptr), m_pTriggerUpdates(nullptr)
{
}

CZMRMarkupInputElement::~CZMRMarkupInputElement()
{
    delete m_pHandlers;
    if (m_pActiveTriggers)
        m_pActiveTriggers->Release();
    if (m_pTriggerValues)
        m_pTriggerValues->Release();
}

void CZMRMarkupInputElement::OnFinalRelease()
{
    // The element's context reference is given back only after the element
    // is gone, so the context is alive while the element's destructor (and
    // its children's) give back fonts and other things it made.
    CZMRMarkupContext* pContext = m_pMarkupContext;
    if (pContext)
        pContext->UnregisterElement(this);
    delete this;
    if (pContext)
        pContext->Release();
}

CZMRMarkupObject* CZMRMarkupInputElement::GetValueCore(CZMRMarkupDependencyProperty* pProperty) const
{
    CZMRMarkupObject* pValue = CZMRMarkupObject::GetValueCore(pProperty);
    if (pValue)
        return pValue;
    pValue = GetTriggerValue(pProperty);
    if (pValue)
        return pValue;
    if (m_pStyle)
    {
        pValue = m_pStyle->GetSetterValue(pProperty);
        if (pValue)
            return pValue;
    }
    CZMRMarkupType* pType = GetType();
    CZMRMarkupStyle* pTypeStyle = pType ? static_cast<CZMRMarkupStyle*>(pType->GetDefaultStyle()) : nullptr;
    return pTypeStyle ? pTypeStyle->GetSetterValue(pProperty) : nullptr;
}

CZMRMarkupObject* CZMRMarkupInputElement::GetTriggerValue(CZMRMarkupDependencyProperty* pProperty) const
{
    return m_pTriggerValues ? m_pTriggerValues->GetLocal(pProperty) : nullptr;
}

void CZMRMarkupInputElement::AssignPropertyValue(CZMRMarkupBuilder* pBuilder,
                                                 CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue)
{
    if (!pProperty || !pProperty->IsEvent())
    {
        CZMRMarkupObject::AssignPropertyValue(pBuilder, pProperty, pValue);
        return;
    }
    if (!m_pMarkupContext)
        RaiseMarkupError(L"Markup Context is NULL");
    CZMRMarkupString* pName = MarkupCast<CZMRMarkupString>(pValue);
    LPCWSTR lpszName = pName ? pName->GetText() : L"";
    CZMRMarkupDelegate* pDelegate = m_pMarkupContext->FindDelegate(lpszName);
    if (!pDelegate)
        RaiseMarkupError(FormatMarkupMessage(L"'%ls' delegate not found", lpszName));
    pDelegate->AddRef();
    AddHandler(static_cast<CZMRMarkupRoutedEvent*>(pProperty), pDelegate);
    if (pValue)
        pValue->Release();
}

void CZMRMarkupInputElement::AddHandler(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler)
{
    if (!m_pHandlers)
        m_pHandlers = new CZMRMarkupEventHandlers();
    m_pHandlers->Add(pEvent, pHandler);
}

int CZMRMarkupInputElement::GetHandlerCount(CZMRMarkupRoutedEvent* pEvent) const
{
    return m_pHandlers ? m_pHandlers->GetCount(pEvent) : 0;
}

void CZMRMarkupInputElement::RaiseHandlers(CZMRMarkupRoutedEventArgs* pArgs)
{
    if (!m_pHandlers)
        return;
    // A handler may drop the last outside reference of the element.
    AddRef();
    m_pHandlers->Raise(this, pArgs);
    Release();
}

void CZMRMarkupInputElement::RaiseEvent(CZMRMarkupRoutedEventArgs* pArgs)
{
    if (!pArgs || !pArgs->pEvent)
        return;
    if (!pArgs->pEvent->IsBubbling())
    {
        RaiseHandlers(pArgs);
        return;
    }
    for (CZMRMarkupObject* pObject = this; pObject; pObject = pObject->GetLogicalParent())
    {
        CZMRMarkupInputElement* pElement = MarkupCast<CZMRMarkupInputElement>(pObject);
        if (!pElement)
            continue;
        pElement->RaiseHandlers(pArgs);
        if (pArgs->bHandled)
            return;
    }
    if (m_pMarkupContext)
        m_pMarkupContext->RaiseHandlers(this, pArgs);
}

void CZMRMarkupInputElement::OnMouseLeave(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
    SetValue(m_pIsMouseOverProperty, nullptr);
}

void CZMRMarkupInputElement::OnMouseEnter(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
    SetValue(m_pIsMouseOverProperty, CZMRMarkupBool::CreateTrueValue());
}

void CZMRMarkupInputElement::OnMouseMove(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnQueryCursor(CZMRMarkupQueryCursorEventArgs* pArgs)
{
    CZMRMarkupInt* pCursor = MarkupCast<CZMRMarkupInt>(GetValue(m_pCursorProperty));
    if (!pCursor)
        return;
    pArgs->bHandled = TRUE;
    pArgs->hCursor = pCursor->GetValue() ? ::LoadCursorW(nullptr, MAKEINTRESOURCEW(pCursor->GetValue())) : nullptr;
}

void CZMRMarkupInputElement::OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnMouseRightButtonUp(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnMouseRightButtonDown(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnLostMouseCapture(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}

void CZMRMarkupInputElement::OnMouseWheel(CZMRMarkupMouseWheelEventArgs* /*pArgs*/)
{
}

CZMRMarkupInputElement* CZMRMarkupInputElement::InputHitTest(CPoint /*pt*/)
{
    return nullptr;
}

void CZMRMarkupInputElement::CaptureMouse()
{
    if (m_pMarkupContext)
        m_pMarkupContext->CaptureMouse(this);
}

void CZMRMarkupInputElement::ReleaseMouseCapture()
{
    if (m_pMarkupContext)
        m_pMarkupContext->ReleaseMouseCapture();
}

void CZMRMarkupInputElement::Focus()
{
    if (m_pMarkupContext && m_pMarkupContext->GetKeyboardNavigation())
        m_pMarkupContext->GetKeyboardNavigation()->Focus(this);
}

BOOL CZMRMarkupInputElement::IsMouseOver() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pIsMouseOverProperty));
    return pValue && pValue->GetValue();
}

BOOL CZMRMarkupInputElement::IsKeyboardFocused() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pIsKeyboardFocusedProperty));
    return pValue && pValue->GetValue();
}
