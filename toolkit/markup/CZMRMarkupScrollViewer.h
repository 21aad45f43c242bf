// Shows its content in a viewport and scrolls it with a vertical and a
// horizontal scroll bar, which it makes and removes as the visibility
// settings and the content's size require; a gripper fills the corner when
// both show. Scrolling offsets the content's arrangement.
#pragma once
#include "CZMRMarkupContentControl.h"

class CZMRMarkupScrollBar;
class CZMRMarkupScrollBarGripper;

class CZMRMarkupScrollViewer : public CZMRMarkupContentControl
{
    DECLARE_MARKUPCLASS(CZMRMarkupScrollViewer)
public:
    enum { visibilityDisabled = 0, visibilityAuto = 1, visibilityVisible = 2 };
    enum { orientationHorizontal = 0, orientationVertical = 1 };
    // What a line and a wheel notch scroll.
    enum { lineLength = 16, wheelLength = 48 };

    CZMRMarkupScrollViewer();
    ~CZMRMarkupScrollViewer() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pVerticalScrollBarVisibilityProperty;
    static CZMRMarkupDependencyProperty* m_pHorizontalScrollBarVisibilityProperty;

    // The content, then the vertical bar, the horizontal bar and the gripper.
    int GetVisualChildrenCount() const override;
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
    void OnMouseWheel(CZMRMarkupMouseWheelEventArgs* pArgs) override;

    // A scroll code of the scroll bars (line, page, thumb, top, bottom, end).
    void Scroll(int nOrientation, int nCode, int nPos);
    // Clamped to 0 and the largest offset; a change arranges the viewer again.
    void SetOffset(int nOrientation, int nOffset);
    int GetOffset(int nOrientation) const;
    int GetMaxOffset(int nOrientation) const;
    // The bar of the orientation, made when missing.
    CZMRMarkupScrollBar* EnsureScrollBar(int nOrientation);

    CZMRMarkupScrollBar* GetScrollBar(int nOrientation) const;
    CZMRMarkupScrollBarGripper* GetGripper() const { return m_pGripper; }
    // Visible when unset (vertical) and Disabled when unset (horizontal).
    int GetScrollBarVisibility(int nOrientation) const;

protected:
    void RemoveScrollBar(int nOrientation);
    void SetGripper(BOOL bShow);
    // Makes an element of the type for this viewer's context, parented here.
    CZMRMarkupUIElement* CreatePart(CZMRMarkupType* pType);

    CZMRMarkupScrollBar* m_pVerticalScrollBar;     // owned
    CZMRMarkupScrollBar* m_pHorizontalScrollBar;   // owned
    CZMRMarkupScrollBarGripper* m_pGripper;        // owned
    int m_nHorizontalOffset;
    int m_nVerticalOffset;
};
