// Shared pieces of the ribbon drawing tests: the test skin's part colours,
// a picture to draw into, and a button and an edit box whose state a test
// sets.
#pragma once
#include "RibbonTestSupport.h"
#include "CZMRControlButton.h"
#include "CZMRControlEdit.h"
#include "CZMRCommandBarKeyboardTip.h"

// The test skin's colour of state s of part number k (skin/make_ribbon_parts.py).
inline COLORREF PartColor(int k, int s)
{
    return RGB(20 + 4 * k, (30 + 17 * s) % 256, 99);
}

const COLORREF kPaper = RGB(1, 2, 3);

// A 32-bit picture to draw into, cleared to kPaper.
class CPicture
{
public:
    CPicture(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
        Clear();
    }
    ~CPicture()
    {
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        ::DeleteDC(m_dc.Detach());
        ::DeleteObject(m_hBitmap);
    }
    void Clear() { m_dc.FillSolidRect(0, 0, m_cx, m_cy, kPaper); }
    CDC* DC() { return &m_dc; }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    CDC m_dc;
};

// A button whose state the tests set.
class CStateButton : public CZMRControlButton
{
public:
    int GetSelected() const override { return m_nSelected; }
    int GetPressed() const override { return m_nPressed; }
    BOOL IsPopupOpen() const override { return m_bOpen; }
    int m_nSelected = 0;
    int m_nPressed = 0;
    BOOL m_bOpen = FALSE;
};

// An edit box whose state the tests set.
class CStateEdit : public CZMRControlEdit
{
public:
    int GetSelected() const override { return m_nSelected; }
    int GetPressed() const override { return m_nPressed; }
    int m_nSelected = 0;
    int m_nPressed = 0;
};


// A ribbon theme refreshed with the ribbon test skin bound.
class CRibbonThemeWithSkin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pTheme = new CZMRRibbonTheme;
        m_pTheme->RefreshMetrics();
    }
    void TearDown() override { m_pTheme->InternalRelease(); }

    CRibbonSkinBound m_skin;
    CZMRRibbonTheme* m_pTheme = nullptr;
};
