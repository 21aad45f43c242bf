#include "CZMRControlGalleryPaintManager.h"

CZMRControlGalleryPaintManager::CZMRControlGalleryPaintManager(CZMRPaintManager* pPaintManager)
    : CZMRScrollBarPaintManager(pPaintManager)
{
    SetButtonSizes();
}

void CZMRControlGalleryPaintManager::SetButtonSizes()
{
    m_cyUpButton = 19;
    m_cyDownButton = 19;
    m_cxScrollColumn = 16;
}

void CZMRControlGalleryPaintManager::RefreshMetrics()
{
    CZMRScrollBarPaintManager::RefreshMetrics();
    SetButtonSizes();
}
