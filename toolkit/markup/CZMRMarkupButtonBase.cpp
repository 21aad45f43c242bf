#include "CZMRMarkupButtonBase.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupTextElement.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupButtonBase)

CZMRMarkupRoutedEvent* CZMRMarkupButtonBase::m_pClickEvent = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupButtonBase::m_pIsPressedProperty = nullptr;

void AFXAPI CZMRMarkupButtonBase::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupButtonBase::GetMarkupType();
    m_pClickEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"Click", CZMRMarkupRoutedEvent::routeBubble, pOwner);
    m_pIsPressedProperty = CZMRMarkupDependencyProperty::Register(
        L"IsPressed", CZMRMarkupBool::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), CZMRMarkupPropertyMetadata::flagAffectsArrange));
}

CZMRMarkupButtonBase::CZMRMarkupButtonBase()
    : m_bPressed(FALSE), m_bMouseInside(FALSE), m_themeButton(TRUE), m_pGrayText(nullptr)
{
    SetValue(m_pFocusableProperty, CZMRMarkupBool::CreateTrueValue());
}

CZMRMarkupButtonBase::~CZMRMarkupButtonBase()
{
    if (m_pGrayText)
        m_pGrayText->Release();
}

CZMRMarkupObject* CZMRMarkupButtonBase::GetValueCore(CZMRMarkupDependencyProperty* pProperty) const
{
    CZMRMarkupObject* pValue = CZMRMarkupContentControl::GetValueCore(pProperty);
    if (pValue || pProperty != CZMRMarkupTextElement::m_pForegroundProperty || IsEnabled() ||
        const_cast<CZMRWinThemeWrapper&>(m_themeButton).IsThemeOpenAndActive())
        return pValue;
    const COLORREF clrGray = ::GetSysColor(COLOR_GRAYTEXT);
    if (!m_pGrayText || m_pGrayText->GetColor() != clrGray)
    {
        if (m_pGrayText)
            m_pGrayText->Release();
        m_pGrayText = new CZMRMarkupSolidColorBrush(clrGray);
    }
    return m_pGrayText;
}

BOOL CZMRMarkupButtonBase::IsPressed() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pIsPressedProperty));
    return pValue && pValue->GetValue();
}

BOOL CZMRMarkupButtonBase::IsEnabled() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pIsEnabledProperty));
    return !pValue || pValue->GetValue();
}

void CZMRMarkupButtonBase::OnMouseEnter(CZMRMarkupMouseEventArgs* pArgs)
{
    m_bMouseInside = TRUE;
    if (m_bPressed)
    {
        SetValue(m_pIsPressedProperty, CZMRMarkupBool::CreateTrueValue());
        return;
    }
    CZMRMarkupContentControl::OnMouseEnter(pArgs);
    InvalidateVisual();
}

void CZMRMarkupButtonBase::OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs)
{
    m_bMouseInside = FALSE;
    if (m_bPressed)
    {
        SetValue(m_pIsPressedProperty, nullptr);
        return;
    }
    CZMRMarkupContentControl::OnMouseLeave(pArgs);
    InvalidateVisual();
}

void CZMRMarkupButtonBase::OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs)
{
    if (!IsEnabled())
        return;
    Focus();
    SetPressed(TRUE);
    pArgs->bHandled = TRUE;
    CaptureMouse();
}

void CZMRMarkupButtonBase::OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs)
{
    if (!m_bPressed)
        return;
    ReleaseMouseCapture();
    SetPressed(FALSE);
    // Disabled while the press lasted: no click either.
    if (m_bMouseInside && IsEnabled())
        OnClick();
    pArgs->bHandled = TRUE;
}

void CZMRMarkupButtonBase::OnLostMouseCapture(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
    SetPressed(FALSE);
}

void CZMRMarkupButtonBase::SetPressed(BOOL bPressed)
{
    if (bPressed)
    {
        if (m_bPressed)
            return;
        m_bPressed = TRUE;
        SetValue(m_pIsPressedProperty, CZMRMarkupBool::CreateTrueValue());
        return;
    }
    if (!m_bPressed)
        return;
    m_bPressed = FALSE;
    SetValue(m_pIsPressedProperty, nullptr);
    // A press that ended outside the button leaves no hover look.
    if (!m_bMouseInside && IsMouseOver())
    {
        SetValue(m_pIsMouseOverProperty, nullptr);
        InvalidateVisual();
    }
}

void CZMRMarkupButtonBase::OnClick()
{
    CZMRMarkupRoutedEventArgs args(m_pClickEvent, this);
    RaiseEvent(&args);
}
