// What a command bar tells accessibility clients and the context help about
// itself and its controls.
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRPopupBar.h"
#include "CZMRDrawHelpers.h"

// ---------------------------------------------------------------- accessibility

HRESULT CZMRCommandBar::GetAccParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, this))
    {
        if (CZMRControl* pOpener = pPopup->GetControlPopup())
        {
            *ppdispParent = pOpener->GetAccessibleDispatch();
            return S_OK;
        }
    }
    if (!GetSafeHwnd())
        return E_FAIL;
    return AccessibleObjectFromWindow(m_hWnd, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(ppdispParent));
}

HRESULT CZMRCommandBar::GetAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetControlCount();
    return S_OK;
}

HRESULT CZMRCommandBar::GetAccChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    const long nChild = GetChildIndex(&varChild);
    CZMRControl* pControl = nChild > 0 ? GetControl(int(nChild - 1)) : nullptr;
    if (!pControl)
        return E_INVALIDARG;
    *ppdispChild = pControl->GetAccessibleDispatch();
    return S_OK;
}

HRESULT CZMRCommandBar::GetAccName(VARIANT varChild, BSTR* pszName)
{
    const long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF)
        return ReturnString(m_strTitle, pszName);
    CZMRControl* pControl = nChild > 0 ? GetControl(int(nChild - 1)) : nullptr;
    if (!pControl)
        return E_INVALIDARG;
    CString strName = pControl->GetCaption();
    CZMRDrawHelpers::RemoveMnemonicMarkers(strName);
    const CString strShortcut = pControl->GetShortcutText();
    if (!strShortcut.IsEmpty())
        strName += L"\t" + strShortcut;
    return ReturnString(strName, pszName);
}

HRESULT CZMRCommandBar::GetAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    const long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF)
    {
        const long lRole = m_barType == zmrBarTypeMenuBar ? ROLE_SYSTEM_MENUBAR
                           : m_barType == zmrBarTypePopup ? ROLE_SYSTEM_MENUPOPUP
                                                          : ROLE_SYSTEM_TOOLBAR;
        return ReturnLong(lRole, pvarRole);
    }
    if (nChild < 1 || nChild > GetControlCount())
        return E_INVALIDARG;
    return ReturnLong(ROLE_SYSTEM_MENUITEM, pvarRole);
}

HRESULT CZMRCommandBar::GetAccState(VARIANT varChild, VARIANT* pvarState)
{
    const long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF)
        return ReturnLong(IsVisible() ? 0 : STATE_SYSTEM_INVISIBLE, pvarState);
    if (nChild < 1 || nChild > GetControlCount())
        return E_INVALIDARG;
    long lState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (nChild - 1 == m_nHotIndex)
        lState |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED | STATE_SYSTEM_HOTTRACKED;
    return ReturnLong(lState, pvarState);
}

HRESULT CZMRCommandBar::AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    const long nChild = GetChildIndex(&varChild);
    CZMRControl* pControl = nChild > 0 ? GetControl(int(nChild - 1)) : nullptr;
    if (nChild != CHILDID_SELF && !pControl)
        return E_INVALIDARG;
    if (!GetSafeHwnd())
        return S_OK;

    CRect rc;
    if (pControl)
    {
        rc = pControl->GetRect();
        ClientToScreen(&rc);
    }
    else
        GetWindowRect(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CZMRCommandBar::AccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    if (!GetSafeHwnd())
        return S_FALSE;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CPoint point(xLeft, yTop);
    if (!rcWindow.PtInRect(point))
        return S_FALSE;

    ScreenToClient(&point);
    if (CZMRControl* pControl = HitTest(point))
    {
        pvarChild->vt = VT_DISPATCH;
        pvarChild->pdispVal = pControl->GetAccessibleDispatch();
        return S_OK;
    }
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

// ---------------------------------------------------------------- messages

LRESULT CZMRCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const DWORD dwObjectId = DWORD(lParam);
    CZMRAccessible* pObject = nullptr;
    if (dwObjectId >= 1 && dwObjectId <= 0xFFFFFE)
        pObject = m_pControls->FindControlById(int(dwObjectId));
    else if (LONG(dwObjectId) == OBJID_CLIENT || LONG(dwObjectId) == OBJID_MENU)
        pObject = this;
    else
        return Default();
    if (!pObject)
        return LRESULT(E_FAIL);
    return LresultFromObject(IID_IAccessible, wParam, pObject->GetAccessibleInterface());
}

LRESULT CZMRCommandBar::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    if (CZMRControl* pControl = HitTest(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))))
    {
        const int nHelpId = GetControlHelpId(pControl);
        return nHelpId > 0 ? HID_BASE_COMMAND + nHelpId : 0;
    }
    const int nWindowId = GetDlgCtrlID();
    return nWindowId ? HID_BASE_CONTROL + nWindowId : 0;
}

BOOL CZMRCommandBar::IsSiteInHelpMode() const
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetSite());
    return pFrame && pFrame->m_bHelpMode != HELP_INACTIVE;
}

LRESULT CZMRCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsSiteInHelpMode())
        return CWnd::OnNcHitTest(point);
    // The help cursor names the control under it: a popup without a command
    // stands for its menu.
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    CZMRControl* pControl = HitTest(ptClient);
    if (pControl && pControl->GetID() == 0 && pControl->GetType() >= zmrControlPopup &&
        pControl->GetType() <= zmrControlSplitButtonPopup)
        return HTMENU;
    return HTCLIENT;
}

void CZMRCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsSiteInHelpMode())
    {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    OnLButtonDown(MK_LBUTTON, ptClient);
}
