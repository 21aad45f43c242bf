// The controls of a ribbon bar: its structural controls (tab strip, group
// buttons, quick-access buttons, scroll buttons) cannot be removed, a
// removed control leaves its group or the quick-access row, and only loose
// controls of the tab row are saved.
#pragma once
#include "CZMRControls.h"

class CZMRRibbonControls : public CZMRControls
{
    DECLARE_DYNCREATE(CZMRRibbonControls)
public:
    CZMRRibbonControls();

    BOOL IsRemoveVetoed(CZMRControl* pControl) const override;
    void OnControlRemoved(CZMRControl* pControl) override;
    BOOL ShouldSaveControl(CZMRControl* pControl) const override;
    // The source's saved controls, in place of these.
    void Copy(CZMRControls* pOther, BOOL bRecursive = FALSE) override;
};
