#include "CZMRControlBitmap.h"
#include "CZMRImageManager.h"

IMPLEMENT_SERIAL(CZMRControlBitmap, CZMRControlLabel, VERSIONABLE_SCHEMA | 0x21)

CZMRControlBitmap::CZMRControlBitmap()
{
}

CSize CZMRControlBitmap::GetSize(CDC* /*pDC*/)
{
    CZMRImageManager* pImageManager = GetImageManager();
    CZMRImageManagerIcon* pImage = pImageManager ? pImageManager->GetImage(UINT(GetID()), 1) : nullptr;
    return pImage ? pImage->GetExtent() : CSize(0, 0);
}

void CZMRControlBitmap::Draw(CDC* pDC)
{
    CZMRImageManager* pImageManager = GetImageManager();
    if (CZMRImageManagerIcon* pImage = pImageManager ? pImageManager->GetImage(UINT(GetID()), 1) : nullptr)
        pImage->DrawNormalAt(pDC, m_rcControl.TopLeft());
}
