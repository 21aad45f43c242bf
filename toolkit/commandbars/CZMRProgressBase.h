// A range and a position that a control carries and shows as a progress bar;
// the owner supplies the rectangle, the redraw and the paint manager.
#pragma once
#include "Framework.h"

class CZMRProgressPaintManager;

class CZMRProgressBase
{
public:
    CZMRProgressBase();
    virtual ~CZMRProgressBase();

    // The owner's rectangle of the bar.
    virtual void GetProgressRect(CRect& rc) = 0;
    // The owner repaints the bar.
    virtual void RedrawProgress() = 0;
    virtual CZMRProgressPaintManager* GetProgressPaintManager() = 0;

    void GetRange(int& nMin, int& nMax) const
    {
        nMin = m_nMin;
        nMax = m_nMax;
    }
    // Redraws only when either end changed.
    void SetRange(int nMin, int nMax);
    // Clamped to the range; redraws only when it changed.
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }

    int m_nMin;
    int m_nMax;
    int m_nPos;
};
