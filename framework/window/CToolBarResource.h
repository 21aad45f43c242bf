// CToolBarResource: what a tool-bar resource holds, read once for the
// framework's tool bar and the toolkit's bars and image manager.
#pragma once

#include "core/CSize.h"
#include <windows.h>
#include <vector>

// Resource type of a tool bar: version 1, image width, image height, item
// count, then one command id per item (0 for a separator), all 16-bit.
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

struct CToolBarResource
{
    WORD wVersion = 0;
    CSize sizeImage;
    std::vector<UINT> ids;   // one per item, 0 for a separator

    // Reads the resource from the module; false, with nothing read, when it
    // is missing or shorter than its header or its item count says.
    bool Read(HINSTANCE hInst, LPCWSTR lpszResourceName);
};
