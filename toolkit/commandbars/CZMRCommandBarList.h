// The bars met while a state is saved or loaded: numbering before saving
// visits each bar once, and popup controls find their bars by BarID in it
// after loading. The list holds one reference per bar.
#pragma once
#include "Framework.h"

class CZMRCommandBar;

class CZMRCommandBarList
{
public:
    CZMRCommandBarList() = default;
    ~CZMRCommandBarList();
    CZMRCommandBarList(const CZMRCommandBarList&) = delete;
    CZMRCommandBarList& operator=(const CZMRCommandBarList&) = delete;

    // Appends the bar and takes a reference on it.
    void Add(CZMRCommandBar* pBar);
    BOOL Contains(const CZMRCommandBar* pBar) const;
    // The first bar with that BarID, or none.
    CZMRCommandBar* FindBar(int nBarID) const;
    int GetCount() const { return int(m_arrBars.GetSize()); }
    CZMRCommandBar* GetAt(int nIndex) const { return m_arrBars[nIndex]; }
    // Releases every bar.
    void RemoveAll();

private:
    CArray<CZMRCommandBar*, CZMRCommandBar*> m_arrBars;
};
