// The records of mouse events: the host window and the point in its client
// coordinates, and what the cursor query and the wheel add to them.
#pragma once
#include "CZMRMarkupRoutedEventArgs.h"

class CZMRMarkupObject;

class CZMRMarkupMouseEventArgs : public CZMRMarkupRoutedEventArgs
{
public:
    CZMRMarkupMouseEventArgs(CZMRMarkupRoutedEvent* pRoutedEvent = nullptr,
                             CZMRMarkupInputElement* pSourceElement = nullptr, HWND hWnd = nullptr, int nX = 0,
                             int nY = 0)
        : CZMRMarkupRoutedEventArgs(pRoutedEvent, pSourceElement), hWndHost(hWnd), x(nX), y(nY)
    {
    }

    // The point in the element's coordinates: minus the offset of every
    // visual among the element and its logical ancestors. Null gives the
    // host point.
    CPoint GetPosition(const CZMRMarkupObject* pElement) const;

    HWND hWndHost;
    int x;
    int y;
};

// Filled by the element that answers: the cursor to show, or null.
class CZMRMarkupQueryCursorEventArgs : public CZMRMarkupMouseEventArgs
{
public:
    using CZMRMarkupMouseEventArgs::CZMRMarkupMouseEventArgs;

    HCURSOR hCursor = nullptr;
};

class CZMRMarkupMouseWheelEventArgs : public CZMRMarkupMouseEventArgs
{
public:
    using CZMRMarkupMouseEventArgs::CZMRMarkupMouseEventArgs;

    int nDelta = 0;   // signed, in wheel units
};
