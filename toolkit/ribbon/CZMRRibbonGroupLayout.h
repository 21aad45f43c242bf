// The layout record of one ribbon group while the ribbon lays out a tab: the
// measured size and place of each control, the caption and content widths,
// and the rules that arrange, reduce and expand the group. It holds no
// window; the group answers what the rules need of its controls through
// CControls, so that every rule can be checked by a table of cases.
#pragma once
#include "Framework.h"
#include <vector>

class CZMRRibbonGroupLayout
{
public:
    // Owner-set styles a group gives its controls (button styles of a control).
    enum
    {
        styleAutomatic = 0,
        styleSmall = 2,     // icon only
        styleMedium = 3,    // icon and caption side by side
        styleLarge = 4      // icon above the caption
    };

    // Metrics of the owner ribbon and its theme.
    struct CMetrics
    {
        int nGroupsAreaHeight = 0;   // the ribbon's groups area height
        int nCaptionHeight = 0;      // group caption height
        int nRowHeight = 0;          // control row height
        int nButtonHeight = 0;       // the ribbon's button height

        // Controls one column holds; 1 when the button height is unknown.
        int GetRowsPerColumn() const;
    };

    // The group's settings and reduction state that the rules read and change.
    struct CState
    {
        BOOL bControlsGrouping = FALSE;
        BOOL bControlsCentering = FALSE;
        int nMaxReduceLevel = 4;
        int nGroupingRows = 2;
        BOOL bCollapsed = FALSE;
    };

    // A gallery that may grow into spare width.
    struct CGalleryInfo
    {
        BOOL bResizable = FALSE;
        int nItemCount = 0;
        int nItemWidth = 0;
        int nBorders = 0;            // left plus right border
    };

    // What the rules ask of the group's controls, by record index.
    class CControls
    {
    public:
        virtual ~CControls() = default;
        // The control's effective button style.
        virtual int GetStyle(int nIndex) const = 0;
        virtual void SetOwnerStyle(int nIndex, int nStyle) = 0;
        virtual CSize Measure(int nIndex) = 0;
        // False for a control that is no gallery or has no items.
        virtual BOOL GetGalleryInfo(int nIndex, CGalleryInfo& info) const = 0;
    };

    struct CRecord
    {
        CRect rc;                    // inside the group, made absolute by Arrange
        CRect rcRow;
        int cx = 0;
        int cy = 0;
        BOOL bHidden = FALSE;
        BOOL bWrap = FALSE;
        BOOL bBeginGroup = FALSE;
        BOOL bBreakAllowed = FALSE;  // begin group or the new-row flag
        BOOL bForceBreak = FALSE;    // the new-row flag
        BOOL bGallery = FALSE;
        // The style the reduction gave the control. It follows the control's
        // effective style, except where the control keeps a style of its own:
        // then it still records the step, so no step is taken twice.
        int nStyle = 0;
        int nMeasuredStyle = 0;      // effective style when last measured
        int nSegmentRest = 0;
    };

    CZMRRibbonGroupLayout(const CMetrics& metrics, CState& state, CControls& controls);

    // A record per control, in the group's order; bGallery and the flags
    // filled by the caller, the size measured here.
    void AddRecord(const CRecord& record);
    std::vector<CRecord>& GetRecords() { return m_records; }
    const std::vector<CRecord>& GetRecords() const { return m_records; }

    int GetCaptionWidth() const { return m_nCaptionWidth; }
    void SetCaptionWidth(int nWidth) { m_nCaptionWidth = nWidth; }
    int GetContentWidth() const { return m_nContentWidth; }
    BOOL WasCollapsed() const { return m_bWasCollapsed; }
    void SetWasCollapsed(BOOL bCollapsed) { m_bWasCollapsed = bCollapsed; }

    // The measured width of the collapsed group's button.
    void SetPopupWidth(int nWidth) { m_nPopupWidth = nWidth; }
    // The width the group needs in its present reduction.
    int GetWidth();
    // One reduction step at a level (0 to 3); true when something changed.
    BOOL ReduceSize(int nLevel, int nExcess);
    // Widens the last resizable in-place gallery into spare width.
    BOOL Expand(int nSpare);
    // Moves the records to the group placed at (x, y) with width w and
    // answers the group rectangle.
    CRect Arrange(int x, int y, int w);

    // The grouped arrangement's breaks for a target row width: the number of
    // new rows (exposed for tests).
    int CalcBreaks(int nTarget, BOOL bManyBreaks);

    // ------------------------------------------------------------ the groups of a tab

    // Sum of the widths with the 7-pixel gap after every non-zero width that
    // is not the last entry.
    static int GetTotalWidth(const std::vector<int>& widths);
    // Reduces (or expands) the shown groups until they fit the available
    // width; a null entry is a group that is not shown (width 0).
    static void FitWidths(const std::vector<CZMRRibbonGroupLayout*>& groups, std::vector<int>& widths,
                          int nAvailable);
    // The scroll offset a layout applies: 0 when everything fits, else the
    // wished one limited to the overflow.
    static int LimitScrollOffset(int nTotal, int nAvailable, int nOffset);

private:
    int ArrangeColumns();
    int ArrangeGrouped();
    int PlaceRows();
    BOOL FindThreeRows(int nOneRowWidth);
    void RefreshMeasures();
    void SetRunStyle(int nLowest, int nHighest, int nStyle);
    BOOL IsRunBreakFree(int nLowest, int nHighest) const;
    void CentreColumn(int nFirst, int nEnd, int nFree);

    CMetrics m_metrics;
    CState& m_state;
    CControls& m_controls;
    std::vector<CRecord> m_records;
    int m_nCaptionWidth;
    int m_nContentWidth;
    int m_nPopupWidth;
    BOOL m_bWasCollapsed;
};
