#include "CZMRMarkupDefinitionBase.h"
#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupRowDefinition.h"

#include <algorithm>
#include <climits>

CZMRMarkupDefinitionBase::CZMRMarkupDefinitionBase(BOOL bColumn)
    : m_bColumn(bColumn), m_nMinSize(0), m_dwSizeType(0), m_dMeasureSize(0.0), m_dSizeCache(0.0),
      m_nFinalOffset(0)
{
}

CZMRMarkupDependencyProperty* CZMRMarkupDefinitionBase::GetSizeProperty() const
{
    return m_bColumn ? CZMRMarkupColumnDefinition::m_pWidthProperty : CZMRMarkupRowDefinition::m_pHeightProperty;
}

CZMRMarkupDependencyProperty* CZMRMarkupDefinitionBase::GetMinSizeProperty() const
{
    return m_bColumn ? CZMRMarkupColumnDefinition::m_pMinWidthProperty : CZMRMarkupRowDefinition::m_pMinHeightProperty;
}

CZMRMarkupDependencyProperty* CZMRMarkupDefinitionBase::GetMaxSizeProperty() const
{
    return m_bColumn ? CZMRMarkupColumnDefinition::m_pMaxWidthProperty : CZMRMarkupRowDefinition::m_pMaxHeightProperty;
}

int CZMRMarkupDefinitionBase::GetUserMinSize() const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(GetMinSizeProperty()));
    return pValue ? pValue->GetValue() : 0;
}

int CZMRMarkupDefinitionBase::GetUserMaxSize() const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(GetMaxSizeProperty()));
    return pValue ? pValue->GetValue() : INT_MAX;
}

CZMRMarkupGridLength* CZMRMarkupDefinitionBase::GetUserSize() const
{
    return MarkupCast<CZMRMarkupGridLength>(GetValue(GetSizeProperty()));
}

double CZMRMarkupDefinitionBase::GetPreferredSize() const
{
    if (m_dwSizeType != sizeAuto && m_dMeasureSize > m_nMinSize)
        return m_dMeasureSize;
    return m_nMinSize;
}

void CZMRMarkupDefinitionBase::UpdateMinSize(int nMinSize)
{
    m_nMinSize = std::max(m_nMinSize, nMinSize);
}

double CZMRMarkupDefinitionBase::GetStarValue() const
{
    CZMRMarkupGridLength* pSize = GetUserSize();
    return pSize && pSize->GetValue() > 0.0 ? pSize->GetValue() : 0.0;
}
