// The receiving side of the toolkit's notification connections.
#pragma once
#include "core/Core.h"

class CZMREventSink
{
public:
    virtual ~CZMREventSink() {}
    virtual void OnEvent(DWORD dwEventId, WPARAM wParam, LPARAM lParam, DWORD dwFlags) = 0;
};

// One connection: an event id bound to a sink, known by its cookie.
struct ZMR_EVENT_CONNECTION
{
    DWORD dwEventId;
    CZMREventSink* pSink;
    DWORD dwCookie;
};
