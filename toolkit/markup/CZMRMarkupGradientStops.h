// The gradient stops of a linear gradient brush, in the order written.
#pragma once
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupGradientStop.h"

class CZMRMarkupGradientStops : public CZMRMarkupCollection
{
public:
    CZMRMarkupGradientStops() : CZMRMarkupCollection(CZMRMarkupGradientStop::GetMarkupType()) {}

    CZMRMarkupGradientStop* GetStop(int nIndex) const { return static_cast<CZMRMarkupGradientStop*>(GetItem(nIndex)); }
};
