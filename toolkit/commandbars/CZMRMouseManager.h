// The per-thread object that watches the mouse for the command bars: the bars
// in tracking, and closing them all.
#pragma once
#include "Framework.h"
#include "toolkit/ThreadLocal.h"

class CZMRMouseManager : public CNoTrackObject
{
public:
    CZMRMouseManager();
    ~CZMRMouseManager() override;

    // The calling thread's mouse manager, made on its first use.
    static CZMRMouseManager* GetThreadMouseManager();

    // Every tracked bar leaves tracking.
    virtual void CloseAllTracked();
};
