// The shared state behind one or more markup trees: host window, default font
// and colour, font cache, hover, capture, tooltips and named delegates. It
// parses markup into trees whose input elements each hold a reference to it,
// and turns the host's mouse messages into events and invalidations into repaints.
#pragma once
#include "Framework.h"
#include "CZMRMarkupCollection.h"
#include "CZMRToolTipContext.h"

class CZMRImageManager;
class CZMRMarkupDelegate;
class CZMRMarkupEventHandlers;
class CZMRMarkupFont;
class CZMRMarkupInputElement;
class CZMRMarkupKeyboardNavigation;
class CZMRMarkupMouseEventArgs;
class CZMRMarkupRoutedEvent;
class CZMRMarkupRoutedEventArgs;
class CZMRMarkupType;
class CZMRMarkupUIElement;

class CZMRMarkupContext
{
public:
    // The tooltip context of a markup host: the tool under the mouse is the
    // innermost element with a ToolTip text.
    class CTooltipContext : public CZMRToolTipContext
    {
    public:
        explicit CTooltipContext(CZMRMarkupContext* pContext) : m_pMarkupContext(pContext) {}
        INT_PTR HitTestTool(CWnd* pWnd, CPoint point, TOOLINFO* pInfo) override;

        CZMRMarkupContext* m_pMarkupContext;   // no reference
    };

    // One routing step's element chain: input elements, innermost first,
    // each with one reference; the chain does not parent them.
    class CInputElementCollection : public CZMRMarkupCollection
    {
    public:
        CInputElementCollection();
        CZMRMarkupInputElement* GetElement(int nIndex) const;
    };

    CZMRMarkupContext();

    // Slots 0 to 3, in this order.
    virtual ~CZMRMarkupContext();
    // Routes one host-window message to a root; non-zero (and *pResult 1)
    // when handled.
    virtual BOOL OnWndMsg(CZMRMarkupUIElement* pRoot, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult);
    // Repaints the element's area of the host window.
    virtual void OnInvalidateVisual(CZMRMarkupObject* pElement);
    // Repaints the whole host window (a root's desired size changed).
    virtual void OnInvalidateMeasure(CZMRMarkupObject* pElement);

    long AddRef();
    // Deletes the context when the count reaches 0; a count already at 0 stays.
    long Release();
    long GetRefCount() const { return m_nRefCount; }

    HWND GetHostWindow() const { return m_hWndHost; }
    void SetHostWindow(HWND hWnd) { m_hWndHost = hWnd; }
    COLORREF GetDefaultForeground() const { return m_clrDefaultForeground; }
    void SetDefaultForeground(COLORREF clr) { m_clrDefaultForeground = clr; }
    const LOGFONTW& GetDefaultFont() const { return m_lfDefaultFont; }
    void SetDefaultFont(HFONT hFont);
    CZMRImageManager* GetImageManager() const { return m_pImageManager; }
    CZMRMarkupKeyboardNavigation* GetKeyboardNavigation() const { return m_pKeyboardNavigation; }
    CTooltipContext* GetToolTipContext() const { return m_pToolTipContext; }
    CZMRMarkupInputElement* GetMouseOverElement() const { return m_pMouseOverElement; }
    CZMRMarkupInputElement* GetMouseCaptureElement() const { return m_pMouseCaptureElement; }
    CZMRMarkupUIElement* GetActiveRoot() const { return m_pActiveRoot; }

    // The root of the tree built from the text (one reference), or null;
    // why a build failed is not kept.
    CZMRMarkupUIElement* Parse(LPCWSTR lpszMarkup);
    // A new object of the type; an input element is bound to this context.
    CZMRMarkupObject* CreateMarkupObject(CZMRMarkupType* pType);
    // An input element finally released: it leaves hover and capture and is
    // unbound. It gives back its context reference once it is destroyed.
    void UnregisterElement(CZMRMarkupInputElement* pElement);

    // A font of the cache equal to the record (height, weight, italic,
    // quality, face),
    // with one more reference, or a new one added to the cache.
    CZMRMarkupFont* GetFont(const LOGFONTW& lf);
    // Called by a font that is destroyed.
    void RemoveFont(CZMRMarkupFont* pFont);
    static BOOL AFXAPI IsSameFont(const LOGFONTW& lf1, const LOGFONTW& lf2);

    void CaptureMouse(CZMRMarkupInputElement* pElement);
    void ReleaseMouseCapture();
    // The element's rectangle in host-window coordinates (text content gives
    // its framework element's); empty for null or for any other object.
    CRect GetHostRectOfElement(CZMRMarkupObject* pElement) const;

    // Named delegates for event attributes; the context takes the caller's
    // reference (a delegate stored before under the name is released).
    void AddDelegate(LPCWSTR lpszName, CZMRMarkupDelegate* pDelegate);
    CZMRMarkupDelegate* FindDelegate(LPCWSTR lpszName) const;
    // Context-level handlers of bubbling events; the context takes the
    // caller's reference.
    void AddHandler(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler);
    void RaiseHandlers(CZMRMarkupInputElement* pElement, CZMRMarkupRoutedEventArgs* pArgs);

    // Fills the tool record for the hovered element chain's first ToolTip
    // text; the tool id (the element's address) or -1.
    INT_PTR FillToolTipInfo(TOOLINFO* pInfo);

    // Mouse routing (OnWndMsg's steps).
    void HandleMouseMove(CZMRMarkupUIElement* pRoot, int x, int y);
    void SetMouseOver(CZMRMarkupInputElement* pElement, int x, int y);
    BOOL HandleSetCursor();
    BOOL HandleMouseWheel(int nDelta);
    BOOL HandleMouseButton(UINT message, WPARAM wParam, LPARAM lParam);

    // Appends the element and its input-element ancestors, innermost first.
    static void AFXAPI BuildInputElementChain(CZMRMarkupInputElement* pElement, CInputElementCollection& chain);

protected:
    // Runs a direct event along the chain: at each element its handlers, then
    // (when still unhandled) its own operation; stops once handled.
    typedef void (CZMRMarkupInputElement::*PFNMOUSEHANDLER)(CZMRMarkupMouseEventArgs* pArgs);
    BOOL RouteMouseEvent(CInputElementCollection& chain, CZMRMarkupMouseEventArgs& args,
                         PFNMOUSEHANDLER pfnHandler);

    struct CFontCache
    {
        CZMRMarkupFont* pFirst;
        CZMRMarkupFont* pLast;
    };

    CZMRImageManager* m_pImageManager;           // one internal reference
    HWND m_hWndHost;
    COLORREF m_clrDefaultForeground;
    LOGFONTW m_lfDefaultFont;
    CZMRMarkupInputElement* m_pMouseOverElement;      // one reference
    CZMRMarkupInputElement* m_pMouseCaptureElement;   // no reference
    CZMRMarkupUIElement* m_pActiveRoot;               // no reference
    CFontCache* m_pFontCache;                          // owned; the fonts belong to their users
    CZMRMarkupEventHandlers* m_pHandlers;              // made at the first AddHandler
    CMapStringToPtr* m_pDelegates;                     // name -> delegate, one reference each
    CZMRMarkupKeyboardNavigation* m_pKeyboardNavigation;   // one reference
    CTooltipContext* m_pToolTipContext;                // one internal reference
    volatile long m_nRefCount;

private:
    CZMRMarkupContext(const CZMRMarkupContext&) = delete;
    CZMRMarkupContext& operator=(const CZMRMarkupContext&) = delete;
};
