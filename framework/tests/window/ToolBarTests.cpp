// The tool bar: buttons, sizes and images from a tool-bar resource and its
// bitmap; broken or missing resources leave the bar as it was; the current
// resource handle is searched before the program.
#include "TestResources.h"
#include "WindowTestSupport.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// One button as the control holds it: its command (0 for a separator) and
// its image (-1 for a separator).
struct Button
{
    int nID;
    int nImage;
    bool operator==(const Button& other) const { return nID == other.nID && nImage == other.nImage; }
};

void PrintTo(const Button& button, std::ostream* os)
{
    *os << "{" << button.nID << ", " << button.nImage << "}";
}

std::vector<Button> Buttons(CToolBar& bar)
{
    std::vector<Button> buttons;
    const int nCount = int(bar.SendMessage(TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++)
    {
        TBBUTTON button = {};
        bar.SendMessage(TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
            buttons.push_back({button.idCommand, -1});
        else
            buttons.push_back({button.idCommand, button.iBitmap});
    }
    return buttons;
}

CSize ButtonSize(CToolBar& bar)
{
    const DWORD dwSize = DWORD(bar.SendMessage(TB_GETBUTTONSIZE, 0, 0));
    return CSize(LOWORD(dwSize), HIWORD(dwSize));
}

// The images the control draws from: count and size.
struct Images
{
    int nCount;
    int cx;
    int cy;
};

Images ImagesOf(CToolBar& bar)
{
    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(bar.SendMessage(TB_GETIMAGELIST, 0, 0));
    Images images = {-1, 0, 0};
    if (hImages)
    {
        images.nCount = ImageList_GetImageCount(hImages);
        ImageList_GetIconSize(hImages, &images.cx, &images.cy);
    }
    return images;
}

const std::vector<Button> kTestBar = {
    {ID_TESTBAR_FIRST, 0}, {0, -1}, {ID_TESTBAR_SECOND, 1}, {ID_TESTBAR_THIRD, 2}};

class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hHost = CreateHostWindow();
        ASSERT_TRUE(m_bar.Create(CWnd::FromHandle(m_hHost)));
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        ::DestroyWindow(m_hHost);
    }

    HWND m_hHost = nullptr;
    CToolBar m_bar;
};
} // namespace

TEST_F(ToolBarTest, LoadsButtonsSizesAndImagesFromTheResource)
{
    EXPECT_EQ(HWND(::GetParent(m_bar.m_hWnd)), m_hHost);
    EXPECT_EQ(AFX_IDW_TOOLBAR, ::GetDlgCtrlID(m_bar.m_hWnd));
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_TESTBAR));
    EXPECT_EQ(kTestBar, Buttons(m_bar));
    // Buttons are 7 pixels larger than their images each way.
    EXPECT_EQ(CSize(15, 15), ButtonSize(m_bar));
    const Images images = ImagesOf(m_bar);
    EXPECT_EQ(3, images.nCount);
    EXPECT_EQ(8, images.cx);
    EXPECT_EQ(8, images.cy);

    // A second load replaces the buttons rather than adding to them.
    ASSERT_TRUE(m_bar.LoadToolBar(MAKEINTRESOURCE(IDR_PLAINBAR)));
    EXPECT_EQ((std::vector<Button>{{ID_TESTBAR_THIRD, 0}, {ID_TESTBAR_SECOND, 1}}), Buttons(m_bar));
    EXPECT_EQ(3, ImagesOf(m_bar).nCount);
}

TEST_F(ToolBarTest, BrokenOrMissingResourcesLeaveTheBarAsItWas)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_TESTBAR));
    struct Case
    {
        const char* name;
        UINT nID;
    } cases[] = {
        {"no such tool bar", 41799},
        {"fewer items than its count", IDR_SHORTBAR},
        {"no bitmap", IDR_NOBITMAPBAR},
        {"another version", IDR_VERSIONBAR},
        {"header cut short", IDR_STUBBAR},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(m_bar.LoadToolBar(c.nID));
        EXPECT_EQ(kTestBar, Buttons(m_bar));
        EXPECT_EQ(CSize(15, 15), ButtonSize(m_bar));
        const Images images = ImagesOf(m_bar);
        EXPECT_EQ(3, images.nCount);
        EXPECT_EQ(8, images.cx);
    }
    EXPECT_FALSE(m_bar.LoadBitmap(41799));
    EXPECT_EQ(3, ImagesOf(m_bar).nCount);

    CToolBar unmade;
    EXPECT_FALSE(unmade.LoadToolBar(IDR_TESTBAR));
}

TEST_F(ToolBarTest, SetButtonsAndBitmapsReplaceWhatTheBarHad)
{
    const UINT ids[] = {7, 0, 0, 9};
    ASSERT_TRUE(m_bar.SetButtons(ids, 4));
    EXPECT_EQ((std::vector<Button>{{7, 0}, {0, -1}, {0, -1}, {9, 1}}), Buttons(m_bar));
    ASSERT_TRUE(m_bar.SetButtons(nullptr, 2));
    EXPECT_EQ((std::vector<Button>{{0, -1}, {0, -1}}), Buttons(m_bar));
    ASSERT_TRUE(m_bar.SetButtons(ids, 0));
    EXPECT_TRUE(Buttons(m_bar).empty());

    // The bitmap is cut at the current image size.
    m_bar.SetSizes(CSize(19, 18), CSize(12, 8));
    EXPECT_EQ(CSize(19, 18), ButtonSize(m_bar));
    ASSERT_TRUE(m_bar.LoadBitmap(IDR_TESTBAR));
    const Images images = ImagesOf(m_bar);
    EXPECT_EQ(2, images.nCount);
    EXPECT_EQ(12, images.cx);
}

namespace
{
// A copy of a system library that holds, as data, a tool bar of IDR_TESTBAR
// with other items than the program's, and its bitmap.
class CResourceModule
{
public:
    CResourceModule()
    {
        wchar_t temp[MAX_PATH], system[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        ::GetSystemDirectoryW(system, MAX_PATH);
        m_path = std::wstring(temp) + L"toolbar_resources_" + std::to_wstring(::GetCurrentProcessId()) + L".dll";
        if (!::CopyFileW((std::wstring(system) + L"\\msimg32.dll").c_str(), m_path.c_str(), FALSE))
            return;
        HANDLE hUpdate = ::BeginUpdateResourceW(m_path.c_str(), FALSE);
        if (!hUpdate)
            return;
        WORD bar[] = {1, 8, 8, 2, ID_TESTBAR_SECOND, ID_TESTBAR_FIRST};
        ::UpdateResourceW(hUpdate, RT_TOOLBAR, MAKEINTRESOURCEW(IDR_TESTBAR), 0, bar, sizeof(bar));
        HMODULE hSelf = ::GetModuleHandleW(nullptr);
        HRSRC hBitmap = ::FindResourceW(hSelf, MAKEINTRESOURCEW(IDR_TESTBAR), RT_BITMAP);
        ::UpdateResourceW(hUpdate, RT_BITMAP, MAKEINTRESOURCEW(IDR_TESTBAR), 0,
                          ::LockResource(::LoadResource(hSelf, hBitmap)), ::SizeofResource(hSelf, hBitmap));
        if (::EndUpdateResourceW(hUpdate, FALSE))
            m_hModule = ::LoadLibraryExW(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~CResourceModule()
    {
        if (m_hModule)
            ::FreeLibrary(m_hModule);
        ::DeleteFileW(m_path.c_str());
    }
    HMODULE m_hModule = nullptr;

private:
    std::wstring m_path;
};
} // namespace

TEST_F(ToolBarTest, TheCurrentResourceHandleComesBeforeTheProgram)
{
    CResourceModule module;
    ASSERT_NE(nullptr, module.m_hModule);
    AfxSetResourceHandle(module.m_hModule);
    const bool bModuleBar = m_bar.LoadToolBar(IDR_TESTBAR);
    const std::vector<Button> moduleButtons = Buttons(m_bar);
    const bool bProgramBar = m_bar.LoadToolBar(IDR_PLAINBAR);
    const std::vector<Button> programButtons = Buttons(m_bar);
    AfxSetResourceHandle(nullptr);

    EXPECT_TRUE(bModuleBar);
    EXPECT_EQ((std::vector<Button>{{ID_TESTBAR_SECOND, 0}, {ID_TESTBAR_FIRST, 1}}), moduleButtons);
    EXPECT_TRUE(bProgramBar);
    EXPECT_EQ((std::vector<Button>{{ID_TESTBAR_THIRD, 0}, {ID_TESTBAR_SECOND, 1}}), programButtons);
}
