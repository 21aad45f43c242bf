// The controls of the ribbon's quick-access row: copies the user picked,
// each also a control of the ribbon bar, placed behind the system button.
// Its list of original controls is the list of commands the row offers.
#pragma once
#include "CZMRControls.h"

class CZMRRibbonBar;

class CZMRRibbonQuickAccessControls : public CZMRControls
{
public:
    CZMRRibbonQuickAccessControls();

    // A control of this collection leaves it (and the ribbon's controls).
    void Remove(CZMRControl* pControl) override;
    // Also puts the control among the ribbon's controls.
    void OnControlAdded(CZMRControl* pControl) override;
    void OnControlRemoved(CZMRControl* pControl) override;
    // Each control belongs to the ribbon; its index is the ribbon's.
    void RefreshIndexes() override;

    // Position searched from the end; -1 when absent.
    int IndexOf(CZMRControl* pControl) const;

protected:
    CZMRRibbonBar* GetRibbonBar() const;
};
