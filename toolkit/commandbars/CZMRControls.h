// The ordered controls of one command bar: creation by type and from menu
// items, binding to actions, removal, lookup and navigation, the snapshot of
// the original controls, and the geometry of the bar (tool-bar rows with
// wrapping, groups, alignment, stretching and a reducing mode; popup columns).
#pragma once
#include "Framework.h"
#include "ZMRCommandBarDefs.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRBarManager;
class CZMROriginalControls;
class CZMRPropExchange;
class CZMRPaintManager;
class CZMRCommandBarList;
struct ZMR_PROPEXCHANGE_PARAM;

// The site's answer about one menu item: sent before the control is made
// (ZMR_WM_BEFORECREATECONTROL), where a non-zero reply takes back the id,
// control, caption, type and style, and after it (ZMR_WM_AFTERCREATECONTROL).
// A control the site fills in hands one reference to the collection.
struct ZMR_CREATECONTROL_RECORD
{
    int nId;
    CZMRControl* pControl;
    BOOL bToolBar;               // made from a tool-bar resource, not a menu
    int nIndex;                  // position in the menu
    CMenu* pMenu;
    CZMRCommandBar* pCommandBar;
    CString strCaption;
    int controlType;
    int buttonStyle;
};

// The site's answer about the bar of a popup control
// (ZMR_WM_CREATECOMMANDBAR). A bar the site fills in hands one reference to
// the caller.
struct ZMR_CREATEBAR_RECORD
{
    CZMRCommandBar* pCommandBar;
    BOOL bPopup;                 // 1: a menu popup
    BOOL bExpandBar;
    BOOL bTearOffBar;
    BOOL bToolBar;
    CString strCaption;
    int nId;
};

class CZMRControls : public CCmdTarget
{
    DECLARE_DYNCREATE(CZMRControls)
public:
    CZMRControls();
    ~CZMRControls() override;

    // ------------------------------------------------------------ the parents

    CZMRCommandBar* GetParent() const { return m_pParent; }
    // Stores the bar and renumbers the controls.
    void SetParent(CZMRCommandBar* pParent);
    // The bar's manager, or the one given to a collection without a bar.
    CZMRBarManager* GetBarManager() const;
    void SetBarManager(CZMRBarManager* pBarManager) { m_pBarManager = pBarManager; }

    // ------------------------------------------------------------ creation and insertion

    // A control of a type (and for type 1 a special list control by id),
    // bound to an action or given the id, inserted before nBefore (-1: at the
    // end); none for an unknown type.
    CZMRControl* Add(int controlType, int nId, LPCTSTR lpszParameter = L"", int nBefore = -1,
                     BOOL bTemporary = FALSE);
    // Binds the control to the action of the id, or gives it the id, and
    // inserts it; the collection takes the caller's reference.
    CZMRControl* AddControl(CZMRControl* pControl, int nId = 0, LPCTSTR lpszParameter = L"", int nBefore = -1,
                            BOOL bTemporary = FALSE);
    // Inserts at nIndex (outside the collection: at the end).
    CZMRControl* InsertAt(CZMRControl* pControl, int nIndex);
    CZMRControl* Append(CZMRControl* pControl) { return InsertAt(pControl, -1); }
    // A copy of the control, of its class, inserted at nBefore.
    CZMRControl* AddCopy(CZMRControl* pControl, int nBefore = -1, BOOL bRecursive = FALSE);
    // The control of one menu item, appended; none for items that make none.
    CZMRControl* AddMenuItem(CMenu* pMenu, int nIndex);
    // A control of another type in the place of pControl, or pControl itself
    // when only the kind of popup changes.
    CZMRControl* ChangeControlType(CZMRControl* pControl, int controlType);
    CZMRControl* SetControlType(int nIndex, int controlType);

    // ------------------------------------------------------------ removal

    void RemoveAt(int nIndex);
    void RemoveAll();

    // ------------------------------------------------------------ lookup and navigation

    int GetCount() const { return int(m_arrControls.GetSize()); }
    CZMRControl* GetAt(int nIndex) const;
    CZMRControl* GetFirst() const { return GetAt(0); }
    // The first control of a type (0: any) and id (-1: any), visible when
    // asked; with bRecursive the popups' controls follow each popup.
    CZMRControl* FindControl(int controlType, int nId, BOOL bVisible, BOOL bRecursive) const;
    // Any type with that id, hidden ones included, not recursive.
    CZMRControl* FindControlById(int nId) const { return FindControl(zmrControlError, nId, FALSE, FALSE); }
    // The first visible control whose rectangle holds the point.
    CZMRControl* HitTest(CPoint point) const;
    // Visible controls; not strict counts those moved to the overflow popup.
    int GetVisibleCount(BOOL bStrict = TRUE) const;
    CZMRControl* GetVisibleAt(int nIndex, BOOL bStrict = TRUE) const;
    // The index of the next control the keyboard may go to, or -1.
    int GetNext(int nIndex, int nDirection = +1, BOOL bSkipUnnavigable = TRUE, BOOL bSkipTemporary = FALSE,
                BOOL bIncludeCollapsed = FALSE) const;

    // Same controls, temporary ones left out.
    BOOL IsEqual(CZMRControls* pOther) const;
    // No snapshot, or the controls differ from it.
    BOOL IsChanged() const;

    // ------------------------------------------------------------ copies and the snapshot

    // Takes a snapshot of the current non-temporary controls.
    void CreateOriginalControls();
    CZMROriginalControls* GetOriginalControls() const { return m_pOriginalControls; }
    // Holds the given snapshot (taking the caller's reference).
    void SetOriginalControls(CZMROriginalControls* pOriginalControls);
    BOOL IsOriginalControls() const { return m_bOriginalControls; }
    // A new collection of the same class with copies of the non-temporary
    // controls and of the snapshot; one reference for the caller.
    CZMRControls* Duplicate(BOOL bRecursive = FALSE) const;

    // ------------------------------------------------------------ layout

    // The rows of a tool-bar-like bar for an available length; sets
    // zmrLayoutStretch in dwMode when it had to wrap or hide; the size
    // includes the borders.
    CSize CalcLayout(CDC* pDC, int nLength, DWORD& dwMode, CRect rcBorder, int nMinThickness = 0);
    // The columns of a popup bar: a new column whenever the height limit
    // (0: none) is passed; nWidth in 1..29999 fixes the last column's width.
    CSize CalcPopupLayout(CDC* pDC, int nHeightLimit, int nWidth, CRect rcBorder);

    // ------------------------------------------------------------ operations the kinds replace

    virtual void Remove(CZMRControl* pControl);
    virtual void Copy(CZMRControls* pOther, BOOL bRecursive = FALSE);
    virtual void DoPropExchange(CZMRPropExchange* pPX);
    virtual BOOL ShouldSaveControl(CZMRControl* pControl) const;
    // Numbers the popup bars of the saved controls, and of the snapshot's
    // when the saver asks for original controls.
    void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam);
    virtual void OnControlAdded(CZMRControl* pControl);
    virtual void OnControlRemoved(CZMRControl* pControl);
    // True keeps the control in the collection.
    virtual BOOL IsRemoveVetoed(CZMRControl* pControl) const;
    // Every control's index and parents follow its place.
    virtual void RefreshIndexes();

protected:
    struct CLayoutItem;
    class CLayout;

    // The site that hears of menu imports and popup bars.
    CWnd* GetSite() const;
    // The bar's paint manager, else the manager's, else the current one.
    CZMRPaintManager* GetPaintManager() const;
    // A style the reducing layout gives a control: the bar is being laid
    // out already, so nothing is marked stale.
    static void SetLayoutStyle(CZMRControl* pControl, int buttonStyle);
    // The control of a type with its popup bar; none for an unknown type.
    // Menus and bars name some special controls by different ids.
    CZMRControl* CreateControl(int controlType, int nId, BOOL bFromMenu, const CString& strCaption);
    static BOOL LoadMenuResource(CMenu& menu, int nId);
    static BOOL IsPopupType(int controlType)
    {
        return controlType == zmrControlPopup || controlType == zmrControlButtonPopup ||
               controlType == zmrControlSplitButtonPopup;
    }
    // The popup bar a popup control opens: the site's, else a new one.
    CZMRCommandBar* CreatePopupBar(const CString& strCaption, int nId);
    void BindToAction(CZMRControl* pControl, int nId, const CString& strCaption);

    CZMRCommandBar* m_pParent;
    CArray<CZMRControl*, CZMRControl*> m_arrControls;
    CZMRBarManager* m_pBarManager;
    CZMROriginalControls* m_pOriginalControls;
    BOOL m_bOriginalControls;
};

// Whether a typed character is what the virtual key produces, in the current
// keyboard layout or in another installed one, shifted or not.
BOOL IsCharMatchingVirtualKey(TCHAR chAccel, UINT nVirtualKey);

// The access letter of a caption: the character after its first "&" when
// that is not the last character (bAmpersand set), else the first one; 0
// for an empty caption.
TCHAR GetMnemonicChar(const CString& strCaption, BOOL& bAmpersand);

// The system calls the typed-character test makes; tests put others in
// their place to have more than one keyboard layout.
struct ZMR_KEYBOARD_LAYOUT_CALLS
{
    UINT(WINAPI* pfnMapVirtualKey)(UINT uCode, UINT uMapType);
    int(WINAPI* pfnGetKeyboardLayoutList)(int nBuff, HKL* lpList);
    int(WINAPI* pfnToUnicodeEx)(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff,
                                int cchBuff, UINT wFlags, HKL dwhkl);
};
extern ZMR_KEYBOARD_LAYOUT_CALLS g_zmrKeyboardLayoutCalls;
