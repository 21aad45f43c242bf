// An exception that leaves a message handler is reported in a message box,
// and the program goes on.
#include "WindowTestSupport.h"
#include "TestResources.h"
#include <gtest/gtest.h>

namespace
{
class CTextException : public CException
{
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT = nullptr) const override
    {
        lstrcpynW(lpszError, L"The image could not be read.", (int)nMaxError);
        return TRUE;
    }
};

class CThrowingWnd : public CWnd
{
public:
    bool m_bThrowOnCreate = false;
    int m_nQuiet = 0;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (m_bThrowOnCreate)
            throw new CTextException;
        return CWnd::OnCreate(lpcs);
    }
    void OnWithText() { throw new CTextException; }
    void OnWithoutText() { throw new CException; }
    void OnUserException() { AfxThrowUserException(); }
    void OnQuiet() { ++m_nQuiet; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_COMMAND(1, OnWithText)
    ON_COMMAND(2, OnWithoutText)
    ON_COMMAND(3, OnUserException)
    ON_COMMAND(4, OnQuiet)
END_MESSAGE_MAP()
} // namespace

TEST(ExceptionReport, AHandlerExceptionIsShownAndTheProgramGoesOn)
{
    struct Case
    {
        const char* name;
        UINT nCommand;
        const wchar_t* expectedBox;   // null: no box
    };
    const Case cases[] = {
        { "exception with its own text", 1, L"The image could not be read." },
        { "exception without text", 2, L"An unexpected error occurred; the operation was not completed." },
        { "user exception: the user knows already", 3, nullptr },
    };

    CBoxAnswerer answerer;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"thrower", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        size_t nBefore = answerer.Texts().size();
        wnd.SendMessage(WM_COMMAND, c.nCommand);
        auto texts = answerer.Texts();
        if (c.expectedBox == nullptr)
            EXPECT_EQ(texts.size(), nBefore);
        else
        {
            ASSERT_EQ(texts.size(), nBefore + 1);
            EXPECT_EQ(texts.back(), c.expectedBox);
        }
        // The window still serves its messages.
        wnd.SendMessage(WM_COMMAND, 4);
    }
    EXPECT_EQ(wnd.m_nQuiet, 3);
    wnd.DestroyWindow();

    // Thrown while the window is being created: reported, and creation fails.
    CThrowingWnd failing;
    failing.m_bThrowOnCreate = true;
    size_t nBefore = answerer.Texts().size();
    EXPECT_FALSE(failing.CreateEx(0, nullptr, L"thrower", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(failing.m_hWnd, nullptr);
    EXPECT_EQ(answerer.Texts().size(), nBefore + 1);
}

TEST(ExceptionReport, MessageBoxFromAStringResource)
{
    CBoxAnswerer answerer(IDOK);
    EXPECT_EQ(AfxMessageBox(IDS_PROMPT), IDOK);
    auto texts = answerer.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"Prompt from the string table");
}
