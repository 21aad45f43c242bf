#include "core/COleDateTime.h"
#include "core/CArchive.h"

CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTime& dateSrc)
{
    return ar << (LONG)dateSrc.m_status << dateSrc.m_dt;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    LONG nStatus;
    DATE dt;
    ar >> nStatus >> dt;
    dateSrc.m_dt = dt;
    dateSrc.m_status = (nStatus >= COleDateTime::valid && nStatus <= COleDateTime::null)
        ? (COleDateTime::DateTimeStatus)nStatus : COleDateTime::invalid;
    return ar;
}
