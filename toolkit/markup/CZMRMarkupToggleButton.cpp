#include "CZMRMarkupToggleButton.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupRoutedEventArgs.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"

#include <algorithm>
#include <cwchar>

IMPLEMENT_MARKUPCLASS(CZMRMarkupToggleButton)

CZMRMarkupRoutedEvent* CZMRMarkupToggleButton::m_pCheckedEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupToggleButton::m_pUncheckedEvent = nullptr;
CZMRMarkupRoutedEvent* CZMRMarkupToggleButton::m_pIndeterminateEvent = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupToggleButton::m_pIsCheckedProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupToggleButton::m_pIsThreeStateProperty = nullptr;

void AFXAPI CZMRMarkupToggleButton::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupToggleButton::GetMarkupType();
    const DWORD dwBubble = CZMRMarkupRoutedEvent::routeBubble;
    const DWORD dwRender = CZMRMarkupPropertyMetadata::flagAffectsRender;
    m_pCheckedEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"Checked", dwBubble, pOwner);
    m_pUncheckedEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"Unchecked", dwBubble, pOwner);
    m_pIndeterminateEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"Indeterminate", dwBubble, pOwner);
    m_pIsCheckedProperty = CZMRMarkupDependencyProperty::Register(
        L"IsChecked", CZMRMarkupEnum::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupEnum::CreateValue(checkUnchecked), &ConvertIsChecked,
                                       &OnIsCheckedChanged, dwRender));
    m_pIsThreeStateProperty = CZMRMarkupDependencyProperty::Register(
        L"IsThreeState", CZMRMarkupBool::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), dwRender));
}

CZMRMarkupObject* AFXAPI CZMRMarkupToggleButton::ConvertIsChecked(CZMRMarkupContext* /*pContext*/,
                                                                 CZMRMarkupObject* pValue)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pValue);
    if (!pString)
        return nullptr;
    if (_wcsicmp(pString->GetText(), L"True") == 0)
        return CZMRMarkupEnum::CreateValue(checkChecked);
    if (_wcsicmp(pString->GetText(), L"False") == 0)
        return CZMRMarkupEnum::CreateValue(checkUnchecked);
    if (pString->GetLength() == 0)
        return CZMRMarkupEnum::CreateValue(checkIndeterminate);
    return nullptr;
}

int CZMRMarkupToggleButton::GetIsChecked() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pIsCheckedProperty));
    return pValue ? pValue->GetValue() : checkUnchecked;
}

void CZMRMarkupToggleButton::SetIsChecked(int nState)
{
    SetValue(m_pIsCheckedProperty, CZMRMarkupEnum::CreateValue(nState));
}

BOOL CZMRMarkupToggleButton::IsThreeState() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pIsThreeStateProperty));
    return pValue && pValue->GetValue();
}

void AFXAPI CZMRMarkupToggleButton::OnIsCheckedChanged(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change)
{
    CZMRMarkupToggleButton* pToggle = MarkupCast<CZMRMarkupToggleButton>(pObject);
    if (!pToggle)
        return;
    // Every setting raises its state's event, the state it already had
    // included: IsChecked="False" in markup raises Unchecked.
    CZMRMarkupEnum* pNew = MarkupCast<CZMRMarkupEnum>(change.pNewValue);
    const int nNew = pNew ? pNew->GetValue() : checkUnchecked;
    if (nNew == checkChecked)
    {
        CZMRMarkupRoutedEventArgs args(m_pCheckedEvent, pToggle);
        pToggle->OnChecked(&args);
    }
    else if (nNew == checkIndeterminate)
    {
        CZMRMarkupRoutedEventArgs args(m_pIndeterminateEvent, pToggle);
        pToggle->OnIndeterminate(&args);
    }
    else
    {
        CZMRMarkupRoutedEventArgs args(m_pUncheckedEvent, pToggle);
        pToggle->OnUnchecked(&args);
    }
}

void CZMRMarkupToggleButton::OnClick()
{
    OnToggle();
    CZMRMarkupButtonBase::OnClick();
}

void CZMRMarkupToggleButton::OnToggle()
{
    int nState = GetIsChecked();
    if (nState == checkChecked)
        nState = IsThreeState() ? checkIndeterminate : checkUnchecked;
    else if (nState == checkIndeterminate)
        nState = checkUnchecked;
    else
        nState = checkChecked;
    SetIsChecked(nState);
}

void CZMRMarkupToggleButton::OnChecked(CZMRMarkupRoutedEventArgs* pArgs)
{
    RaiseEvent(pArgs);
}

void CZMRMarkupToggleButton::OnUnchecked(CZMRMarkupRoutedEventArgs* pArgs)
{
    RaiseEvent(pArgs);
}

void CZMRMarkupToggleButton::OnIndeterminate(CZMRMarkupRoutedEventArgs* pArgs)
{
    RaiseEvent(pArgs);
}

CSize CZMRMarkupToggleButton::MeasureBesideGlyph(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                                 int nAvailableHeight)
{
    m_themeButton.OpenThemeData(nullptr, L"BUTTON");
    const CSize szPadding = GetThicknessSize(GetPadding());
    const CSize szExtra(AddLengths(szPadding.cx, contentIndent), szPadding.cy);
    CZMRMarkupUIElement* pContent = GetContent();
    if (!pContent)
        return CSize(szExtra.cx, std::max<int>(szExtra.cy, glyphSize));
    pContent->Measure(pDC, SubtractLength(nAvailableWidth, szExtra.cx), SubtractLength(nAvailableHeight, szExtra.cy));
    const CSize szContent = pContent->GetDesiredSize();
    return CSize(AddLengths(szContent.cx, szExtra.cx), std::max<int>(AddLengths(szContent.cy, szExtra.cy), glyphSize));
}

void CZMRMarkupToggleButton::ArrangeBesideGlyph(int nFinalWidth, int nFinalHeight)
{
    CZMRMarkupUIElement* pContent = GetContent();
    if (!pContent)
        return;
    CRect rc = CZMRMarkupThickness::DeflateRect(CRect(0, 0, nFinalWidth, nFinalHeight),
                                                MarkupCast<CZMRMarkupThickness>(GetValue(m_pPaddingProperty)));
    rc.left = std::min<int>(AddLengths(rc.left, contentIndent), rc.right);
    pContent->Arrange(rc);
}

CRect CZMRMarkupToggleButton::GetGlyphRect() const
{
    const int nMiddle = m_szRender.cy / 2;
    return CRect(0, nMiddle - 6, glyphSize, nMiddle + 7);
}

int CZMRMarkupToggleButton::GetGlyphBaseState() const
{
    if (!IsEnabled())
        return 4;
    if (IsPressed())
        return 3;
    return IsMouseOver() ? 2 : 1;
}

void CZMRMarkupToggleButton::DrawGlyphFocus(CZMRMarkupDrawingContext* pDC)
{
    if (!GetContent())
        return;
    const HDC hDC = pDC->GetOutputDC();
    CRect rc(contentIndent - 1, 0, m_szRender.cx, m_szRender.cy);
    const COLORREF clrOldText = ::SetTextColor(hDC, RGB(255, 255, 255));
    const COLORREF clrOldBack = ::SetBkColor(hDC, RGB(0, 0, 0));
    ::DrawFocusRect(hDC, &rc);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
}
