#include "CZMRNarrowString.h"
#include "CZMRResourceManager.h"

CZMRNarrowString::CZMRNarrowString(LPCWSTR lpszText)
{
    if (!lpszText)
        lpszText = L"";
    const UINT nCodePage = GetResourceManager()->GetLanguageInfo()->nCodePage;
    int n = ::WideCharToMultiByte(nCodePage, 0, lpszText, -1, nullptr, 0, nullptr, nullptr);
    if (n < 0)
        n = 0;
    m_lpszText = new char[n + 1];
    if (n > 0)
        ::WideCharToMultiByte(nCodePage, 0, lpszText, -1, m_lpszText, n, nullptr, nullptr);
    m_lpszText[n] = 0;
    if (n > 0)
        m_lpszText[n - 1] = 0;
}

CZMRNarrowString::~CZMRNarrowString()
{
    delete[] m_lpszText;
}
