// Draws progress bars for a paint manager, flat or in the "PROGRESS" visual
// style. The paint manager owns it and refreshes it with its own metrics.
#pragma once
#include "Framework.h"
#include "CZMRWinThemeWrapper.h"

class CZMRPaintManager;

class CZMRProgressPaintManager
{
public:
    explicit CZMRProgressPaintManager(CZMRPaintManager* pPaintManager);
    virtual ~CZMRProgressPaintManager();

    // Reopens the "PROGRESS" style.
    virtual void RefreshMetrics();

    CZMRWinThemeWrapper m_themeProgress;
    CZMRPaintManager* m_pPaintManager;
    int m_nDefaultHeight;   // of a progress control without a height of its own
};
