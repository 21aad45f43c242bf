// OLE controls hosted by CreateControl: a control class registered by the
// test is created by class id or its string, gets its site, state, extent
// and caption, is activated in place in a window that becomes the CWnd's,
// and is closed and released when that window goes, by DestroyWindow or
// with its parent.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <olectl.h>
#include <string>
#include <vector>

namespace
{
const CLSID CLSID_TestControl = { 0x7e2f4a10, 0x3c5b, 0x4d21, { 0x9a, 0x11, 0x52, 0x0c, 0x33, 0x81, 0x6d, 0x01 } };

// What the control went through, kept after it is gone.
struct CControlLog
{
    std::vector<std::string> calls;
    int nLoaded = -1;   // the value read from the saved state; 0 for new state
    std::wstring strCaption;
    SIZEL extent = {};
    HWND hWnd = nullptr;
    bool bDeleted = false;
    bool bWindowless = false;   // DoVerb fails: no window
};
CControlLog g_log;

class CTestControl : public IOleObject, public IOleInPlaceObject, public IPersistStreamInit, public IDispatch
{
public:
    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (::IsEqualIID(riid, IID_IUnknown) || ::IsEqualIID(riid, IID_IOleObject))
            *ppv = static_cast<IOleObject*>(this);
        else if (::IsEqualIID(riid, IID_IOleWindow) || ::IsEqualIID(riid, IID_IOleInPlaceObject))
            *ppv = static_cast<IOleInPlaceObject*>(this);
        else if (::IsEqualIID(riid, IID_IPersistStreamInit))
            *ppv = static_cast<IPersistStreamInit*>(this);
        else if (::IsEqualIID(riid, IID_IDispatch))
            *ppv = static_cast<IDispatch*>(this);
        else
        {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ULONG(++m_nRef); }
    STDMETHOD_(ULONG, Release)() override
    {
        const LONG nRef = --m_nRef;
        if (nRef == 0)
        {
            g_log.bDeleted = true;
            delete this;
        }
        return ULONG(nRef);
    }

    // IOleObject
    STDMETHOD(SetClientSite)(IOleClientSite* pSite) override
    {
        g_log.calls.push_back(pSite ? "site" : "no site");
        if (m_pSite)
            m_pSite->Release();
        m_pSite = pSite;
        if (m_pSite)
            m_pSite->AddRef();
        return S_OK;
    }
    STDMETHOD(GetClientSite)(IOleClientSite** pp) override
    {
        *pp = m_pSite;
        if (m_pSite)
            m_pSite->AddRef();
        return S_OK;
    }
    STDMETHOD(SetHostNames)(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHOD(Close)(DWORD) override
    {
        g_log.calls.push_back("close");
        InPlaceDeactivate();
        return S_OK;
    }
    STDMETHOD(SetMoniker)(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHOD(InitFromData)(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetClipboardData)(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHOD(DoVerb)(LONG iVerb, LPMSG, IOleClientSite* pSite, LONG, HWND hwndParent, LPCRECT) override
    {
        if (iVerb != OLEIVERB_INPLACEACTIVATE || g_log.bWindowless)
            return E_NOTIMPL;
        // As controls do: the place comes from the in-place site.
        IOleInPlaceSite* pInPlaceSite = nullptr;
        if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlaceSite))))
            return E_FAIL;
        RECT rcPos, rcClip;
        OLEINPLACEFRAMEINFO info = { sizeof(info) };
        IOleInPlaceFrame* pFrame = nullptr;
        IOleInPlaceUIWindow* pDoc = nullptr;
        HWND hWndSite = nullptr;
        pInPlaceSite->GetWindow(&hWndSite);
        HRESULT hr = pInPlaceSite->CanInPlaceActivate();
        if (hr == S_OK && hWndSite == hwndParent)
            hr = pInPlaceSite->OnInPlaceActivate();
        if (hr == S_OK)
            hr = pInPlaceSite->GetWindowContext(&pFrame, &pDoc, &rcPos, &rcClip, &info);
        if (hr == S_OK)
        {
            m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, rcPos.left, rcPos.top, rcPos.right - rcPos.left,
                                       rcPos.bottom - rcPos.top, hWndSite, nullptr, ::GetModuleHandleW(nullptr),
                                       nullptr);
            g_log.hWnd = m_hWnd;
            m_pInPlaceSite = pInPlaceSite;
            m_pInPlaceSite->AddRef();
            g_log.calls.push_back("activate");
        }
        pInPlaceSite->Release();
        return m_hWnd ? S_OK : E_FAIL;
    }
    STDMETHOD(EnumVerbs)(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHOD(Update)() override { return S_OK; }
    STDMETHOD(IsUpToDate)() override { return S_OK; }
    STDMETHOD(GetUserClassID)(CLSID* pClsid) override
    {
        *pClsid = CLSID_TestControl;
        return S_OK;
    }
    STDMETHOD(GetUserType)(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHOD(SetExtent)(DWORD, SIZEL* psizel) override
    {
        g_log.extent = *psizel;
        return S_OK;
    }
    STDMETHOD(GetExtent)(DWORD, SIZEL* psizel) override
    {
        *psizel = g_log.extent;
        return S_OK;
    }
    STDMETHOD(Advise)(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHOD(GetMiscStatus)(DWORD, DWORD* pdw) override
    {
        *pdw = OLEMISC_SETCLIENTSITEFIRST;
        return S_OK;
    }
    STDMETHOD(SetColorScheme)(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject
    STDMETHOD(GetWindow)(HWND* phwnd) override
    {
        *phwnd = m_hWnd;
        return m_hWnd ? S_OK : E_FAIL;
    }
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(InPlaceDeactivate)() override
    {
        if (!m_pInPlaceSite)
            return S_OK;
        g_log.calls.push_back("deactivate");
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        m_pInPlaceSite->OnInPlaceDeactivate();
        m_pInPlaceSite->Release();
        m_pInPlaceSite = nullptr;
        return S_OK;
    }
    STDMETHOD(UIDeactivate)() override { return S_OK; }
    STDMETHOD(SetObjectRects)(LPCRECT, LPCRECT) override { return S_OK; }
    STDMETHOD(ReactivateAndUndo)() override { return E_NOTIMPL; }

    // IPersistStreamInit
    STDMETHOD(GetClassID)(CLSID* pClsid) override { return GetUserClassID(pClsid); }
    STDMETHOD(IsDirty)() override { return S_FALSE; }
    STDMETHOD(Load)(LPSTREAM pStream) override
    {
        int n = 0;
        ULONG nRead = 0;
        if (FAILED(pStream->Read(&n, sizeof(n), &nRead)) || nRead != sizeof(n))
            return E_FAIL;
        g_log.nLoaded = n;
        g_log.calls.push_back("load");
        return S_OK;
    }
    STDMETHOD(Save)(LPSTREAM, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(GetSizeMax)(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHOD(InitNew)() override
    {
        g_log.nLoaded = 0;
        g_log.calls.push_back("new");
        return S_OK;
    }

    // IDispatch: only the Caption property can be set.
    STDMETHOD(GetTypeInfoCount)(UINT* p) override
    {
        *p = 0;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID dispid, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT*, EXCEPINFO*,
                      UINT*) override
    {
        if (dispid != DISPID_CAPTION || !(wFlags & DISPATCH_PROPERTYPUT) || pParams->cArgs != 1 ||
            pParams->rgvarg[0].vt != VT_BSTR)
            return DISP_E_MEMBERNOTFOUND;
        g_log.strCaption = pParams->rgvarg[0].bstrVal;
        return S_OK;
    }

private:
    ~CTestControl()
    {
        if (m_pSite)
            m_pSite->Release();
    }
    LONG m_nRef = 1;
    IOleClientSite* m_pSite = nullptr;
    IOleInPlaceSite* m_pInPlaceSite = nullptr;
    HWND m_hWnd = nullptr;
};

class CTestFactory : public IClassFactory
{
public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (::IsEqualIID(riid, IID_IUnknown) || ::IsEqualIID(riid, IID_IClassFactory))
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(CreateInstance)(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter)
            return CLASS_E_NOAGGREGATION;
        CTestControl* pControl = new CTestControl;
        HRESULT hr = pControl->QueryInterface(riid, ppv);
        pControl->Release();
        return hr;
    }
    STDMETHOD(LockServer)(BOOL) override { return S_OK; }
};

class ControlHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hrInit = ::OleInitialize(nullptr);
        ASSERT_TRUE(SUCCEEDED(m_hrInit));
        ASSERT_EQ(S_OK, ::CoRegisterClassObject(CLSID_TestControl, &m_factory, CLSCTX_INPROC_SERVER,
                                                REGCLS_MULTIPLEUSE, &m_dwCookie));
        g_log = CControlLog();
        m_parent.CreateEx(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        ::CoRevokeClassObject(m_dwCookie);
        if (SUCCEEDED(m_hrInit))
            ::OleUninitialize();
    }

    HRESULT m_hrInit = E_FAIL;
    DWORD m_dwCookie = 0;
    CTestFactory m_factory;
    CWnd m_parent;
};
} // namespace

TEST_F(ControlHost, AControlIsActivatedInPlaceInAWindowThatBecomesTheObjects)
{
    CWnd control;
    const CRect rc(10, 20, 110, 60);
    ASSERT_TRUE(control.CreateControl(CLSID_TestControl, L"Start", WS_VISIBLE, rc, &m_parent, 123));
    EXPECT_EQ(g_log.hWnd, control.m_hWnd);
    EXPECT_EQ(&control, CWnd::FromHandlePermanent(control.m_hWnd)) << "its messages go through the object's maps";
    EXPECT_EQ(m_parent.m_hWnd, ::GetParent(control.m_hWnd));
    EXPECT_EQ(123, control.GetDlgCtrlID());
    EXPECT_TRUE(control.GetStyle() & WS_VISIBLE);
    CRect rcWindow;
    control.GetWindowRect(&rcWindow);
    m_parent.ScreenToClient(&rcWindow);
    EXPECT_EQ(rc, rcWindow);
    EXPECT_EQ(g_log.calls, (std::vector<std::string>{"site", "new", "activate"}))
        << "a control that asks for its site first gets it before its state";
    EXPECT_EQ(g_log.strCaption, L"Start");
    HDC hScreen = ::GetDC(nullptr);
    EXPECT_EQ(g_log.extent.cx, ::MulDiv(100, 2540, ::GetDeviceCaps(hScreen, LOGPIXELSX)));
    EXPECT_EQ(g_log.extent.cy, ::MulDiv(40, 2540, ::GetDeviceCaps(hScreen, LOGPIXELSY)));
    ::ReleaseDC(nullptr, hScreen);

    IOleObject* pObject = nullptr;
    ASSERT_NE(nullptr, control.GetControlUnknown());
    ASSERT_EQ(S_OK, control.GetControlUnknown()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&pObject)));
    pObject->Release();

    // Destroying the window closes the control and lets go of it.
    g_log.calls.clear();
    EXPECT_TRUE(control.DestroyWindow());
    EXPECT_EQ(nullptr, control.m_hWnd);
    EXPECT_EQ(nullptr, control.GetControlUnknown());
    EXPECT_EQ(g_log.calls, (std::vector<std::string>{"deactivate", "close", "no site"}));
    EXPECT_TRUE(g_log.bDeleted);
}

TEST_F(ControlHost, ClassStringsStateFromAFileAndTheParentsEnd)
{
    // By the class id's string, with saved state, hidden.
    CMemFile state;
    const int nSaved = 42;
    state.Write(&nSaved, sizeof(nSaved));
    state.SeekToBegin();
    CWnd control;
    ASSERT_TRUE(control.CreateControl(L"{7E2F4A10-3C5B-4D21-9A11-520C33816D01}", nullptr, 0, CRect(0, 0, 20, 20),
                                      &m_parent, 5, &state));
    EXPECT_EQ(g_log.nLoaded, 42);
    EXPECT_FALSE(control.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(g_log.strCaption.empty());

    // The parent goes first: the control goes with its window.
    m_parent.DestroyWindow();
    EXPECT_EQ(nullptr, control.m_hWnd);
    EXPECT_TRUE(g_log.bDeleted);
}

TEST_F(ControlHost, UnknownClassesAndControlsWithoutAWindowFail)
{
    CWnd control;
    EXPECT_FALSE(control.CreateControl(L"No.Such.Control", nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 1));
    EXPECT_FALSE(control.CreateControl(L"{00000000-0000-0000-0000-0000000000AB}", nullptr, 0, CRect(0, 0, 10, 10),
                                       &m_parent, 1));
    EXPECT_EQ(nullptr, control.m_hWnd);

    g_log.bWindowless = true;
    EXPECT_FALSE(control.CreateControl(CLSID_TestControl, nullptr, 0, CRect(0, 0, 10, 10), &m_parent, 1));
    EXPECT_EQ(nullptr, control.m_hWnd);
    EXPECT_TRUE(g_log.bDeleted) << "a control that cannot be shown is closed and released";
    EXPECT_EQ(g_log.calls.back(), "no site");
}
