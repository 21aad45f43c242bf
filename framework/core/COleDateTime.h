// COleDateTime: a point in time as an OLE date (days since 30 December 1899,
// the time of day as the fraction) with a status. In an archive: the status
// as 32 bits, then the date as 8 bytes.
#pragma once

#include "core/CoreDefs.h"
#include <oleauto.h>

class CArchive;

class COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    DATE m_dt;
    DateTimeStatus m_status;
};

CArchive& AFXAPI operator<<(CArchive& ar, const COleDateTime& dateSrc);
// A status outside the known ones reads as invalid.
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc);
