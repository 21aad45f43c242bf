// COleControlSite: the container's side of one OLE control that
// CWnd::CreateControl places in a window: the client site and in-place site
// the control talks to, and the references to the control's object. The
// control draws in a window of its own, which becomes the CWnd's window.
#pragma once

#include "core/Core.h"
#include <ole2.h>

class COleControlSite : public IOleClientSite, public IOleInPlaceSite
{
public:
    // A site in the container window hWndContainer, holding one reference.
    explicit COleControlSite(HWND hWndContainer);

    // Creates the control (with the licence key when given), hands it this
    // site, gives it new state or the state read from pPersist (a stream, or
    // with bStorage a compound file), sizes it to rect (container client
    // coordinates) and activates it in place. The control's window, or null
    // when any step fails (the control is closed again then).
    HWND CreateControl(REFCLSID clsid, const RECT& rect, CFile* pPersist, BOOL bStorage, BSTR bstrLicKey);
    // Sets the control's text: its Caption property, else its Text property.
    void SetWindowText(LPCTSTR lpszText);
    // Deactivates and closes the control and lets go of it; its window goes
    // with it. Safe to call more than once.
    void DestroyControl();
    LPUNKNOWN GetControlUnknown() const { return m_pObject; }

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IOleClientSite
    STDMETHOD(SaveObject)() override;
    STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHOD(GetContainer)(IOleContainer** ppContainer) override;
    STDMETHOD(ShowObject)() override;
    STDMETHOD(OnShowWindow)(BOOL fShow) override;
    STDMETHOD(RequestNewObjectLayout)() override;
    // IOleWindow
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
    // IOleInPlaceSite
    STDMETHOD(CanInPlaceActivate)() override;
    STDMETHOD(OnInPlaceActivate)() override;
    STDMETHOD(OnUIActivate)() override;
    STDMETHOD(GetWindowContext)(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHOD(Scroll)(SIZE scrollExtant) override;
    STDMETHOD(OnUIDeactivate)(BOOL fUndoable) override;
    STDMETHOD(OnInPlaceDeactivate)() override;
    STDMETHOD(DiscardUndoState)() override;
    STDMETHOD(DeactivateAndUndo)() override;
    STDMETHOD(OnPosRectChange)(LPCRECT lprcPosRect) override;

private:
    virtual ~COleControlSite();
    HRESULT InitState(CFile* pPersist, BOOL bStorage);

    LONG m_nRef;
    HWND m_hWndContainer;
    CRect m_rect;
    IOleObject* m_pObject;
    IOleInPlaceObject* m_pInPlaceObject;
    BOOL m_bInPlaceActive;
};
