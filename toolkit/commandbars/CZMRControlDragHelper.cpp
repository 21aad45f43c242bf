#include "CZMRControlDragHelper.h"

CZMRControlDragHelper::CZMRControlDragHelper(CZMRBarManager* pBarManager)
    : m_hWndCustomize(nullptr), m_pBarManager(pBarManager)
{
}

CZMRControlDragHelper::~CZMRControlDragHelper()
{
}

int CZMRControlDragHelper::DoDrag(CZMRControl* /*pControl*/, BOOL /*bCopyCursor*/)
{
    return dropCancelled;
}
