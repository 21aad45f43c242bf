#include "CZMRMarkupGrid.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupColumnDefinitionCollection.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupRowDefinition.h"
#include "CZMRMarkupRowDefinitionCollection.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElementCollection.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupGrid)

CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pColumnDefinitionsProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pRowDefinitionsProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pColumnProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pRowProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pColumnSpanProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGrid::m_pRowSpanProperty = nullptr;

void AFXAPI CZMRMarkupGrid::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupGrid::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    m_pColumnDefinitionsProperty = CZMRMarkupDependencyProperty::Register(
        L"ColumnDefinitions", CZMRMarkupColumnDefinitionCollection::GetMarkupType(), pOwner);
    m_pRowDefinitionsProperty = CZMRMarkupDependencyProperty::Register(
        L"RowDefinitions", CZMRMarkupRowDefinitionCollection::GetMarkupType(), pOwner);
    CZMRMarkupDependencyProperty** ppCells[] = {&m_pColumnProperty, &m_pRowProperty, &m_pColumnSpanProperty,
                                                &m_pRowSpanProperty};
    LPCWSTR lpszCells[] = {L"Column", L"Row", L"ColumnSpan", L"RowSpan"};
    for (int i = 0; i < 4; i++)
    {
        *ppCells[i] = CZMRMarkupDependencyProperty::RegisterAttached(
            lpszCells[i], pInt, pOwner, new CZMRMarkupPropertyMetadata(nullptr, &OnCellPropertyChanged, 0));
    }
}

CZMRMarkupGrid::CZMRMarkupGrid()
    : m_pRowDefinitions(new CZMRMarkupRowDefinitionCollection()),
      m_pColumnDefinitions(new CZMRMarkupColumnDefinitionCollection()), m_pCellCache(nullptr),
      m_bStarCellsU(FALSE), m_bStarCellsV(FALSE), m_bList3InAutoRows(FALSE), m_pColumnsInForce(nullptr),
      m_pRowsInForce(nullptr), m_nCellCount(0), m_nCachedColumns(0), m_nCachedRows(0),
      m_szMeasureAvailable(0, 0)
{
    m_pRowDefinitions->SetLogicalParent(this);
    m_pColumnDefinitions->SetLogicalParent(this);
    for (int& nHead : m_nHeads)
        nHead = listEnd;
}

CZMRMarkupGrid::~CZMRMarkupGrid()
{
    FreeCellCache();
    if (m_pColumnsInForce)
        m_pColumnsInForce->Release();
    if (m_pRowsInForce)
        m_pRowsInForce->Release();
    m_pRowDefinitions->SetLogicalParent(nullptr);
    m_pRowDefinitions->Release();
    m_pColumnDefinitions->SetLogicalParent(nullptr);
    m_pColumnDefinitions->Release();
}

void CZMRMarkupGrid::AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                                         CZMRMarkupObject* pValue)
{
    if (pProperty == m_pColumnDefinitionsProperty)
    {
        CZMRMarkupColumnDefinitionCollection* pColumns = MarkupCast<CZMRMarkupColumnDefinitionCollection>(pValue);
        if (!pColumns)
            RaiseMarkupError(L"CZMRMarkupColumnDefinitionCollection class expected");
        m_pColumnDefinitions->SetLogicalParent(nullptr);
        m_pColumnDefinitions->Release();
        m_pColumnDefinitions = pColumns;
        pColumns->SetLogicalParent(this);
        return;
    }
    if (pProperty == m_pRowDefinitionsProperty)
    {
        CZMRMarkupRowDefinitionCollection* pRows = MarkupCast<CZMRMarkupRowDefinitionCollection>(pValue);
        if (!pRows)
            RaiseMarkupError(L"CZMRMarkupRowDefinitionCollection class expected");
        m_pRowDefinitions->SetLogicalParent(nullptr);
        m_pRowDefinitions->Release();
        m_pRowDefinitions = pRows;
        pRows->SetLogicalParent(this);
        return;
    }
    CZMRMarkupPanel::AssignPropertyValue(pBuilder, pProperty, pValue);
}

namespace
{
int CellValue(const CZMRMarkupObject* pElement, CZMRMarkupDependencyProperty* pProperty, int nDefault)
{
    CZMRMarkupInt* pValue = pElement ? MarkupCast<CZMRMarkupInt>(pElement->GetValue(pProperty)) : nullptr;
    return pValue ? pValue->GetValue() : nDefault;
}
}

int AFXAPI CZMRMarkupGrid::GetColumn(const CZMRMarkupObject* pElement)
{
    return std::max(0, CellValue(pElement, m_pColumnProperty, 0));
}

int AFXAPI CZMRMarkupGrid::GetRow(const CZMRMarkupObject* pElement)
{
    return std::max(0, CellValue(pElement, m_pRowProperty, 0));
}

int AFXAPI CZMRMarkupGrid::GetColumnSpan(const CZMRMarkupObject* pElement)
{
    return std::max(1, CellValue(pElement, m_pColumnSpanProperty, 1));
}

int AFXAPI CZMRMarkupGrid::GetRowSpan(const CZMRMarkupObject* pElement)
{
    return std::max(1, CellValue(pElement, m_pRowSpanProperty, 1));
}

void AFXAPI CZMRMarkupGrid::OnCellPropertyChanged(CZMRMarkupObject* pElement, CZMRMarkupPropertyChange& /*change*/)
{
    CZMRMarkupUIElement* pChild = MarkupCast<CZMRMarkupUIElement>(pElement);
    CZMRMarkupGrid* pGrid = pChild ? MarkupCast<CZMRMarkupGrid>(pChild->GetVisualParent()) : nullptr;
    if (pGrid)
        pGrid->InvalidateMeasure();
}
