// The gallery's items as simple accessible children (child id = index + 1).
#include "CZMRControlGallery.h"
#include "CZMRCommandBar.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRDrawHelpers.h"


CZMRControlGalleryItem* CZMRControlGallery::GetAccItem(const VARIANT& varChild, int* pnIndex) const
{
    const long nChild = GetChildIndex(&varChild);
    CZMRControlGalleryItem* pItem = nChild > 0 ? GetItem(int(nChild - 1)) : nullptr;
    if (pnIndex)
        *pnIndex = int(nChild - 1);
    return pItem;
}

HRESULT CZMRControlGallery::GetAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetItemCount();
    return S_OK;
}

HRESULT CZMRControlGallery::GetAccChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    return S_FALSE;
}

HRESULT CZMRControlGallery::GetAccName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::GetAccName(varChild, pszName);
    CZMRControlGalleryItem* pItem = GetAccItem(varChild);
    if (!pItem)
        return E_INVALIDARG;
    CString strName = pItem->GetCaption();
    CZMRDrawHelpers::RemoveMnemonicMarkers(strName);
    if (strName.IsEmpty())
        strName = pItem->GetDescription();
    return ReturnString(strName, pszName);
}

HRESULT CZMRControlGallery::GetAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
    {
        if (!pvarRole)
            return E_INVALIDARG;
        ::VariantInit(pvarRole);
        pvarRole->vt = VT_I4;
        pvarRole->lVal = ROLE_SYSTEM_LIST;
        return S_OK;
    }
    if (!GetAccItem(varChild) || !pvarRole)
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_LISTITEM;
    return S_OK;
}

HRESULT CZMRControlGallery::GetAccState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::GetAccState(varChild, pvarState);
    int nIndex;
    CZMRControlGalleryItem* pItem = GetAccItem(varChild, &nIndex);
    if (!pItem || !pvarState)
        return E_INVALIDARG;
    long lState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (nIndex == m_nHotItem)
        lState |= STATE_SYSTEM_FOCUSED;
    if (pItem->GetID() == m_nChecked)
        lState |= STATE_SYSTEM_SELECTED;
    ::VariantInit(pvarState);
    pvarState->vt = VT_I4;
    pvarState->lVal = lState;
    return S_OK;
}

HRESULT CZMRControlGallery::GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::GetAccDefaultAction(varChild, pszDefaultAction);
    if (!GetAccItem(varChild))
        return E_INVALIDARG;
    return ReturnString(CString(L"Click"), pszDefaultAction);
}

HRESULT CZMRControlGallery::AccSelect(long flagsSelect, VARIANT varChild)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::AccSelect(flagsSelect, varChild);
    int nIndex;
    if (!GetAccItem(varChild, &nIndex))
        return E_INVALIDARG;
    SetHotItem(nIndex);
    return S_OK;
}

HRESULT CZMRControlGallery::AccDoDefaultAction(VARIANT varChild)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::AccDoDefaultAction(varChild);
    int nIndex;
    if (!GetAccItem(varChild, &nIndex))
        return E_INVALIDARG;
    SetHotItem(nIndex);
    return S_OK;
}

HRESULT CZMRControlGallery::AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                        VARIANT varChild)
{
    if (GetChildIndex(&varChild) == CHILDID_SELF)
        return CZMRControlPopup::AccLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    int nIndex;
    if (!GetAccItem(varChild, &nIndex) || !pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !IsVisible())
        return S_OK;
    CRect rc = GetVisibleItemRect(nIndex);
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CZMRControlGallery::AccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    const HRESULT hr = CZMRControlPopup::AccHitTest(xLeft, yTop, pvarChild);
    if (hr != S_OK)
        return hr;
    CPoint point(xLeft, yTop);
    m_pParent->ScreenToClient(&point);
    const int nIndex = HitTestItem(point);
    if (nIndex != -1)
        pvarChild->lVal = nIndex + 1;
    return S_OK;
}
