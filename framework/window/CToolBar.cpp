#include "window/CToolBar.h"
#include "window/CGdiObject.h"
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

namespace
{
// Tool-bar bitmaps paint their background light grey; it stays transparent.
const COLORREF kImageBackground = RGB(192, 192, 192);

// A button is this much larger than its image.
const int kButtonMarginX = 7;
const int kButtonMarginY = 7;

// The items of a tool-bar resource and the size of their images; false when
// the resource is missing, of another version or shorter than its count says.
bool ReadToolBarResource(LPCTSTR lpszResourceName, std::vector<UINT>& ids, CSize& sizeImage)
{
    CToolBarResource resource;
    if (!resource.Read(AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR), lpszResourceName) ||
        resource.wVersion != 1)
        return false;
    sizeImage = resource.sizeImage;
    ids = resource.ids;
    return true;
}
}

CToolBar::CToolBar()
    : m_sizeButton(23, 22), m_sizeImage(16, 15)
{
}

CToolBar::~CToolBar()
{
    // The control draws from the image list until it is gone.
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    dwStyle = (dwStyle & 0xFFFF0000) | (dwCtrlStyle & 0xFFFF) | WS_CHILD;
    RECT rc = {0, 0, 0, 0};
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEW, nullptr, dwStyle, rc, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (!m_hWnd)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
    SendMessage(TB_AUTOSIZE, 0, 0);
    Invalidate();
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (!m_hWnd || nIDCount < 0)
        return FALSE;
    std::vector<TBBUTTON> buttons(size_t(nIDCount), TBBUTTON{});
    int nImage = 0;
    for (TBBUTTON& button : buttons)
    {
        const UINT nID = lpIDArray ? *lpIDArray++ : 0;
        if (nID == 0)
        {
            button.fsStyle = BTNS_SEP;
            continue;
        }
        button.iBitmap = nImage++;
        button.idCommand = int(nID);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
    }
    for (int i = int(SendMessage(TB_BUTTONCOUNT, 0, 0)); i > 0; i--)
        SendMessage(TB_DELETEBUTTON, WPARAM(i - 1), 0);
    if (nIDCount > 0 && !SendMessage(TB_ADDBUTTONSW, WPARAM(nIDCount), reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    SendMessage(TB_AUTOSIZE, 0, 0);
    return TRUE;
}

BOOL CToolBar::MakeImageList(LPCTSTR lpszResourceName, SIZE sizeImage, CImageList& imageList)
{
    CBitmap bitmap;
    if (sizeImage.cx <= 0 || sizeImage.cy <= 0 || !bitmap.LoadBitmap(lpszResourceName))
        return FALSE;
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    const int nImages = bm.bmWidth / sizeImage.cx;
    return imageList.Create(sizeImage.cx, sizeImage.cy, ILC_COLOR32 | ILC_MASK, nImages, 0)
        && imageList.Add(&bitmap, kImageBackground) >= 0;
}

void CToolBar::TakeImageList(CImageList& imageList)
{
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList.GetSafeHandle()));
    m_imageList.DeleteImageList();
    m_imageList.Attach(imageList.Detach());
    Invalidate();
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    CImageList imageList;
    if (!m_hWnd || !MakeImageList(lpszResourceName, m_sizeImage, imageList))
        return FALSE;
    TakeImageList(imageList);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    // Everything that can be missing is read before the bar changes.
    std::vector<UINT> ids;
    CSize sizeImage;
    CImageList imageList;
    if (!m_hWnd || !ReadToolBarResource(lpszResourceName, ids, sizeImage)
        || !MakeImageList(lpszResourceName, sizeImage, imageList))
    {
        return FALSE;
    }
    SetSizes(CSize(sizeImage.cx + kButtonMarginX, sizeImage.cy + kButtonMarginY), sizeImage);
    TakeImageList(imageList);
    return SetButtons(ids.data(), int(ids.size()));
}
