#include "CZMRMarkupHyperlink.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupButtonBase.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupHyperlink)

CZMRMarkupRoutedEvent* CZMRMarkupHyperlink::m_pClickEvent = nullptr;

namespace
{
// Appends a setter of the property to the value; takes the value's reference.
void AddSetter(CZMRMarkupSetterColection* pSetters, CZMRMarkupDependencyProperty* pProperty,
               CZMRMarkupObject* pValue)
{
    CZMRMarkupSetter* pSetter = new CZMRMarkupSetter();
    pProperty->AddRef();
    pSetter->SetValue(CZMRMarkupSetter::m_pPropertyProperty, pProperty);
    pSetter->SetValue(CZMRMarkupSetter::m_pValueProperty, pValue);
    pSetters->Add(pSetter);
}
}

void AFXAPI CZMRMarkupHyperlink::RegisterMarkupProperties()
{
    // The style is made of setters and triggers, whose properties must exist
    // before the first one is filled in.
    CZMRMarkupType::EnsureRegistered(CZMRMarkupStyle::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupButtonBase::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupSetter::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupTrigger::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupSolidColorBrush::GetMarkupType());
    CZMRMarkupType* pOwner = CZMRMarkupHyperlink::GetMarkupType();
    CZMRMarkupType::EnsureRegistered(pOwner);

    CZMRMarkupStyle* pStyle = new CZMRMarkupStyle();
    AddSetter(pStyle->GetSetters(), m_pTextDecorationsProperty, CZMRMarkupEnum::CreateValue(decorationUnderline));
    AddSetter(pStyle->GetSetters(), m_pForegroundProperty, new CZMRMarkupSolidColorBrush(RGB(0, 0, 255)));
    AddSetter(pStyle->GetSetters(), m_pCursorProperty, new CZMRMarkupInt(32649));   // the hand

    CZMRMarkupTrigger* pTrigger = new CZMRMarkupTrigger();
    m_pIsMouseOverProperty->AddRef();
    pTrigger->SetValue(CZMRMarkupTrigger::m_pPropertyProperty, m_pIsMouseOverProperty);
    pTrigger->SetValue(CZMRMarkupTrigger::m_pValueProperty, CZMRMarkupBool::CreateTrueValue());
    CZMRMarkupSetterColection* pHoverSetters = new CZMRMarkupSetterColection();
    AddSetter(pHoverSetters, m_pForegroundProperty, new CZMRMarkupSolidColorBrush(RGB(255, 0, 0)));
    pTrigger->SetValue(CZMRMarkupTrigger::m_pSettersProperty, pHoverSetters);
    CZMRMarkupTriggerCollection* pTriggers = new CZMRMarkupTriggerCollection();
    pTriggers->Add(pTrigger);
    pStyle->SetValue(CZMRMarkupStyle::m_pTriggersProperty, pTriggers);
    pOwner->SetDefaultStyle(pStyle);

    // The buttons' "Click", so that one handler serves links and buttons.
    m_pClickEvent = static_cast<CZMRMarkupRoutedEvent*>(CZMRMarkupButtonBase::m_pClickEvent->AddOwner(pOwner));
}

CZMRMarkupHyperlink::CZMRMarkupHyperlink() : m_bPressed(FALSE)
{
}

void CZMRMarkupHyperlink::OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs)
{
    m_bPressed = TRUE;
    pArgs->bHandled = TRUE;
}

void CZMRMarkupHyperlink::OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs)
{
    if (!m_bPressed)
        return;
    m_bPressed = FALSE;
    OnClick();
    pArgs->bHandled = TRUE;
}

void CZMRMarkupHyperlink::OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs)
{
    m_bPressed = FALSE;
    CZMRMarkupSpan::OnMouseLeave(pArgs);
}

void CZMRMarkupHyperlink::OnClick()
{
    CZMRMarkupRoutedEventArgs args(m_pClickEvent, this);
    RaiseEvent(&args);
}
