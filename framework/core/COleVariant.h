// COleVariant: a VARIANT that clears itself. In an archive: the 16-bit type
// code, then the value in the form of its type (numbers little-endian, a
// currency as its low then its high 32 bits, text in the string form of
// CArchive). Only plain values are stored: references, arrays and objects
// are refused with the OLE exception DISP_E_BADVARTYPE, and an unknown type
// code read back raises the archive exception (bad format).
#pragma once

#include "core/CoreDefs.h"
#include <oleauto.h>

class CArchive;
class COleDateTime;

class COleVariant : public tagVARIANT
{
public:
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(BYTE nSrc);
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);     // VT_I2 or VT_BOOL
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);      // VT_I4, VT_ERROR, VT_I2 or VT_BOOL
    COleVariant(float fltSrc);
    COleVariant(double dblSrc);
    COleVariant(CY cySrc);
    COleVariant(const COleDateTime& dateSrc);
    ~COleVariant();

    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(const VARIANT& varSrc);
    void Clear();
    // Takes the value of a VARIANT over, leaving the source empty.
    void Attach(VARIANT& varSrc);
};

CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc);
// A currency: the low 32 bits, then the high 32 bits.
CArchive& AFXAPI operator<<(CArchive& ar, const CY& cySrc);
CArchive& AFXAPI operator>>(CArchive& ar, CY& cySrc);
