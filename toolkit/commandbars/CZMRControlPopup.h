// A button that owns a popup bar (popup, button popup and split button
// popup): it opens and closes that bar, and copies and compares with it.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlPopup : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlPopup)
public:
    CZMRControlPopup();
    ~CZMRControlPopup() override;

    BOOL Compare(CZMRControl* pOther) override;
    CZMRCommandBar* GetCommandBar() const override;
    BOOL IsPopupOpen() const override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void OnAccessKeyPressed() override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    // Opens (non-null) or closes the popup bar; false when it cannot open.
    BOOL ShowPopup(BOOL bPopup) override;
    void OnLButtonUp(CPoint point) override;
    // Opens a closed menu popup and runs its default item.
    BOOL OnLButtonDblClk(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSelectionChange(int bSelected) override;
    void OnOtherControlDraggedOver(CZMRControl* pDragged, CPoint point, DROPEFFECT& dropEffect) override;
    // Refuses a drop on a bar of this control's own popup chain.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
    // The control's keys, then the BarID of the popup bar ("CommandBarId").
    void DoPropExchange(CZMRPropExchange* pPX) override;
    // Takes the loaded bar of the saved BarID as the popup bar (none when it
    // is not in the list) and re-links that bar in turn.
    void RelinkBarsAfterLoad(CZMRCommandBarList* pBars) override;
    int GetSavedBarId() const { return m_nSavedBarId; }
    // The paint manager's adjustment of the rectangle the popup keeps clear.
    virtual void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical);
    // The opening control's own shadow under an open popup.
    virtual void AddControlShadow();

    // Same popup bar, or one reached through popup controls on it, either way.
    BOOL ContainsPopupOf(CZMRControlPopup* pOther) const;

    // Releases the old popup bar and takes a reference on the new one.
    void SetCommandBar(CZMRCommandBar* pCommandBar);

    // A popup control of a popup type (popup, button popup or split button
    // popup), without a popup bar; null for other types. One reference for
    // the caller.
    static CZMRControlPopup* CreateWithType(int controlType);
    // The open popup of a popup-type control shows the rarely used controls
    // it hides until expanded.
    void ExpandIfHovered();

protected:
    BOOL m_bPopup;                   // the popup is open
    CZMRCommandBar* m_pCommandBar;
    int m_nSavedBarId;               // read while loading, used once to find the bar again
    BOOL m_bShadowUnderControl;
};
