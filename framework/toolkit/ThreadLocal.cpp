#include "toolkit/ThreadLocal.h"
#include <map>
#include <vector>

namespace
{
// Every holder's objects by thread, under one lock. The lock and the table
// are never freed: threads may end while static objects are being destroyed.
struct SlotTable
{
    CRITICAL_SECTION lock;
    std::map<std::pair<CThreadLocalObject*, DWORD>, CNoTrackObject*> objects;
    SlotTable() { ::InitializeCriticalSection(&lock); }
};

SlotTable& Table()
{
    static SlotTable* s_pTable = new SlotTable;
    return *s_pTable;
}

class CTableLock
{
public:
    CTableLock() { ::EnterCriticalSection(&Table().lock); }
    ~CTableLock() { ::LeaveCriticalSection(&Table().lock); }
};

// A thread that made an object marks this fiber-local slot; the slot's
// callback runs when the thread ends. (A thread_local guard object would not
// do: this runtime frees thread_local storage before running destructors.)
void WINAPI ThreadEnded(void*)
{
    CThreadLocalObject::DeleteThreadObjects(::GetCurrentThreadId());
}

DWORD ThreadEndSlot()
{
    static const DWORD s_dwSlot = ::FlsAlloc(&ThreadEnded);
    return s_dwSlot;
}
} // namespace

CThreadLocalObject::CThreadLocalObject()
{
    Table();   // made before any thread can ask
    ThreadEndSlot();
}

CThreadLocalObject::~CThreadLocalObject()
{
    std::vector<CNoTrackObject*> doomed;
    {
        CTableLock lock;
        SlotTable& table = Table();
        auto it = table.objects.lower_bound({ this, 0 });
        while (it != table.objects.end() && it->first.first == this)
        {
            doomed.push_back(it->second);
            it = table.objects.erase(it);
        }
    }
    // Outside the lock: a destructor may ask a holder for its own object.
    for (CNoTrackObject* p : doomed)
        delete p;
}

CNoTrackObject* CThreadLocalObject::GetDataNA()
{
    CTableLock lock;
    auto& objects = Table().objects;
    auto it = objects.find({ this, ::GetCurrentThreadId() });
    return it != objects.end() ? it->second : nullptr;
}

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject* (AFXAPI* pfnCreate)())
{
    if (CNoTrackObject* p = GetDataNA())
        return p;
    // Only this thread makes its object: no other thread can race for it.
    CNoTrackObject* pNew = pfnCreate();
    if (pNew == nullptr)
        return nullptr;
    ::FlsSetValue(ThreadEndSlot(), reinterpret_cast<void*>(1));
    CTableLock lock;
    Table().objects[{ this, ::GetCurrentThreadId() }] = pNew;
    return pNew;
}

void AFXAPI CThreadLocalObject::DeleteThreadObjects(DWORD dwThreadId)
{
    std::vector<CNoTrackObject*> doomed;
    {
        CTableLock lock;
        auto& objects = Table().objects;
        for (auto it = objects.begin(); it != objects.end();)
        {
            if (it->first.second == dwThreadId)
            {
                doomed.push_back(it->second);
                it = objects.erase(it);
            }
            else
                ++it;
        }
    }
    for (CNoTrackObject* p : doomed)
        delete p;
}
