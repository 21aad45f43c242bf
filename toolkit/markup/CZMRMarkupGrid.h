// The panel that places its children in cells of rows and columns. Column
// and row sizes are auto, pixels or star shares; children choose their cell
// with the attached Column, Row, ColumnSpan and RowSpan. Measure resolves the
// sizes of all definitions from the children's desired sizes, one group of
// cells after another so that star sizes are resolved against known auto
// sizes; arrange turns them into final sizes and offsets.
#pragma once
#include "CZMRMarkupPanel.h"

class CZMRMarkupDefinitionBase;
class CZMRMarkupDefinitionCollection;
class CZMRMarkupColumnDefinitionCollection;
class CZMRMarkupRowDefinitionCollection;
struct CZMRMarkupPropertyChange;

class CZMRMarkupGrid : public CZMRMarkupPanel
{
    DECLARE_MARKUPCLASS(CZMRMarkupGrid)
public:
    // Ends a cell list.
    static const int listEnd = 0x7FFFFFFF;

    struct CELLCACHE
    {
        int nColumn;
        int nRow;
        int nColumnSpan;
        int nRowSpan;
        DWORD dwSizeTypeU;   // OR of the spanned columns' size types
        DWORD dwSizeTypeV;   // OR of the spanned rows' size types
        int nNext;           // next cell of the same list
    };

    // A request of a cell that spans several definitions.
    struct SPANKEY
    {
        int nCount;
        int nStart;
        BOOL bColumn;
        int nSize;
    };

    CZMRMarkupGrid();
    ~CZMRMarkupGrid() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pColumnDefinitionsProperty;
    static CZMRMarkupDependencyProperty* m_pRowDefinitionsProperty;
    static CZMRMarkupDependencyProperty* m_pColumnProperty;
    static CZMRMarkupDependencyProperty* m_pRowProperty;
    static CZMRMarkupDependencyProperty* m_pColumnSpanProperty;
    static CZMRMarkupDependencyProperty* m_pRowSpanProperty;

    // ColumnDefinitions and RowDefinitions take only their own collection
    // type, which replaces the grid's.
    void AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                             CZMRMarkupObject* pValue) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    // A child's cell: Column and Row 0 when unset or negative, a span below
    // 1 or unset counts as 1.
    static int AFXAPI GetColumn(const CZMRMarkupObject* pElement);
    static int AFXAPI GetRow(const CZMRMarkupObject* pElement);
    static int AFXAPI GetColumnSpan(const CZMRMarkupObject* pElement);
    static int AFXAPI GetRowSpan(const CZMRMarkupObject* pElement);
    // A child's cell changed: its grid measures again.
    static void AFXAPI OnCellPropertyChanged(CZMRMarkupObject* pElement, CZMRMarkupPropertyChange& change);

    CZMRMarkupColumnDefinitionCollection* GetColumnDefinitions() const { return m_pColumnDefinitions; }
    CZMRMarkupRowDefinitionCollection* GetRowDefinitions() const { return m_pRowDefinitions; }
    // The definitions the last measure used (the grid's, or one default).
    CZMRMarkupDefinitionCollection* GetColumnsInForce() const { return m_pColumnsInForce; }
    CZMRMarkupDefinitionCollection* GetRowsInForce() const { return m_pRowsInForce; }

protected:
    void PrepareDefinitions();
    static void AFXAPI ResetDefinitions(CZMRMarkupDefinitionCollection* pDefinitions, BOOL bStarAsAuto);
    void BuildCellCache();
    void FreeCellCache();
    // Whether the cache still matches the children and the definitions.
    BOOL IsCellCacheCurrent() const;
    void MeasureCellList(CZMRMarkupDrawingContext* pDC, int nHead, BOOL bIgnoreWidths, BOOL bIgnoreHeights);
    void MeasureCell(CZMRMarkupDrawingContext* pDC, int nCell, BOOL bUnboundedHeight);
    static int AFXAPI GetMeasureSizeForRange(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount);
    static void AFXAPI DistributeSpanSize(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount,
                                          int nRequested);
    static void AFXAPI ResolveStarSizes(CZMRMarkupDefinitionCollection* pDefinitions, int nAvailable);
    static void AFXAPI DistributeFinalSizes(CZMRMarkupDefinitionCollection* pDefinitions, int nFinal);
    static int AFXAPI GetFinalSizeForRange(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount);

    CZMRMarkupRowDefinitionCollection* m_pRowDefinitions;         // owned
    CZMRMarkupColumnDefinitionCollection* m_pColumnDefinitions;   // owned
    CELLCACHE* m_pCellCache;                                      // one per child, owned
    int m_nHeads[4];
    BOOL m_bStarCellsU;
    BOOL m_bStarCellsV;
    BOOL m_bList3InAutoRows;
    CZMRMarkupDefinitionCollection* m_pColumnsInForce;   // one reference
    CZMRMarkupDefinitionCollection* m_pRowsInForce;      // one reference

    // What the cache was built for, so that arrange never reads a cache
    // that no longer matches, and the size to measure with again then.
    int m_nCellCount;
    int m_nCachedColumns;
    int m_nCachedRows;
    CSize m_szMeasureAvailable;
};
