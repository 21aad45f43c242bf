// Shared fixture of the markup tests: the engine registered, the shared value
// objects made, and a check that every markup object a test made is released.
#pragma once
#include "CZMRMarkupBool.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupObject.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"
#include "PixelCanvas.h"

#include <gtest/gtest.h>

// Registers every type and makes the process-wide shared values, which live
// until the process ends.
inline void PrepareMarkupEngine()
{
    RegisterAllMarkupTypes();
    CZMRMarkupBool::CreateTrueValue()->Release();
    CZMRMarkupBool::CreateFalseValue()->Release();
    CZMRMarkupEnum::CreateValue(0)->Release();
    CZMRMarkupThickness::CreateDefaultValue()->Release();
    CZMRMarkupString::CreateValue(nullptr)->Release();
}

class MarkupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareMarkupEngine();
        m_nLiveAtStart = CZMRMarkupObject::GetLiveObjectCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(m_nLiveAtStart, CZMRMarkupObject::GetLiveObjectCount()) << "markup objects left alive";
    }

    long m_nLiveAtStart = 0;
};

// Holds one reference and gives it back at the end of the scope.
template <class T>
class MarkupRef
{
public:
    explicit MarkupRef(T* p = nullptr) : m_p(p) {}
    ~MarkupRef()
    {
        if (m_p)
            m_p->Release();
    }
    MarkupRef(const MarkupRef&) = delete;
    MarkupRef& operator=(const MarkupRef&) = delete;
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    operator T*() const { return m_p; }

private:
    T* m_p;
};

namespace
{
const DWORD dwSentinel = 0x00123456;

// A top-down 32-bit DIB selected into a memory DC, filled with a sentinel.
class DibSurface
{
public:
    DibSurface(int nWidth, int nHeight) : m_canvas(nWidth, nHeight, clrSentinelFill) {}
    HDC GetDC() const { return m_canvas.DC()->GetSafeHdc(); }
    // As red, green, blue in a COLORREF; the sentinel when untouched.
    COLORREF At(int x, int y) const
    {
        const COLORREF clr = m_canvas.Pixel(x, y);
        if (clr == clrSentinelFill && m_canvas.Alpha(x, y) == 0)
            return dwSentinel;
        return clr;
    }

private:
    // The fill whose pixels hold exactly the sentinel's bits.
    static constexpr COLORREF clrSentinelFill =
        RGB((dwSentinel >> 16) & 0xFF, (dwSentinel >> 8) & 0xFF, dwSentinel & 0xFF);
    mutable CPixelCanvas m_canvas;
};
}

// The message of a builder exception raised by fn, or "" when none was raised.
template <class F>
CString CaptureMarkupError(F fn)
{
    try
    {
        fn();
    }
    catch (CZMRMarkupBuilderException* e)
    {
        CString strMessage = e->GetMessage();
        e->Delete();
        return strMessage;
    }
    return CString();
}
