#include "CZMREventSinkList.h"
#include <vector>

int CZMREventSinkList::FindConnection(DWORD dwCookie)
{
    CSingleLock lock(GetSyncObject(), TRUE);
    for (INT_PTR i = 0; i < m_arrConnections.GetSize(); i++)
    {
        ZMR_EVENT_CONNECTION* pConnection = m_arrConnections[i];
        if (pConnection && pConnection->dwCookie == dwCookie)
            return int(i);
    }
    return -1;
}

BOOL CZMREventSinkList::SendEvent(DWORD dwEventId, WPARAM wParam, LPARAM lParam, DWORD dwFlags)
{
    // Each delivery copies its connections into a buffer of its own, so that
    // deliveries on two threads, or one nested in a sink, never share records.
    std::vector<ZMR_EVENT_CONNECTION> buffer;
    {
        CSingleLock lock(GetSyncObject(), TRUE);
        InternalAddRef();
        buffer.reserve(size_t(m_arrConnections.GetSize()));
        for (INT_PTR i = 0; i < m_arrConnections.GetSize(); i++)
        {
            ZMR_EVENT_CONNECTION* pConnection = m_arrConnections[i];
            if (pConnection && pConnection->dwEventId == dwEventId)
                buffer.push_back(*pConnection);
        }
    }

    for (const ZMR_EVENT_CONNECTION& record : buffer)
    {
        // A sink disconnected by an earlier one is not called.
        if (FindConnection(record.dwCookie) < 0 || !record.pSink)
            continue;
        try
        {
            record.pSink->OnEvent(dwEventId, wParam, lParam, dwFlags);
        }
        catch (CException* e)
        {
            e->Delete();   // a failing sink does not stop the others
        }
        catch (...)
        {
        }
    }

    const BOOL bDelivered = !buffer.empty();
    InternalRelease();   // may delete the container
    return bDelivered;
}
