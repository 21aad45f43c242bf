// CException: the framework's exceptions, thrown as pointers and caught as
//     catch (CException* e) { ...; e->Delete(); }
// This header holds the base classes and the kinds without data of their
// own; CFileException and CArchiveException have headers of their own.
#pragma once

#include "core/CObject.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    explicit CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

    // Frees an exception made on the heap; static ones (auto-delete off) stay.
    void Delete();
    // The text shown to the user; FALSE when the exception has none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

    BOOL m_bAutoDelete = TRUE;
};

// Exceptions whose whole content is their kind; the message is a fixed text.
class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException() = default;
    explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

protected:
    virtual LPCTSTR GetStandardMessage() const { return nullptr; }
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    explicit CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
protected:
    LPCTSTR GetStandardMessage() const override;
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
    explicit CNotSupportedException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
protected:
    LPCTSTR GetStandardMessage() const override;
};

class CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() = default;
    explicit CInvalidArgException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
protected:
    LPCTSTR GetStandardMessage() const override;
};

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    explicit CResourceException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
protected:
    LPCTSTR GetStandardMessage() const override;
};

// Ends an operation the user has already been told about; reported silently.
class CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
    explicit CUserException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();
