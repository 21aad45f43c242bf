// Numbered child sections of an exchange ("Item0", "Item1", ...) behind a
// count, for lists of objects.
#pragma once

#include "CZMRPropExchange.h"

class CZMRPropExchangeEnumerator
{
public:
    CZMRPropExchangeEnumerator(CZMRPropExchange* pContainer, LPCTSTR pszSection);
    virtual ~CZMRPropExchangeEnumerator();

    // Keeps and exchanges the count (compact: the store's own count form,
    // else the value "Count"); the first position, or null for none.
    virtual POSITION GetPosition(DWORD nCount = 0, BOOL bCompactMode = TRUE);
    // The section of the position, released by the caller; advances the
    // position, to null after the last.
    virtual CZMRPropExchange* GetNext(POSITION& pos);

    DWORD GetCount() const { return m_nCount; }

protected:
    CZMRPropExchange* m_pContainer;
    CString m_strSectionName;
    DWORD m_nCount;
};
