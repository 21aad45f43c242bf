// A progress bar on a command bar: the control shows its progress base
// through the progress paint manager of its paint manager.
#pragma once
#include "CZMRControl.h"
#include "CZMRProgressBase.h"

class CZMRControlProgress : public CZMRControl, public CZMRProgressBase
{
    DECLARE_SERIAL(CZMRControlProgress)
public:
    CZMRControlProgress();

    // The control's width; its height when set, else the progress paint
    // manager's default height.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // The control's keys, then "Min", "Max" and "Pos".
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;

    void GetProgressRect(CRect& rc) override;
    void RedrawProgress() override;
    CZMRProgressPaintManager* GetProgressPaintManager() override;
};
