#include "CZMRPropExchangeEnumerator.h"

CZMRPropExchangeEnumerator::CZMRPropExchangeEnumerator(CZMRPropExchange* pContainer, LPCTSTR pszSection)
    : m_pContainer(pContainer), m_strSectionName(pszSection), m_nCount(0)
{
}

CZMRPropExchangeEnumerator::~CZMRPropExchangeEnumerator()
{
}

POSITION CZMRPropExchangeEnumerator::GetPosition(DWORD nCount, BOOL bCompactMode)
{
    m_nCount = nCount;
    if (!m_pContainer)
        return nullptr;
    if (!bCompactMode)
    {
        int n = static_cast<int>(m_nCount);
        PropExchangeInt(m_pContainer, L"Count", &n, 0);
        m_nCount = static_cast<DWORD>(n);
    }
    else if (m_pContainer->IsLoading())
    {
        m_nCount = m_pContainer->ReadCount();
    }
    else
    {
        m_pContainer->WriteCount(m_nCount);
    }
    return m_nCount != 0 ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1)) : nullptr;
}

CZMRPropExchange* CZMRPropExchangeEnumerator::GetNext(POSITION& pos)
{
    const UINT_PTR nPosition = reinterpret_cast<UINT_PTR>(pos);
    if (!m_pContainer || nPosition == 0)
    {
        pos = nullptr;
        return nullptr;
    }
    CString strSection;
    strSection.Format(L"%s%i", static_cast<LPCTSTR>(m_strSectionName), static_cast<int>(nPosition - 1));
    CZMRPropExchange* pSection = m_pContainer->GetSection(strSection);
    pos = nPosition >= m_nCount ? nullptr : reinterpret_cast<POSITION>(nPosition + 1);
    return pSection;
}
