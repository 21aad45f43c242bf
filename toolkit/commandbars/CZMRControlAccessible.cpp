// What the control tells accessibility clients about itself.
#include "CZMRControl.h"
#include "CZMRCommandBar.h"
#include "CZMRDrawHelpers.h"

namespace
{
// A child id other than the control itself is not one of ours.
bool IsSelf(const VARIANT& varChild)
{
    return CZMRAccessible::GetChildIndex(&varChild) == CHILDID_SELF;
}
}

HRESULT CZMRControl::GetAccParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (!m_pParent)
        return E_FAIL;
    *ppdispParent = m_pParent->GetAccessibleDispatch();
    return S_OK;
}

HRESULT CZMRControl::GetAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetCommandBar() ? 1 : 0;
    return S_OK;
}

HRESULT CZMRControl::GetAccChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CZMRCommandBar* pCommandBar = GetCommandBar();
    if (pCommandBar && GetChildIndex(&varChild) == 1)
    {
        *ppdispChild = pCommandBar->GetAccessibleDispatch();
        return S_OK;
    }
    return S_FALSE;
}

HRESULT CZMRControl::GetAccName(VARIANT varChild, BSTR* pszName)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CString strName = GetCaption();
    CZMRDrawHelpers::RemoveMnemonicMarkers(strName);
    const CString strShortcut = GetShortcutText();
    if (!strShortcut.IsEmpty())
        strName += L"\t" + strShortcut;
    if (strName.IsEmpty())
        strName = GetTooltip();
    return ReturnString(strName, pszName);
}

HRESULT CZMRControl::GetAccDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    return ReturnString(GetDescription(), pszDescription);
}

HRESULT CZMRControl::GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    return ReturnString(CString(L"Click"), pszDefaultAction);
}

HRESULT CZMRControl::GetAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!IsSelf(varChild) || !pvarRole || !m_pParent || !m_pParent->GetSafeHwnd())
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    const int nBarType = m_pParent->GetType();
    if (nBarType == zmrBarTypeNormal || nBarType == 3)
        pvarRole->lVal = GetCommandBar() ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON;
    else
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    return S_OK;
}

HRESULT CZMRControl::GetAccState(VARIANT varChild, VARIANT* pvarState)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    long lState = STATE_SYSTEM_FOCUSABLE;
    if (GetSelected())
        lState |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED | STATE_SYSTEM_HOTTRACKED;
    if (!m_pParent || !m_pParent->IsVisible() || !IsVisible())
        lState |= STATE_SYSTEM_INVISIBLE;
    if (!GetEnabled())
        lState |= STATE_SYSTEM_UNAVAILABLE;
    if (GetChecked())
        lState |= STATE_SYSTEM_CHECKED;
    if (GetPressed())
        lState |= STATE_SYSTEM_PRESSED;
    if (GetCommandBar())
        lState |= STATE_SYSTEM_HASPOPUP;
    return ReturnLong(lState, pvarState);
}

HRESULT CZMRControl::AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    if (!IsSelf(varChild) || !pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !IsVisible())
        return S_OK;
    CRect rc = m_rcControl;
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CZMRControl::AccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_FALSE;
    CRect rcWindow;
    m_pParent->GetWindowRect(&rcWindow);
    const CPoint point(xLeft, yTop);
    if (!rcWindow.PtInRect(point))
        return S_FALSE;

    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    CPoint ptClient = point;
    m_pParent->ScreenToClient(&ptClient);
    return m_rcControl.PtInRect(ptClient) ? S_OK : S_FALSE;
}

HRESULT CZMRControl::AccSelect(long /*flagsSelect*/, VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    if (!m_pParent)
        return S_FALSE;
    m_pParent->SetMenuLoopActive(TRUE);
    m_pParent->SetHotControl(m_nIndex, TRUE);
    return S_OK;
}

HRESULT CZMRControl::AccDoDefaultAction(VARIANT varChild)
{
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    OnClick(TRUE);
    return S_OK;
}
