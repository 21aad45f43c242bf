// The accessibility mix-in of bars and controls: it exposes its owner as an
// accessible object, hands every query to an overridable handler, and binds
// the accessibility functions of the system at run time.
#pragma once
#include "Framework.h"
#include "CZMRModuleHandle.h"
#include <oleacc.h>

class CZMRAccessible
{
public:
    CZMRAccessible();
    virtual ~CZMRAccessible();

    virtual HRESULT GetAccParent(IDispatch** ppdispParent);
    virtual HRESULT GetAccChildCount(long* pcountChildren);
    virtual HRESULT GetAccChild(VARIANT varChild, IDispatch** ppdispChild);
    virtual HRESULT GetAccName(VARIANT varChild, BSTR* pszName);
    virtual HRESULT GetAccValue(VARIANT varChild, BSTR* pszValue);
    virtual HRESULT GetAccDescription(VARIANT varChild, BSTR* pszDescription);
    virtual HRESULT GetAccRole(VARIANT varChild, VARIANT* pvarRole);
    virtual HRESULT GetAccState(VARIANT varChild, VARIANT* pvarState);
    virtual HRESULT GetAccHelp(VARIANT varChild, BSTR* pszHelp);
    virtual HRESULT GetAccHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
    virtual HRESULT GetAccKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
    virtual HRESULT GetAccFocus(VARIANT* pvarChild);
    virtual HRESULT GetAccSelection(VARIANT* pvarChildren);
    virtual HRESULT GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
    virtual HRESULT AccSelect(long flagsSelect, VARIANT varChild);
    virtual HRESULT AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild);
    virtual HRESULT AccNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt);
    virtual HRESULT AccHitTest(long xLeft, long yTop, VARIANT* pvarChild);
    virtual HRESULT AccDoDefaultAction(VARIANT varChild);
    virtual HRESULT PutAccName(VARIANT varChild, BSTR szName);
    virtual HRESULT PutAccValue(VARIANT varChild, BSTR szValue);
    // The command target whose reference count the interface shares.
    virtual CCmdTarget* GetAccessibleTarget() = 0;

    void NotifyAccessibilityEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild);
    HRESULT AccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectID, REFIID riid, void** ppvObject);
    LRESULT LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk);

    // The child id a variant carries: 0 for the object itself, -1 when invalid.
    static long GetChildIndex(const VARIANT* pVarChild);

    IAccessible* GetAccessibleInterface() { return &m_xAccessible; }
    // The interface as a dispatch pointer, referenced for the caller.
    IDispatch* GetAccessibleDispatch();

    // Hands the text to the caller as a new BSTR: E_INVALIDARG without an out
    // pointer, E_OUTOFMEMORY (and null) when it cannot be allocated.
    static HRESULT ReturnString(const CString& str, BSTR* pszOut);
    // Hands the number to the caller as a VT_I4 variant.
    static HRESULT ReturnLong(long lValue, VARIANT* pvarOut);

protected:
    // The interface part: queries and reference counting go to the command
    // target of the owner (whose interface map lists this part), every
    // accessibility method to the owner's handler. A class that exposes the
    // interface lists the part for IID_IAccessible and IID_IDispatch:
    //   INTERFACE_PART(CMyBar, IID_IAccessible, Accessible)
    BEGIN_INTERFACE_PART(Accessible, IAccessible)
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
        STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
        STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
        STDMETHOD(Invoke)(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                          VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
        STDMETHOD(get_accParent)(IDispatch** ppdispParent) override;
        STDMETHOD(get_accChildCount)(long* pcountChildren) override;
        STDMETHOD(get_accChild)(VARIANT varChild, IDispatch** ppdispChild) override;
        STDMETHOD(get_accName)(VARIANT varChild, BSTR* pszName) override;
        STDMETHOD(get_accValue)(VARIANT varChild, BSTR* pszValue) override;
        STDMETHOD(get_accDescription)(VARIANT varChild, BSTR* pszDescription) override;
        STDMETHOD(get_accRole)(VARIANT varChild, VARIANT* pvarRole) override;
        STDMETHOD(get_accState)(VARIANT varChild, VARIANT* pvarState) override;
        STDMETHOD(get_accHelp)(VARIANT varChild, BSTR* pszHelp) override;
        STDMETHOD(get_accHelpTopic)(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
        STDMETHOD(get_accKeyboardShortcut)(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
        STDMETHOD(get_accFocus)(VARIANT* pvarChild) override;
        STDMETHOD(get_accSelection)(VARIANT* pvarChildren) override;
        STDMETHOD(get_accDefaultAction)(VARIANT varChild, BSTR* pszDefaultAction) override;
        STDMETHOD(accSelect)(long flagsSelect, VARIANT varChild) override;
        STDMETHOD(accLocation)(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
        STDMETHOD(accNavigate)(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
        STDMETHOD(accHitTest)(long xLeft, long yTop, VARIANT* pvarChild) override;
        STDMETHOD(accDoDefaultAction)(VARIANT varChild) override;
        STDMETHOD(put_accName)(VARIANT varChild, BSTR szName) override;
        STDMETHOD(put_accValue)(VARIANT varChild, BSTR szValue) override;
    END_INTERFACE_PART(Accessible)

    void (WINAPI* m_pfnNotifyWinEvent)(DWORD, HWND, LONG, LONG);
    LRESULT (WINAPI* m_pfnLresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    HRESULT (WINAPI* m_pfnAccessibleObjectFromWindow)(HWND, DWORD, REFIID, void**);
    CZMRModuleHandle m_modUser32;
    CZMRModuleHandle m_modOleAcc;
};
