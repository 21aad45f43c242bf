#include "ZMRMarkupFacade.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupUIElement.h"

#include <new>

namespace
{
// Runs fn and turns anything it throws into the failure result, so that no
// exception reaches a caller of the engine.
template <class R, class F>
R CallWithoutThrowing(R failure, F fn)
{
    try
    {
        return fn();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    return failure;
}
}

CZMRMarkupContext* AFXAPI NewMarkupContext(HWND hWndHost)
{
    return CallWithoutThrowing<CZMRMarkupContext*>(nullptr, [&] {
        CZMRMarkupContext* pContext = new CZMRMarkupContext();
        pContext->SetHostWindow(hWndHost);
        return pContext;
    });
}

void AFXAPI DropMarkupContext(CZMRMarkupContext** ppContext)
{
    if (!ppContext || !*ppContext)
        return;
    CZMRMarkupContext* pContext = *ppContext;
    *ppContext = nullptr;
    CallWithoutThrowing(0L, [&] { return pContext->Release(); });
}

CZMRMarkupUIElement* AFXAPI BuildMarkupTree(CZMRMarkupContext* pContext, LPCWSTR lpszMarkup)
{
    if (!pContext || !lpszMarkup)
        return nullptr;
    return CallWithoutThrowing<CZMRMarkupUIElement*>(nullptr, [&] { return pContext->Parse(lpszMarkup); });
}

long AFXAPI DropMarkupTree(CZMRMarkupUIElement** ppElement)
{
    if (!ppElement || !*ppElement)
        return 0;
    CZMRMarkupUIElement* pElement = *ppElement;
    *ppElement = nullptr;
    return CallWithoutThrowing(0L, [&] { return pElement->Release(); });
}

CZMRMarkupContext* AFXAPI OwningMarkupContext(CZMRMarkupUIElement* pElement)
{
    return pElement ? pElement->GetMarkupContext() : nullptr;
}

void AFXAPI SetMarkupDefaults(CZMRMarkupContext* pContext, HFONT hFont, COLORREF clrText)
{
    if (!pContext)
        return;
    if (hFont)
        pContext->SetDefaultFont(hFont);
    if (clrText != static_cast<COLORREF>(-1))
        pContext->SetDefaultForeground(clrText);
}

SIZE AFXAPI MeasureMarkupTree(CZMRMarkupUIElement* pElement, int nMaxWidth, int nMaxHeight)
{
    SIZE szNone = {0, 0};
    if (!pElement)
        return szNone;
    return CallWithoutThrowing(szNone, [&] {
        CZMRMarkupDrawingContext dc;
        pElement->Measure(&dc, nMaxWidth, nMaxHeight);
        SIZE sz = pElement->GetDesiredSize();
        return sz;
    });
}

int AFXAPI DrawMarkupTree(CZMRMarkupUIElement* pElement, HDC hDC, const RECT* lpRect)
{
    if (!pElement || !hDC || !lpRect)
        return 0;
    CRect rc(lpRect);
    return CallWithoutThrowing(0, [&] {
        CZMRMarkupDrawingContext dc(hDC);
        pElement->Arrange(rc);
        pElement->Render(&dc);
        return 0;
    });
}
