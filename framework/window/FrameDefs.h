// The framework's private messages, its standard command and window ids, and
// the flag words of frames, layout and floating windows. The numbers are the
// framework's own: bars and frames of other libraries rely on them.
#pragma once

#include <windows.h>

// --- Private messages ---------------------------------------------------------
// Layout pass: wParam 0, lParam an AFX_SIZEPARENTPARAMS* (see RepositionBars).
#define WM_SIZEPARENT 0x0361
// Status text: wParam a string-resource id (or 0), lParam the text (or null).
// Returns the id shown before.
#define WM_SETMESSAGESTRING 0x0362
// Idle time: windows refresh their command states; wParam TRUE to disable
// commands nobody handles.
#define WM_IDLEUPDATECMDUI 0x0363
// Sent to the descendants of a frame once its first view is in place.
#define WM_INITIALUPDATE 0x0364
// Context help: the help id at the point (lParam, client coordinates), 0 for none.
#define WM_HELPHITTEST 0x0366
// Ends context-help mode.
#define WM_EXITHELPMODE 0x0367
// Sent by a modal loop while its queue is empty: wParam the MSGF_ code,
// lParam the idle count; non-zero asks for more idle calls.
#define WM_KICKIDLE 0x036A
// Floating windows follow the state of their frame: wParam FS_ flags.
#define WM_FLOATSTATUS 0x036D
// To the top-level owner of a window whose activation changed to or from a
// window of another top-level owner: wParam the WM_ACTIVATE state, lParam an
// array of two handles (the window, the other window).
#define WM_ACTIVATETOPLEVEL 0x036E
// Puts back the status text that was there before a WM_SETMESSAGESTRING
// (wParam: the id to show; AFX_IDS_IDLEMESSAGE for the idle prompt).
#define WM_POPMESSAGESTRING 0x0375

// WM_FLOATSTATUS flags.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// --- Standard ids ---------------------------------------------------------------
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_PANE_FIRST 0xE900   // the view, or the MDI client of an MDI frame
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDM_FIRST_MDICHILD 0xFF00   // window-menu command of the first MDI child
#define AFX_IDS_IDLEMESSAGE 0xE001      // the idle prompt of the status bar
#define HID_BASE_COMMAND 0x00010000     // help ids of commands start here
#define HID_BASE_CONTROL 0x00050000     // ... and those of windows by their dialog ids

#define ID_FILE_NEW 0xE100
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE16 0xE11F
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_CONTEXT_HELP 0xE145
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125

// --- Layout ---------------------------------------------------------------------
// RepositionBars modes.
#define reposDefault 0   // position the bars and the window left over
#define reposQuery 1     // only compute; nothing moves
#define reposExtra 2     // lpRectParam holds extra borders around the window left over

// Dynamic-layout flags passed to the bars' layout operations.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// The record of a layout pass. Each bar takes its strip off rect, adds its
// size to sizeTotal and, when hDWP is set, moves itself through it.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // null while only measuring
    RECT rect;      // the room still free, parent client coordinates
    SIZE sizeTotal; // what the bars took so far
    BOOL bStretch;  // bars stretch to the whole free length
};

// --- Window and frame flags -------------------------------------------------------
// CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001          // the window shows tooltips for its tools
#define WF_STAYACTIVE 0x0020        // the frame keeps its active caption (a floating window of it is active)
#define WF_TRACKINGTOOLTIPS 0x0400  // tooltips follow the mouse

// Control-bar styles: the side a bar aligns to and the borders it draws.
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L

// Style of the view a frame makes.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE)

// Private tool flags of the framework's hit tests, taken off before a tool
// reaches the tooltip control.
#define TTF_ALWAYSTIP 0x40000000L   // the tip shows even while the program is not in front
#define TTF_NOTBUTTON 0x80000000L   // the tool is not a button

// Frame styles.
#define FWS_ADDTOTITLE 0x00008000L   // the document's name goes into the caption
#define FWS_PREFIXTITLE 0x00004000L  // ... before the frame's own title
#define FWS_SNAPTOBARS 0x00002000L   // the frame fits around its bars

// Context-help states of a frame (CFrameWnd::m_bHelpMode).
#define HELP_INACTIVE 0
#define HELP_ACTIVE 1
#define HELP_ENTERING 2

// --- Drag and drop ----------------------------------------------------------
// What a drop would do: the DROPEFFECT_ bits of the system's OLE drag and drop.
typedef DWORD DROPEFFECT;
