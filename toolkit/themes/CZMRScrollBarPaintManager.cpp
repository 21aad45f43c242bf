#include "CZMRScrollBarPaintManager.h"

CZMRScrollBarPaintManager::CZMRScrollBarPaintManager(CZMRPaintManager* pPaintManager)
    : m_nThumbSize(0), m_pPaintManager(pPaintManager)
{
    ReadSystemMetrics();
}

CZMRScrollBarPaintManager::~CZMRScrollBarPaintManager()
{
    m_themeScrollBar.CloseThemeData();
}

void CZMRScrollBarPaintManager::ReadSystemMetrics()
{
    m_cxHScroll = ::GetSystemMetrics(SM_CXHSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
}

void CZMRScrollBarPaintManager::RefreshMetrics()
{
    ReadSystemMetrics();
    m_themeScrollBar.OpenThemeData(nullptr, L"SCROLLBAR");
}
