// Draws galleries from the skinned theme's part pictures and colours: the
// face, the label rows, the scroll buttons and the scroll bars of styles 5
// and 6. Anything it does not draw is drawn as the plain gallery's.
#pragma once
#include "CZMRControlGalleryPaintManager.h"

class CZMROffice2007Theme;

class CZMRControlGalleryOffice2007Theme : public CZMRControlGalleryPaintManager
{
public:
    explicit CZMRControlGalleryOffice2007Theme(CZMROffice2007Theme* pTheme);

    COLORREF m_clrControlGallerySelected;
    COLORREF m_clrControlGalleryNormal;
    COLORREF m_clrControlGalleryBorder;

protected:
    CZMROffice2007Theme* m_pTheme;   // owner, whose skin it draws from
};
