#include "window/IsolationAware.h"

#include <initializer_list>

namespace
{
// The manifest of the module this code is linked into: the isolation-aware
// resource of a library first, then the process manifest of a program. Made
// once; INVALID_HANDLE_VALUE when the module has no manifest, and the calls
// then run in whatever context is active.
HANDLE ModuleContext()
{
    static const HANDLE hContext = [] {
        HMODULE hModule = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(&ModuleContext), &hModule);
        for (LPCWSTR lpszId : {MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(1)})
        {
            if (!::FindResourceW(hModule, lpszId, MAKEINTRESOURCEW(24)))
                continue;
            ACTCTXW actCtx = {};
            actCtx.cbSize = sizeof(actCtx);
            actCtx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
            actCtx.hModule = hModule;
            actCtx.lpResourceName = lpszId;
            HANDLE h = ::CreateActCtxW(&actCtx);
            if (h != INVALID_HANDLE_VALUE)
                return h;
        }
        return INVALID_HANDLE_VALUE;
    }();
    return hContext;
}

// Activates the module's context for the scope of one call.
class CContextScope
{
public:
    CContextScope() : m_ulCookie(0), m_bActive(FALSE)
    {
        HANDLE hContext = ModuleContext();
        if (hContext != INVALID_HANDLE_VALUE)
            m_bActive = ::ActivateActCtx(hContext, &m_ulCookie);
    }
    ~CContextScope()
    {
        if (m_bActive)
            ::DeactivateActCtx(0, m_ulCookie);
    }
    CContextScope(const CContextScope&) = delete;
    CContextScope& operator=(const CContextScope&) = delete;

private:
    ULONG_PTR m_ulCookie;
    BOOL m_bActive;
};
}

int AFXAPI AfxImageListAddMasked(HIMAGELIST hImageList, HBITMAP hBitmap, COLORREF crMask)
{
    CContextScope scope;
    return ::ImageList_AddMasked(hImageList, hBitmap, crMask);
}

HICON AFXAPI AfxImageListGetIcon(HIMAGELIST hImageList, int nImage, UINT nFlags)
{
    CContextScope scope;
    return ::ImageList_GetIcon(hImageList, nImage, nFlags);
}
