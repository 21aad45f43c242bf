// A grid of items on a bar or a popup, grouped under label rows, scrolled by
// a scroll bar of its own (or, when it drops a full version down, a column
// of scroll buttons), with keyboard navigation, hot tracking and a delayed
// preview of the hovered item. In an icon style it is a plain popup button.
#pragma once
#include "CZMRControlPopup.h"
#include "CZMRScrollBase.h"

class CZMRControlGalleryItem;
class CZMRControlGalleryItems;
class CZMRControlGalleryPaintManager;

// Notifications of a gallery to its site.
enum ZMRGalleryNotifications
{
    ZMR_GN_PREVIEWSTART = 4112,
    ZMR_GN_PREVIEWCANCEL = 4113,
    ZMR_GN_PREVIEWAPPLY = 4114,
    ZMR_GN_PREVIEWCHANGE = 4115,
    ZMR_GN_BEGINDRAG = 4116,
    ZMR_GN_SELCHANGE = 4117
};

class CZMRControlGallery : public CZMRControlPopup, public CZMRScrollBase
{
    DECLARE_SERIAL(CZMRControlGallery)
public:
    // Where the layout put an item, in content coordinates.
    struct GALLERYITEM_POSITION
    {
        RECT rcItem;
        CZMRControlGalleryItem* pItem;
        BOOL bBeginRow;
    };

    CZMRControlGallery();
    ~CZMRControlGallery() override;

    // ------------------------------------------------------------ items

    // The action's items; none without an action or items.
    CZMRControlGalleryItems* GetItems() const;
    int GetItemCount() const;
    CZMRControlGalleryItem* GetItem(int nIndex) const;
    CString GetItemCaption(int nIndex) const;
    // The item's rectangle in content coordinates; empty for a bad index.
    CRect GetItemRect(int nIndex) const;
    // The item under a point of the bar, or -1; its visible rectangle out.
    int HitTestItem(CPoint point, LPRECT lpRect = nullptr) const;
    // The next item after nStart (around) whose caption is the text, or
    // begins with it; -1 when none.
    int FindItem(int nStart, LPCTSTR lpszText, BOOL bExact) const;
    int GetCheckedItem() const { return m_nChecked; }
    void SetCheckedItem(int nId);

    // ------------------------------------------------------------ hot item

    int GetHotItem() const { return m_nHotItem; }
    BOOL IsHotItemHidden() const { return m_bHideSelection; }
    BOOL IsItemPressed() const { return m_bItemPressed; }
    BOOL IsPreviewing() const { return m_bPreview; }
    void SetHotItem(int nIndex);
    void ClearHotItem();

    // ------------------------------------------------------------ scrolling

    int GetScrollPos() const { return m_nScrollPos; }
    int GetContentHeight() const { return m_nTotalHeight; }
    void ScrollTo(int nPos);
    void SmoothScrollTo(int nPos);
    void EnsureVisible(int nIndex);
    void ScrollToItem(int nIndex);
    // Up (TRUE) or down can still scroll.
    BOOL IsScrollButtonEnabled(BOOL bUp) const;

    // ------------------------------------------------------------ layout and options

    void RecalcLayout();
    // The control rectangle less the borders.
    CRect GetItemsRect() const;
    // The gallery sits in a popup without borders and a visible control
    // follows it there.
    BOOL IsFollowedByVisibleControl() const;
    // It drops a full version down: scroll buttons in place of a scroll bar.
    BOOL HasPopupBar() const { return m_pCommandBar != nullptr; }
    BOOL IsShowLabels() const { return m_bShowLabels; }
    void SetShowLabels(BOOL bShow) { m_bShowLabels = bShow; }
    BOOL IsShowScrollBar() const { return m_bShowScrollBar; }
    void SetShowScrollBar(BOOL bShow) { m_bShowScrollBar = bShow; }
    BOOL IsShowBorders() const { return m_bShowBorders; }
    void SetShowBorders(BOOL bShow) { m_bShowBorders = bShow; }
    CRect GetMargins() const { return m_rcMargins; }
    void SetMargins(CRect rcMargins) { m_rcMargins = rcMargins; }
    BOOL IsResizable() const { return m_bResizable; }
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    const CArray<GALLERYITEM_POSITION, GALLERYITEM_POSITION&>& GetItemPositions() const { return m_arrRects; }

    // ------------------------------------------------------------ control operations

    BOOL IsFocused() const override;
    void SetRect(CRect rcControl) override;
    void OnExecute() override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // The popup control's keys, then the gallery's.
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void SetAction(CZMRControlAction* pAction) override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    // A key while the gallery has the keyboard; true when it took it.
    BOOL HandleHookedKeyDown(UINT nChar) override;
    BOOL HandleHookedMouseWheel(UINT nFlags, short zDelta, CPoint point) override;
    BOOL ShowPopup(BOOL bPopup) override;
    void OnLButtonUp(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSelectionChange(int bSelected) override;
    BOOL IsWidthAdjustable() const override;
    int GetResizeMinWidth() const override;
    int GetResizeMinHeight() const override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) override;
    void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;

    // The gallery's own operations.
    virtual void GetBorders(CRect& rcBorders) const;
    virtual void OnHotItemChanged();
    virtual void DrawBackground(CDC* pDC);

    // ------------------------------------------------------------ scroll base

    BOOL IsScrollBarEnabled() const override;
    CWnd* GetScrollParentWindow() const override;
    void OnSmoothScrollTimer() override;
    CRect GetScrollBarRect() override;
    void GetScrollInfo(SCROLLINFO* psi) override;
    void DoScroll(int cmd, int pos) override;
    void RedrawScrollBar() override;
    void CalcScrollBarLayout(CRect rc, SCROLLBARPOSINFO* pSBInfo, SCROLLINFO* pSI) override;
    CZMRScrollBarPaintManager* GetScrollBarPaintManager() const override;
    CZMRControlGalleryPaintManager* GetGalleryPaintManager() const;

    // ------------------------------------------------------------ accessibility

    HRESULT GetAccChildCount(long* pcountChildren) override;
    HRESULT GetAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccDoDefaultAction(VARIANT varChild) override;

protected:
    // Repaints the item (or the whole control when the items do not allow
    // partial repaints).
    void InvalidateItem(int nIndex);
    // A new hot item, shown and not pressed; the old and new ones repainted.
    void ChangeHotItem(int nIndex, BOOL bKeyboard);
    // The first (bForward) or last non-label item; -1 none.
    int GetFirstOrLastItem(BOOL bFirst) const;
    // The next non-label item from nIndex in the direction; -1 at the ends.
    int GetNextItem(int nIndex, int nDirection) const;
    // Items for the arrow keys and the page keys.
    int GetItemInRow(int nIndex, int nDirection) const;
    int GetItemInColumn(int nIndex, int nDirection) const;
    int GetItemPageAway(int nIndex, int nDirection) const;
    // A visible control of the bar lies in the direction (-1 before, 1 after).
    BOOL HasNeighbourControl(int nDirection) const;
    // The item for an accessibility child id; null for 0 or a bad id.
    CZMRControlGalleryItem* GetAccItem(const VARIANT& varChild, int* pnIndex = nullptr) const;
    // The visible rectangle of an item in the bar window.
    CRect GetVisibleItemRect(int nIndex) const;

    int m_nChecked;              // id of the item drawn checked
    int m_nHotItem;
    BOOL m_bHideSelection;       // the hot item is not drawn
    BOOL m_bItemPressed;         // the button went down on the hot item
    CPoint m_ptPressed;          // where it went down; (-1, -1) after the drag notification
    int m_nScrollPos;
    int m_nScrollPosTarget;
    double m_dSmoothScrollStep;
    int m_nTotalHeight;
    BOOL m_bKeyboardSelected;    // the hot item came from the keyboard or the program
    BOOL m_bShowLabels;
    BOOL m_bShowScrollBar;
    BOOL m_bShowBorders;
    CRect m_rcMargins;
    BOOL m_bPreview;
    BOOL m_bResizable;
    CArray<GALLERYITEM_POSITION, GALLERYITEM_POSITION&> m_arrRects;
};
