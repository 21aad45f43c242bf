#include "core/COleVariant.h"
#include "core/CArchive.h"
#include "core/COleDateTime.h"
#include "core/COleException.h"

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    *this = varSrc;
}

COleVariant::COleVariant(const COleVariant& varSrc)
{
    ::VariantInit(this);
    *this = static_cast<const VARIANT&>(varSrc);
}

COleVariant::COleVariant(LPCTSTR lpszSrc)
{
    ::VariantInit(this);
    vt = VT_BSTR;
    bstrVal = ::SysAllocString(lpszSrc != nullptr ? lpszSrc : L"");
    if (bstrVal == nullptr)
    {
        vt = VT_EMPTY;
        AfxThrowMemoryException();
    }
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
    : COleVariant(static_cast<long>(nSrc), vtSrc == VT_BOOL ? VT_BOOL : VT_I2)
{
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else if (vtSrc == VT_I2)
    {
        vt = VT_I2;
        iVal = static_cast<SHORT>(lSrc);
    }
    else
    {
        vt = vtSrc == VT_ERROR ? VT_ERROR : VT_I4;
        lVal = lSrc;
    }
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    ::VariantInit(this);
    vt = VT_R8;
    dblVal = dblSrc;
}

COleVariant::COleVariant(CY cySrc)
{
    ::VariantInit(this);
    vt = VT_CY;
    cyVal = cySrc;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    ::VariantInit(this);
    vt = VT_DATE;
    date = dateSrc.m_dt;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (static_cast<const VARIANT*>(this) != &varSrc)
    {
        HRESULT hr = ::VariantCopy(this, const_cast<VARIANT*>(&varSrc));
        if (FAILED(hr))
            AfxThrowOleException(hr);
    }
    return *this;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

void COleVariant::Clear()
{
    ::VariantClear(this);
}

void COleVariant::Attach(VARIANT& varSrc)
{
    Clear();
    *static_cast<VARIANT*>(this) = varSrc;
    varSrc.vt = VT_EMPTY;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CY& cySrc)
{
    return ar << (DWORD)cySrc.Lo << (LONG)cySrc.Hi;
}

CArchive& AFXAPI operator>>(CArchive& ar, CY& cySrc)
{
    DWORD lo;
    LONG hi;
    ar >> lo >> hi;
    cySrc.Lo = lo;
    cySrc.Hi = hi;
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc)
{
    const VARTYPE vtSrc = varSrc.vt;
    // Checked before anything is written, so a refused value leaves no trace.
    switch (vtSrc)
    {
    case VT_EMPTY: case VT_NULL: case VT_BOOL: case VT_I1: case VT_UI1: case VT_I2: case VT_UI2:
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: case VT_I8: case VT_UI8:
    case VT_R4: case VT_R8: case VT_DATE: case VT_CY: case VT_BSTR:
        break;
    default:
        AfxThrowOleException(DISP_E_BADVARTYPE);
    }
    ar << (WORD)vtSrc;
    switch (vtSrc)
    {
    case VT_BOOL: ar << (WORD)varSrc.boolVal; break;
    case VT_I1: case VT_UI1: ar << varSrc.bVal; break;
    case VT_I2: case VT_UI2: ar << (WORD)varSrc.uiVal; break;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: ar << (DWORD)varSrc.ulVal; break;
    case VT_I8: case VT_UI8: ar << (ULONGLONG)varSrc.ullVal; break;
    case VT_R4: ar << varSrc.fltVal; break;
    case VT_R8: ar << varSrc.dblVal; break;
    case VT_DATE: ar << (double)varSrc.date; break;
    case VT_CY: ar << varSrc.cyVal; break;
    case VT_BSTR: ar << CStringW(varSrc.bstrVal, (int)::SysStringLen(varSrc.bstrVal)); break;
    default: break;
    }
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc)
{
    // The value is read into a fresh variant, so a short or damaged stream
    // leaves the caller's value as it was.
    WORD wType;
    ar >> wType;
    COleVariant var;
    switch (wType)
    {
    case VT_EMPTY: case VT_NULL: break;
    case VT_BOOL: { WORD w; ar >> w; var.boolVal = (VARIANT_BOOL)w; break; }
    case VT_I1: case VT_UI1: ar >> var.bVal; break;
    case VT_I2: case VT_UI2: { WORD w; ar >> w; var.uiVal = w; break; }
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: { DWORD dw; ar >> dw; var.ulVal = dw; break; }
    case VT_I8: case VT_UI8: { ULONGLONG q; ar >> q; var.ullVal = q; break; }
    case VT_R4: ar >> var.fltVal; break;
    case VT_R8: ar >> var.dblVal; break;
    case VT_DATE: { double d; ar >> d; var.date = d; break; }
    case VT_CY: ar >> var.cyVal; break;
    case VT_BSTR:
    {
        CStringW str;
        ar >> str;
        var.bstrVal = ::SysAllocStringLen(str.GetString(), (UINT)str.GetLength());
        if (var.bstrVal == nullptr)
            AfxThrowMemoryException();
        break;
    }
    default:
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    }
    var.vt = wType;
    varSrc.Attach(var);
    return ar;
}
