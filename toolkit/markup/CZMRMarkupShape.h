// The base of the vector figures drawn with GDI inside the layout: a fill
// brush, a stroke brush with its width, and the stretch mode. Rectangle and
// ellipse fill the slot they are given; line, polyline and polygon desire
// the extent of their coordinates.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupBrush;

class CZMRMarkupShape : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupShape)
public:
    enum { stretchNone = 0, stretchFill = 1, stretchUniform = 2, stretchUniformToFill = 3 };

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pFillProperty;
    static CZMRMarkupDependencyProperty* m_pStrokeProperty;
    static CZMRMarkupDependencyProperty* m_pStrokeThicknessProperty;
    static CZMRMarkupDependencyProperty* m_pStretchProperty;

    CZMRMarkupBrush* GetFill() const;
    CZMRMarkupBrush* GetStroke() const;
    // 1 when unset.
    int GetStrokeThickness() const;
    int GetStretch() const;

protected:
    // The stroke pen (a solid GDI pen of the stroke width and colour, or the
    // stock null pen) and the fill brush (a solid GDI brush of the fill
    // colour, or the stock null brush) selected into a DC for one drawing;
    // the previous ones are selected back and the made ones deleted.
    class CGdiTools
    {
    public:
        CGdiTools(HDC hDC, const CZMRMarkupShape* pShape, BOOL bFill);
        ~CGdiTools();

    private:
        HDC m_hDC;
        HPEN m_hPen;
        HBRUSH m_hBrush;
        HGDIOBJ m_hOldPen;
        HGDIOBJ m_hOldBrush;
    };
};
