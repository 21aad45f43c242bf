#include "CZMHeaderCtrlTheme.h"
#include "CZMHeaderCtrl.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"

#include <commctrl.h>
#include <vsstyle.h>
#include <set>

namespace
{
// The image lists that SetItemImage put into items. An item's bitmap handle
// may as well be a plain bitmap of the application: only these are treated
// and destroyed as image lists.
std::set<HIMAGELIST>& ItemImageLists()
{
    static std::set<HIMAGELIST> s_lists;
    return s_lists;
}

HIMAGELIST ItemImageList(const HDITEMW& item)
{
    if (!(item.fmt & HDF_BITMAP) || !item.hbm)
        return nullptr;
    HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(item.hbm);
    return ItemImageLists().count(hList) ? hList : nullptr;
}

void Line(HDC hDC, COLORREF clr, int x1, int y1, int x2, int y2)
{
    HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ hOld = ::SelectObject(hDC, hPen);
    ::MoveToEx(hDC, x1, y1, nullptr);
    ::LineTo(hDC, x2, y2);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hPen);
}

void Fill(HDC hDC, const RECT& rc, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, clrOld);
}

void Rect3d(HDC hDC, const RECT& rc, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    Fill(hDC, {rc.left, rc.top, rc.left + cx - 1, rc.top + 1}, clrTopLeft);
    Fill(hDC, {rc.left, rc.top, rc.left + 1, rc.top + cy - 1}, clrTopLeft);
    Fill(hDC, {rc.left + cx - 1, rc.top, rc.left + cx, rc.top + cy}, clrBottomRight);
    Fill(hDC, {rc.left, rc.top + cy - 1, rc.left + cx, rc.top + cy}, clrBottomRight);
}

// Per channel face - f x (face - shadow), truncated.
COLORREF Blend(COLORREF clrFace, COLORREF clrShadow, double f)
{
    auto channel = [f](int a, int b) { return static_cast<int>(a - f * (a - b)); };
    return RGB(channel(GetRValue(clrFace), GetRValue(clrShadow)), channel(GetGValue(clrFace), GetGValue(clrShadow)),
               channel(GetBValue(clrFace), GetBValue(clrShadow)));
}

HFONT HeaderFont(CZMHeaderCtrl* pHeader)
{
    return reinterpret_cast<HFONT>(::SendMessageW(pHeader->GetSafeHwnd(), WM_GETFONT, 0, 0));
}

CZMHeaderMenuBars* s_pHeaderMenuBars = nullptr;
} // namespace

// ---------------------------------------------------------------- default style

CZMHeaderCtrlTheme::CZMHeaderCtrlTheme()
    : m_nArrowGap(10), m_nDrawStyle(ZM_HEADER_VISUALSTYLE | ZM_HEADER_HOTTRACK | ZM_HEADER_SORTARROW),
      m_bThemed(false), m_nTextMargin(6), m_nTextTop(0), m_nArrowWidth(8), m_nArrowHeight(7), m_clrText(0),
      m_clrFace(0), m_clrShadow(0), m_clrDarkShadow(0), m_clrHighlight(0)
{
}

CZMHeaderCtrlTheme::~CZMHeaderCtrlTheme()
{
}

void CZMHeaderCtrlTheme::RefreshMetrics()
{
    CZMThemeManagerStyle::RefreshMetrics();
    CZMRColorManager* pColors = GetColorManager();
    m_clrText = pColors->GetColor(COLOR_BTNTEXT);
    m_clrFace = pColors->GetColor(COLOR_3DFACE);
    m_clrShadow = pColors->GetColor(COLOR_3DSHADOW);
    m_clrDarkShadow = pColors->GetColor(COLOR_3DDKSHADOW);
    m_clrHighlight = pColors->GetColor(COLOR_3DHILIGHT);
    m_themeHeader.OpenThemeData(nullptr, L"HEADER");
}

HTHEME CZMHeaderCtrlTheme::OpenVisualTheme(CZMHeaderCtrl* pHeader)
{
    if (!(m_nDrawStyle & ZM_HEADER_VISUALSTYLE))
        return nullptr;
    if (!m_themeHeader.IsThemeOpen())
        m_themeHeader.OpenThemeData(pHeader ? pHeader->GetSafeHwnd() : nullptr, L"HEADER");
    return m_themeHeader.IsThemeOpenAndActive() ? m_themeHeader.GetThemeHandle() : nullptr;
}

BOOL CZMHeaderCtrlTheme::SetDrawStyle(int nDrawStyle, CZMHeaderCtrl* pHeader)
{
    m_nDrawStyle = nDrawStyle;
    m_bThemed = OpenVisualTheme(pHeader) != nullptr && (nDrawStyle & ZM_HEADER_VISUALSTYLE);
    return m_bThemed;
}

LRESULT CZMHeaderCtrlTheme::Layout(LPHDLAYOUT pLayout, CZMHeaderCtrl* pHeader)
{
    return pHeader->DefWindowProc(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pLayout));
}

int CZMHeaderCtrlTheme::ReleaseItemImages(CZMHeaderCtrl* pHeader)
{
    const int nCount = pHeader->GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        HDITEMW item = {};
        item.mask = HDI_FORMAT | HDI_BITMAP;
        if (!pHeader->GetItem(i, &item))
            continue;
        if (HIMAGELIST hList = ItemImageList(item))
        {
            ItemImageLists().erase(hList);
            ::ImageList_Destroy(hList);
        }
    }
    return nCount;
}

BOOL CZMHeaderCtrlTheme::SetItemImage(int nItem, UINT nBitmapID, BOOL bRemove, COLORREF clrMask,
                                      CZMHeaderCtrl* pHeader)
{
    HDITEMW item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    if (!pHeader->GetItem(nItem, &item))
        return FALSE;
    if (HIMAGELIST hList = ItemImageList(item))
    {
        ItemImageLists().erase(hList);
        ::ImageList_Destroy(hList);
        item.fmt &= ~HDF_BITMAP;
        item.hbm = nullptr;
    }
    pHeader->SetItem(nItem, &item);
    pHeader->Invalidate();
    if (bRemove)
        return FALSE;

    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nBitmapID),
                                                       IMAGE_BITMAP, 0, 0, 0));
    if (!hBitmap)
        return FALSE;
    BITMAP bm;
    ::GetObject(hBitmap, sizeof(bm), &bm);
    HIMAGELIST hList = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
    if (!hList || ImageListAddActCtx(hList, hBitmap, clrMask) < 0)
    {
        if (hList)
            ::ImageList_Destroy(hList);
        ::DeleteObject(hBitmap);
        return FALSE;
    }
    ItemImageLists().insert(hList);
    item.mask = HDI_FORMAT | HDI_BITMAP;
    item.fmt = HDF_BITMAP;
    item.hbm = reinterpret_cast<HBITMAP>(hList);
    pHeader->SetItem(nItem, &item);
    pHeader->Invalidate();
    ::DeleteObject(hBitmap);
    return TRUE;
}

void CZMHeaderCtrlTheme::DrawHeader(CDC* pDC, CZMHeaderCtrl* pHeader)
{
    HDC hDC = pDC->GetSafeHdc();
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_HEADER;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = pHeader->GetSafeHwnd();
    dis.hDC = hDC;
    pHeader->GetClientRect(&dis.rcItem);
    const CRect rcClient(dis.rcItem);

    if (!m_bThemed || !DrawBackgroundThemed(&dis))
        DrawBackground(&dis);

    HGDIOBJ hOldFont = ::SelectObject(hDC, HeaderFont(pHeader));
    ::SetTextColor(hDC, m_clrText);
    ::SetBkColor(hDC, m_clrFace);
    ::SetBkMode(hDC, TRANSPARENT);

    const int nCount = pHeader->GetItemCount();
    CArray<int, int> order;
    order.SetSize(nCount > 0 ? nCount : 0);
    for (int i = 0; i < nCount; i++)
        order[i] = i;
    for (int i = 0; i < nCount; i++)
    {
        HDITEMW item = {};
        item.mask = HDI_ORDER;
        if (pHeader->GetItem(i, &item) && item.iOrder >= 0 && item.iOrder < nCount)
            order[item.iOrder] = i;
    }

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    pHeader->ScreenToClient(&ptCursor);

    int x = rcClient.left;
    for (int nPos = 0; nPos < nCount; nPos++)
    {
        const int nItem = order[nPos];
        wchar_t szText[256] = {};
        HDITEMW item = {};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
        item.pszText = szText;
        item.cchTextMax = 255;
        if (!pHeader->GetItem(nItem, &item))
            continue;

        dis.itemID = nItem;
        dis.itemState = 0;
        dis.itemData = reinterpret_cast<ULONG_PTR>(&item);
        ::SetRect(&dis.rcItem, x, rcClient.top, x + item.cxy, rcClient.bottom);
        if ((m_nDrawStyle & ZM_HEADER_HOTTRACK) && pHeader->HitTest(ptCursor.x, ptCursor.y) == nItem)
            dis.itemState = ODS_HOTLIGHT;
        if (pHeader->IsItemUnderCursor(nItem))
            dis.itemState = ODS_SELECTED;

        if (!m_bThemed || !DrawItemBackgroundThemed(&dis))
            DrawItemBackground(&dis);
        DrawItemText(&dis, pHeader);
        x += item.cxy;
    }
    ::SelectObject(hDC, hOldFont);
}

void CZMHeaderCtrlTheme::DrawItemText(LPDRAWITEMSTRUCT pDIS, CZMHeaderCtrl* pHeader)
{
    HDC hDC = pDIS->hDC;
    const HDITEMW* pItem = reinterpret_cast<const HDITEMW*>(pDIS->itemData);
    HGDIOBJ hOldFont = ::SelectObject(hDC, HeaderFont(pHeader));
    const bool bPressed = (pDIS->itemState & ODS_SELECTED) != 0;

    CRect rc(pDIS->rcItem);
    rc.DeflateRect(m_nTextMargin, 0);
    BOOL bAscending = TRUE;
    const bool bSortColumn = pHeader->GetSortImage(&bAscending) == static_cast<int>(pDIS->itemID);
    if (bSortColumn)
        rc.right -= 2 * m_nArrowGap + m_nArrowWidth;

    const LPCWSTR lpszText = pItem->pszText ? pItem->pszText : L"";
    SIZE szText = {0, 0};
    ::GetTextExtentPoint32W(hDC, lpszText, lstrlenW(lpszText), &szText);
    if (szText.cy == 0)
    {
        TEXTMETRICW tm;
        ::GetTextMetricsW(hDC, &tm);
        szText.cy = tm.tmHeight;
    }

    CRect rcText(rc);
    rcText.top = m_nTextTop > 0 ? m_nTextTop : (rc.bottom - szText.cy - rc.top) / 2;
    rcText.bottom = rcText.top + szText.cy;

    if (((pItem->fmt & HDF_BITMAP) && pItem->hbm) || (pItem->fmt & HDF_IMAGE))
    {
        if (pItem->fmt & HDF_BITMAP_ON_RIGHT)
        {
            int xImage = rcText.left + szText.cx + m_nTextMargin;
            DrawItemImage(pDIS, &xImage, pHeader);
        }
        else
        {
            int xImage = rcText.left;
            DrawItemImage(pDIS, &xImage, pHeader);
            rcText.left = xImage;
        }
    }

    switch (pItem->fmt & HDF_JUSTIFYMASK)
    {
    case HDF_RIGHT:
        rcText.left = rcText.right - szText.cx;
        break;
    case HDF_CENTER:
        rcText.left += (rc.right - szText.cx - rc.left) / 2;
        rcText.right = rcText.left + szText.cx;
        break;
    default:
        rcText.right = rcText.left + szText.cx;
        break;
    }
    if (rcText.left < rc.left)
        rcText.left = rc.left;
    if (rcText.right > rc.right)
        rcText.right = rc.right;

    if ((m_nDrawStyle & ZM_HEADER_SORTARROW) && bSortColumn)
    {
        CRect rcItem(pDIS->rcItem);
        pDIS->rcItem = rcText;
        DrawSortArrow(pDIS, bAscending);
        pDIS->rcItem = rcItem;
    }

    if (rcText.Width() > 0)
    {
        if (bPressed)
            rcText.OffsetRect(1, 1);
        ::DrawTextW(hDC, lpszText, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    ::SelectObject(hDC, hOldFont);
}

void CZMHeaderCtrlTheme::DrawSortArrow(LPDRAWITEMSTRUCT pDIS, BOOL bAscending)
{
    const RECT& r = pDIS->rcItem;
    int x = r.right + m_nArrowGap;
    if (x < r.left)
        return;
    int y = r.top + (r.bottom - r.top - m_nArrowHeight) / 2 - 1;
    if (pDIS->itemState & ODS_SELECTED)
    {
        x++;
        y++;
    }
    const int nBase = bAscending ? y + m_nArrowHeight : y;
    const int nTip = bAscending ? y : y + m_nArrowHeight;
    POINT pts[3] = {{x, nBase}, {x + m_nArrowWidth, nBase}, {x + m_nArrowWidth / 2, nTip}};
    CDC* pDC = CDC::FromHandle(pDIS->hDC);
    DrawArrowTriangle(pDC, pts, bAscending);
}

void CZMHeaderCtrlTheme::DrawArrowTriangle(CDC* pDC, const POINT* pts, BOOL bAscending)
{
    HDC hDC = pDC->GetSafeHdc();
    if (bAscending)
    {
        Line(hDC, m_clrHighlight, pts[2].x, pts[2].y, pts[1].x, pts[1].y);
        Line(hDC, m_clrHighlight, pts[1].x, pts[1].y, pts[0].x, pts[0].y);
        Line(hDC, m_clrShadow, pts[0].x, pts[0].y, pts[2].x, pts[2].y);
    }
    else
    {
        Line(hDC, m_clrShadow, pts[2].x, pts[2].y, pts[0].x, pts[0].y);
        Line(hDC, m_clrShadow, pts[0].x, pts[0].y, pts[1].x, pts[1].y);
        Line(hDC, m_clrHighlight, pts[2].x, pts[2].y, pts[1].x, pts[1].y);
    }
}

void CZMHeaderCtrlTheme::DrawItemImage(LPDRAWITEMSTRUCT pDIS, int* pX, CZMHeaderCtrl* pHeader)
{
    const HDITEMW* pItem = reinterpret_cast<const HDITEMW*>(pDIS->itemData);
    const bool bPressed = (pDIS->itemState & ODS_SELECTED) != 0;
    HIMAGELIST hList = nullptr;
    int nImage = 0;
    if ((pItem->fmt & HDF_BITMAP) && pItem->hbm)
    {
        hList = ItemImageList(*pItem);
    }
    else if (pItem->fmt & HDF_IMAGE)
    {
        CZMRImageManager* pImages = pHeader->GetImageManager();
        CZMRImageManagerIcon* pIcon = pImages && pItem->iImage >= 0 ? pImages->GetImage(pItem->iImage, 0) : nullptr;
        if (pIcon)
        {
            const int nState = bPressed ? ZMR_ICONSTATE_CHECKED
                : (pDIS->itemState & ODS_HOTLIGHT) ? ZMR_ICONSTATE_HOT : ZMR_ICONSTATE_NORMAL;
            DrawManagerIcon(pDIS, pIcon->GetIcon(nState), pX, bPressed);
            return;
        }
        hList = reinterpret_cast<HIMAGELIST>(::SendMessageW(pHeader->GetSafeHwnd(), HDM_GETIMAGELIST, 0, 0));
        nImage = pItem->iImage;
    }
    if (!hList || nImage < 0 || nImage >= ::ImageList_GetImageCount(hList))
        return;

    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(hList, &cx, &cy);
    const int nItemHeight = pDIS->rcItem.bottom - pDIS->rcItem.top;
    const int x0 = *pX + (bPressed ? 1 : 0);
    const int y = (nItemHeight - cy) / 2 + (bPressed ? 1 : 0);
    *pX += cx + m_nTextMargin;
    if (x0 + cx <= pDIS->rcItem.right)
        ::ImageList_Draw(hList, nImage, pDIS->hDC, x0, y, ILD_TRANSPARENT);
}

void CZMHeaderCtrlTheme::DrawManagerIcon(LPDRAWITEMSTRUCT pDIS, const CZMRIconHandle& handle, int* pX, bool bPressed)
{
    const CSize size = handle.GetExtent();
    const int nItemHeight = pDIS->rcItem.bottom - pDIS->rcItem.top;
    const int x = *pX + (bPressed ? 1 : 0);
    const int y = (nItemHeight - size.cy) / 2 + (bPressed ? 1 : 0);
    *pX += size.cx + m_nTextMargin;
    if (x + size.cx > pDIS->rcItem.right)
        return;

    // A picture in a shared strip is taken out as an icon or a premultiplied bitmap.
    CZMRIconHandle picture;
    picture.CopyHandle(handle);
    if (picture.GetIcon())
    {
        ::DrawIconEx(pDIS->hDC, x, y, picture.GetIcon(), size.cx, size.cy, 0, nullptr, DI_NORMAL);
    }
    else if (picture.GetBitmap() && picture.PremultiplyAlpha() && GetDrawHelpers()->m_pfnAlphaBlend)
    {
        HDC hMemDC = ::CreateCompatibleDC(pDIS->hDC);
        HGDIOBJ hOld = ::SelectObject(hMemDC, picture.GetBitmap());
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GetDrawHelpers()->m_pfnAlphaBlend(pDIS->hDC, x, y, size.cx, size.cy, hMemDC, 0, 0, size.cx, size.cy, blend);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }
}

void CZMHeaderCtrlTheme::DrawBackground(LPDRAWITEMSTRUCT pDIS)
{
    RECT r = pDIS->rcItem;
    Fill(pDIS->hDC, r, m_clrFace);
    r.right += 2;
    Rect3d(pDIS->hDC, r, m_clrHighlight, m_clrDarkShadow);
    ::InflateRect(&r, -1, -1);
    Rect3d(pDIS->hDC, r, m_clrFace, m_clrShadow);
}

BOOL CZMHeaderCtrlTheme::DrawBackgroundThemed(LPDRAWITEMSTRUCT pDIS)
{
    if (!(m_nDrawStyle & ZM_HEADER_HOTTRACK))
        return FALSE;
    return SUCCEEDED(m_themeHeader.DrawThemeBackground(pDIS->hDC, 0, 1, &pDIS->rcItem, nullptr));
}

void CZMHeaderCtrlTheme::DrawItemBackground(LPDRAWITEMSTRUCT pDIS)
{
    const RECT& r = pDIS->rcItem;
    HDC hDC = pDIS->hDC;
    if (pDIS->itemState & ODS_SELECTED)
    {
        Rect3d(hDC, r, m_clrShadow, m_clrShadow);
        Line(hDC, m_clrHighlight, r.right, 1, r.right, r.bottom - 1);
        Line(hDC, m_clrFace, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 2);
    }
    else
    {
        Line(hDC, m_clrShadow, r.right - 2, 1, r.right - 2, r.bottom - 1);
        Line(hDC, m_clrDarkShadow, r.right - 1, 0, r.right - 1, r.bottom - 1);
        Line(hDC, m_clrHighlight, r.right, 1, r.right, r.bottom - 1);
    }
}

BOOL CZMHeaderCtrlTheme::DrawItemBackgroundThemed(LPDRAWITEMSTRUCT pDIS)
{
    int nState = (pDIS->itemState & ODS_SELECTED) ? 3 : (pDIS->itemState & ODS_HOTLIGHT) ? 2 : 1;
    return SUCCEEDED(m_themeHeader.DrawThemeBackground(pDIS->hDC, HP_HEADERITEM, nState, &pDIS->rcItem, nullptr));
}

// ---------------------------------------------------------------- flat styles

CZMHeaderCtrlThemeOfficeXP::CZMHeaderCtrlThemeOfficeXP()
{
    m_nDrawStyle = ZM_HEADER_SORTARROW;
}

void CZMHeaderCtrlThemeOfficeXP::DrawBackground(LPDRAWITEMSTRUCT pDIS)
{
    RECT r = pDIS->rcItem;
    Fill(pDIS->hDC, r, m_clrFace);
    r.right += 2;
    Rect3d(pDIS->hDC, r, m_clrHighlight, m_clrShadow);
}

void CZMHeaderCtrlThemeOfficeXP::DrawItemBackground(LPDRAWITEMSTRUCT pDIS)
{
    const RECT& r = pDIS->rcItem;
    Line(pDIS->hDC, m_clrShadow, r.right - 2, 2, r.right - 2, r.bottom - 2);
    Line(pDIS->hDC, m_clrHighlight, r.right - 1, 2, r.right - 1, r.bottom - 2);
}

CZMHeaderCtrlThemeOffice2003::CZMHeaderCtrlThemeOffice2003()
{
    m_nDrawStyle = ZM_HEADER_SORTARROW;
}

LRESULT CZMHeaderCtrlThemeOffice2003::Layout(LPHDLAYOUT pLayout, CZMHeaderCtrl* pHeader)
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, HeaderFont(pHeader));
    TEXTMETRICW tm;
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);

    const int nHeight = tm.tmHeight + 10;
    RECT* prc = pLayout->prc;
    WINDOWPOS* pwp = pLayout->pwpos;
    pwp->hwndInsertAfter = nullptr;
    pwp->x = prc->left;
    pwp->y = prc->top;
    pwp->cx = prc->right - prc->left;
    pwp->cy = nHeight;
    pwp->flags = SWP_NOZORDER | SWP_NOACTIVATE;
    prc->top += nHeight;
    return 1;
}

void CZMHeaderCtrlThemeOffice2003::DrawBackground(LPDRAWITEMSTRUCT pDIS)
{
    RECT r = pDIS->rcItem;
    HDC hDC = pDIS->hDC;
    Fill(hDC, r, m_clrFace);
    r.right += 2;
    Rect3d(hDC, r, m_clrHighlight, Blend(m_clrFace, m_clrShadow, 0.6));
    Line(hDC, Blend(m_clrFace, m_clrShadow, 0.4), r.left, r.bottom - 2, r.right, r.bottom - 2);
    Line(hDC, Blend(m_clrFace, m_clrShadow, 0.25), r.left, r.bottom - 3, r.right, r.bottom - 3);
}

void CZMHeaderCtrlThemeOffice2003::DrawItemBackground(LPDRAWITEMSTRUCT pDIS)
{
    const RECT& r = pDIS->rcItem;
    Line(pDIS->hDC, m_clrShadow, r.right - 2, 2, r.right - 2, r.bottom - 4);
    Line(pDIS->hDC, m_clrHighlight, r.right - 1, 2, r.right - 1, r.bottom - 4);
}

// ---------------------------------------------------------------- factory

IMPLEMENT_DYNCREATE(CZMHeaderCtrlThemeFactory, CZMThemeManagerStyleFactory)

CZMThemeManagerStyle* CZMHeaderCtrlThemeFactory::CreateTheme(int nTheme)
{
    CZMHeaderCtrlTheme* pStyle;
    switch (nTheme)
    {
    case 1: pStyle = new CZMHeaderCtrlThemeOfficeXP; break;
    case 2: pStyle = new CZMHeaderCtrlThemeOffice2003; break;
    default: pStyle = new CZMHeaderCtrlTheme; break;
    }
    pStyle->m_nTheme = nTheme;
    return pStyle;
}

// ---------------------------------------------------------------- context menu

void SetHeaderMenuBars(CZMHeaderMenuBars* pBars)
{
    s_pHeaderMenuBars = pBars;
}

int TrackHeaderMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, UINT nBitmapID, BOOL bNoNotify)
{
    if (!s_pHeaderMenuBars || !s_pHeaderMenuBars->EnsurePaintManager())
        return ::TrackPopupMenu(pMenu->GetSafeHmenu(), nFlags, x, y, 0, pOwner ? pOwner->GetSafeHwnd() : nullptr,
                                nullptr);
    return s_pHeaderMenuBars->TrackPopupBar(pMenu, bNoNotify ? (nFlags | 0x80) : nFlags, x, y, pOwner, nBitmapID);
}
