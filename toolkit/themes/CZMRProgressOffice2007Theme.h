// Draws progress bars from the skinned theme's part pictures: the track and
// the filled chunk with its end cap. Its bars are 12 px high.
#pragma once
#include "CZMRProgressPaintManager.h"

class CZMROffice2007Theme;

class CZMRProgressOffice2007Theme : public CZMRProgressPaintManager
{
public:
    explicit CZMRProgressOffice2007Theme(CZMROffice2007Theme* pTheme);

    // The skin's track, then its chunk over the filled width and the
    // chunk's last columns as an end cap; without the track the plain bar.
    void DrawProgress(CDC* pDC, CZMRProgressBase* pProgressBar) override;

protected:
    CZMROffice2007Theme* m_pTheme;   // owner, whose skin it draws from
};
