// The publisher side of the notification connections: a reference-counted
// container of connections and the delivery of one event to every sink
// connected to it. Sinks may connect, disconnect, send further events or
// throw while they are being notified.
#pragma once
#include "Framework.h"
#include "CZMREventSink.h"

class CZMREventSinkList : public CCmdTarget
{
public:
    CZMREventSinkList() {}
    ~CZMREventSinkList() override {}

    virtual CSyncObject* GetSyncObject() { return &m_lock; }

    // True when at least one connection for the event existed when the
    // delivery began.
    BOOL SendEvent(DWORD dwEventId, WPARAM wParam = 0, LPARAM lParam = 0, DWORD dwFlags = 0);

    // Index of the first connection with the cookie, or -1.
    int FindConnection(DWORD dwCookie);

protected:
    // Null entries are allowed and skipped. Whoever creates the container
    // connects and disconnects the sinks.
    CArray<ZMR_EVENT_CONNECTION*, ZMR_EVENT_CONNECTION*> m_arrConnections;
    CCriticalSection m_lock;
};
