// The resource key of the system color of one system colour index. Keys
// compare by identity; the builder hands out one key object per index and
// build, so a resource stored under it is found by a later mention.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupColorKey : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupColorKey)
public:
    explicit CZMRMarkupColorKey(int nIndex = 0) : m_nIndex(nIndex) {}

    int GetIndex() const { return m_nIndex; }

private:
    int m_nIndex;
};
