// The record an event carries from the element that raises it to every
// handler on its route. Records live on the stack of whoever raises the event.
#pragma once
#include "Framework.h"

class CZMRMarkupRoutedEvent;
class CZMRMarkupInputElement;

class CZMRMarkupRoutedEventArgs
{
public:
    explicit CZMRMarkupRoutedEventArgs(CZMRMarkupRoutedEvent* pRoutedEvent = nullptr,
                                       CZMRMarkupInputElement* pSourceElement = nullptr)
        : pEvent(pRoutedEvent), pSource(pSourceElement), bHandled(FALSE)
    {
    }
    virtual ~CZMRMarkupRoutedEventArgs() {}

    CZMRMarkupRoutedEvent* pEvent;
    CZMRMarkupInputElement* pSource;
    BOOL bHandled;
};
