// Dialogs from a template: data exchange in both directions, the modal loop
// ended by IDOK and IDCANCEL, a value that cannot be read, PreTranslateMessage
// in the dialog's own loop, modeless dialogs.
#include "TestResources.h"
#include "WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{
class CDdxDialog : public CDialog
{
public:
    explicit CDdxDialog(CWnd* pParent = nullptr) : CDialog(IDD_DDX, pParent) {}

    CString m_strName = L"Ada";
    int m_nCount = 3;
    int m_nCheck = 1;
    CButton m_btnApply;
    CEdit m_edName;
    int m_nApplied = 0;
    int m_nEscSeen = 0;
    bool m_bSwallowEsc = false;
    bool m_bOwnerDisabledDuringInit = false;
    CString m_strShownName, m_strShownCount;
    int m_nShownCheck = -1;
    std::function<void(CDdxDialog&)> onInit;

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_APPLY, m_btnApply);
        DDX_Control(pDX, IDC_NAME, m_edName);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetDlgItemText(IDC_NAME, m_strShownName);
        GetDlgItemText(IDC_COUNT, m_strShownCount);
        m_nShownCheck = (int)IsDlgButtonChecked(IDC_CHECK);
        if (m_pParentWnd != nullptr)
            m_bOwnerDisabledDuringInit = !m_pParentWnd->IsWindowEnabled();
        if (onInit)
            onInit(*this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_bSwallowEsc && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        {
            ++m_nEscSeen;
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnApply() { ++m_nApplied; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDdxDialog, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

void TypeValues(CDdxDialog& dlg, LPCWSTR name, LPCWSTR count, UINT check)
{
    dlg.SetDlgItemText(IDC_NAME, name);
    dlg.SetDlgItemText(IDC_COUNT, count);
    dlg.CheckDlgButton(IDC_CHECK, check);
}
} // namespace

TEST(Dialog, ModalEndedByOkExchangesBothWays)
{
    HWND hHost = CreateHostWindow();
    CWnd host;
    host.Attach(hHost);
    CDdxDialog dlg(&host);
    dlg.onInit = [](CDdxDialog& d) {
        TypeValues(d, L"Grace", L"42", BST_UNCHECKED);
        d.m_btnApply.PostMessage(BM_CLICK);   // a real click through the button
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);

    // Members to controls when the dialog opened...
    EXPECT_STREQ(dlg.m_strShownName, L"Ada");
    EXPECT_STREQ(dlg.m_strShownCount, L"3");
    EXPECT_EQ(dlg.m_nShownCheck, BST_CHECKED);
    // ...controls to members on OK.
    EXPECT_STREQ(dlg.m_strName, L"Grace");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_nCheck, BST_UNCHECKED);
    EXPECT_EQ(dlg.m_nApplied, 1);

    // The dialog and its bound controls are gone, the owner works again.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_btnApply.m_hWnd, nullptr);
    EXPECT_TRUE(dlg.m_bOwnerDisabledDuringInit);
    EXPECT_TRUE(::IsWindowEnabled(hHost));
    host.DestroyWindow();
}

TEST(Dialog, CancelAndEscapeLeaveTheMembersAlone)
{
    struct Case
    {
        const char* name;
        bool bEscape;        // end by the Esc key instead of an IDCANCEL command
        bool bSwallowEsc;    // the dialog's PreTranslateMessage eats Esc
        INT_PTR nExpected;
    };
    const Case cases[] = {
        { "IDCANCEL command", false, false, IDCANCEL },
        { "Esc through the dialog manager", true, false, IDCANCEL },
        { "Esc swallowed by PreTranslateMessage", true, true, IDOK },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDdxDialog dlg;
        dlg.m_bSwallowEsc = c.bSwallowEsc;
        dlg.onInit = [&c](CDdxDialog& d) {
            TypeValues(d, L"Grace", L"42", BST_UNCHECKED);
            if (c.bEscape)
            {
                d.m_edName.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                // Ends the dialog only when the Esc key did not.
                d.PostMessage(WM_COMMAND, IDOK);
            }
            else
                d.PostMessage(WM_COMMAND, IDCANCEL);
        };
        EXPECT_EQ(dlg.DoModal(), c.nExpected);
        if (c.nExpected == IDCANCEL)
        {
            EXPECT_STREQ(dlg.m_strName, L"Ada");
            EXPECT_EQ(dlg.m_nCount, 3);
            EXPECT_EQ(dlg.m_nCheck, 1);
        }
        EXPECT_EQ(dlg.m_nEscSeen, c.bSwallowEsc ? 1 : 0);
    }
}

TEST(Dialog, ANumberThatCannotBeReadKeepsTheDialogOpen)
{
    CBoxAnswerer answerer;
    struct Case
    {
        LPCWSTR text;
        bool bValid;
        int nValue;
    };
    const Case cases[] = {
        { L"4x2", false, 0 }, { L"", false, 0 }, { L"99999999999", false, 0 },
        { L" -17 ", true, -17 }, { L"0", true, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "text '" << CStringA(c.text).GetString() << "'");
        size_t nBoxesBefore = answerer.Texts().size();
        CDdxDialog dlg;
        // When OK is refused, the dialog stays up until the timer cancels it.
        struct CTimerEnd
        {
            static void CALLBACK Proc(HWND hWnd, UINT, UINT_PTR, DWORD)
            {
                ::KillTimer(hWnd, 1);
                ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
            }
        };
        dlg.onInit = [&c](CDdxDialog& d) {
            d.SetDlgItemText(IDC_COUNT, c.text);
            d.PostMessage(WM_COMMAND, IDOK);
            d.SetTimer(1, 300, &CTimerEnd::Proc);
        };
        INT_PTR nResult = dlg.DoModal();
        auto texts = answerer.Texts();
        if (c.bValid)
        {
            EXPECT_EQ(nResult, IDOK);
            EXPECT_EQ(dlg.m_nCount, c.nValue);
            EXPECT_EQ(texts.size(), nBoxesBefore);
        }
        else
        {
            EXPECT_EQ(nResult, IDCANCEL);
            EXPECT_EQ(dlg.m_nCount, 3);
            ASSERT_EQ(texts.size(), nBoxesBefore + 1);
            EXPECT_EQ(texts.back(), L"Please enter an integer.");
        }
    }
}

TEST(Dialog, ModelessDialogRunsInitAndStaysUntilDestroyed)
{
    CDdxDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DDX));
    EXPECT_STREQ(dlg.m_strShownName, L"Ada");
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    dlg.ShowWindow(SW_SHOW);
    // OK on a modeless dialog hides it; the window stays.
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(Dialog, MissingTemplateFailsCleanly)
{
    CDialog dlg(9999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(9999));
}

namespace
{
// Counts the idle calls of its modal loop and ends after the third.
class CIdleDialog : public CDialog
{
public:
    CIdleDialog() : CDialog(IDD_DDX) {}
    std::vector<LPARAM> counts;

protected:
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ((WPARAM)MSGF_DIALOGBOX, wParam);
        counts.push_back(lParam);
        UpdateDialogControls(this, TRUE);
        if (lParam < 2)
            return TRUE;   // more idle calls, please
        PostMessage(WM_COMMAND, IDCANCEL);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

class CIdleOwner : public CWnd
{
public:
    int m_nEnterIdle = 0;

protected:
    LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        if (wParam == MSGF_DIALOGBOX)
            ++m_nEnterIdle;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleOwner, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()
} // namespace

TEST(Dialog, ModalLoopKicksTheDialogWhileItsQueueIsEmpty)
{
    CIdleOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CIdleDialog dlg;
    dlg.m_pParentWnd = &owner;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    // The counts of one idle period: 0, 1, 2, then the dialog wanted no more.
    ASSERT_GE(dlg.counts.size(), 3u);
    EXPECT_EQ(0, dlg.counts.front());
    EXPECT_EQ((std::vector<LPARAM>{ 0, 1, 2 }), std::vector<LPARAM>(dlg.counts.end() - 3, dlg.counts.end()));
    EXPECT_GE(owner.m_nEnterIdle, 1);
    owner.DestroyWindow();
}
