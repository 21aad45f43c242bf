// What the window layer keeps per thread: the handle maps, the message being
// handled (for CWnd::Default), the window waiting for its creation hook and
// the state of the tooltips shown for framework windows.
#pragma once

#include "window/CHandleMap.h"
#include <windows.h>
#include <commctrl.h>

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
class CToolTipCtrl;

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg = {};
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    // Nesting of message loops: temporary objects are freed only when the
    // outermost loop is idle (an inner loop runs inside a handler that may
    // still hold pointers to them).
    int m_nLoopDepth = 0;

    // Tooltips of windows that called EnableToolTips: the thread's one
    // tooltip control (made on first use) and the tool registered last.
    bool m_bToolTipsUsed = false;
    CToolTipCtrl* m_pToolTip = nullptr;
    HWND m_hWndLastHit = nullptr;
    INT_PTR m_nLastHit = -1;
    TOOLINFO m_lastInfo = {};

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
