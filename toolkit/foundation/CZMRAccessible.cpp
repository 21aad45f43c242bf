#include "CZMRAccessible.h"
#include <vector>

CZMRAccessible::CZMRAccessible()
    : m_pfnNotifyWinEvent(nullptr), m_pfnLresultFromObject(nullptr),
      m_pfnAccessibleObjectFromWindow(nullptr)
{
    if (m_modUser32.Init(L"user32.dll"))
        m_modUser32.GetProcAddress(&m_pfnNotifyWinEvent, "NotifyWinEvent");
}

CZMRAccessible::~CZMRAccessible()
{
    m_modOleAcc.FreeModule();
    m_modUser32.FreeModule();
}

HRESULT CZMRAccessible::GetAccParent(IDispatch**) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccChildCount(long*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccChild(VARIANT, IDispatch**) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccName(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccValue(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccDescription(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccRole(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccState(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccHelp(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccKeyboardShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::GetAccFocus(VARIANT*) { return S_FALSE; }
HRESULT CZMRAccessible::GetAccSelection(VARIANT*) { return S_FALSE; }
HRESULT CZMRAccessible::GetAccDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::AccSelect(long, VARIANT) { return E_NOTIMPL; }
HRESULT CZMRAccessible::AccLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }
HRESULT CZMRAccessible::AccNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::AccHitTest(long, long, VARIANT*) { return E_NOTIMPL; }
HRESULT CZMRAccessible::AccDoDefaultAction(VARIANT) { return E_NOTIMPL; }
HRESULT CZMRAccessible::PutAccName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CZMRAccessible::PutAccValue(VARIANT, BSTR) { return E_NOTIMPL; }

void CZMRAccessible::NotifyAccessibilityEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild)
{
    if (m_pfnNotifyWinEvent)
        m_pfnNotifyWinEvent(event, hWnd, idObject, idChild);
}

HRESULT CZMRAccessible::AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectID, REFIID riid, void** ppvObject)
{
    if (!m_modOleAcc.GetHandle())
        m_modOleAcc.Load(L"oleacc.dll");
    if (!m_pfnAccessibleObjectFromWindow)
        m_modOleAcc.GetProcAddress(&m_pfnAccessibleObjectFromWindow, "AccessibleObjectFromWindow");
    if (!m_pfnAccessibleObjectFromWindow)
        return E_FAIL;
    return m_pfnAccessibleObjectFromWindow(hWnd, dwObjectID, riid, ppvObject);
}

LRESULT CZMRAccessible::LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk)
{
    if (!m_modOleAcc.GetHandle())
        m_modOleAcc.Load(L"oleacc.dll");
    if (!m_pfnLresultFromObject)
        m_modOleAcc.GetProcAddress(&m_pfnLresultFromObject, "LresultFromObject");
    if (!m_pfnLresultFromObject)
        return E_FAIL;
    return m_pfnLresultFromObject(riid, wParam, punk);
}

IDispatch* CZMRAccessible::GetAccessibleDispatch()
{
    IAccessible* pInterface = GetAccessibleInterface();
    pInterface->AddRef();
    return pInterface;
}

HRESULT CZMRAccessible::ReturnString(const CString& str, BSTR* pszOut)
{
    if (!pszOut)
        return E_INVALIDARG;
    // An exception must not leave through the interface.
    try
    {
        *pszOut = str.AllocSysString();
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        *pszOut = nullptr;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT CZMRAccessible::ReturnLong(long lValue, VARIANT* pvarOut)
{
    if (!pvarOut)
        return E_INVALIDARG;
    ::VariantInit(pvarOut);
    pvarOut->vt = VT_I4;
    pvarOut->lVal = lValue;
    return S_OK;
}

long CZMRAccessible::GetChildIndex(const VARIANT* pVarChild)
{
    // A variant by reference may point to another one; a chain that comes
    // back to a variant already seen would never end, so it counts as invalid.
    std::vector<const VARIANT*> visited;
    while (pVarChild)
    {
        switch (pVarChild->vt)
        {
        case VT_EMPTY:
            return 0;
        case VT_I2:
            return pVarChild->iVal;
        case VT_I4:
            return pVarChild->lVal;
        case VT_I2 | VT_BYREF:
            return pVarChild->piVal ? *pVarChild->piVal : -1;
        case VT_I4 | VT_BYREF:
            return pVarChild->plVal ? *pVarChild->plVal : -1;
        case VT_VARIANT | VT_BYREF:
            for (const VARIANT* pSeen : visited)
            {
                if (pSeen == pVarChild)
                    return -1;
            }
            visited.push_back(pVarChild);
            pVarChild = pVarChild->pvarVal;
            break;
        default:
            return -1;
        }
    }
    return -1;
}

// Interface part ---------------------------------------------------------

STDMETHODIMP CZMRAccessible::XAccessible::QueryInterface(REFIID riid, void** ppvObject)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccessibleTarget()->ExternalQueryInterface(&riid, ppvObject);
}

STDMETHODIMP_(ULONG) CZMRAccessible::XAccessible::AddRef()
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccessibleTarget()->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CZMRAccessible::XAccessible::Release()
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccessibleTarget()->ExternalRelease();
}

STDMETHODIMP CZMRAccessible::XAccessible::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
STDMETHODIMP CZMRAccessible::XAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP CZMRAccessible::XAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
STDMETHODIMP CZMRAccessible::XAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accParent(IDispatch** p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccParent(p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accChildCount(long* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccChildCount(p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accChild(VARIANT v, IDispatch** p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccChild(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accName(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccName(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accValue(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccValue(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accDescription(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccDescription(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accRole(VARIANT v, VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccRole(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accState(VARIANT v, VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccState(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accHelp(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccHelp(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accHelpTopic(BSTR* f, VARIANT v, long* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccHelpTopic(f, v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accKeyboardShortcut(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccKeyboardShortcut(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accFocus(VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccFocus(p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accSelection(VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccSelection(p);
}

STDMETHODIMP CZMRAccessible::XAccessible::get_accDefaultAction(VARIANT v, BSTR* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->GetAccDefaultAction(v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::accSelect(long f, VARIANT v)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->AccSelect(f, v);
}

STDMETHODIMP CZMRAccessible::XAccessible::accLocation(long* x, long* y, long* cx, long* cy, VARIANT v)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->AccLocation(x, y, cx, cy, v);
}

STDMETHODIMP CZMRAccessible::XAccessible::accNavigate(long n, VARIANT v, VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->AccNavigate(n, v, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::accHitTest(long x, long y, VARIANT* p)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->AccHitTest(x, y, p);
}

STDMETHODIMP CZMRAccessible::XAccessible::accDoDefaultAction(VARIANT v)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->AccDoDefaultAction(v);
}

STDMETHODIMP CZMRAccessible::XAccessible::put_accName(VARIANT v, BSTR s)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->PutAccName(v, s);
}

STDMETHODIMP CZMRAccessible::XAccessible::put_accValue(VARIANT v, BSTR s)
{
    METHOD_PROLOGUE(CZMRAccessible, Accessible)
    return pThis->PutAccValue(v, s);
}
