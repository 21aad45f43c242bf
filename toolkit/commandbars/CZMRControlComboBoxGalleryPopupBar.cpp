#include "CZMRControlComboBoxGalleryPopupBar.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlGallery.h"
#include "CZMRControls.h"

IMPLEMENT_SERIAL(CZMRControlComboBoxGalleryPopupBar, CZMRControlComboBoxPopupBar, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBoxGalleryPopupBar::CZMRControlComboBoxGalleryPopupBar()
{
}

CZMRControlGallery* CZMRControlComboBoxGalleryPopupBar::GetGallery() const
{
    return DYNAMIC_DOWNCAST(CZMRControlGallery, GetControl(0));
}

CZMRControlComboBox* CZMRControlComboBoxGalleryPopupBar::GetComboBox() const
{
    return DYNAMIC_DOWNCAST(CZMRControlComboBox, m_pControlPopup);
}

int CZMRControlComboBoxGalleryPopupBar::GetCurSel() const
{
    CZMRControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->GetHotItem() : -1;
}

int CZMRControlComboBoxGalleryPopupBar::FindString(int nStartAfter, LPCTSTR lpszText) const
{
    CZMRControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->FindItem(nStartAfter, lpszText, FALSE) : -1;
}

int CZMRControlComboBoxGalleryPopupBar::FindStringExact(int nStartAfter, LPCTSTR lpszText) const
{
    CZMRControlGallery* pGallery = GetGallery();
    return pGallery ? pGallery->FindItem(nStartAfter, lpszText, TRUE) : -1;
}

int CZMRControlComboBoxGalleryPopupBar::SetTopIndex(int nIndex)
{
    CZMRControlGallery* pGallery = GetGallery();
    if (!pGallery)
        return -1;
    pGallery->ScrollToItem(nIndex);
    return 0;
}

void CZMRControlComboBoxGalleryPopupBar::SetCurSel(int nIndex)
{
    if (CZMRControlGallery* pGallery = GetGallery())
        pGallery->SetHotItem(nIndex);
}

void CZMRControlComboBoxGalleryPopupBar::GetText(int nIndex, CString& strText) const
{
    CZMRControlGallery* pGallery = GetGallery();
    strText = pGallery ? pGallery->GetItemCaption(nIndex) : CString();
}

BOOL CZMRControlComboBoxGalleryPopupBar::ProcessKey(CZMRControlComboBox* pCombo, UINT nChar, LPARAM /*lParam*/)
{
    CZMRControlGallery* pGallery = GetGallery();
    if (!pGallery)
        return FALSE;
    const int nOld = pGallery->GetHotItem();
    if (!pGallery->HandleHookedKeyDown(nChar))
        return FALSE;
    if (pCombo && pGallery->GetHotItem() != nOld)
        pCombo->OnSelectionChanged();
    return TRUE;
}

BOOL CZMRControlComboBoxGalleryPopupBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    CZMRControlComboBox* pCombo = GetComboBox();
    if (!CZMRControlComboBoxPopupBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback))
        return FALSE;
    if (bActive)
    {
        if (GetGallery())
            SetHotControl(0);
        if (pCombo)
        {
            pCombo->SyncListSelection();
            pCombo->NotifySite(ZMR_CBN_DROPDOWN);
        }
    }
    else if (pCombo)
    {
        pCombo->NotifySite(ZMR_CBN_CLOSEUP);
    }
    return TRUE;
}

int CZMRControlComboBoxGalleryPopupBar::HandleHookedKeyDown(UINT nChar, LPARAM lParam)
{
    CZMRControlComboBox* pCombo = GetComboBox();
    if (!pCombo)
        return CZMRControlComboBoxPopupBar::HandleHookedKeyDown(nChar, lParam);
    switch (nChar)
    {
    case VK_ESCAPE:
        if (pCombo->IsFocused())
            return 0;
        return CZMRControlComboBoxPopupBar::HandleHookedKeyDown(nChar, lParam);
    case VK_TAB:
        return 0;
    case VK_RETURN:
        if (GetGallery() && GetHotIndex() == 0)
        {
            pCombo->OnExecute();
            return 1;
        }
        return CZMRControlComboBoxPopupBar::HandleHookedKeyDown(nChar, lParam);
    default:
        return ProcessKey(pCombo, nChar, lParam) ? 1 : 0;
    }
}

LRESULT CZMRControlComboBoxGalleryPopupBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONUP)
    {
        CZMRControlComboBox* pCombo = GetComboBox();
        CZMRControlGallery* pGallery = GetGallery();
        const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
        if (pCombo && pGallery && pGallery->GetRect().PtInRect(point))
        {
            pCombo->OnSelectionChanged();
            pCombo->OnExecute();
            return 0;
        }
    }
    return CZMRControlComboBoxPopupBar::WindowProc(message, wParam, lParam);
}
