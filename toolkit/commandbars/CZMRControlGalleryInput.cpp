// The gallery's hot item and preview, mouse, keyboard, clicks and tooltips.
#include "CZMRControlGallery.h"
#include "CZMRCommandBar.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRToolTipContext.h"

// ---------------------------------------------------------------- hot item and preview

void CZMRControlGallery::InvalidateItem(int nIndex)
{
    if (!m_pParent)
        return;
    CZMRControlGalleryItems* pItems = GetItems();
    if (pItems && !pItems->IsClipItems())
    {
        RepaintInParentBar(FALSE);
        return;
    }
    if (nIndex < 0 || nIndex >= m_arrRects.GetSize())
        return;
    CRect rc = GetVisibleItemRect(nIndex);
    rc.IntersectRect(rc, GetItemsRect());
    if (!rc.IsRectEmpty())
        m_pParent->Redraw(&rc, FALSE);
}

CRect CZMRControlGallery::GetVisibleItemRect(int nIndex) const
{
    CRect rc = GetItemRect(nIndex);
    rc.OffsetRect(0, -m_nScrollPos);
    return rc;
}

void CZMRControlGallery::ChangeHotItem(int nIndex, BOOL bKeyboard)
{
    const int nOld = m_nHotItem;
    m_nHotItem = nIndex;
    m_bHideSelection = FALSE;
    m_bItemPressed = FALSE;
    m_bKeyboardSelected = bKeyboard;
    InvalidateItem(nOld);
    InvalidateItem(nIndex);
}

void CZMRControlGallery::OnHotItemChanged()
{
    NotifySite(ZMR_GN_SELCHANGE);
}

void CZMRControlGallery::SetHotItem(int nIndex)
{
    ChangeHotItem(nIndex, TRUE);
    EnsureVisible(nIndex);
    if (nIndex != -1 && m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->NotifyAccessibilityEvent(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), OBJID_MENU, nIndex + 1);
    if (nIndex != -1)
    {
        if (!m_bPreview)
        {
            m_bPreview = TRUE;
            NotifySite(ZMR_GN_PREVIEWSTART);
        }
        NotifySite(ZMR_GN_PREVIEWCHANGE);
    }
    else if (m_bPreview)
    {
        NotifySite(ZMR_GN_PREVIEWCANCEL);
        m_bPreview = FALSE;
    }
    OnHotItemChanged();
}

void CZMRControlGallery::ClearHotItem()
{
    m_bHideSelection = TRUE;
    m_bKeyboardSelected = FALSE;
    InvalidateItem(m_nHotItem);
    if (m_bPreview)
    {
        if (m_nHotItem != -1)
            NotifySite(ZMR_GN_PREVIEWCHANGE);
        NotifySite(ZMR_GN_PREVIEWCANCEL);
        m_bPreview = FALSE;
    }
    OnHotItemChanged();
}

// ---------------------------------------------------------------- mouse

void CZMRControlGallery::OnMouseMove(CPoint point)
{
    if (HasIconLayoutStyle())
    {
        CZMRControlPopup::OnMouseMove(point);
        return;
    }
    // The scroll parts hot-track.
    const int nHit = m_pSBTrack ? m_spi.ht : HitTestScrollBar(point);
    if (nHit != m_spi.ht)
    {
        m_spi.ht = nHit;
        RepaintInParentBar(FALSE);
    }

    int nItem = HitTestItem(point);
    if (nItem == -1 && m_bKeyboardSelected && point != CPoint(-1, -1))
        nItem = m_nHotItem;
    if (nItem != m_nHotItem || (nItem != -1 && m_bHideSelection))
    {
        ChangeHotItem(nItem, FALSE);
        if (nItem != -1)
        {
            if (m_bPreview)
                NotifySite(ZMR_GN_PREVIEWCHANGE);
            else if (m_pParent && m_pParent->GetSafeHwnd())
                m_pParent->SetTimer(ZMR_TIMER_HOVER, 200, nullptr);
        }
        else if (m_bPreview)
        {
            NotifySite(ZMR_GN_PREVIEWCANCEL);
            m_bPreview = FALSE;
        }
        OnHotItemChanged();
    }
    else if (m_bItemPressed && m_nHotItem != -1 && m_ptPressed != CPoint(-1, -1) &&
             (abs(point.x - m_ptPressed.x) > 4 || abs(point.y - m_ptPressed.y) > 4))
    {
        m_ptPressed = CPoint(-1, -1);
        NotifySite(ZMR_GN_BEGINDRAG);
    }
}

void CZMRControlGallery::OnMouseHover()
{
    if (m_nHotItem != -1 && !m_bHideSelection && !m_bPreview && GetSelected())
    {
        m_bPreview = TRUE;
        NotifySite(ZMR_GN_PREVIEWSTART);
        NotifySite(ZMR_GN_PREVIEWCHANGE);
    }
    if (m_pParent && m_pParent->IsHoverOpen())
        CZMRControlPopup::OnMouseHover();
}

void CZMRControlGallery::OnClick(BOOL bKeyboard, CPoint point)
{
    if (HasIconLayoutStyle())
    {
        CZMRControlPopup::OnClick(bKeyboard, point);
        return;
    }
    if (IsCustomizeMode())
    {
        if (m_pParent)
        {
            m_pParent->SetPoppedControl(-1);
            m_pParent->SetHotControl(-1);
        }
        BeginControlMove(point);
        return;
    }
    if (!GetEnabled() || bKeyboard || !m_pParent)
        return;
    OnMouseMove(point);
    const int nHit = HitTestScrollBar(point);
    if (nHit == zmrHitScrollPopup)
    {
        m_pParent->SetPoppedControl(m_nIndex);
        return;
    }
    if (nHit != zmrHitScrollNone)
    {
        TrackScrollBar(m_pParent, point, &m_spi, ::GetKeyState(VK_SHIFT) < 0);
        return;
    }
    if (HitTestItem(point) != -1 && m_nHotItem != -1)
    {
        m_pParent->SetPoppedControl(-1);
        m_bItemPressed = TRUE;
        m_ptPressed = point;
        InvalidateItem(m_nHotItem);
    }
}

void CZMRControlGallery::OnLButtonUp(CPoint point)
{
    if (HasIconLayoutStyle())
    {
        CZMRControlPopup::OnLButtonUp(point);
        return;
    }
    const BOOL bPopupHot =
        m_pParent && m_pParent->GetPosition() == zmrBarPopup && m_nHotItem != -1 && !m_bHideSelection;
    if (!m_bItemPressed && !bPopupHot)
        return;
    m_bItemPressed = FALSE;
    InvalidateItem(m_nHotItem);
    OnExecute();
}

void CZMRControlGallery::OnExecute()
{
    if (m_bPreview)
    {
        m_bPreview = FALSE;
        NotifySite(ZMR_GN_PREVIEWAPPLY);
    }
    CZMRControlPopup::OnExecute();
}

BOOL CZMRControlGallery::ShowPopup(BOOL bPopup)
{
    if (bPopup && m_bPreview)
    {
        m_bPreview = FALSE;
        NotifySite(ZMR_GN_PREVIEWCANCEL);
    }
    return CZMRControlPopup::ShowPopup(bPopup);
}

BOOL CZMRControlGallery::IsFocused() const
{
    return !HasIconLayoutStyle() && GetSelected() != 0;
}

BOOL CZMRControlGallery::OnSelectionChange(int bSelected)
{
    if (HasIconLayoutStyle())
        return CZMRControlPopup::OnSelectionChange(bSelected);
    // In place the gallery opens nothing when it is selected.
    if (!CZMRControlButton::OnSelectionChange(bSelected))
        return FALSE;
    if (!bSelected)
    {
        m_bItemPressed = FALSE;
        m_spi.ht = zmrHitScrollNone;
        ClearHotItem();
    }
    else if ((bSelected == 2 || bSelected == 3) && (m_nHotItem == -1 || m_bHideSelection) && !HasPopupBar())
    {
        const int nItem = GetFirstOrLastItem(bSelected == 2);
        if (nItem != -1)
            SetHotItem(nItem);
    }
    return TRUE;
}

// ---------------------------------------------------------------- keyboard

int CZMRControlGallery::GetFirstOrLastItem(BOOL bFirst) const
{
    const int nCount = int(m_arrRects.GetSize());
    return GetNextItem(bFirst ? -1 : nCount, bFirst ? 1 : -1);
}

int CZMRControlGallery::GetNextItem(int nIndex, int nDirection) const
{
    for (int i = nIndex + nDirection; i >= 0 && i < m_arrRects.GetSize(); i += nDirection)
        if (!m_arrRects[i].pItem->IsLabel())
            return i;
    return -1;
}

int CZMRControlGallery::GetItemInRow(int nIndex, int nDirection) const
{
    const int i = nIndex + nDirection;
    if (i < 0 || i >= m_arrRects.GetSize() || m_arrRects[i].pItem->IsLabel())
        return -1;
    // Rows end where the next one begins.
    if ((nDirection > 0 && m_arrRects[i].bBeginRow) || (nDirection < 0 && m_arrRects[nIndex].bBeginRow))
        return -1;
    return i;
}

int CZMRControlGallery::GetItemInColumn(int nIndex, int nDirection) const
{
    const RECT& rcFrom = m_arrRects[nIndex].rcItem;
    for (int i = nIndex + nDirection; i >= 0 && i < m_arrRects.GetSize(); i += nDirection)
    {
        const GALLERYITEM_POSITION& pos = m_arrRects[i];
        if (pos.pItem->IsLabel() || pos.rcItem.top == rcFrom.top)
            continue;
        if (pos.rcItem.left == rcFrom.left)
            return i;
    }
    return -1;
}

int CZMRControlGallery::GetItemPageAway(int nIndex, int nDirection) const
{
    const int nVisible = GetItemsRect().Height();
    const int nCount = int(m_arrRects.GetSize());
    if (nIndex < 0 || nIndex >= nCount)
        return GetFirstOrLastItem(nDirection < 0);
    const RECT& rcFrom = m_arrRects[nIndex].rcItem;
    if (nDirection < 0)
    {
        for (int i = 0; i < nCount; i++)
            if (!m_arrRects[i].pItem->IsLabel() && rcFrom.top - m_arrRects[i].rcItem.top < nVisible)
                return i;
    }
    else
    {
        for (int i = nCount - 1; i >= 0; i--)
            if (!m_arrRects[i].pItem->IsLabel() && m_arrRects[i].rcItem.bottom - rcFrom.bottom < nVisible)
                return i;
    }
    return -1;
}

BOOL CZMRControlGallery::HasNeighbourControl(int nDirection) const
{
    if (!m_pParent)
        return FALSE;
    for (int i = m_nIndex + nDirection; i >= 0 && i < m_pParent->GetControlCount(); i += nDirection)
    {
        CZMRControl* pControl = m_pParent->GetControl(i);
        if (pControl->IsVisible() && !(pControl->GetFlags() & zmrFlagSkipFocus))
            return TRUE;
    }
    return FALSE;
}

BOOL CZMRControlGallery::HandleHookedKeyDown(UINT nChar)
{
    CZMRControlGalleryItems* pItems = GetItems();
    if (HasIconLayoutStyle() || !pItems)
        return FALSE;
    if (HasPopupBar() && m_nHotItem == -1)
    {
        if ((nChar == VK_RETURN || nChar == VK_SPACE) && m_pParent)
        {
            m_pParent->SetPoppedControl(m_nIndex);
            return TRUE;
        }
        return FALSE;
    }
    if (m_pParent && m_pParent->IsRightToLeftWindow())
    {
        if (nChar == VK_LEFT)
            nChar = VK_RIGHT;
        else if (nChar == VK_RIGHT)
            nChar = VK_LEFT;
    }
    const int nHot = m_nHotItem >= 0 && m_nHotItem < m_arrRects.GetSize() ? m_nHotItem : -1;
    int nItem = -1;
    switch (nChar)
    {
    case VK_TAB:
    {
        const int nDirection = ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        nItem = nHot == -1 ? GetFirstOrLastItem(nDirection > 0) : GetNextItem(nHot, nDirection);
        if (nItem == -1)
            return FALSE;
        break;
    }
    case VK_RETURN:
        OnExecute();
        return FALSE;
    case VK_PRIOR:
    case VK_NEXT:
        nItem = GetItemPageAway(nHot, nChar == VK_PRIOR ? -1 : 1);
        break;
    case VK_HOME:
    case VK_END:
        nItem = GetFirstOrLastItem(nChar == VK_HOME);
        break;
    case VK_LEFT:
    case VK_RIGHT:
    {
        if (GetItemsRect().Width() < 2 * pItems->GetItemSize().cx)
            return FALSE;
        const int nDirection = nChar == VK_LEFT ? -1 : 1;
        nItem = nHot == -1 ? GetFirstOrLastItem(nDirection > 0) : GetItemInRow(nHot, nDirection);
        if (nItem == -1)
            return TRUE;
        break;
    }
    case VK_UP:
    case VK_DOWN:
    {
        const int nDirection = nChar == VK_UP ? -1 : 1;
        nItem = nHot == -1 ? GetFirstOrLastItem(nDirection > 0) : GetItemInColumn(nHot, nDirection);
        if (nItem == -1)
        {
            if (HasNeighbourControl(nDirection))
                return FALSE;
            nItem = GetFirstOrLastItem(nDirection < 0 ? FALSE : TRUE);
        }
        break;
    }
    default:
        return FALSE;
    }
    if (nItem != -1)
        SetHotItem(nItem);
    return TRUE;
}

BOOL CZMRControlGallery::HandleHookedMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*point*/)
{
    CZMRControlGalleryItems* pItems = GetItems();
    const int cyItem = pItems ? pItems->GetItemSize().cy : 0;
    ScrollTo(zDelta < 0 ? m_nScrollPos + 3 * cyItem : m_nScrollPos - 3 * cyItem);
    return TRUE;
}

// ---------------------------------------------------------------- tooltips

INT_PTR CZMRControlGallery::OnToolHitTest(CPoint point, TOOLINFO* pTI)
{
    if (HasIconLayoutStyle() || !GetItems())
        return -1;
    CRect rcItem;
    const int nIndex = HitTestItem(point, rcItem);
    CZMRControlGalleryItem* pItem = GetItem(nIndex);
    if (!pItem)
        return 0;
    const INT_PTR nId = pItem->GetImageIndex() >= 0 ? pItem->GetImageIndex() : pItem->GetID();
    rcItem.IntersectRect(rcItem, GetItemsRect());
    const CString strCaption = pItem->GetCaption();
    const CString strDescription = pItem->GetDescription();
    CZMRToolTipContext::FillInToolInfoEx(pTI, m_pParent ? m_pParent->GetSafeHwnd() : nullptr, rcItem, nId,
                                         strCaption, strCaption, strDescription, GetItems()->GetImageManager());
    return nId;
}
