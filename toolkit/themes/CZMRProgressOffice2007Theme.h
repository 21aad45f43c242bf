// Draws progress bars from the skinned theme's part pictures: the track and
// the filled chunk with its end cap. Its bars are 12 px high.
#pragma once
#include "CZMRProgressPaintManager.h"

class CZMROffice2007Theme;

class CZMRProgressOffice2007Theme : public CZMRProgressPaintManager
{
public:
    explicit CZMRProgressOffice2007Theme(CZMROffice2007Theme* pTheme);

protected:
    CZMROffice2007Theme* m_pTheme;   // owner, whose skin it draws from
};
