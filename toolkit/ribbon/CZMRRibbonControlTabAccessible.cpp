// What the tab strip tells accessibility clients: the strip is a page tab
// list whose children (tab index + 1) are its tabs.
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonTab.h"
#include "CZMRCommandBar.h"
#include "CZMRDrawHelpers.h"


// The tab of a child id: null for the strip itself (child 0); false for an
// id beyond the tabs.
BOOL CZMRRibbonControlTab::GetAccTab(const VARIANT& varChild, CZMRTabManagerItem*& pItem) const
{
    pItem = nullptr;
    const long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF)
        return TRUE;
    if (nChild < 1 || nChild > GetItemCount())
        return FALSE;
    pItem = GetItem(nChild - 1);
    return TRUE;
}

HRESULT CZMRRibbonControlTab::GetAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetItemCount();
    return S_OK;
}

HRESULT CZMRRibbonControlTab::GetAccChild(VARIANT /*varChild*/, IDispatch** ppdispChild)
{
    // The tabs are simple children without objects of their own.
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    return S_FALSE;
}

HRESULT CZMRRibbonControlTab::GetAccName(VARIANT varChild, BSTR* pszName)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem))
        return E_INVALIDARG;
    if (!pItem)
        return CZMRControlPopup::GetAccName(varChild, pszName);
    CString strName = pItem->GetCaption();
    CZMRDrawHelpers::RemoveMnemonicMarkers(strName);
    return ReturnString(strName, pszName);
}

HRESULT CZMRRibbonControlTab::GetAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem) || !pvarRole)
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    pvarRole->lVal = pItem ? ROLE_SYSTEM_PAGETAB : ROLE_SYSTEM_PAGETABLIST;
    return S_OK;
}

HRESULT CZMRRibbonControlTab::GetAccState(VARIANT varChild, VARIANT* pvarState)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem) || !pvarState)
        return E_INVALIDARG;
    ::VariantInit(pvarState);
    long lState;
    if (pItem)
    {
        lState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (pItem == GetSelectedItem())
            lState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
        if (!pItem->IsVisible())
            lState |= STATE_SYSTEM_INVISIBLE;
    }
    else
    {
        lState = STATE_SYSTEM_FOCUSABLE;
        if (!GetParent() || !GetParent()->IsVisible() || !IsVisible())
            lState |= STATE_SYSTEM_INVISIBLE;
    }
    pvarState->vt = VT_I4;
    pvarState->lVal = lState;
    return S_OK;
}

HRESULT CZMRRibbonControlTab::GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem))
        return E_INVALIDARG;
    if (!pItem)
        return CZMRControlPopup::GetAccDefaultAction(varChild, pszDefaultAction);
    return ReturnString(CString(L"Switch"), pszDefaultAction);
}

HRESULT CZMRRibbonControlTab::AccSelect(long flagsSelect, VARIANT varChild)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem))
        return E_INVALIDARG;
    if (!pItem)
        return CZMRControlPopup::AccSelect(flagsSelect, varChild);
    SetCurSel(pItem->GetIndex());
    return S_OK;
}

HRESULT CZMRRibbonControlTab::AccDoDefaultAction(VARIANT varChild)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem))
        return E_INVALIDARG;
    if (!pItem)
        return CZMRControlPopup::AccDoDefaultAction(varChild);
    pItem->Select();
    return S_OK;
}

HRESULT CZMRRibbonControlTab::AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild)
{
    CZMRTabManagerItem* pItem;
    if (!GetAccTab(varChild, pItem) || !pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    CZMRCommandBar* pBar = GetParent();
    if (!pBar || !pBar->GetSafeHwnd() || !IsVisible())
        return S_OK;
    CRect rc = pItem ? pItem->GetRect() : GetRect();
    pBar->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CZMRRibbonControlTab::AccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    CZMRCommandBar* pBar = GetParent();
    if (!pBar || !pBar->GetSafeHwnd())
        return S_FALSE;
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    CPoint point(xLeft, yTop);
    if (!rcWindow.PtInRect(point))
        return S_FALSE;
    pBar->ScreenToClient(&point);
    if (!GetRect().PtInRect(point))
        return S_FALSE;
    CZMRTabManagerItem* pItem = HitTest(point);
    pvarChild->vt = VT_I4;
    pvarChild->lVal = pItem ? pItem->GetIndex() + 1 : CHILDID_SELF;
    return S_OK;
}
