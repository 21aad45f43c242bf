// Holds a section of a property exchange and releases its reference when
// the scope ends.
#pragma once

#include "CZMRPropExchange.h"

class CZMRSectionScope
{
public:
    explicit CZMRSectionScope(CZMRPropExchange* pSection = nullptr) : m_pSection(pSection) {}
    ~CZMRSectionScope();
    CZMRSectionScope(const CZMRSectionScope&) = delete;
    CZMRSectionScope& operator=(const CZMRSectionScope&) = delete;

    CZMRPropExchange* operator->() const { return m_pSection; }
    operator CZMRPropExchange*() const { return m_pSection; }

private:
    CZMRPropExchange* m_pSection;
};
