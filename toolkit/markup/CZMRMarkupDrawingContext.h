// The device context of the measure and render passes: a thin GDI wrapper
// that keeps the viewport origin and clip box the render pass moves around,
// selects markup fonts and puts back the font the DC held before. The screen
// form owns a private memory DC for measuring; the other wraps a host's DC.
#pragma once
#include "Framework.h"

class CZMRMarkupBrush;
class CZMRMarkupFont;

class CZMRMarkupDrawingContext
{
public:
    // The screen form: a memory DC compatible with the screen, owned.
    CZMRMarkupDrawingContext();
    // Wraps the host's DC, not owned.
    explicit CZMRMarkupDrawingContext(HDC hDC);

    // Slots 0 to 4, in this order.
    virtual ~CZMRMarkupDrawingContext();
    virtual BOOL IsScaledOutput() const;
    virtual void DrawTextLine(LPCWSTR lpszText, int nCount, LPCRECT lpRect);
    // Returns what the attribute DC held before.
    virtual HGDIOBJ SelectFontHandle(HGDIOBJ hObject);
    virtual void SetViewportOrigin(POINT pt);

    HDC GetOutputDC() const { return m_hDC; }
    HDC GetAttributeDC() const { return m_hAttribDC; }
    CZMRMarkupFont* GetFont() const { return m_pFont; }
    const RECT& GetClipBox() const { return m_rcClipBox; }
    POINT GetViewportOrigin() const { return m_ptViewportOrigin; }

    // Null puts back the font the DC held before the first markup font.
    void SetFont(CZMRMarkupFont* pFont);
    SIZE GetTextExtent(LPCWSTR lpszText, int nCount) const;
    POINT LogicalToDevice(POINT ptOffset) const;
    // Returns the origin to give back to RestoreViewport.
    POINT OffsetViewport(POINT ptOffset);
    void RestoreViewport(POINT ptSaved);
    // A copy of the clip region; (HRGN)-1 when the DC has none, null when no
    // region could be made.
    HRGN SaveClipRegion();
    void IntersectClipRect(LPCRECT lpRect);
    // Selects the saved region back and deletes it.
    void RestoreClipRegion(HRGN hSaved);

    void FillRect(CZMRMarkupBrush* pBrush, int nLeft, int nTop, int nRight, int nBottom);
    void FrameRect(CZMRMarkupBrush* pBrush, int nLeft, int nTop, int nRight, int nBottom);
    void FillSolidRect(int nLeft, int nTop, int nRight, int nBottom, COLORREF clr);

protected:
    void Init();
    void RefreshClipBox();

    HDC m_hDC;
    HDC m_hAttribDC;
    CZMRMarkupFont* m_pFont;
    HFONT m_hSavedFont;
    SIZE m_szWindowExt;
    SIZE m_szViewportExt;
    POINT m_ptViewportOrigin;
    RECT m_rcClipBox;
    BOOL m_bOwnsDC;

private:
    CZMRMarkupDrawingContext(const CZMRMarkupDrawingContext&) = delete;
    CZMRMarkupDrawingContext& operator=(const CZMRMarkupDrawingContext&) = delete;
};
