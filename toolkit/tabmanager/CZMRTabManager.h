// A windowless tab strip: the ordered tab items, the strip's navigate
// buttons, selection, hot and pressed tracking, keyboard navigation, the
// mouse loops and the header's scroll offset. A host window supplies the
// layout trigger, the paint manager, invalidation and icons, and forwards
// its mouse, key and tooltip input here.
#pragma once
#include "Framework.h"
#include "CZMRTabManagerAtom.h"
#include "CZMRWinThemeWrapper.h"

class CZMRTabManagerItem;
class CZMRTabManagerNavigateButton;
class CZMRTabPaintManager;
class CZMRMarkupContext;

// Tab positions and layouts, as the paint manager keeps them.
enum ZMRTabPosition
{
    zmrTabPositionTop = 0,
    zmrTabPositionLeft = 1,
    zmrTabPositionBottom = 2,
    zmrTabPositionRight = 3
};

enum ZMRTabLayout
{
    zmrTabLayoutAutoSize = 0,
    zmrTabLayoutSizeToFit = 1,
    zmrTabLayoutFixed = 2,
    zmrTabLayoutCompressed = 3,
    zmrTabLayoutMultiRow = 4,
    zmrTabLayoutRotated = 5
};

// Visibility modes of navigate buttons.
enum ZMRTabNavigateButtonMode
{
    zmrTabNavigateButtonNone = 0,
    zmrTabNavigateButtonAutomatic = 1,
    zmrTabNavigateButtonAlways = 2
};

// Ids of navigate buttons.
enum ZMRTabNavigateButtonId
{
    zmrTabNavigateButtonLeft = 0,
    zmrTabNavigateButtonRight = 1,
    zmrTabNavigateButtonClose = 2
};

// An automatic item colour: this base plus 0..7 indexes the palette.
const COLORREF zmrTabColorAutomatic = 0x1000000;

typedef CTypedPtrArray<CPtrArray, CZMRTabManagerItem*> CZMRTabManagerItemArray;
typedef CTypedPtrArray<CPtrArray, CZMRTabManagerNavigateButton*> CZMRTabManagerNavigateButtonArray;

class CZMRTabManager : public CZMRTabManagerAtom
{
public:
    class CNavigateButtonArrowLeft;
    class CNavigateButtonArrowRight;
    class CNavigateButtonClose;
    class CNavigateButtonTabClose;

    // The rows of the multi-row layout: pairs of first and last item index.
    class TabRowTable
    {
    public:
        struct ROW
        {
            int nFirst;
            int nLast;
        };
        explicit TabRowTable(CZMRTabManager* pManager);
        ~TabRowTable();
        // Reallocates only when the count changes; row 0 spans every item.
        void SetRowCount(int nRows);
        int GetRowCount() const { return m_nCount; }
        ROW& GetRow(int nRow) { return m_pRows[nRow]; }

    private:
        ROW* m_pRows;
        int m_nCount;
        CZMRTabManager* m_pManager;
    };

    CZMRTabManager();
    ~CZMRTabManager() override;

    // ------------------------------------------------------------ virtual operations

    void OnPropertyChanged() override;
    void Reposition() override = 0;
    virtual CString GetItemCaption(const CZMRTabManagerItem* pItem) const;
    virtual HICON GetItemIcon(const CZMRTabManagerItem* pItem) const;
    // Automatic colours mapped through the eight-colour palette.
    virtual COLORREF GetItemColor(const CZMRTabManagerItem* pItem) const;
    virtual CString GetItemTooltip(const CZMRTabManagerItem* pItem) const;
    // Renumbers the items, then lays out again.
    virtual void OnItemsChanged();
    virtual void SetSelectedItem(CZMRTabManagerItem* pItem);
    // Asks ConfirmItemClick, then OnItemClick for a real item; the answer.
    virtual BOOL ClickItem(CZMRTabManagerItem* pItem);
    virtual void GetItemMetrics(CSize* pszNormal, CSize* pszMin = nullptr, CSize* pszMax = nullptr) const;
    virtual CZMRTabPaintManager* GetPaintManager() const = 0;
    virtual void ExtraHook1(INT_PTR nValue) {}
    // Invalidates a rectangle (the whole control for null); updates at once with bNow.
    virtual void RedrawControl(LPCRECT lpRect, BOOL bNow) = 0;
    virtual BOOL CanReorderItems() const { return m_bReorderAllowed; }
    virtual void EnableItemReorder(BOOL bAllow) { m_bReorderAllowed = bAllow; }
    virtual BOOL IsStaticFrame() const;
    // Whether the item shows an icon place; draws it with bDraw. A null item
    // lets the host change the icon size used for the header height.
    virtual BOOL DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const = 0;
    virtual int GetPosition() const;
    virtual void ScrollHeader(BOOL bRight);
    // The tool id under the point (the button or item index) or -1.
    virtual INT_PTR HitTestForTooltip(CWnd* pWnd, CPoint point, TOOLINFO* pToolInfo);
    // Whether the key was one of the six navigation keys.
    virtual BOOL HandleKeyNavigation(CWnd* pWnd, UINT nChar);
    // The host may paint the strip background itself; false lets the colour set fill it.
    virtual BOOL DrawParentBackground(CDC* pDC, CRect rc) { return FALSE; }
    virtual BOOL IsNavigateButtonVisible(const CZMRTabManagerNavigateButton* pButton) const;
    virtual void OnItemClick(CZMRTabManagerItem* pItem) { SetSelectedItem(pItem); }
    // The host's veto on a click or a new selection.
    virtual BOOL ConfirmItemClick(CZMRTabManagerItem* pItem) { return TRUE; }
    // The reorder loop.
    virtual void DragToNewPosition(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem);
    virtual void OnNavigateButtonClick(UINT nId) {}
    virtual void OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton);
    // While true, hot tracking and tooltips are off.
    virtual BOOL IsMouseLocked() const { return FALSE; }
    // Whether the selected item is drawn with the focus state. Named apart
    // from a control's own focus, for hosts that are controls too.
    virtual BOOL IsKeyboardFocused() const { return FALSE; }
    virtual void ExtraHook2(INT_PTR nValue1, INT_PTR nValue2) {}

    // ------------------------------------------------------------ items

    // Inserts at nIndex (negative or past the end: at the end); a null item
    // makes a new one. Returns the item.
    CZMRTabManagerItem* AddItem(int nIndex, CZMRTabManagerItem* pItem = nullptr);
    BOOL DeleteItem(int nIndex);
    void DeleteAllItems();
    int GetItemCount() const { return (int)m_arrItems.GetSize(); }
    CZMRTabManagerItem* GetItem(int nIndex) const;
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    CZMRTabManagerItem* GetSelectedItem() const { return m_pSelectedItem; }
    CZMRTabManagerItem* GetHotItem() const { return m_pHotItem; }
    CZMRTabManagerItem* GetPressedItem() const { return m_pPressedItem; }
    CZMRTabManagerNavigateButton* GetHotButton() const { return m_pHotButton; }
    void SetHotButton(CZMRTabManagerNavigateButton* pButton) { m_pHotButton = pButton; }
    // The first visible and enabled item from nIndex in the direction (+1 or
    // -1), not counting nIndex itself; null when the list ends.
    CZMRTabManagerItem* StepToUsableItem(int nIndex, int nDirection) const;

    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive);
    int GetCloseButtonMode() const { return m_nCloseButtonMode; }
    void SetCloseButtonMode(int nMode) { m_nCloseButtonMode = nMode; }
    // Markup captions are off by default: a caption is plain text unless the
    // strip is told its captions are markup.
    BOOL IsMarkupEnabled() const { return m_pMarkupContext != nullptr; }
    void EnableMarkup(BOOL bEnable, HWND hWndHost = nullptr);
    CZMRMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }

    // ------------------------------------------------------------ input

    CZMRTabManagerItem* HitTest(CPoint point) const;
    CZMRTabManagerNavigateButton* NavigateButtonHitTest(CPoint point, BOOL bStripButtonsOnly = FALSE,
                                                        int* pnIndex = nullptr) const;
    // The mouse-down entry point.
    BOOL HandleHeaderClick(CWnd* pWnd, CPoint point, BOOL bButtonsOnly = FALSE);
    // The mouse-move and mouse-leave entry point.
    void TrackHotItem(CWnd* pWnd, CPoint point);

    // ------------------------------------------------------------ geometry

    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset);
    int GetScrollStep() const { return m_nScrollStep; }
    void SetScrollStep(int nStep) { m_nScrollStep = nStep; }
    void EnsureVisible(CZMRTabManagerItem* pItem);
    int GetTotalItemsWidth() const;
    BOOL IsHorizontal() const;
    int GetLengthAlongStrip(LPCRECT lpRect) const;
    CRect GetHeaderRect() const { return m_rcHeader; }
    CRect GetControlRect() const { return m_rcControl; }
    CRect GetClientRect() const { return m_rcClient; }
    CZMRTabManagerNavigateButtonArray& GetNavigateButtons() { return m_arrNavigateButtons; }
    CZMRTabManagerNavigateButton* GetNavigateButton(int nId) const;
    TabRowTable* GetRows() const { return m_pRows; }
    CZMRWinThemeWrapper* GetThemeWrapper() { return &m_themeWrapper; }

    static COLORREF GetAutomaticColor(int nIndex);

protected:
    void TrackItemPress(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem);
    void RedrawItem(CZMRTabManagerItem* pItem, BOOL bNow);
    // One step of a reorder drag: the item changes places with the item at
    // the first of the drop places (other than its own) that holds the point.
    void ExchangeAtPlace(const CRect* pPlaces, int nPlaces, CZMRTabManagerItem* pItem, CPoint point);

    friend class CZMRTabPaintManager;
    friend class CZMRTabManagerNavigateButton;

protected:
    CZMRTabManagerItem* m_pSelectedItem;
    CZMRTabManagerItem* m_pHotItem;
    CZMRTabManagerItem* m_pPressedItem;
    CZMRTabManagerNavigateButton* m_pHotButton;
    int m_nScrollOffset;
    BOOL m_bReorderAllowed;
    BOOL m_bActive;
    int m_nCloseButtonMode;
    CRect m_rcHeader;
    CRect m_rcControl;
    CRect m_rcClient;
    CZMRTabManagerItemArray m_arrItems;
    CZMRTabManagerNavigateButtonArray m_arrNavigateButtons;
    CZMRWinThemeWrapper m_themeWrapper;
    TabRowTable* m_pRows;
    int m_nScrollStep;
    CZMRMarkupContext* m_pMarkupContext;
};
