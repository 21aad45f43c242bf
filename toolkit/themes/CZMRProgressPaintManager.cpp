#include "CZMRProgressPaintManager.h"

CZMRProgressPaintManager::CZMRProgressPaintManager(CZMRPaintManager* pPaintManager)
    : m_themeProgress(TRUE), m_pPaintManager(pPaintManager), m_nDefaultHeight(16)
{
}

CZMRProgressPaintManager::~CZMRProgressPaintManager()
{
    m_themeProgress.CloseThemeData();
}

void CZMRProgressPaintManager::RefreshMetrics()
{
    m_themeProgress.OpenThemeData(nullptr, L"PROGRESS");
}
