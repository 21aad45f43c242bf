// The groups of one ribbon tab, in order: their layout across the groups
// band, with reduction when they do not fit and the growth of a gallery
// when room is left.
#pragma once
#include "Framework.h"

class CZMRRibbonGroup;
class CZMRRibbonTab;
class CZMRPropExchange;

class CZMRRibbonGroups : public CCmdTarget
{
public:
    explicit CZMRRibbonGroups(CZMRRibbonTab* pTab = nullptr);
    ~CZMRRibbonGroups() override;

    int GetCount() const { return int(m_arrGroups.GetSize()); }
    // None outside the collection.
    CZMRRibbonGroup* GetAt(int nIndex) const;
    CZMRRibbonTab* GetTab() const { return m_pTab; }
    void SetTab(CZMRRibbonTab* pTab) { m_pTab = pTab; }
    // The scroll offset the last layout used.
    int GetAppliedScrollOffset() const { return m_nAppliedScrollOffset; }

    // Takes the caller's reference; the group gets the tab's host bar and ribbon.
    CZMRRibbonGroup* InsertAt(int nIndex, CZMRRibbonGroup* pGroup);
    void RemoveAll();
    // Copies of the source's groups, of their classes, in place of these.
    void Copy(CZMRRibbonGroups* pSource);
    void RefreshIndexes();
    // The first shown group whose rectangle holds the point, or none.
    CZMRRibbonGroup* HitTest(CPoint point) const;
    // The widths and 7 between non-zero ones.
    static int GetTotalWidth(const CArray<int, int>& arrWidths);
    // Reduces (or widens one gallery of) the shown groups toward the
    // available width; the groups are in a layout pass.
    void FitWidths(CDC* pDC, CArray<int, int>& arrWidths, int nAvailable);
    // Lays the shown groups out in a band of that width; the margins are the
    // left edge, top edge, right and bottom room.
    void Layout(CDC* pDC, int nWidth, CRect rcMargins);
    void DoPropExchange(CZMRPropExchange* pPX);

protected:
    CArray<CZMRRibbonGroup*, CZMRRibbonGroup*> m_arrGroups;
    CZMRRibbonTab* m_pTab;
    int m_nAppliedScrollOffset;
};
