// What a grid column and a grid row share: their user size, limits and the
// working sizes the grid's layout computes for them. It has no markup type
// of its own: the column and row definitions show as plain objects.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupGridLength;

class CZMRMarkupDefinitionBase : public CZMRMarkupObject
{
public:
    // Size type flags.
    enum { sizePixel = 1, sizeAuto = 2, sizeStar = 4 };

    explicit CZMRMarkupDefinitionBase(BOOL bColumn);

    BOOL IsColumn() const { return m_bColumn; }
    // MinWidth or MinHeight, 0 when unset.
    int GetUserMinSize() const;
    // MaxWidth or MaxHeight, 2147483647 when unset.
    int GetUserMaxSize() const;
    // Width or Height (one star by default).
    CZMRMarkupGridLength* GetUserSize() const;
    // The min size, or the measure size when larger and the size is not auto.
    double GetPreferredSize() const;
    // The min size becomes the larger of itself and the value.
    void UpdateMinSize(int nMinSize);
    // The star value of a star size; 0 for a negative one.
    double GetStarValue() const;

protected:
    CZMRMarkupDependencyProperty* GetSizeProperty() const;
    CZMRMarkupDependencyProperty* GetMinSizeProperty() const;
    CZMRMarkupDependencyProperty* GetMaxSizeProperty() const;

public:
    // The grid's layout works on these directly.
    BOOL m_bColumn;
    int m_nMinSize;
    DWORD m_dwSizeType;
    double m_dMeasureSize;
    double m_dSizeCache;    // a maximum, a ratio, a running total or the final size
    int m_nFinalOffset;
};
