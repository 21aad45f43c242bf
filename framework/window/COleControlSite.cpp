#include "window/COleControlSite.h"

#include <olectl.h>
#include <initializer_list>

COleControlSite::COleControlSite(HWND hWndContainer)
    : m_nRef(1), m_hWndContainer(hWndContainer), m_pObject(nullptr),
      m_pInPlaceObject(nullptr), m_bInPlaceActive(FALSE)
{
}

COleControlSite::~COleControlSite()
{
    DestroyControl();
}

HWND COleControlSite::CreateControl(REFCLSID clsid, const RECT& rect, CFile* pPersist, BOOL bStorage,
                                    BSTR bstrLicKey)
{
    m_rect = rect;
    HRESULT hr;
    if (bstrLicKey != nullptr)
    {
        IClassFactory2* pFactory = nullptr;
        hr = ::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory2,
                                reinterpret_cast<void**>(&pFactory));
        if (SUCCEEDED(hr))
        {
            hr = pFactory->CreateInstanceLic(nullptr, nullptr, IID_IOleObject, bstrLicKey,
                                             reinterpret_cast<void**>(&m_pObject));
            pFactory->Release();
        }
    }
    else
    {
        hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&m_pObject));
    }
    if (FAILED(hr) || m_pObject == nullptr)
    {
        m_pObject = nullptr;
        return nullptr;
    }

    // Some controls want their site before their state, the others after it.
    DWORD dwMisc = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
    const BOOL bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (bSiteFirst)
        hr = m_pObject->SetClientSite(this);
    if (SUCCEEDED(hr))
        hr = InitState(pPersist, bStorage);
    if (SUCCEEDED(hr) && !bSiteFirst)
        hr = m_pObject->SetClientSite(this);

    HWND hWnd = nullptr;
    if (SUCCEEDED(hr))
    {
        // The extent in HIMETRIC units at the screen's resolution.
        HDC hScreen = ::GetDC(nullptr);
        SIZEL sizel = { ::MulDiv(m_rect.Width(), 2540, ::GetDeviceCaps(hScreen, LOGPIXELSX)),
                        ::MulDiv(m_rect.Height(), 2540, ::GetDeviceCaps(hScreen, LOGPIXELSY)) };
        ::ReleaseDC(nullptr, hScreen);
        m_pObject->SetExtent(DVASPECT_CONTENT, &sizel);
        hr = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_hWndContainer, &m_rect);
    }
    if (SUCCEEDED(hr) &&
        SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject))))
        m_pInPlaceObject->GetWindow(&hWnd);
    if (hWnd == nullptr)
        DestroyControl();   // windowless controls are not hosted here
    return hWnd;
}

HRESULT COleControlSite::InitState(CFile* pPersist, BOOL bStorage)
{
    if (pPersist == nullptr)
    {
        IPersistStreamInit* pInit = nullptr;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit))))
        {
            HRESULT hr = pInit->InitNew();
            pInit->Release();
            return hr;
        }
        IPersistStorage* pStorage = nullptr;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pStorage))))
        {
            ILockBytes* pBytes = nullptr;
            IStorage* pNew = nullptr;
            HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &pBytes);
            if (SUCCEEDED(hr))
                hr = ::StgCreateDocfileOnILockBytes(pBytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                                    &pNew);
            if (SUCCEEDED(hr))
                hr = pStorage->InitNew(pNew);
            if (pNew)
                pNew->Release();
            if (pBytes)
                pBytes->Release();
            pStorage->Release();
            return hr;
        }
        return S_OK;   // a control without state
    }

    // The rest of the file is the control's saved state.
    const ULONGLONG nLength = pPersist->GetLength() - pPersist->GetPosition();
    if (nLength > 0x7FFFFFFF)
        return E_OUTOFMEMORY;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, SIZE_T(nLength) + 1);
    if (hGlobal == nullptr)
        return E_OUTOFMEMORY;
    void* pData = ::GlobalLock(hGlobal);
    const UINT nRead = pPersist->Read(pData, UINT(nLength));
    ::GlobalUnlock(hGlobal);
    if (nRead != UINT(nLength))
    {
        ::GlobalFree(hGlobal);
        return STG_E_READFAULT;
    }

    HRESULT hr = E_NOINTERFACE;
    if (bStorage)
    {
        ILockBytes* pBytes = nullptr;
        IStorage* pSaved = nullptr;
        IPersistStorage* pLoad = nullptr;
        hr = ::CreateILockBytesOnHGlobal(hGlobal, TRUE, &pBytes);
        if (FAILED(hr))
            ::GlobalFree(hGlobal);
        if (SUCCEEDED(hr))
            hr = ::StgOpenStorageOnILockBytes(pBytes, nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                                              &pSaved);
        if (SUCCEEDED(hr))
            hr = m_pObject->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pLoad));
        if (SUCCEEDED(hr))
            hr = pLoad->Load(pSaved);
        if (pLoad)
            pLoad->Release();
        if (pSaved)
            pSaved->Release();
        if (pBytes)
            pBytes->Release();
        return hr;
    }

    IStream* pStream = nullptr;
    hr = ::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream);
    if (FAILED(hr))
    {
        ::GlobalFree(hGlobal);
        return hr;
    }
    IPersistStreamInit* pInit = nullptr;
    IPersistStream* pPlain = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit))))
    {
        hr = pInit->Load(pStream);
        pInit->Release();
    }
    else if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&pPlain))))
    {
        hr = pPlain->Load(pStream);
        pPlain->Release();
    }
    else
    {
        hr = E_NOINTERFACE;
    }
    pStream->Release();
    return hr;
}

void COleControlSite::SetWindowText(LPCTSTR lpszText)
{
    IDispatch* pDispatch = nullptr;
    if (m_pObject == nullptr ||
        FAILED(m_pObject->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDispatch))))
        return;
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(lpszText);
    DISPID dispidNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params = { &value, &dispidNamed, 1, 1 };
    for (DISPID dispid : { DISPID(DISPID_CAPTION), DISPID(DISPID_TEXT) })
    {
        if (SUCCEEDED(pDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                                        nullptr, nullptr, nullptr)))
            break;
    }
    ::VariantClear(&value);
    pDispatch->Release();
}

void COleControlSite::DestroyControl()
{
    // Taken out first: deactivating destroys the control's window, and the
    // window's end comes back here.
    IOleObject* pObject = m_pObject;
    IOleInPlaceObject* pInPlace = m_pInPlaceObject;
    m_pObject = nullptr;
    m_pInPlaceObject = nullptr;
    if (pInPlace != nullptr)
    {
        if (m_bInPlaceActive)
            pInPlace->InPlaceDeactivate();
        pInPlace->Release();
    }
    if (pObject != nullptr)
    {
        pObject->Close(OLECLOSE_NOSAVE);
        pObject->SetClientSite(nullptr);
        pObject->Release();
    }
}

// --- IUnknown ----------------------------------------------------------------

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (::IsEqualIID(riid, IID_IUnknown) || ::IsEqualIID(riid, IID_IOleClientSite))
        *ppv = static_cast<IOleClientSite*>(this);
    else if (::IsEqualIID(riid, IID_IOleWindow) || ::IsEqualIID(riid, IID_IOleInPlaceSite))
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef() { return ULONG(::InterlockedIncrement(&m_nRef)); }

STDMETHODIMP_(ULONG) COleControlSite::Release()
{
    const LONG nRef = ::InterlockedDecrement(&m_nRef);
    if (nRef == 0)
        delete this;
    return ULONG(nRef);
}

// --- IOleClientSite ----------------------------------------------------------

STDMETHODIMP COleControlSite::SaveObject() { return E_NOTIMPL; }
STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP COleControlSite::ShowObject() { return S_OK; }
STDMETHODIMP COleControlSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP COleControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleWindow, IOleInPlaceSite ------------------------------------------------

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr)
        return E_POINTER;
    *phwnd = m_hWndContainer;
    return S_OK;
}
STDMETHODIMP COleControlSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
STDMETHODIMP COleControlSite::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP COleControlSite::OnInPlaceActivate()
{
    m_bInPlaceActive = TRUE;
    return S_OK;
}
STDMETHODIMP COleControlSite::OnUIActivate() { return S_OK; }

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    // No frame or document window takes part: controls are activated in
    // place only, never with menus and tool bars of their own.
    if (ppFrame != nullptr)
        *ppFrame = nullptr;
    if (ppDoc != nullptr)
        *ppDoc = nullptr;
    if (lprcPosRect != nullptr)
        *lprcPosRect = m_rect;
    if (lprcClipRect != nullptr)
        *lprcClipRect = m_rect;
    if (lpFrameInfo != nullptr)
    {
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = ::GetAncestor(m_hWndContainer, GA_ROOT);
        lpFrameInfo->haccel = nullptr;
        lpFrameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP COleControlSite::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP COleControlSite::OnInPlaceDeactivate()
{
    m_bInPlaceActive = FALSE;
    return S_OK;
}
STDMETHODIMP COleControlSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP COleControlSite::DeactivateAndUndo() { return S_OK; }

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (lprcPosRect == nullptr)
        return E_POINTER;
    m_rect = *lprcPosRect;
    if (m_pInPlaceObject != nullptr)
        m_pInPlaceObject->SetObjectRects(&m_rect, &m_rect);
    return S_OK;
}
