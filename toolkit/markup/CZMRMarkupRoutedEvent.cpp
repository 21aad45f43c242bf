#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupString.h"

BOOL CZMRMarkupRoutedEvent::IsEvent() const
{
    return TRUE;
}

BOOL CZMRMarkupRoutedEvent::IsBubbling() const
{
    return m_pMetadata && (m_pMetadata->GetFlags() & routeBubble) != 0;
}

CZMRMarkupRoutedEvent* AFXAPI CZMRMarkupRoutedEvent::RegisterRoutedEvent(LPCWSTR lpszName, DWORD dwFlags,
                                                                        CZMRMarkupType* pOwnerType)
{
    CZMRMarkupRoutedEvent* pEvent = new CZMRMarkupRoutedEvent();
    pEvent->RegisterCore(lpszName, CZMRMarkupString::GetMarkupType(), pOwnerType);
    if (dwFlags)
        pEvent->m_pMetadata = new CZMRMarkupPropertyMetadata(nullptr, dwFlags);
    return pEvent;
}
