// An item of the system popup's right column (a recent document, for
// example): a wide row whose caption may start with a mnemonic number
// drawn in a column of its own.
#pragma once
#include "CZMRControlButton.h"

class CZMRRibbonControlSystemPopupBarListItem : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRRibbonControlSystemPopupBarListItem)
public:
    CZMRRibbonControlSystemPopupBarListItem();

    // Its width and height.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;

    // The caption starts with "&n ": the number gets its own column.
    BOOL ShowsNumber() const { return m_bShowsNumber; }
    void SetShowsNumber(BOOL bShowsNumber) { m_bShowsNumber = bShowsNumber; }

    // Splits "&n rest" into the mnemonic "&n" and the rest; false (and the
    // caption whole) unless the caption is longer than two characters,
    // starts with '&' and has a space as its third character.
    static BOOL SplitNumber(const CString& strCaption, CString& strNumber, CString& strRest);

protected:
    BOOL m_bShowsNumber;
};
