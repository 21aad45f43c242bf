// The button a collapsed ribbon group shows in its place: it carries the
// group's caption and opens the group in a popup.
#pragma once
#include "CZMRControlPopup.h"

class CZMRRibbonGroup;

class CZMRRibbonGroupControlPopup : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRRibbonGroupControlPopup)
public:
    explicit CZMRRibbonGroupControlPopup(CZMRRibbonGroup* pGroup = nullptr);

    CZMRRibbonGroup* GetGroup() const { return m_pGroup; }
    void SetGroup(CZMRRibbonGroup* pGroup);

    // Also hidden while its group is not visible.
    BOOL IsVisible(DWORD dwSkipFlags = 0) const override;
    BOOL SuppressesStateFrame() const override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Follows the source's group, or in another ribbon the group of the same id.
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    BOOL ShowPopup(BOOL bPopup) override;
    void OnLButtonUp(CPoint point) override;
    // Its popup is made when it opens and never saved.
    void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam) override;

protected:
    CZMRRibbonGroup* m_pGroup;
};
