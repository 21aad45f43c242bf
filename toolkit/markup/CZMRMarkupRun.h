// A run of plain text in one font. Its positions are the indexes of its
// characters and one more for the end of the text; it keeps the font of the
// context's cache that its inherited text properties select.
#pragma once
#include "CZMRMarkupInline.h"

class CZMRMarkupFont;

class CZMRMarkupRun : public CZMRMarkupInline
{
    DECLARE_MARKUPCLASS(CZMRMarkupRun)
public:
    CZMRMarkupRun();
    ~CZMRMarkupRun() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pTextProperty;

    // A string sets "Text"; anything else is refused.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    // The font goes back to the cache before the element leaves its context.
    void OnFinalRelease() override;

    int GetFirstPosition() const override;
    void NextPosition(int& nPosition) const override;
    BOOL IsBreakPosition(int nPosition) const override;
    BOOL IsLineFeedPosition(int nPosition) const override;
    BOOL IsSpacePosition(int nPosition) const override;
    CSize MeasurePart(CZMRMarkupDrawingContext* pDC, int nFirst, int nEnd) override;
    void RenderPart(CZMRMarkupDrawingContext* pDC, const CRect& rc, int nFirst, int nEnd) override;
    void PrepareFont(CZMRMarkupDrawingContext* pDC) override;
    int GetDescent() const override { return m_nDescent; }

    // Slot 37: the context's default font changed by the text properties
    // that have a value here or above.
    virtual void GetLogFont(LOGFONTW* pLogFont) const;

    // "" when unset; the length excludes the terminating zero.
    LPCWSTR GetText() const;
    int GetTextLength() const;
    CZMRMarkupFont* GetFont() const { return m_pFont; }

protected:
    // The character at a position; 0 at the end of the text or outside it.
    WCHAR GetCharAt(int nPosition) const;
    void ReleaseFont();

    int m_nDescent;
    CZMRMarkupFont* m_pFont;   // one reference
};
