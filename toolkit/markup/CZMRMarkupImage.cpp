#include "CZMRMarkupImage.h"
#include "CZMRImageManager.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "ZMRImageLoaders.h"

#include <cwchar>

IMPLEMENT_MARKUPCLASS(CZMRMarkupImage)

CZMRMarkupDependencyProperty* CZMRMarkupImage::m_pSourceProperty = nullptr;

namespace
{
const WCHAR szFilePrefix[] = L"file://";
const WCHAR szResourcePrefix[] = L"res://";
// Pixels of this colour in a bitmap without alpha are transparent.
const COLORREF clrPictureMask = RGB(0, 255, 0);
}

void AFXAPI CZMRMarkupImage::RegisterMarkupProperties()
{
    m_pSourceProperty = CZMRMarkupDependencyProperty::Register(
        L"Source", CZMRMarkupString::GetMarkupType(), CZMRMarkupImage::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

CZMRMarkupImage::CZMRMarkupImage() : m_pImageManager(nullptr), m_pIcon(nullptr)
{
}

CZMRMarkupImage::~CZMRMarkupImage()
{
    ReleasePicture();
}

void CZMRMarkupImage::ReleasePicture()
{
    if (m_pIcon)
    {
        m_pIcon->InternalRelease();
        m_pIcon = nullptr;
    }
    if (m_pImageManager)
    {
        m_pImageManager->InternalRelease();
        m_pImageManager = nullptr;
    }
}

void CZMRMarkupImage::TakeIcon(UINT nCommand)
{
    m_pIcon = m_pImageManager ? m_pImageManager->GetImage(nCommand, 0) : nullptr;
    if (m_pIcon)
        m_pIcon->InternalAddRef();
}

void CZMRMarkupImage::SetBitmapPicture(HBITMAP hBitmap, BOOL bAlpha)
{
    BITMAP bm = {};
    ::GetObjectW(hBitmap, sizeof(bm), &bm);
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    m_pImageManager->SetIcons(bitmap, nullptr, 1, bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight,
                              ZMR_ICONSTATE_NORMAL, bAlpha);
    bitmap.DeleteObject();
}

void CZMRMarkupImage::LoadSource()
{
    CZMRMarkupString* pSource = MarkupCast<CZMRMarkupString>(GetValue(m_pSourceProperty));
    // Without a source the picture shown last stays until the element goes.
    if (!pSource)
        return;
    ReleasePicture();
    LPCWSTR lpszSource = pSource->GetText();

    const size_t nFilePrefix = wcslen(szFilePrefix);
    const size_t nResourcePrefix = wcslen(szResourcePrefix);
    if (wcsncmp(lpszSource, szFilePrefix, nFilePrefix) == 0)
    {
        m_pImageManager = new CZMRImageManager();
        m_pImageManager->SetMaskColor(clrPictureMask);
        BOOL bAlpha = FALSE;
        HBITMAP hBitmap = ReadBitmapFile(lpszSource + nFilePrefix, &bAlpha);
        if (hBitmap)
            SetBitmapPicture(hBitmap, bAlpha);
        TakeIcon(0);
        return;
    }
    if (wcsncmp(lpszSource, szResourcePrefix, nResourcePrefix) == 0)
    {
        LPCWSTR lpszName = lpszSource + nResourcePrefix;
        m_pImageManager = new CZMRImageManager();
        m_pImageManager->SetMaskColor(clrPictureMask);
        BOOL bAlpha = FALSE;
        HBITMAP hBitmap = ReadBitmapResource(::GetModuleHandleW(nullptr), lpszName, &bAlpha);
        if (hBitmap)
            SetBitmapPicture(hBitmap, bAlpha);
        else
            m_pImageManager->AddIconFromResource(lpszName, 0, 0, 0, ZMR_ICONSTATE_NORMAL);
        TakeIcon(0);
        return;
    }

    const int nCommand = CZMRMarkupInt::ReadLeadingInteger(lpszSource);
    if (nCommand <= 0)
        return;
    CZMRImageManager* pManager = m_pMarkupContext ? m_pMarkupContext->GetImageManager() : nullptr;
    if (!pManager)
        pManager = ::GetImageManager();
    pManager->InternalAddRef();
    m_pImageManager = pManager;
    TakeIcon(static_cast<UINT>(nCommand));
}

CSize CZMRMarkupImage::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                       int /*nAvailableHeight*/)
{
    LoadSource();
    return m_pIcon ? m_pIcon->GetExtent() : CSize(0, 0);
}

void CZMRMarkupImage::OnRender(CZMRMarkupDrawingContext* pDC)
{
    if (m_pIcon)
        m_pIcon->DrawNormal(CDC::FromHandle(pDC->GetOutputDC()), CPoint(0, 0), m_szRender);
}
