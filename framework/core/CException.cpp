#include "core/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = 0;
    return FALSE;
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    LPCTSTR lpszMessage = GetStandardMessage();
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    *lpszError = 0;
    if (lpszMessage == nullptr)
        return FALSE;
    lstrcpynW(lpszError, lpszMessage, (int)nMaxError);
    return TRUE;
}

LPCTSTR CMemoryException::GetStandardMessage() const { return L"Out of memory."; }
LPCTSTR CNotSupportedException::GetStandardMessage() const { return L"An unsupported operation was attempted."; }
LPCTSTR CInvalidArgException::GetStandardMessage() const { return L"Encountered an improper argument."; }
LPCTSTR CResourceException::GetStandardMessage() const { return L"A required resource was unavailable."; }

namespace {

// Throws a new exception of the kind; when even that allocation fails, a
// static one that Delete leaves alone.
template <typename E>
[[noreturn]] void ThrowSimple()
{
    E* e = new (std::nothrow) E;
    if (e == nullptr)
    {
        static E s_fallback(FALSE);
        throw static_cast<E*>(&s_fallback);
    }
    throw e;
}

} // namespace

void AFXAPI AfxThrowMemoryException()
{
    // Never allocates: memory is what is short.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException() { ThrowSimple<CNotSupportedException>(); }
void AFXAPI AfxThrowInvalidArgException() { ThrowSimple<CInvalidArgException>(); }
void AFXAPI AfxThrowResourceException() { ThrowSimple<CResourceException>(); }
void AFXAPI AfxThrowUserException() { ThrowSimple<CUserException>(); }
