// The per-thread object that hands the keys of the thread to the command
// bars in tracking (its sinks), last registered first.
#pragma once
#include "Framework.h"
#include "toolkit/ThreadLocal.h"

class CZMRHookManagerHookAble;

class CZMRKeyboardManager : public CNoTrackObject
{
public:
    CZMRKeyboardManager();
    ~CZMRKeyboardManager() override;

    // The calling thread's keyboard manager, made on its first use.
    static CZMRKeyboardManager* GetThreadKeyboardManager();

    // A sink is listed once.
    void AddSink(CZMRHookManagerHookAble* pSink);
    void RemoveSink(CZMRHookManagerHookAble* pSink);
    int GetSinkCount() const { return int(m_arrSinks.GetSize()); }
    CZMRHookManagerHookAble* GetSinkAt(int nIndex) const { return m_arrSinks[nIndex]; }

protected:
    CArray<CZMRHookManagerHookAble*, CZMRHookManagerHookAble*> m_arrSinks;
};
