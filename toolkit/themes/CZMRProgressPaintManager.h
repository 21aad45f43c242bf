// Draws progress bars for a paint manager, flat or in the "PROGRESS" visual
// style. The paint manager owns it and refreshes it with its own metrics.
#pragma once
#include "Framework.h"
#include "CZMRWinThemeWrapper.h"

class CZMRPaintManager;
class CZMRProgressBase;

class CZMRProgressPaintManager
{
public:
    explicit CZMRProgressPaintManager(CZMRPaintManager* pPaintManager);
    virtual ~CZMRProgressPaintManager();

    // The bar of a progress base in its rectangle.
    virtual void DrawProgress(CDC* pDC, CZMRProgressBase* pProgressBar);
    // Reopens the "PROGRESS" style.
    virtual void RefreshMetrics();

    // The filled part of an inner width: none for an empty range, and the
    // position taken inside the range first.
    static int GetFilledWidth(int cxInner, int nMin, int nMax, int nPos);
    // The chunks of the visual-style bar: how many cover the filled width.
    static int GetChunkCount(int cxFilled, int cxChunk, int cxSpacing);

    CZMRWinThemeWrapper m_themeProgress;
    CZMRPaintManager* m_pPaintManager;
    int m_nDefaultHeight;   // of a progress control without a height of its own
};
