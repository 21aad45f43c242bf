#include "CZMRRichRender.h"
#include "CZMRNonClientMetrics.h"
#include <cstring>
#include <vector>

namespace
{
// {8D33F740-CF58-11CE-A89D-00AA006CADC5}
const IID kIIDTextServices = {0x8D33F740, 0xCF58, 0x11CE, {0xA8, 0x9D, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};
// {13E670F4-1A5A-11CF-ABEB-00AA00B65EA1}
const IID kIIDTextHost = {0x13E670F4, 0x1A5A, 0x11CF, {0xAB, 0xEB, 0x00, 0xAA, 0x00, 0xB6, 0x5E, 0xA1}};

struct StreamSource
{
    const BYTE* pData;
    size_t nLeft;
};

DWORD CALLBACK ReadStream(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG cb, LONG* pcb)
{
    StreamSource* pSource = reinterpret_cast<StreamSource*>(dwCookie);
    const size_t nCopy = pSource->nLeft < static_cast<size_t>(cb) ? pSource->nLeft : static_cast<size_t>(cb);
    std::memcpy(pBuffer, pSource->pData, nCopy);
    pSource->pData += nCopy;
    pSource->nLeft -= nCopy;
    *pcb = static_cast<LONG>(nCopy);
    return 0;
}
}

CZMRRichRender::CZMRRichRender()
    : m_xTextHost(this), m_pTextServices(nullptr), m_hModule(nullptr), m_nRequestedWidth(0), m_nRequestedHeight(0)
{
    CZMRNonClientMetrics ncm;
    HDC hdcScreen = ::GetDC(nullptr);
    const int nLogPixelsY = ::GetDeviceCaps(hdcScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hdcScreen);

    ZeroMemory(&m_charFormat, sizeof(m_charFormat));
    m_charFormat.cbSize = sizeof(m_charFormat);
    m_charFormat.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                          CFM_STRIKEOUT;
    m_charFormat.yHeight = -(ncm.lfMessageFont.lfHeight * 1440 / nLogPixelsY);
    m_charFormat.crTextColor = ::GetSysColor(COLOR_BTNTEXT);
    lstrcpynW(m_charFormat.szFaceName, ncm.lfMessageFont.lfFaceName, LF_FACESIZE);

    ZeroMemory(&m_paraFormat, sizeof(m_paraFormat));
    m_paraFormat.cbSize = sizeof(m_paraFormat);
    m_paraFormat.dwMask = 0x8001003F;
    m_paraFormat.wAlignment = PFA_LEFT;

    m_hModule = ::LoadLibraryW(L"RICHED20.dll");
    if (!m_hModule)
        return;
    typedef HRESULT(WINAPI * CREATETEXTSERVICES)(IUnknown*, ITextHost*, IUnknown**);
    CREATETEXTSERVICES pfnCreate =
        reinterpret_cast<CREATETEXTSERVICES>(reinterpret_cast<void*>(::GetProcAddress(m_hModule, "CreateTextServices")));
    IUnknown* pUnknown = nullptr;
    if (pfnCreate && SUCCEEDED(pfnCreate(nullptr, &m_xTextHost, &pUnknown)) && pUnknown)
    {
        pUnknown->QueryInterface(kIIDTextServices, reinterpret_cast<void**>(&m_pTextServices));
        pUnknown->Release();
    }
}

CZMRRichRender::~CZMRRichRender()
{
    if (m_pTextServices)
        m_pTextServices->Release();
    if (m_hModule)
        ::FreeLibrary(m_hModule);
}

void CZMRRichRender::SetDefaultCharFormat(const CHARFORMATW* pcf)
{
    std::memcpy(&m_charFormat, pcf, sizeof(m_charFormat));
    if (m_pTextServices)
    {
        LRESULT lResult = 0;
        m_pTextServices->TxSendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&m_charFormat),
                                       &lResult);
    }
}

LRESULT CZMRRichRender::StreamIn(const void* pData, size_t nBytes, WPARAM nFormat)
{
    StreamSource source = {static_cast<const BYTE*>(pData), nBytes};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    es.pfnCallback = ReadStream;
    LRESULT lResult = 0;
    m_pTextServices->TxSendMessage(EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es), &lResult);
    return lResult;
}

LRESULT CZMRRichRender::SetText(LPCWSTR lpszText)
{
    if (!m_pTextServices)
        return 0;
    if (!lpszText || !*lpszText)
    {
        m_pTextServices->TxSetText(L"");
        return 0;
    }
    if (lpszText[0] == L'{')
    {
        const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, nullptr, 0, nullptr, nullptr);
        std::vector<char> ansi(static_cast<size_t>(nBytes > 0 ? nBytes : 1));
        ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, ansi.data(), nBytes, nullptr, nullptr);
        const LRESULT lResult = StreamIn(ansi.data(), ansi.size() > 0 ? ansi.size() - 1 : 0, SF_RTF);
        if (lResult > 0)
            return lResult;
    }
    return StreamIn(lpszText, ::wcslen(lpszText) * sizeof(WCHAR), SF_TEXT | SF_UNICODE);
}

CSize CZMRRichRender::GetTextExtent(CDC* pDC, int nMaxWidth)
{
    if (!m_pTextServices)
        return CSize(0, 0);
    LRESULT lResult = 0;
    m_pTextServices->TxSendMessage(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE, &lResult);
    m_nRequestedWidth = m_nRequestedHeight = 0;

    int nHi = 2 * nMaxWidth, nLo = 0, nReference = -1;
    auto layout = [&](int nWidth) {
        RECTL rcBounds = {0, 0, nWidth, 1};
        RECT rcUpdate = {0, 0, 0, 0};
        m_pTextServices->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, pDC->GetSafeHdc(), nullptr, &rcBounds,
                                nullptr, &rcUpdate, nullptr, 0, TXTVIEW_ACTIVE);
        if (nReference < 0)
            nReference = m_nRequestedHeight;
    };
    do
    {
        const int nMid = (nLo + nHi) / 2;
        layout(nMid);
        if (m_nRequestedHeight > nReference)
            nLo = nMid + 1;
        else
            nHi = nMid - 1;
    } while (nLo < nHi);
    if (m_nRequestedHeight > nReference)
        layout(nHi + 1);
    return CSize(m_nRequestedWidth, m_nRequestedHeight);
}

void CZMRRichRender::Draw(CDC* pDC, LPCRECT lpRect)
{
    if (!m_pTextServices)
        return;
    RECTL rcBounds = {lpRect->left, lpRect->top, lpRect->right, lpRect->bottom};
    m_pTextServices->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, pDC->GetSafeHdc(), nullptr, &rcBounds, nullptr,
                            nullptr, nullptr, 0, TXTVIEW_ACTIVE);
}

HRESULT STDMETHODCALLTYPE CZMRRichRender::CTextHost::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIIDTextHost))
    {
        *ppv = static_cast<ITextHost*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT CZMRRichRender::CTextHost::TxGetViewInset(LPRECT prc)
{
    ::SetRectEmpty(prc);
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetCharFormat(const CHARFORMATW** ppCF)
{
    *ppCF = &m_pOwner->m_charFormat;
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetParaFormat(const PARAFORMAT** ppPF)
{
    *ppPF = reinterpret_cast<const PARAFORMAT*>(&m_pOwner->m_paraFormat);
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetBackStyle(TXTBACKSTYLE* pStyle)
{
    *pStyle = TXTBACK_TRANSPARENT;
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetMaxLength(DWORD* pLength)
{
    *pLength = 16777216;
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetScrollBars(DWORD* pdwScrollBar)
{
    *pdwScrollBar = 0;
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetAcceleratorPos(LONG* pcp)
{
    *pcp = -1;
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits)
{
    *pdwBits = dwMask & (TXTBIT_RICHTEXT | TXTBIT_MULTILINE | TXTBIT_WORDWRAP);
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxNotify(DWORD iNotify, void* pv)
{
    if (iNotify == EN_REQUESTRESIZE && pv)
    {
        const REQRESIZE* pResize = static_cast<const REQRESIZE*>(pv);
        m_pOwner->m_nRequestedWidth = pResize->rc.right - pResize->rc.left;
        m_pOwner->m_nRequestedHeight = pResize->rc.bottom - pResize->rc.top;
    }
    return S_OK;
}

HRESULT CZMRRichRender::CTextHost::TxGetSelectionBarWidth(LONG* pWidth)
{
    *pWidth = 0;
    return S_OK;
}
