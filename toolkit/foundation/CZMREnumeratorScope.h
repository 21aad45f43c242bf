// Holds an enumerator of a property exchange and deletes it when the scope
// ends.
#pragma once

#include "CZMRPropExchangeEnumerator.h"

class CZMREnumeratorScope
{
public:
    explicit CZMREnumeratorScope(CZMRPropExchangeEnumerator* pEnumerator = nullptr) : m_pEnumerator(pEnumerator) {}
    ~CZMREnumeratorScope();
    CZMREnumeratorScope(const CZMREnumeratorScope&) = delete;
    CZMREnumeratorScope& operator=(const CZMREnumeratorScope&) = delete;

    CZMRPropExchangeEnumerator* operator->() const { return m_pEnumerator; }
    operator CZMRPropExchangeEnumerator*() const { return m_pEnumerator; }

private:
    CZMRPropExchangeEnumerator* m_pEnumerator;
};
