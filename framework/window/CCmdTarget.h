// CCmdTarget: the base of every object that receives commands through a
// message map, with the framework's reference count and interface map for
// objects shared through COM interfaces.
#pragma once

#include "core/Core.h"
#include "window/MessageMap.h"
#include "window/InterfaceMap.h"

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

    // Interfaces: iid points to an IID. GetInterface finds the part that
    // implements it in the chain of interface maps (IUnknown is the first
    // part of the most derived map that has one), without a reference, or
    // null. The queries add a reference to this object for the part they
    // return; an object that is not aggregated answers both the same way.
    LPUNKNOWN GetInterface(const void* iid);
    HRESULT InternalQueryInterface(const void* iid, LPVOID* ppvObj);
    HRESULT ExternalQueryInterface(const void* iid, LPVOID* ppvObj) { return InternalQueryInterface(iid, ppvObj); }
    // The part of the interface map that implements IDispatch, or null;
    // with bAddRef the caller receives a reference to release.
    LPDISPATCH GetIDispatch(BOOL bAddRef);

    // Finds the map entry for a message in the chain of maps, or null.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_INTERFACEMAP* GetThisInterfaceMap();
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;

    volatile long m_dwRef;
};
