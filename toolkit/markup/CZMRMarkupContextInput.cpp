// The context's input side: the host window's mouse messages become markup
// events along the chain of the hovered (or capturing) element.
#include "CZMRMarkupContext.h"
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupUIElement.h"

#include <windowsx.h>

BOOL CZMRMarkupContext::OnWndMsg(CZMRMarkupUIElement* pRoot, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT* pResult)
{
    if (!m_hWndHost)
        return FALSE;
    // Several roots may share the context and the host; the root that holds
    // the hover gets the messages.
    if (m_pActiveRoot && m_pActiveRoot != pRoot)
        return FALSE;

    CWnd* pHost = CWnd::FromHandle(m_hWndHost);
    BOOL bHandled = FALSE;
    switch (message)
    {
    case WM_MOUSEMOVE:
        HandleMouseMove(pRoot, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        m_pToolTipContext->FilterMouseMessage(pHost, message, wParam, lParam);
        break;
    case WM_DESTROY:
        SetMouseOver(nullptr, -1, -1);
        break;
    case WM_MOUSELEAVE:
        SetMouseOver(nullptr, -1, -1);
        m_pToolTipContext->FilterMouseMessage(pHost, message, wParam, lParam);
        break;
    case WM_SETCURSOR:
        bHandled = HandleSetCursor();
        break;
    case WM_CAPTURECHANGED:
        if (m_pMouseCaptureElement)
        {
            // Forgotten first: a handler may take the capture again.
            CZMRMarkupInputElement* pCaptured = m_pMouseCaptureElement;
            m_pMouseCaptureElement = nullptr;
            pCaptured->AddRef();
            CZMRMarkupMouseEventArgs args(CZMRMarkupInputElement::m_pLostMouseCaptureEvent, pCaptured, m_hWndHost);
            pCaptured->RaiseEvent(&args);
            if (!args.bHandled)
                pCaptured->OnLostMouseCapture(&args);
            pCaptured->Release();
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
        bHandled = m_pKeyboardNavigation->OnWndMsg(message, wParam, lParam, pResult) != 0;
        break;
    default:
        if (message < WM_LBUTTONDOWN || message > WM_MOUSEWHEEL)
            break;
        m_pToolTipContext->FilterMouseMessage(pHost, message, wParam, lParam);
        switch (message)
        {
        case WM_MOUSEWHEEL:
            bHandled = HandleMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            bHandled = HandleMouseButton(message, wParam, lParam);
            break;
        default:
            break;
        }
        break;
    }
    if (bHandled && pResult)
        *pResult = 1;
    return bHandled;
}

BOOL CZMRMarkupContext::RouteMouseEvent(CInputElementCollection& chain, CZMRMarkupMouseEventArgs& args,
                                        PFNMOUSEHANDLER pfnHandler)
{
    for (int i = 0; i < chain.GetCount() && !args.bHandled; i++)
    {
        CZMRMarkupInputElement* pElement = chain.GetElement(i);
        pElement->RaiseEvent(&args);
        if (!args.bHandled)
            (pElement->*pfnHandler)(&args);
    }
    return args.bHandled;
}

void CZMRMarkupContext::HandleMouseMove(CZMRMarkupUIElement* pRoot, int x, int y)
{
    CZMRMarkupInputElement* pHit = pRoot ? pRoot->InputHitTest(CPoint(x, y)) : nullptr;
    if (m_pMouseCaptureElement && pHit)
    {
        // While an element holds the capture only it, or nothing, is hovered.
        CZMRMarkupObject* pObject = pHit;
        while (pObject && pObject != m_pMouseCaptureElement)
            pObject = pObject->GetLogicalParent();
        pHit = pObject ? m_pMouseCaptureElement : nullptr;
    }
    if (pHit != m_pMouseOverElement)
    {
        SetMouseOver(pHit, x, y);
        if (m_pMouseOverElement)
        {
            TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWndHost, 0};
            ::TrackMouseEvent(&tme);
        }
        if (!HandleSetCursor())
            ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));   // the arrow
    }
    m_pActiveRoot = m_pMouseOverElement ? pRoot : nullptr;
    if (!m_pMouseOverElement)
        return;
    CInputElementCollection chain;
    BuildInputElementChain(m_pMouseOverElement, chain);
    CZMRMarkupMouseEventArgs args(CZMRMarkupInputElement::m_pMouseMoveEvent, m_pMouseOverElement, m_hWndHost, x, y);
    RouteMouseEvent(chain, args, &CZMRMarkupInputElement::OnMouseMove);
}

void CZMRMarkupContext::SetMouseOver(CZMRMarkupInputElement* pElement, int x, int y)
{
    if (pElement == m_pMouseOverElement)
        return;
    if (!pElement)
        m_pActiveRoot = nullptr;

    CInputElementCollection oldChain;
    CInputElementCollection newChain;
    if (m_pMouseOverElement)
        BuildInputElementChain(m_pMouseOverElement, oldChain);
    if (pElement)
        BuildInputElementChain(pElement, newChain);
    // Common ancestors get neither event.
    while (oldChain.GetCount() > 0 && newChain.GetCount() > 0 &&
           oldChain.GetItem(oldChain.GetCount() - 1) == newChain.GetItem(newChain.GetCount() - 1))
    {
        oldChain.RemoveAt(oldChain.GetCount() - 1);
        newChain.RemoveAt(newChain.GetCount() - 1);
    }

    CZMRMarkupInputElement* pOld = m_pMouseOverElement;
    if (pElement)
        pElement->AddRef();
    m_pMouseOverElement = pElement;

    CZMRMarkupMouseEventArgs leave(CZMRMarkupInputElement::m_pMouseLeaveEvent, pOld, m_hWndHost, x, y);
    RouteMouseEvent(oldChain, leave, &CZMRMarkupInputElement::OnMouseLeave);
    CZMRMarkupMouseEventArgs enter(CZMRMarkupInputElement::m_pMouseEnterEvent, pElement, m_hWndHost, x, y);
    RouteMouseEvent(newChain, enter, &CZMRMarkupInputElement::OnMouseEnter);
    if (pOld)
        pOld->Release();
}

BOOL CZMRMarkupContext::HandleSetCursor()
{
    if (!m_pMouseOverElement)
        return FALSE;
    CInputElementCollection chain;
    BuildInputElementChain(m_pMouseOverElement, chain);
    CZMRMarkupQueryCursorEventArgs args(nullptr, m_pMouseOverElement, m_hWndHost);
    for (int i = 0; i < chain.GetCount(); i++)
    {
        chain.GetElement(i)->OnQueryCursor(&args);
        if (!args.bHandled)
            continue;
        if (!args.hCursor)
            return FALSE;
        ::SetCursor(args.hCursor);
        return TRUE;
    }
    return FALSE;
}

BOOL CZMRMarkupContext::HandleMouseWheel(int nDelta)
{
    if (!m_pMouseOverElement)
        return FALSE;
    CInputElementCollection chain;
    BuildInputElementChain(m_pMouseOverElement, chain);
    CZMRMarkupMouseWheelEventArgs args(nullptr, m_pMouseOverElement, m_hWndHost);
    args.nDelta = nDelta;
    for (int i = 0; i < chain.GetCount(); i++)
    {
        chain.GetElement(i)->OnMouseWheel(&args);
        if (args.bHandled)
            return TRUE;
    }
    return FALSE;
}

BOOL CZMRMarkupContext::HandleMouseButton(UINT message, WPARAM /*wParam*/, LPARAM lParam)
{
    CZMRMarkupInputElement* pTarget = m_pMouseCaptureElement ? m_pMouseCaptureElement : m_pMouseOverElement;
    if (!pTarget)
        return FALSE;
    CZMRMarkupRoutedEvent* pEvent = nullptr;
    PFNMOUSEHANDLER pfnHandler = nullptr;
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pEvent = CZMRMarkupInputElement::m_pMouseLeftButtonDownEvent;
        pfnHandler = &CZMRMarkupInputElement::OnMouseLeftButtonDown;
        break;
    case WM_LBUTTONUP:
        pEvent = CZMRMarkupInputElement::m_pMouseLeftButtonUpEvent;
        pfnHandler = &CZMRMarkupInputElement::OnMouseLeftButtonUp;
        break;
    case WM_RBUTTONDOWN:
        pEvent = CZMRMarkupInputElement::m_pMouseRightButtonDownEvent;
        pfnHandler = &CZMRMarkupInputElement::OnMouseRightButtonDown;
        break;
    case WM_RBUTTONUP:
        pEvent = CZMRMarkupInputElement::m_pMouseRightButtonUpEvent;
        pfnHandler = &CZMRMarkupInputElement::OnMouseRightButtonUp;
        break;
    default:
        return FALSE;
    }
    CInputElementCollection chain;
    BuildInputElementChain(pTarget, chain);
    CZMRMarkupMouseEventArgs args(pEvent, pTarget, m_hWndHost, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return RouteMouseEvent(chain, args, pfnHandler);
}

void CZMRMarkupContext::CaptureMouse(CZMRMarkupInputElement* pElement)
{
    // The host takes the capture first: a capture change it causes belongs
    // to the element that held the capture before.
    if (m_hWndHost)
        ::SetCapture(m_hWndHost);
    m_pMouseCaptureElement = pElement;
}

void CZMRMarkupContext::ReleaseMouseCapture()
{
    m_pMouseCaptureElement = nullptr;
    if (m_hWndHost && ::GetCapture() == m_hWndHost)
        ::ReleaseCapture();
}

void CZMRMarkupContext::OnInvalidateVisual(CZMRMarkupObject* pElement)
{
    if (!m_hWndHost)
        return;
    CRect rc = GetHostRectOfElement(pElement);
    ::InvalidateRect(m_hWndHost, rc, FALSE);
}

void CZMRMarkupContext::OnInvalidateMeasure(CZMRMarkupObject* /*pElement*/)
{
    if (m_hWndHost)
        ::InvalidateRect(m_hWndHost, nullptr, FALSE);
}
