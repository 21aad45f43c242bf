// The tip window that shows its text as an HTML page: the system's web
// browser control lives in it as a child, loads a blank page styled with the
// context's font and tip colour, takes the tool text as the page body and is
// sized to the narrowest width that keeps the page as low as at full width.
#include "CZMRToolTipContext.h"

#include <algorithm>
#include <cstdlib>
#include <exdisp.h>
#include <mshtml.h>
#include <mshtmhst.h>

namespace
{
// The web browser control and the interfaces the tip asks of it.
const CLSID kClsidWebBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const IID kIidWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};
const IID kIidHtmlDocument2 = {0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
const IID kIidHtmlTextContainer = {0x3050F230, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const IID kIidDocHostUIHandler = {0xBD3F23C0, 0xD43E, 0x11CF, {0x89, 0x3B, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x1A}};

const UINT kBrowserId = 0xE900;
// The page is laid out this wide first; its height there is the tip's height.
const int kLayoutWidth = 650;
const int kLayoutHeight = 200;
// Host flags: dialog, no 3-D border, no scroll bars, themed.
const DWORD kHostFlags = 0x4000D;

template <class T> void ReleaseInterface(T*& p)
{
    if (p)
        p->Release();
    p = nullptr;
}

// The body element of the browser's current document, or null.
IHTMLElement* GetBody(IWebBrowser2* pBrowser)
{
    IDispatch* pDispatch = nullptr;
    if (FAILED(pBrowser->get_Document(&pDispatch)) || !pDispatch)
        return nullptr;
    IHTMLDocument2* pDocument = nullptr;
    pDispatch->QueryInterface(kIidHtmlDocument2, reinterpret_cast<void**>(&pDocument));
    pDispatch->Release();
    if (!pDocument)
        return nullptr;
    IHTMLElement* pBody = nullptr;
    if (FAILED(pDocument->get_body(&pBody)))
        pBody = nullptr;
    pDocument->Release();
    return pBody;
}

// The body's scroll width (cx) and height (cy), or 0 x 0.
CSize GetScrollSize(IHTMLElement* pBody)
{
    IHTMLTextContainer* pBody2 = nullptr;
    if (FAILED(pBody->QueryInterface(kIidHtmlTextContainer, reinterpret_cast<void**>(&pBody2))) || !pBody2)
        return CSize(0, 0);
    long cx = 0, cy = 0;
    pBody2->get_scrollWidth(&cx);
    pBody2->get_scrollHeight(&cy);
    pBody2->Release();
    return CSize(cx, cy);
}

// Runs the thread's messages until the browser's page is complete or the time
// is up. A quit message met on the way is posted again for the real loop.
BOOL WaitUntilReady(IWebBrowser2* pBrowser, DWORD dwTimeout)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (SUCCEEDED(pBrowser->get_ReadyState(&state)) && state == READYSTATE_COMPLETE)
            return TRUE;
        const DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= dwTimeout)
            return FALSE;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return FALSE;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, dwTimeout - dwElapsed), QS_ALLINPUT);
    }
}
} // namespace

DWORD CZMRToolTipContext::CHTMLToolTip::s_dwReadyTimeout = 3000;

// The tip's client site for the browser: the browser asks it how to host the
// page. Only the document-host answers matter; the rest is not offered.
class CZMRToolTipContext::CHTMLToolTip::CHostSite : public IOleClientSite, public IDocHostUIHandler
{
public:
    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *ppv = static_cast<IOleClientSite*>(this);
        else if (riid == kIidDocHostUIHandler)
            *ppv = static_cast<IDocHostUIHandler*>(this);
        else
        {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ::InterlockedIncrement(&m_nRef); }
    STDMETHOD_(ULONG, Release)() override
    {
        const LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return nRef;
    }

    // IOleClientSite
    STDMETHOD(SaveObject)() override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHOD(GetContainer)(IOleContainer**) override { return E_NOTIMPL; }
    STDMETHOD(ShowObject)() override { return E_NOTIMPL; }
    STDMETHOD(OnShowWindow)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(RequestNewObjectLayout)() override { return E_NOTIMPL; }

    // IDocHostUIHandler
    STDMETHOD(ShowContextMenu)(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_OK; }
    STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* pInfo) override
    {
        if (!pInfo)
            return E_POINTER;
        pInfo->dwFlags = kHostFlags;
        pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        return S_OK;
    }
    STDMETHOD(ShowUI)(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                      IOleInPlaceUIWindow*) override
    {
        return S_OK;
    }
    STDMETHOD(HideUI)() override { return S_OK; }
    STDMETHOD(UpdateUI)() override { return S_OK; }
    STDMETHOD(EnableModeless)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(OnDocWindowActivate)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(OnFrameWindowActivate)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(ResizeBorder)(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(TranslateAccelerator)(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    STDMETHOD(GetOptionKeyPath)(LPOLESTR*, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetDropTarget)(IDropTarget*, IDropTarget**) override { return E_NOTIMPL; }
    STDMETHOD(GetExternal)(IDispatch**) override { return E_NOTIMPL; }
    STDMETHOD(TranslateUrl)(DWORD, LPWSTR, LPWSTR*) override { return E_NOTIMPL; }
    STDMETHOD(FilterDataObject)(IDataObject*, IDataObject**) override { return E_NOTIMPL; }

private:
    LONG m_nRef = 1;
};

CZMRToolTipContext::CHTMLToolTip::CHTMLToolTip(CZMRToolTipContext* pContext)
    : CZMRToolTipContextToolTip(pContext), m_pHostSite(nullptr), m_pBrowser(nullptr), m_bUnavailable(FALSE)
{
}

CZMRToolTipContext::CHTMLToolTip::~CHTMLToolTip()
{
    DestroyBrowser();
}

BOOL CZMRToolTipContext::CHTMLToolTip::CreateBrowser()
{
    if (!m_wndBrowser.CreateControl(kClsidWebBrowser, nullptr, WS_VISIBLE | WS_CHILD, CRect(0, 0, 200, 200), this,
                                    kBrowserId))
        return FALSE;
    IUnknown* pUnknown = m_wndBrowser.GetControlUnknown();
    if (!pUnknown || FAILED(pUnknown->QueryInterface(kIidWebBrowser2, reinterpret_cast<void**>(&m_pBrowser))) ||
        !m_pBrowser)
    {
        m_pBrowser = nullptr;
        return FALSE;
    }
    m_pHostSite = new CHostSite;
    IOleObject* pObject = nullptr;
    if (SUCCEEDED(pUnknown->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&pObject))) && pObject)
    {
        pObject->SetClientSite(m_pHostSite);
        pObject->Release();
    }

    // The blank page carries the context's font and the tip's background.
    CString strFace = L"Arial";
    int nSize = 11;
    LOGFONTW lf = {};
    if (m_pContext && m_pContext->GetFont()->GetSafeHandle() && m_pContext->GetFont()->GetLogFont(&lf))
    {
        strFace = lf.lfFaceName;
        nSize = std::abs(lf.lfHeight);
    }
    const COLORREF clrBack = m_pContext ? m_pContext->GetTipBackColor() : ::GetSysColor(COLOR_INFOBK);
    CString strBack;
    strBack.Format(L"#%0.2x%0.2x%0.2x", GetRValue(clrBack), GetGValue(clrBack), GetBValue(clrBack));
    CString strPage;
    strPage.Format(L"about:<head><style> body {font-family:%s; font-size:%i;}table {font-family:%s; font-size:%i;}"
                   L"</style></head><body topmargin=0 leftmargin=0 bottommargin=0 rightmargin=0 bgColor=%s></body>",
                   static_cast<LPCWSTR>(strFace), nSize, static_cast<LPCWSTR>(strFace), nSize,
                   static_cast<LPCWSTR>(strBack));
    BSTR bstrPage = strPage.AllocSysString();
    const HRESULT hr = m_pBrowser->Navigate(bstrPage, nullptr, nullptr, nullptr, nullptr);
    ::SysFreeString(bstrPage);
    // The page may never get ready (no engine behind the control): wait a
    // bounded time and count that as no browser.
    return SUCCEEDED(hr) && WaitUntilReady(m_pBrowser, s_dwReadyTimeout);
}

void CZMRToolTipContext::CHTMLToolTip::DestroyBrowser()
{
    ReleaseInterface(m_pBrowser);
    if (m_wndBrowser.GetSafeHwnd())
        m_wndBrowser.DestroyWindow();
    ReleaseInterface(m_pHostSite);
}

void CZMRToolTipContext::CHTMLToolTip::SizeBrowser(int x, int y, int cx, int cy)
{
    // The control follows its window; its in-place object lays the page out anew.
    m_wndBrowser.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    IOleInPlaceObject* pInPlace = nullptr;
    IUnknown* pUnknown = m_wndBrowser.GetControlUnknown();
    if (pUnknown &&
        SUCCEEDED(pUnknown->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&pInPlace))) && pInPlace)
    {
        const CRect rc(x, y, x + cx, y + cy);
        pInPlace->SetObjectRects(&rc, &rc);
        pInPlace->Release();
    }
}

int CZMRToolTipContext::CHTMLToolTip::FindTipWidth(int nMaxWidth, int nTargetHeight,
                                                   const std::function<CSize(int)>& probe)
{
    int nLow = 0, nHigh = 2 * nMaxWidth, nBest = nMaxWidth;
    while (nLow <= nHigh)
    {
        const int nMid = (nLow + nHigh) / 2;
        const CSize szScroll = probe(nMid);
        if (nMid < szScroll.cx)
        {
            // Something wider than the probe (a long word, a table): take its width.
            if (szScroll.cy <= nTargetHeight)
                return szScroll.cx;
            nLow = nMid + 1;
        }
        else if (szScroll.cy > nTargetHeight)
            nLow = nMid + 1;
        else
        {
            nHigh = nMid - 1;
            nBest = nMid;
        }
    }
    return nBest;
}

CSize CZMRToolTipContext::CHTMLToolTip::CalcTipSize(TOOLITEM* pTool)
{
    const CString strText = GetToolText(pTool);
    if (!m_pContext || strText.IsEmpty() || m_bUnavailable)
        return CSize(0, 0);
    if (!m_pBrowser && !CreateBrowser())
    {
        DestroyBrowser();
        m_bUnavailable = TRUE;
        return CSize(0, 0);
    }

    IHTMLElement* pBody = GetBody(m_pBrowser);
    if (!pBody)
        return CSize(0, 0);
    BSTR bstrText = strText.AllocSysString();
    pBody->put_innerHTML(bstrText);
    ::SysFreeString(bstrText);

    SizeBrowser(0, 0, kLayoutWidth, kLayoutHeight);
    const int nTargetHeight = GetScrollSize(pBody).cy;
    int nLastHeight = kLayoutHeight;
    const int nWidth = FindTipWidth(GetMaxTipWidth(), nTargetHeight, [&](int cx) {
        SizeBrowser(0, 0, cx, nLastHeight);
        const CSize sz = GetScrollSize(pBody);
        nLastHeight = sz.cy;
        return sz;
    });
    pBody->Release();

    const CRect& rcMargin = m_pContext->m_rcMargin;
    SizeBrowser(rcMargin.left + 3, rcMargin.top + 3, nWidth, nTargetHeight);
    return CSize(nWidth + rcMargin.left + rcMargin.right + 6, nTargetHeight + rcMargin.top + rcMargin.bottom + 6);
}

void CZMRToolTipContext::CHTMLToolTip::DrawTipContent(CDC* /*pDC*/, TOOLITEM* /*pTool*/, CRect /*rc*/)
{
}

LRESULT CZMRToolTipContext::CHTMLToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        DestroyBrowser();
    return CZMRToolTipContextToolTip::WindowProc(message, wParam, lParam);
}
