// The common controls' image-list calls made inside the activation context of
// the program's own manifest (common controls version 6), whatever context
// the calling thread has active: a caller running inside a context without
// that manifest still gets the image lists of the version the program asked for.
#pragma once

#include "core/CoreDefs.h"
#include <commctrl.h>

int AFXAPI AfxImageListAddMasked(HIMAGELIST hImageList, HBITMAP hBitmap, COLORREF crMask);
HICON AFXAPI AfxImageListGetIcon(HIMAGELIST hImageList, int nImage, UINT nFlags);
