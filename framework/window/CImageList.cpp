#include "window/CImageList.h"
#include "window/AfxThreadState.h"
#include "window/CDC.h"
#include "window/IsolationAware.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return AfxGetThreadState()->m_imageLists.FromHandle(hImageList, [](HIMAGELIST h) {
        CImageList* p = new CImageList;
        p->m_hImageList = h;
        return p;
    });
}

void PASCAL CImageList::DeleteTempMap()
{
    AfxGetThreadState()->m_imageLists.DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    AfxGetThreadState()->m_imageLists.SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != nullptr)
    {
        auto& map = AfxGetThreadState()->m_imageLists;
        if (map.LookupPermanent(h) == this)
            map.RemoveHandle(h);
    }
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}
BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    LPCTSTR name = MAKEINTRESOURCE(nBitmapID);
    return Attach(ImageList_LoadImageW(AfxFindResourceHandle(name, RT_BITMAP), name, cx, nGrow, crMask, IMAGE_BITMAP,
                                       LR_CREATEDIBSECTION));
}
BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}
int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, pbmImage ? static_cast<HBITMAP>(pbmImage->m_hObject) : nullptr,
                         pbmMask ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr);
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return AfxImageListAddMasked(m_hImageList, static_cast<HBITMAP>(pbmImage->m_hObject), crMask);
}
int CImageList::Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
int CImageList::Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, static_cast<HBITMAP>(pbmImage->m_hObject),
                             pbmMask ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr);
}
BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
HICON CImageList::ExtractIcon(int nImage) { return AfxImageListGetIcon(m_hImageList, nImage, ILD_NORMAL); }
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }
