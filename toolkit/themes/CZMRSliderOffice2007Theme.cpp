#include "CZMRSliderOffice2007Theme.h"
#include "CZMROffice2007Theme.h"

CZMRSliderOffice2007Theme::CZMRSliderOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRSliderPaintManager(pTheme), m_pTheme(pTheme)
{
}
