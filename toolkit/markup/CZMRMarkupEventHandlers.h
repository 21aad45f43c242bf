// The handlers of routed events that an element or a context keeps: for each
// event the delegates in the order they were added, each holding one
// reference. The map and its lists allocate in blocks of 10.
#pragma once
#include "Framework.h"

class CZMRMarkupDelegate;
class CZMRMarkupObject;
class CZMRMarkupRoutedEvent;
class CZMRMarkupRoutedEventArgs;

class CZMRMarkupEventHandlers
{
public:
    CZMRMarkupEventHandlers();
    // Releases every handler.
    ~CZMRMarkupEventHandlers();

    // Appends the handler to the event's list; the caller's reference passes
    // to the list.
    void Add(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler);
    // Calls the handlers of the record's event in order with the sender; the
    // next handler is taken before each call.
    void Raise(CZMRMarkupObject* pSender, CZMRMarkupRoutedEventArgs* pArgs);
    int GetCount(CZMRMarkupRoutedEvent* pEvent) const;

private:
    CZMRMarkupEventHandlers(const CZMRMarkupEventHandlers&) = delete;
    CZMRMarkupEventHandlers& operator=(const CZMRMarkupEventHandlers&) = delete;

    CMapPtrToPtr m_mapHandlers;   // event -> CPtrList of delegates
};
