// The coloured header above the tabs of one context in the ribbon's caption
// band: the context's first and last visible tab, its caption and colour.
#pragma once
#include "Framework.h"

class CZMRRibbonTab;

class CZMRRibbonTabContextHeader
{
public:
    CZMRRibbonTabContextHeader() : m_pFirstTab(nullptr), m_pLastTab(nullptr), m_nColor(0) {}

    CZMRRibbonTab* m_pFirstTab;
    CZMRRibbonTab* m_pLastTab;
    CString m_strCaption;
    int m_nColor;      // a tab's context colour
    CRect m_rcHeader;  // client coordinates of the ribbon
};
