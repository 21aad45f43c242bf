#include "CZMRSliderPaintManager.h"

CZMRSliderPaintManager::CZMRSliderPaintManager(CZMRPaintManager* pPaintManager)
    : CZMRScrollBarPaintManager(pPaintManager)
{
}

void CZMRSliderPaintManager::RefreshMetrics()
{
    CZMRScrollBarPaintManager::RefreshMetrics();
    m_cxHScroll = 16;
    m_cyHScroll = 16;
    m_nThumbSize = 11;
}
