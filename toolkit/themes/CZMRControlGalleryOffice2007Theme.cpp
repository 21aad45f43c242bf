#include "CZMRControlGalleryOffice2007Theme.h"
#include "CZMROffice2007Theme.h"

CZMRControlGalleryOffice2007Theme::CZMRControlGalleryOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRControlGalleryPaintManager(pTheme), m_clrControlGallerySelected(0), m_clrControlGalleryNormal(0),
      m_clrControlGalleryBorder(0), m_pTheme(pTheme)
{
}
