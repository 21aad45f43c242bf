// The resource key of the system brush of one system colour index. Keys
// compare by identity; the builder hands out one key object per index and
// build, so a resource stored under it is found by a later mention.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupBrushKey : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupBrushKey)
public:
    explicit CZMRMarkupBrushKey(int nIndex = 0) : m_nIndex(nIndex) {}

    int GetIndex() const { return m_nIndex; }

private:
    int m_nIndex;
};
