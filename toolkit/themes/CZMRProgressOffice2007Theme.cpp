#include "CZMRProgressOffice2007Theme.h"
#include "CZMROffice2007Theme.h"

CZMRProgressOffice2007Theme::CZMRProgressOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRProgressPaintManager(pTheme), m_pTheme(pTheme)
{
    m_nDefaultHeight = 12;
}
