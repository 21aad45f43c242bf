#include "CZMRProgressBase.h"
#include <algorithm>

CZMRProgressBase::CZMRProgressBase() : m_nMin(0), m_nMax(100), m_nPos(0)
{
}

CZMRProgressBase::~CZMRProgressBase()
{
}

void CZMRProgressBase::SetRange(int nMin, int nMax)
{
    if (nMin == m_nMin && nMax == m_nMax)
        return;
    m_nMin = nMin;
    m_nMax = nMax;
    RedrawProgress();
}

void CZMRProgressBase::SetPos(int nPos)
{
    nPos = std::max(m_nMin, std::min(m_nMax, nPos));
    if (nPos == m_nPos)
        return;
    m_nPos = nPos;
    RedrawProgress();
}
