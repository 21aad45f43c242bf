// Lays out and draws tab strips: the drawing options (fonts, margins, flags,
// position, layout), one appearance set (the shape family), one colour set,
// and the strips observing it, told of every change.
#pragma once
#include "Framework.h"
#include "CZMRTabManager.h"

class CZMRTabManagerItem;
class CZMRTabManagerNavigateButton;

class CZMRTabPaintManager : public CCmdTarget
{
public:
    class CAppearanceSet;
    class CColorSet;
    class CColorSetDefault;
    class CColorSetVisualStudio;
    class CColorSetWinXP;
    class CColorSetOffice2003;
    class CColorSetWhidbey;
    class CColorSetVisualStudio2008;
    class CColorSetOffice2007;
    class CColorSetAccess2007;
    class CAppearanceSetPropertyPage;
    class CAppearanceSetPropertyPageSelected;
    class CAppearanceSetPropertyPageFlat;
    class CAppearanceSetPropertyPage2003;
    class CAppearanceSetStateButtons;
    class CAppearanceSetVisualStudio;
    class CAppearanceSetFlat;
    class CAppearanceSetExcel;
    class CAppearanceSetVisio;
    class CAppearanceSetVisualStudio2005;
    class CAppearanceSetPropertyPage2007;
    class CAppearanceSetPropertyPageAccess2007;

    CZMRTabPaintManager();
    ~CZMRTabPaintManager() override;

    // ------------------------------------------------------------ virtual operations

    // The whole control: frame, background, header rows, navigate buttons.
    virtual void DrawTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    // The client area left under or beside the strip.
    virtual void AdjustClientRect(CZMRTabManager* pManager, CRect& rcClient);
    // Lays out the header, the items and the navigate buttons in rc.
    virtual void RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    // The face of a navigate button (colour set) and its glyph.
    virtual void DrawNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc);
    // Draws an item, or with bDraw false measures it and returns its width.
    virtual int DrawTabItem(CDC* pDC, CZMRTabManagerItem* pItem, CRect rcItem, BOOL bDraw);
    // Fonts from the icon-title font, then the sets' own metrics.
    virtual void RefreshMetrics();
    // Tells every observing strip.
    virtual void OnPropertyChanged();
    virtual void DrawFocusRect(CDC* pDC, CZMRTabManagerItem* pItem, CRect rc);

    // ------------------------------------------------------------ sets

    void SetAppearance(int nAppearance);
    void SetAppearanceSet(CAppearanceSet* pAppearanceSet);
    int GetAppearance() const { return m_nAppearance; }
    CAppearanceSet* GetAppearanceSet() const { return m_pAppearanceSet; }
    void SetColor(int nColorSet);
    void SetColorSet(CColorSet* pColorSet);
    int GetColor() const { return m_nColorSet; }
    CColorSet* GetColorSet() const { return m_pColorSet; }

    void SetLayout(int nLayout);
    int GetLayout() const { return m_nLayout; }
    void SetPosition(int nPosition);
    int GetPosition() const { return m_nPosition; }

    // ------------------------------------------------------------ fonts

    void SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseSystemFont = FALSE);
    CFont* GetFont(BOOL bVertical = FALSE) { return bVertical ? &m_fntVertical : &m_fntNormal; }
    CFont* GetBoldFont(BOOL bVertical = FALSE) { return bVertical ? &m_fntVerticalBold : &m_fntBold; }

    // ------------------------------------------------------------ strips

    // The strip scrolls so that the item shows (nothing for shrink to fit).
    void EnsureVisible(CZMRTabManager* pManager, CZMRTabManagerItem* pItem);
    void AddAtom(CZMRTabManagerAtom* pAtom);
    void RemoveAtom(CZMRTabManagerAtom* pAtom);
    int GetAtomCount() const { return (int)m_arrAtoms.GetSize(); }
    // The next automatic item colour number; strips sharing this paint
    // manager continue one sequence.
    int TakeAutomaticColor() { return m_nColorCounter++; }

    // ------------------------------------------------------------ margins turned to the position

    // A margin (l, t, r, b) written for a top strip, applied so that its top
    // faces the header edge of the position.
    static void InflateRectForPosition(CRect& rc, CRect rcMargin, int nPosition);
    static void DeflateRectForPosition(CRect& rc, CRect rcMargin, int nPosition);
    static BOOL IsHorizontalPosition(int nPosition) { return nPosition == zmrTabPositionTop || nPosition == zmrTabPositionBottom; }

    // ------------------------------------------------------------ helpers of the drawing

    // The common layout and drawing every appearance set uses.
    void RepositionTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    void DrawTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    // A caption drawn with "..." in its middle when it does not fit.
    void DrawTextPathEllipsis(CDC* pDC, CString strText, CRect rc, UINT nFormat);
    // Mnemonic markers are removed from a copy of the caption as the options ask.
    UINT GetTextFormat(BOOL bMeasure) const;

public:
    BOOL m_bHotTracking;
    BOOL m_bShowIcons;
    BOOL m_bBoldSelected;
    BOOL m_bBoldNormal;
    BOOL m_bDisableLunaColors;
    BOOL m_bOneColorPerItem;
    int m_nClientFrame;
    BOOL m_bStaticFrame;
    CRect m_rcClientMargin;
    CRect m_rcControlMargin;
    CRect m_rcItemPadding;
    CRect m_rcTextMargins;
    BOOL m_bReverseGradient;
    BOOL m_bFillBackground;
    CSize m_szIcon;
    BOOL m_bMiddleEllipsis;
    BOOL m_bEndEllipsis;
    BOOL m_bNoPrefix;
    UINT m_nTextFormat;
    BOOL m_bStripMnemonics;
    // Captions drawn with mnemonics (noPrefix off) show no underline; a host
    // sets it from its keyboard-cue state before drawing.
    BOOL m_bHidePrefixes;
    BOOL m_bKeepRowOrder;
    BOOL m_bJustifyRows;
    BOOL m_bDrawFocusRect;
    int m_nExtraItemWidth;
    BOOL m_bSelectOnPress;
    BOOL m_bClearType;
    BOOL m_bRotateIcons;
    BOOL m_bClipToHeader;
    CSize m_szNavigateButton;
    BOOL m_bShowTabs;
    int m_nMinItemWidth;
    int m_nMaxItemWidth;
    int m_nFixedItemWidth;
    int m_nTooltipMode;

protected:
    CAppearanceSet* m_pAppearanceSet;
    CColorSet* m_pColorSet;
    CTypedPtrArray<CPtrArray, CZMRTabManagerAtom*> m_arrAtoms;
    int m_nAppearance;
    int m_nColorSet;
    int m_nPosition;
    int m_nLayout;
    CFont m_fntNormal;
    CFont m_fntBold;
    CFont m_fntVertical;
    CFont m_fntVerticalBold;
    BOOL m_bUseSystemFont;
    int m_nColorCounter;

    void DrawTabControlRow(CZMRTabManager* pManager, CDC* pDC, int nRow, CRect rcClip);
    int MeasureItems(CZMRTabManager* pManager, CDC* pDC, BOOL bExtra);
    void PlaceStripButtons(CZMRTabManager* pManager, CRect rc);
    void LayoutMultiRow(CZMRTabManager* pManager, CDC* pDC, CRect rc);
};
