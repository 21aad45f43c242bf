// The numbers that bars, controls and their hosts share: bar types and
// positions, control types, button styles, control flags and hide flags, and
// the private messages that bars and controls send to their site and owner.
#pragma once
#include "Framework.h"

// Bar types.
enum ZMRBarType
{
    zmrBarTypeMenuBar = 0,
    zmrBarTypeNormal = 1,
    zmrBarTypePopup = 2
};

// Bar positions. zmrBarNoDrag: a bar that does not register for customize
// drag and drop.
enum ZMRBarPosition
{
    zmrBarTop = 0,
    zmrBarBottom = 1,
    zmrBarLeft = 2,
    zmrBarRight = 3,
    zmrBarFloating = 4,
    zmrBarPopup = 5,
    zmrBarNoDrag = 6,
    zmrBarNone = 7
};

// Bar flags ("Flags" of a bar) read by the control layout.
enum ZMRBarFlags
{
    zmrBarFlagReducing = 0x200000   // large controls shrink step by step to fit
};

// Bar style bits ("Style" of a bar).
enum ZMRBarStyles
{
    zmrBarStyleGripper = 0x400000   // gripper on tool bars, icon column on popups
};

// Work a bar leaves for later.
enum ZMRBarPending
{
    zmrPendingLayout = 0x1,         // recalculated at the next idle time
    zmrPendingRedraw = 0x2          // asked for while the redraw lock was held
};

// The flags a popup was tracked with, as the bars keep them.
enum ZMRTrackFlags
{
    zmrTrackNested = 0x1,           // the bars already tracked stay open
    zmrTrackRightButton = 0x2,      // the right button chooses commands
    zmrTrackRightAligned = 0x8,     // the popup opens to the left of the point
    zmrTrackNoNotify = 0x80,        // the controls are not asked for their command state
    zmrTrackReturnCmd = 0x100       // the chosen id is returned instead of sent
};

// Timers of a bar window.
enum ZMRBarTimers
{
    ZMR_TIMER_KEYBOARDTIPS = 52426,  // shows the bar's keyboard tips
    ZMR_TIMER_HOVER = 112223,        // the hot control reacts to the hover
    ZMR_TIMER_EXPAND = 112224,       // the open popup expands its rare controls
    ZMR_TIMER_ANIMATION = 707907     // one step of the bar's animation
};

// Navigation codes of CZMRCommandBar::HandleNavigationKey. The arrow codes
// 8 and 9 are 1 and 0 for bars that do not move geometrically.
enum ZMRNavigationCode
{
    zmrNavNext = 0,
    zmrNavPrevious = 1,
    zmrNavUp = 2,                  // up, or close the open popup
    zmrNavDown = 3,                // down, or open the hot control's popup
    zmrNavCancel = 4,              // Escape
    zmrNavExecute = 5,             // Enter
    zmrNavFirst = 6,               // Home
    zmrNavLast = 7,                // End
    zmrNavArrowPrevious = 8,
    zmrNavArrowNext = 9,
    zmrNavSystemMenu = 10          // Space on a menu bar
};

// Control types. Label-like kinds use zmrControlLabel; hyperlink and
// selector keep zmrControlError.
enum ZMRControlType
{
    zmrControlError = 0,
    zmrControlButton = 1,
    zmrControlPopup = 2,
    zmrControlButtonPopup = 3,
    zmrControlSplitButtonPopup = 4,
    zmrControlComboBox = 5,
    zmrControlEdit = 6,
    zmrControlCustom = 7,
    zmrControlLabel = 8,
    zmrControlCheckBox = 9,
    zmrControlGallery = 10,
    zmrControlRadioButton = 11
};

// Button styles.
enum ZMRButtonStyle
{
    zmrButtonAutomatic = 0,
    zmrButtonCaption = 1,
    zmrButtonIcon = 2,
    zmrButtonIconAndCaption = 3,
    zmrButtonIconAndCaptionBelow = 4,
    zmrButtonCaptionAndDescription = 5
};

// Control flags ("Flags").
enum ZMRControlFlags
{
    zmrFlagRightAlign = 0x1,       // placed at the far end of the last row
    zmrFlagSkipFocus = 0x2,        // skipped by keyboard navigation and keyboard tips
    zmrFlagLeftPopup = 0x4,        // its popup opens to the left
    zmrFlagManualUpdate = 0x8,     // the bar does not ask the owner for its state
    zmrFlagNoMovable = 0x10,       // not customizable
    zmrFlagStretched = 0x20,       // takes a share of the free space of its row
    zmrFlagShowTooltip = 0x40,     // shows its tooltip even on a menu popup
    zmrFlagWrapRow = 0x80          // starts a new row (a new column on popups)
};

// Why a control is hidden ("HideFlags"); visible when none is set.
enum ZMRHideFlags
{
    zmrHideGeneric = 0x1,          // the program; list controls once expanded
    zmrHideWrap = 0x2,             // no room on the bar
    zmrHideDock = 0x4,             // the bar's orientation
    zmrHideInternal = 0x8,         // internal layouts
    zmrHideCustomize = 0x10,       // quick-access customisation
    zmrHideExpand = 0x20,          // collapsed menus
    zmrHideDocTemplate = 0x40,     // document-template filter
    zmrHideRibbonTab = 0x80        // ribbon group and context visibility
};

// Layout modes of the bar layout (bits 0x1 to 0x40 are the framework's
// dynamic-layout flags).
enum ZMRLayoutMode
{
    zmrLayoutStretch = 0x1,
    zmrLayoutMRUWidth = 0x4,
    zmrLayoutHorzDock = 0x8,
    zmrLayoutVertDock = 0x10,
    zmrLayoutLengthY = 0x20,
    zmrLayoutCommit = 0x40,
    zmrLayoutHideWrap = 0x80,
    zmrLayoutWrapGroups = 0x100
};

// Command ids the control collection gives special controls.
enum ZMRSpecialCommands
{
    ZMR_ID_TOOLKIT_FIRST = 9100,      // 9100..9299 are the toolkit's own commands
    ZMR_ID_TOOLKIT_LAST = 9299,
    ZMR_ID_TOOLBAR_EXPAND = 9148,     // a tool bar's expand button
    ZMR_ID_TOOLBAR_HIDE = 9149,       // a floating tool bar's hide button
    ZMR_ID_POPUPBAR_EXPAND = 9150,    // a popup's expand button
    ZMR_IDS_CONFIRM_RESET = 9173,     // toolkit string: reset the bar named %s?
    ZMR_IDS_TOOLBAR_CHANGED = 9177,   // toolkit string: the program changed the bar named %s; take its controls?
    ZMR_ID_WINDOWLIST = 35000,
    ZMR_ID_LISTCONTROLS_FIRST = 35000, // 35000..35003 are the list controls
    ZMR_ID_WORKSPACE_ACTIONS = 35002,
    ZMR_ID_FILE_MRU = 35003,
    ZMR_ID_LISTCONTROLS_LAST = 35003,
    ZMR_ID_TOOLBARLIST = 59392,
    ZMR_ID_FILE_MRU_FIRST = 57616,     // the framework's first recent-file command
    ZMR_ID_OLE_VERB_FIRST = 57872,
    ZMR_ID_MENU_NONE = 0xFF00          // a menu item with this id makes no control
};

// The text of the menu item that stands for the OLE verbs.
#define ZMR_OLE_VERBS_TEXT L"<<OLE VERBS GO HERE>>"

// Messages sent by bars to their site window.
enum ZMRSiteMessages
{
    ZMR_WM_TOOLBARVISIBLECHANGED = 10325,
    ZMR_WM_CONTROLSELECTED = 10326,
    ZMR_WM_CUSTOMIZESELECTION = 10327,
    ZMR_WM_INITCOMMANDSPOPUP = 10328,
    ZMR_WM_CONTROLRBUTTONUP = 10329,
    ZMR_WM_TRACKINGKEYDOWN = 10330,
    ZMR_WM_POPUPOPENING = 10331,
    ZMR_WM_POPUPCLOSED = 10333,
    ZMR_WM_BEFORECREATECONTROL = 10334,   // a menu item is about to become a control
    ZMR_WM_AFTERCREATECONTROL = 10335,    // ... and has become one
    ZMR_WM_CREATECOMMANDBAR = 10337,      // the site may supply a popup's bar
    ZMR_WM_CONTROLNOTIFY = 10338,         // a control's notification to its owner
    ZMR_WM_RESETBAR = 10340,              // a bar went back to its built-in controls
    ZMR_WM_TEAROFFDONE = 10343
};

// Notification codes of ZMR_WM_CONTROLNOTIFY.
enum ZMRControlNotifications
{
    ZMR_CN_EXECUTE = 100,
    ZMR_CN_SELECTORCHANGED = 4102
};

class CZMRBarManager;

// What the saver of bars hands to every exchange below it (the root
// exchange's owner context): the manager whose actions and images the loaded
// controls use, and whether the original-controls snapshots are saved too.
struct ZMR_PROPEXCHANGE_PARAM
{
    CZMRBarManager* pBarManager;
    BOOL bSaveOriginalControls;
};

// Replaces a held reference to a reference-counted object: the new object
// gains one reference, the old one loses one.
template <class T>
void ZMRReplaceReference(T*& pHeld, T* pNew)
{
    if (pNew)
        pNew->InternalAddRef();
    if (pHeld)
        pHeld->InternalRelease();
    pHeld = pNew;
}
