// A grid of cells from which the user picks an extent (columns by rows) by
// moving the mouse over it; dragging past its right or bottom edge with the
// button held makes the grid grow up to its largest size. Subclasses draw
// the cells' content.
#pragma once
#include "CZMRControl.h"

class CZMRControlSelector : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlSelector)
public:
    CZMRControlSelector();

    // The grid's cells at their size.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Each layout starts again from the first grid, unless the grid is growing.
    void ExpandIntoItems(DWORD dwMode) override;
    void OnMouseMove(CPoint point) override;
    BOOL OnSelectionChange(int bSelected) override;
    // The selected extent becomes the chosen one, and the control executes.
    void OnLButtonUp(CPoint point) override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void DoPropExchange(CZMRPropExchange* pPX) override;

    // Stores a changed extent (any with bForce), repaints and tells the owner.
    void SetSelection(CSize szSelected, BOOL bForce = FALSE);
    // The content of one cell; nothing here.
    virtual void DrawCell(CDC* pDC, CRect rcCell, COLORREF clrText);

    CSize GetItemsCount() const { return m_szItemsCount; }
    void SetItemsCount(CSize sz) { m_szItemsCount = sz; }
    CSize GetItemsMax() const { return m_szItemsMax; }
    void SetItemsMax(CSize sz) { m_szItemsMax = sz; }
    CSize GetItemSize() const { return m_szItemSize; }
    void SetItemSize(CSize sz) { m_szItemSize = sz; }
    CSize GetSelectedExtent() const { return m_szSelected; }
    // The extent picked at the last execution.
    CSize GetChosenExtent() const { return m_szChosen; }
    CSize GetGrid() const { return m_szGrid; }

protected:
    // The extent of the grid's cells that lie left of and above a point.
    CSize ExtentAt(CPoint point) const;

    CSize m_szItemsCount;    // the grid each layout starts with
    CSize m_szItemsMax;      // the largest grid
    CSize m_szSelected;
    CSize m_szItemSize;
    CSize m_szChosen;
    CSize m_szGrid;          // the cells shown now
    BOOL m_bGrowing;         // the bar is laid out for a grid that grew
};
