// CCmdTarget: the base of every object that receives commands through a
// message map, with the framework's reference count for objects shared
// through interfaces.
#pragma once

#include "core/Core.h"
#include "window/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Routes a command (nCode CN_COMMAND or a control code), a notification
    // (CN_NOTIFY_CODE(WM_NOTIFY, code), pExtra an AFX_NOTIFY*) or an update
    // request (CN_UPDATE_COMMAND_UI, pExtra a CCmdUI*) through this object's
    // message maps. With pHandlerInfo it only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Reference count: the object starts with one reference; when the last
    // one goes, OnFinalRelease runs, which deletes the object.
    DWORD InternalAddRef();
    DWORD InternalRelease();
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }
    virtual void OnFinalRelease();
    long GetRefCount() const { return m_dwRef; }

    // Finds the map entry for a message in the chain of maps, or null.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    volatile long m_dwRef;
};
