#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupKeyboardNavigation)

CZMRMarkupDependencyProperty* CZMRMarkupKeyboardNavigation::m_pIsTabStopProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupKeyboardNavigation::m_pTabNavigationProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupKeyboardNavigation::m_pTabIndexProperty = nullptr;

void AFXAPI CZMRMarkupKeyboardNavigation::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupKeyboardNavigation::GetMarkupType();
    m_pIsTabStopProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"IsTabStop", CZMRMarkupBool::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateTrueValue(), 0));
    m_pTabNavigationProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"TabNavigation", CZMRMarkupEnum::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertKeyboardNavigationMode, 0));
    m_pTabIndexProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"TabIndex", CZMRMarkupInt::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(new CZMRMarkupInt(2147483647), 0));
}

CZMRMarkupKeyboardNavigation::CZMRMarkupKeyboardNavigation(CZMRMarkupContext* pContext)
    : m_pFocusedElement(nullptr), m_pSecondElement(nullptr), m_pContext(pContext)
{
}

CZMRMarkupKeyboardNavigation::~CZMRMarkupKeyboardNavigation()
{
    if (m_pFocusedElement)
        m_pFocusedElement->Release();
    if (m_pSecondElement)
        m_pSecondElement->Release();
}

int CZMRMarkupKeyboardNavigation::OnWndMsg(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                           LRESULT* /*pResult*/)
{
    return 0;
}

void CZMRMarkupKeyboardNavigation::Focus(CZMRMarkupInputElement* /*pElement*/)
{
}
