// Per-process holders: an object created on first use, under one lock shared
// by every holder, and destroyed when the process ends.
#pragma once
#include "core/Core.h"

// Base of objects kept by a holder.
class CNoTrackObject
{
public:
    virtual ~CNoTrackObject() {}
};

class CProcessLocalObject
{
public:
    CProcessLocalObject() : m_pObject(nullptr) {}
    ~CProcessLocalObject();
    CProcessLocalObject(const CProcessLocalObject&) = delete;
    CProcessLocalObject& operator=(const CProcessLocalObject&) = delete;

    // The object, made by pfnCreate under the shared lock on the first call;
    // null when it could not be made.
    CNoTrackObject* GetData(CNoTrackObject* (AFXAPI* pfnCreate)());

protected:
    CNoTrackObject* volatile m_pObject;
};

template <class TYPE>
class CProcessLocal : public CProcessLocalObject
{
public:
    TYPE* GetData()
    {
        return static_cast<TYPE*>(CProcessLocalObject::GetData(&CreateObject));
    }
    TYPE* operator->() { return GetData(); }
    operator TYPE*() { return GetData(); }

    static CNoTrackObject* AFXAPI CreateObject()
    {
        return new TYPE;
    }
};

// Declares a holder at namespace scope.
#define PROCESS_LOCAL(class_name, ident_name) CProcessLocal<class_name> ident_name;
#define EXTERN_PROCESS_LOCAL(class_name, ident_name) extern CProcessLocal<class_name> ident_name;
