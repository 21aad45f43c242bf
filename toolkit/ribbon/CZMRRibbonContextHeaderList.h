// The context headers of a ribbon, in the order of their tabs; rebuilt by
// every arrangement of the ribbon. The list owns the headers.
#pragma once
#include "CZMRRibbonTabContextHeader.h"

class CZMRRibbonContextHeaderList
{
public:
    CZMRRibbonContextHeaderList() {}
    ~CZMRRibbonContextHeaderList() { RemoveAll(); }

    int GetCount() const { return int(m_arrHeaders.GetSize()); }
    // An index outside the list raises the framework's invalid-argument exception.
    CZMRRibbonTabContextHeader* GetAt(int nIndex) const;
    // Takes ownership of the header.
    void Add(CZMRRibbonTabContextHeader* pHeader) { m_arrHeaders.Add(pHeader); }
    // The first header whose rectangle holds the point, or none.
    CZMRRibbonTabContextHeader* HitTest(CPoint point) const;
    void RemoveAll();

private:
    CZMRRibbonContextHeaderList(const CZMRRibbonContextHeaderList&) = delete;
    CZMRRibbonContextHeaderList& operator=(const CZMRRibbonContextHeaderList&) = delete;

    CArray<CZMRRibbonTabContextHeader*, CZMRRibbonTabContextHeader*> m_arrHeaders;
};
