// CToolBar: the common controls' tool bar as a framework window. It builds
// its buttons and images from a tool-bar resource and the bitmap of the same
// id, found through the framework's current resource handle.
#pragma once

#include "window/CImageList.h"
#include "window/CToolBarResource.h"
#include "window/CWnd.h"

class CToolBar : public CWnd
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    // The low word of dwStyle holds bar styles (CBRS_...), which the tool bar
    // window does not get; the tool bar's own styles come in dwCtrlStyle.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                          UINT nID = AFX_IDW_TOOLBAR);

    // Buttons, sizes and images from the tool-bar resource and its bitmap.
    // False, with the bar unchanged, when either is missing or the resource
    // is cut short or of another version.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }

    // Replaces the bar's images by the bitmap cut in images of the current
    // image size; false, with the images unchanged, when it is missing.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }

    // Replaces the buttons: one per id, 0 making a separator; a null array
    // makes nIDCount separators. Buttons take the images in order.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // Size of a button and of the image on it.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

protected:
    // The bitmap cut in images of sizeImage, in a new image list.
    static BOOL MakeImageList(LPCTSTR lpszResourceName, SIZE sizeImage, CImageList& imageList);
    void TakeImageList(CImageList& imageList);

    CSize m_sizeButton;
    CSize m_sizeImage;
    CImageList m_imageList;   // the control draws from it, we own it
};
