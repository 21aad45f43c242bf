// Measures and draws rich text (RTF) or plain text without a window, through
// the system's windowless rich-edit text services. The object is its own
// text host with a fixed behaviour: no window, caret or scroll bars, a
// transparent background and word-wrapped multi-line rich text.
#pragma once
#include "Framework.h"
#include <richedit.h>
#include <textserv.h>

class CZMRRichRender : public CCmdTarget
{
public:
    CZMRRichRender();
    ~CZMRRichRender() override;

    // Null when the library or its services are not available.
    ITextServices* GetTextServices() const { return m_pTextServices; }
    void SetDefaultCharFormat(const CHARFORMATW* pcf);
    // RTF when the text opens with a brace and reads as such, else plain text.
    LRESULT SetText(LPCWSTR lpszText);
    // The narrowest size that is no taller than the text at nMaxWidth.
    CSize GetTextExtent(CDC* pDC, int nMaxWidth);
    void Draw(CDC* pDC, LPCRECT lpRect);

private:
    class CTextHost : public ITextHost
    {
    public:
        explicit CTextHost(CZMRRichRender* pOwner) : m_pOwner(pOwner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HDC TxGetDC() override { return nullptr; }
        INT TxReleaseDC(HDC) override { return 0; }
        WINBOOL TxShowScrollBar(INT, WINBOOL) override { return FALSE; }
        WINBOOL TxEnableScrollBar(INT, INT) override { return FALSE; }
        WINBOOL TxSetScrollRange(INT, LONG, INT, WINBOOL) override { return FALSE; }
        WINBOOL TxSetScrollPos(INT, INT, WINBOOL) override { return FALSE; }
        void TxInvalidateRect(LPCRECT, WINBOOL) override {}
        void TxViewChange(WINBOOL) override {}
        WINBOOL TxCreateCaret(HBITMAP, INT, INT) override { return FALSE; }
        WINBOOL TxShowCaret(WINBOOL) override { return FALSE; }
        WINBOOL TxSetCaretPos(INT, INT) override { return FALSE; }
        WINBOOL TxSetTimer(UINT, UINT) override { return FALSE; }
        void TxKillTimer(UINT) override {}
        void TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) override {}
        void TxSetCapture(WINBOOL) override {}
        void TxSetFocus() override {}
        void TxSetCursor(HCURSOR, WINBOOL) override {}
        WINBOOL TxScreenToClient(LPPOINT) override { return FALSE; }
        WINBOOL TxClientToScreen(LPPOINT) override { return FALSE; }
        HRESULT TxActivate(LONG*) override { return E_FAIL; }
        HRESULT TxDeactivate(LONG) override { return E_FAIL; }
        HRESULT TxGetClientRect(LPRECT) override { return E_FAIL; }
        HRESULT TxGetViewInset(LPRECT prc) override;
        HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
        HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
        COLORREF TxGetSysColor(int nIndex) override { return ::GetSysColor(nIndex); }
        HRESULT TxGetBackStyle(TXTBACKSTYLE* pStyle) override;
        HRESULT TxGetMaxLength(DWORD* pLength) override;
        HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
        HRESULT TxGetPasswordChar(TCHAR*) override { return S_FALSE; }
        HRESULT TxGetAcceleratorPos(LONG* pcp) override;
        HRESULT TxGetExtent(LPSIZEL) override { return E_NOTIMPL; }
        HRESULT OnTxCharFormatChange(const CHARFORMATW*) override { return E_FAIL; }
        HRESULT OnTxParaFormatChange(const PARAFORMAT*) override { return E_FAIL; }
        HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
        HRESULT TxNotify(DWORD iNotify, void* pv) override;
        HIMC TxImmGetContext() override { return nullptr; }
        void TxImmReleaseContext(HIMC) override {}
        HRESULT TxGetSelectionBarWidth(LONG* pWidth) override;

    private:
        CZMRRichRender* m_pOwner;
    };

    LRESULT StreamIn(const void* pData, size_t nBytes, WPARAM nFormat);

    CTextHost m_xTextHost;
    ITextServices* m_pTextServices;
    CHARFORMATW m_charFormat;
    PARAFORMAT2 m_paraFormat;
    HMODULE m_hModule;
    int m_nRequestedWidth;
    int m_nRequestedHeight;
};
