// The base of every item a command bar shows: its command id, texts, images,
// state and persistence, the values it takes from a shared action, execution
// and notifications. The paint manager of its bar measures and draws it.
#pragma once
#include "Framework.h"
#include "CZMRAccessible.h"
#include "ZMRCommandBarDefs.h"

class CZMRControl;
class CZMRControls;
class CZMRCommandBar;
class CZMRControlAction;
class CZMRBarManager;
class CZMRPaintManager;
class CZMRImageManager;
class CZMRImageManagerIcon;
class CZMRPropExchange;
class CZMRRibbonGroup;
class CZMRCommandBarList;
struct ZMR_PROPEXCHANGE_PARAM;

// The record of a control's notification (ZMR_WM_CONTROLNOTIFY and the
// WM_NOTIFY routing that follows it).
struct NMZMRCONTROL
{
    NMHDR hdr;
    CZMRControl* pControl;
};

// Ids of the action properties whose change bound controls are told about.
enum ZMRActionProperty
{
    zmrActionEnabled = 0,
    zmrActionVisible = 2,
    zmrActionCaption = 3
};

class CZMRControl : public CCmdTarget, public CZMRAccessible
{
    DECLARE_SERIAL(CZMRControl)
public:
    CZMRControl();
    ~CZMRControl() override;

    // ------------------------------------------------------------ identity and place

    int GetID() const { return m_nId; }
    // A new id loads the string resource of that number, when there is one,
    // into the prompt splitter.
    void SetID(int nId);
    int GetType() const { return m_controlType; }
    int GetIndex() const { return m_nIndex; }
    CZMRControls* GetControls() const { return m_pControls; }
    CZMRCommandBar* GetParent() const { return m_pParent; }
    CZMRRibbonGroup* GetRibbonGroup() const { return m_pRibbonGroup; }
    // Set by the group that holds the control; the control takes no reference.
    void SetRibbonGroup(CZMRRibbonGroup* pGroup) { m_pRibbonGroup = pGroup; }
    DWORD_PTR GetTag() const { return m_nTag; }
    void SetTag(DWORD_PTR nTag) { m_nTag = nTag; }
    CString GetParameter() const { return m_strParameter; }
    void SetParameter(LPCTSTR lpszParameter) { m_strParameter = lpszParameter; }
    CString GetCategory() const { return m_strCategory; }
    void SetCategory(LPCTSTR lpszCategory) { m_strCategory = lpszCategory; }
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nHelpId) { m_nHelpId = nHelpId; }

    // ------------------------------------------------------------ texts

    // Cuts the caption at a TAB; the rest becomes the automatic shortcut text.
    void SetCaption(LPCTSTR lpszCaption);
    // The caption from a string resource; a missing string changes nothing.
    void SetCaption(UINT nIDResource);
    CString GetCustomCaption() const { return m_strCustomCaption; }
    void SetCustomCaption(LPCTSTR lpszCaption);
    // "description\ntooltip\ncaption\nkeyboard tip".
    void SetPrompt(LPCTSTR lpszPrompt);
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltipText = lpszTooltip; }
    void SetDescription(LPCTSTR lpszDescription) { m_strDescriptionText = lpszDescription; }
    CString GetShortcutText() const;
    void SetShortcutText(LPCTSTR lpszShortcutText) { m_strShortcutText = lpszShortcutText; }
    CString GetShortcutTextAuto() const { return m_strShortcutTextAuto; }
    void SetShortcutTextAuto(LPCTSTR lpszShortcutText);
    CString GetKeyboardTip() const;
    void SetKeyboardTip(LPCTSTR lpszKeyboardTip) { m_strKeyboardTip = lpszKeyboardTip; }

    // ------------------------------------------------------------ images and styles

    int GetIconId() const;     // the effective image id; 0 means none
    void SetIconId(int nIconId) { m_nIconId = nIconId; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nIconId) { m_nCustomIconId = nIconId; }
    int GetStyle() const;      // the effective button style
    void SetStyle(int buttonStyle);
    int GetCustomStyle() const { return m_buttonCustomStyle; }
    void SetCustomStyle(int buttonStyle);
    int GetOwnerStyle() const { return m_buttonOwnerStyle; }
    void SetOwnerStyle(int buttonStyle) { m_buttonOwnerStyle = buttonStyle; }
    // Icon only, or caption below the icon.
    BOOL HasIconLayoutStyle() const;
    void SetIconSize(CSize szIcon) { m_szIcon = szIcon; }

    // ------------------------------------------------------------ state

    // The effective enabled and checked states (the action's for -1).
    int GetEnabled() const;
    int GetChecked() const;
    void SetChecked(int bChecked);
    void SetPressed(int bPressed) { m_bPressed = bPressed; }
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    BOOL GetWrap() const { return m_bWrap; }
    void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }
    BOOL IsDefaultItem() const { return m_bDefaultItem; }
    void SetDefaultItem(BOOL bDefaultItem);
    BOOL IsRarelyUsed() const { return m_bRarelyUsed; }
    void SetRarelyUsed(BOOL bRarelyUsed);
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    // Sets or clears the program's hide bit.
    void SetVisible(BOOL bVisible);
    CRect GetRect() const { return m_rcControl; }
    CRect GetRowRect() const { return m_rcRow; }
    void SetRowRect(CRect rcRow) { m_rcRow = rcRow; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    int GetExecuteOnPressInterval() const { return m_nExecuteOnPressInterval; }
    void SetExecuteOnPressInterval(int nInterval) { m_nExecuteOnPressInterval = nInterval; }
    BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
    CZMRControlAction* GetAction() const { return m_pAction; }
    // Document-template filter: the control shows only for the assigned
    // templates, never for the excluded ones.
    CMap<UINT, UINT, BOOL, BOOL>& GetAssignedDocTemplates() { return m_mapDocTemplatesAssigned; }
    CMap<UINT, UINT, BOOL, BOOL>& GetExcludedDocTemplates() { return m_mapDocTemplatesExcluded; }

    // ------------------------------------------------------------ services of the bar

    CZMRPaintManager* GetPaintManager() const;
    CZMRImageManager* GetImageManager() const;
    CZMRBarManager* GetBarManager() const;
    // The manager of the parent bar is in customize mode.
    BOOL IsCustomizeMode() const;
    // The control lies in the caption of a ribbon whose frame is extended
    // over it (drawn on glass).
    BOOL IsInRibbonCaption() const;
    // The cursor lies over the control rectangle.
    BOOL IsCursorOver() const;
    // Marks the parent bar's layout as stale.
    void InvalidateParentLayout();
    // Asks the parent bar to redraw the control rectangle.
    void RepaintInParentBar(BOOL bAnimate = FALSE);

    // ------------------------------------------------------------ execution and notifications

    // Notification ZMR_CN_EXECUTE to the owner window, then WM_COMMAND when
    // nobody handled it.
    void ExecuteCommand();
    void ExecuteCommand(CWnd* pOwner);
    LRESULT NotifyWindow(CWnd* pWnd, int nCode, NMZMRCONTROL* pNM);
    LRESULT NotifySite(int nCode);
    LRESULT NotifySiteWithRecord(int nCode, NMZMRCONTROL* pNM);

    // The resize cursor over the edge zone of a width-adjustable control in
    // customize mode; true when it was set.
    BOOL UpdateResizeCursor(CPoint point);

    // ------------------------------------------------------------ operations the kinds replace
    //
    // In this order; the kinds of controls, the bars and the ribbon derive
    // from them.

    // The caption: the custom one, the own one, else the action's.
    virtual CString GetCaption() const;
    // The status-bar description, else the action's.
    virtual CString GetDescription() const;
    // The tooltip, else the action's.
    virtual CString GetTooltip() const;
    virtual void SetBeginGroup(BOOL bBeginGroup);
    // 1, 0, or -1 for the action's state.
    virtual void SetEnabled(int bEnabled);
    // 0 none, 1 hot under the mouse, 2 or more selected by keyboard or tracking.
    virtual int GetSelected() const;
    // Gives or takes the keyboard focus (edits and combo boxes).
    virtual void SetFocused(BOOL bFocused);
    virtual BOOL IsFocused() const;
    // 0 up, 1 held down, 2 shown pressed while the command runs.
    virtual int GetPressed() const;
    virtual void SetRect(CRect rcControl);
    // Visible when no hide bit outside dwSkipFlags is set and the action is visible.
    virtual BOOL IsVisible(DWORD dwSkipFlags = 0) const;
    virtual BOOL IsCaptionVisible() const;
    // Whether two controls are the same for customisation and persistence.
    virtual BOOL Compare(CZMRControl* pOther);
    // The popup bar the control opens; none.
    virtual CZMRCommandBar* GetCommandBar() const;
    // True: the paint manager draws no standard state frame for it.
    virtual BOOL SuppressesStateFrame() const;
    virtual void SetHideFlags(DWORD dwFlags);
    virtual void OnExecute();
    // Measures through the paint manager.
    virtual CSize GetSize(CDC* pDC);
    // Draws through the paint manager.
    virtual void Draw(CDC* pDC);
    // List controls replace themselves by items before every layout.
    virtual void ExpandIntoItems(DWORD dwMode);
    // The image for an icon width, or none.
    virtual CZMRImageManagerIcon* GetImage(int nWidth = 16) const;
    virtual void DoPropExchange(CZMRPropExchange* pPX);
    virtual void OnAccessKeyPressed();
    virtual BOOL IsPopupOpen() const;
    // Unbinds from the old action and binds to the new one.
    virtual void SetAction(CZMRControlAction* pAction);
    // Edits and combo boxes refresh their text.
    virtual void SetRefreshNeeded();
    virtual void SetWidth(int nWidth);
    virtual void SetHeight(int nHeight);
    virtual CSize GetButtonSize() const;
    virtual CSize GetIconSize() const;
    virtual void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE);
    // A click by mouse or keyboard.
    virtual void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0));
    virtual BOOL IsFocusable() const;
    virtual BOOL HandleHookedKeyDown(UINT nChar);
    virtual BOOL HandleHookedMouseWheel(UINT nFlags, short zDelta, CPoint point);
    virtual void SetParent(CZMRCommandBar* pParent);
    // Opens or closes the popup; true on success.
    virtual BOOL ShowPopup(BOOL bPopup);
    virtual void OnLButtonUp(CPoint point);
    virtual BOOL OnRButtonDown(CPoint point);
    virtual BOOL OnRButtonUp(CPoint point);
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseHover();
    // A new selection kind; false when it did not change.
    virtual BOOL OnSelectionChange(int bSelected);
    // Customize mode: drags the control to another place.
    virtual void BeginControlMove(CPoint point);
    // Customize mode: drags an edge of the control; true when it ran.
    virtual BOOL BeginControlResize(CPoint point);
    virtual void OnOtherControlDraggedOver(CZMRControl* pDragged, CPoint point, DROPEFFECT& dropEffect);
    virtual BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect);
    virtual BOOL IsWidthAdjustable() const;
    virtual int GetResizeMinWidth() const;
    virtual int GetResizeMinHeight() const;
    // Before the bar asks the owner for the command state.
    virtual void OnBeforeStateUpdate();
    // The control has been taken out of its collection.
    virtual void OnRemoved();
    // A tool id, or -1 for the bar's default tooltip.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI);
    virtual BOOL IsCustomizable() const;
    virtual void RelinkBarsAfterLoad(CZMRCommandBarList* pBars);
    virtual void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam);
    virtual void OnActionChanged(int nProperty);
    virtual void OnActionChanging(int nProperty);
    virtual void OnCaptionChanged();
    // A new control of the same class with this one's values.
    virtual CZMRControl* Clone(BOOL bRecursive = FALSE);

    // ------------------------------------------------------------ accessibility

    CCmdTarget* GetAccessibleTarget() override { return this; }
    HRESULT GetAccParent(IDispatch** ppdispParent) override;
    HRESULT GetAccChildCount(long* pcountChildren) override;
    HRESULT GetAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccDoDefaultAction(VARIANT varChild) override;

protected:
    // Closes the open menus after a command: the tracking root bar leaves
    // tracking, else every tracked bar closes.
    void CloseMenus();
    // A customize-mode click: the bar closes its popup and forgets its hot
    // control, then the control is dragged.
    void BeginCustomizeMove(CPoint point);
    // Edge zone of the customize resize: -1 none, 0 left edge, 1 right edge.
    int HitTestResizeEdge(CPoint point) const;
    // The edge drag of BeginControlResize; the new rectangle, or the old one
    // when cancelled.
    CRect TrackResizeEdge(CRect rcStart, BOOL bLeftEdge, CPoint ptStart);

    DWORD_PTR m_nTag;            // free value of the owner; pointer-sized for item data
    int m_nIndex;                // position in the parent collection
    int m_nId;
    int m_nIconId;               // 0 or less: the id
    int m_nHelpId;
    int m_nCustomIconId;
    BOOL m_bWrap;                // starts a new row or column
    BOOL m_bBeginGroup;
    int m_bEnabled;              // -1: the action's
    int m_bChecked;              // -1: the action's
    int m_bSelected;
    int m_bPressed;
    BOOL m_bTemporary;           // neither saved nor in the original-controls snapshot
    CRect m_rcRow;
    CRect m_rcControl;
    DWORD m_dwHideFlags;
    DWORD m_dwFlags;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strShortcutTextAuto;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strParameter;
    CString m_strKeyboardTip;
    CZMRControls* m_pControls;
    int m_controlType;
    CZMRCommandBar* m_pParent;
    BOOL m_bRarelyUsed;
    CString m_strCategory;
    BOOL m_bDefaultItem;
    CMap<UINT, UINT, BOOL, BOOL> m_mapDocTemplatesAssigned;
    CMap<UINT, UINT, BOOL, BOOL> m_mapDocTemplatesExcluded;
    int m_buttonStyle;
    int m_buttonCustomStyle;     // -1: none
    int m_buttonOwnerStyle;      // imposed by the container (ribbon group)
    BOOL m_bCloseSubMenuOnClick;
    CZMRRibbonGroup* m_pRibbonGroup;
    CZMRControlAction* m_pAction;
    int m_nWidth;
    int m_nHeight;
    int m_nExecuteOnPressInterval;
    CSize m_szIcon;

    friend class CZMRControls;
    friend class CZMRControlAction;

    DECLARE_INTERFACE_MAP()
};
