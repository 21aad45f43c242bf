// The per-thread object that watches the mouse for the command bars: the bars
// in tracking, the bar that last made a control hot, and closing them all.
#pragma once
#include "Framework.h"
#include "toolkit/ThreadLocal.h"

class CZMRCommandBar;

class CZMRMouseManager : public CNoTrackObject
{
public:
    CZMRMouseManager();
    ~CZMRMouseManager() override;

    // The calling thread's mouse manager, made on its first use.
    static CZMRMouseManager* GetThreadMouseManager();

    // A bar enters tracking: with no bar tracked yet, another hot bar drops
    // its hot control. A bar is listed once.
    void AddTracked(CZMRCommandBar* pBar);
    void RemoveTracked(CZMRCommandBar* pBar);
    int GetTrackedCount() const { return int(m_arrTracked.GetSize()); }
    CZMRCommandBar* GetTrackedAt(int nIndex) const { return m_arrTracked[nIndex]; }
    // Every tracked bar leaves tracking.
    virtual void CloseAllTracked();
    // While bars are tracked, hot tracking is locked for every other bar
    // (and for none).
    BOOL IsMouseLocked(const CZMRCommandBar* pBar) const;

    // Bar controls that hold the keyboard focus.
    int m_nFocusCount;
    // The bar that last made a control hot.
    CZMRCommandBar* m_pHotBar;

protected:
    CArray<CZMRCommandBar*, CZMRCommandBar*> m_arrTracked;
};
