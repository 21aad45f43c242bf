// What the window layer keeps per thread: the handle maps, the message being
// handled (for CWnd::Default) and the window waiting for its creation hook.
#pragma once

#include "window/CHandleMap.h"
#include <windows.h>
#include <commctrl.h>

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg = {};
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    // Nesting of message loops: temporary objects are freed only when the
    // outermost loop is idle (an inner loop runs inside a handler that may
    // still hold pointers to them).
    int m_nLoopDepth = 0;

    CHandleMap<CWnd, HWND> m_windows;
    CHandleMap<CDC, HDC> m_dcs;
    CHandleMap<CGdiObject, HGDIOBJ> m_gdiObjects;
    CHandleMap<CMenu, HMENU> m_menus;
    CHandleMap<CImageList, HIMAGELIST> m_imageLists;

    ~AFX_THREAD_STATE();
};

AFX_THREAD_STATE* AfxGetThreadState();

// Frees the temporary objects of every map of this thread.
#ifndef AFXAPI
#define AFXAPI
#endif
void AFXAPI AfxDeleteTempMaps();
