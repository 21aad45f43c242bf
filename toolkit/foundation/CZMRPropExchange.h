// The interface through which toolkit objects save and load their state by
// named, typed values and nested sections. One routine serves both
// directions; a store supplies the two primitives (one typed value, one
// child section) and the base builds every other operation on them.
#pragma once

#include "Framework.h"

class CZMRPropExchangeEnumerator;

// Value types of ExchangeTypedValue: the system's variant codes, with text
// as the framework's string and two codes of the toolkit's own.
enum
{
    ZMR_PX_SHORT = VT_I2,       // 16-bit integer
    ZMR_PX_INT = VT_I4,         // 32-bit integer
    ZMR_PX_FLOAT = VT_R4,
    ZMR_PX_DOUBLE = VT_R8,
    ZMR_PX_CURRENCY = VT_CY,    // CY
    ZMR_PX_DATE = VT_DATE,      // COleDateTime
    ZMR_PX_BOOL = VT_BOOL,      // BOOL (32 bits)
    ZMR_PX_VARIANT = VT_VARIANT, // COleVariant
    ZMR_PX_BYTE = VT_UI1,
    ZMR_PX_STRING = VT_LPSTR,   // CString
    ZMR_PX_RECT = 100,          // CRect
    ZMR_PX_SIZE = 101,          // CSize
};

// The schema written by this version, and the one that data from before
// the schema mark existed counts as.
const int ZMR_PX_SCHEMA_CURRENT = 33;
const int ZMR_PX_SCHEMA_UNMARKED = 17;

class CZMRPropExchange : public CCmdTarget
{
    DECLARE_DYNAMIC(CZMRPropExchange)
public:
    CZMRPropExchange();

    BOOL IsLoading() const { return m_bLoading; }
    int GetSchema() const { return m_nSchema; }

    // Exchanges one value of a type code; the default (the text itself for
    // strings) applies when loading a missing value.
    virtual BOOL ExchangeTypedValue(LPCTSTR pszPropName, int nType, void* pValue, const void* pDefault) = 0;
    // A byte buffer; loading into a null buffer allocates one with malloc.
    virtual BOOL ExchangeByteBuffer(LPCTSTR pszPropName, BYTE** ppBuffer, DWORD* pcbBuffer);
    // A run-time class; loading an unknown class gives null and false.
    virtual BOOL ExchangeClassByName(LPCTSTR pszPropName, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass);
    // "Class", then, when loading, a new object of that class derived from the base.
    virtual BOOL ExchangeCreatedObject(CObject** ppObject, CRuntimeClass* pBaseClass);
    // A framework archive over a nested binary stream, ended by ReleaseArchive.
    virtual CArchive* GetArchive(LPCTSTR pszPropName);
    virtual void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive);
    // A child exchange holding one reference, released by the caller.
    virtual CZMRPropExchange* GetSection(LPCTSTR pszSection) = 0;
    virtual void SetSectionOption();
    virtual void WriteCount(DWORD nCount);
    virtual DWORD ReadCount();
    virtual BOOL ExchangeByteBufferChecked(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer);
    virtual DWORD ExchangeByteBufferCounted(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer);
    // Named stores may leave out values equal to their defaults.
    virtual BOOL IsNamedStore();
    virtual BOOL IsArchiveStore();
    virtual BOOL StartExchange();
    // An enumerator of numbered sections, deleted by the caller.
    virtual CZMRPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection);
    virtual void ExchangeSchema();

    // Set by the creator of the root exchange (the command bars' parameter
    // record); copied into child sections.
    void* m_pOwnerContext;
    // Set on a section by loading code for the objects inside it; not copied.
    void* m_pSectionOwner;
    BOOL m_bLoading;
    int m_nSchema;
    BOOL m_bSectionOption;
    BOOL m_bStarted;
};

// The calls every exchange routine makes; each returns false and does
// nothing when there is no exchange.
BOOL PropExchangeInt(CZMRPropExchange* pPX, LPCTSTR pszPropName, int* pnValue, int nDefault);
BOOL PropExchangeIntNoDefault(CZMRPropExchange* pPX, LPCTSTR pszPropName, int* pnValue);
BOOL PropExchangeBool(CZMRPropExchange* pPX, LPCTSTR pszPropName, BOOL* pbValue, BOOL bDefault);
BOOL PropExchangeString(CZMRPropExchange* pPX, LPCTSTR pszPropName, CString* pstrValue, LPCTSTR pszDefault);
BOOL PropExchangeStringNoDefault(CZMRPropExchange* pPX, LPCTSTR pszPropName, CString* pstrValue);
BOOL PropExchangeSize(CZMRPropExchange* pPX, LPCTSTR pszPropName, CSize* pszValue, CSize szDefault);
BOOL PropExchangeRect(CZMRPropExchange* pPX, LPCTSTR pszPropName, CRect* prcValue, CRect rcDefault);
BOOL PropExchangeClass(CZMRPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass** ppClass,
                       CRuntimeClass* pDefaultClass);
BOOL PropExchangeBlob(CZMRPropExchange* pPX, LPCTSTR pszPropName, BYTE** ppBuffer, DWORD* pcbBuffer);
// The object's framework serialisation as a nested stream; false when an
// archive or OLE exception ended it.
BOOL PropExchangeSerialize(CZMRPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject);

// The module's run-time class of exactly that name, or null.
CRuntimeClass* FindRuntimeClassByName(LPCSTR lpszClassName);
