// Per-thread holders: each thread that asks gets an object of its own,
// created on its first request and destroyed when that thread ends; the
// objects of threads still running go with the holder at process end.
#pragma once
#include "toolkit/ProcessLocal.h"

class CThreadLocalObject
{
public:
    CThreadLocalObject();
    ~CThreadLocalObject();
    CThreadLocalObject(const CThreadLocalObject&) = delete;
    CThreadLocalObject& operator=(const CThreadLocalObject&) = delete;

    // The calling thread's object, made by pfnCreate on its first request;
    // null when it could not be made (a later request tries again).
    CNoTrackObject* GetData(CNoTrackObject* (AFXAPI* pfnCreate)());
    // The calling thread's object when it has one, else null; never creates.
    CNoTrackObject* GetDataNA();

    // Called when a thread ends: its object of every holder is deleted.
    static void AFXAPI DeleteThreadObjects(DWORD dwThreadId);
};

template <class TYPE>
class CThreadLocal : public CThreadLocalObject
{
public:
    TYPE* GetData()
    {
        return static_cast<TYPE*>(CThreadLocalObject::GetData(&CreateObject));
    }
    TYPE* GetDataNA()
    {
        return static_cast<TYPE*>(CThreadLocalObject::GetDataNA());
    }
    TYPE* operator->() { return GetData(); }
    operator TYPE*() { return GetData(); }

    static CNoTrackObject* AFXAPI CreateObject()
    {
        return new (std::nothrow) TYPE;
    }
};

// Declares a holder at namespace scope.
#define THREAD_LOCAL(class_name, ident_name) CThreadLocal<class_name> ident_name;
#define EXTERN_THREAD_LOCAL(class_name, ident_name) extern CThreadLocal<class_name> ident_name;
