#include "CZMRPaintManagerColor.h"

void CZMRPaintManagerColor::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << DWORD(m_clrStandardValue);
        ar << DWORD(m_clrCustomValue);
    }
    else
    {
        DWORD dwStandard = 0, dwCustom = 0;
        ar >> dwStandard;
        ar >> dwCustom;
        m_clrStandardValue = dwStandard;
        m_clrCustomValue = dwCustom;
    }
}
