// Choosing a firmware file for a CPU: the open-file dialog answered by a
// helper thread, the converter beside the test, and what the operator is
// told when an image is refused or has no key.
#include "FlasherDialogFixture.h"
#include "ImageTestSupport.h"
#include "OutFile.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace
{
std::wstring ClassOf(HWND hWnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hWnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hWnd)
{
    wchar_t text[1024] = {};
    GetWindowTextW(hWnd, text, 1024);
    return text;
}

HWND FindVisibleEdit(HWND hParent)
{
    for (HWND hChild = GetWindow(hParent, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!IsWindowVisible(hChild))
            continue;
        if (ClassOf(hChild) == L"Edit")
            return hChild;
        if (HWND hEdit = FindVisibleEdit(hChild))
            return hEdit;
    }
    return nullptr;
}

// Answers this process's "Open" dialog once with a path, and every other
// dialog box (the message boxes) with OK, keeping their texts.
class DialogAnswerer
{
public:
    explicit DialogAnswerer(std::wstring path) : m_path(std::move(path)), m_thread(&DialogAnswerer::Run, this) {}
    ~DialogAnswerer()
    {
        m_stop = true;
        m_thread.join();
    }
    std::vector<std::wstring> Boxes()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_boxes;
    }

private:
    void Run()
    {
        while (!m_stop)
        {
            EnumWindows(
                [](HWND hWnd, LPARAM lParam) -> BOOL {
                    reinterpret_cast<DialogAnswerer*>(lParam)->Answer(hWnd);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
            Sleep(10);
        }
    }

    void Answer(HWND hWnd)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(hWnd, &pid);
        if (pid != GetCurrentProcessId() || ClassOf(hWnd) != L"#32770" || !IsWindowVisible(hWnd))
            return;
        for (HWND hDone : m_answered)
            if (hDone == hWnd)
                return;
        if (TextOf(hWnd) == L"Open")
        {
            HWND hEdit = FindVisibleEdit(hWnd);
            if (hEdit == nullptr)
                return;
            SetWindowTextW(hEdit, m_path.c_str());
            PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
            m_answered.push_back(hWnd);
            return;
        }
        std::wstring text;
        for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT))
            if (ClassOf(hChild) == L"Static")
                text += TextOf(hChild);
        if (text.empty())
            return;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_boxes.push_back(text);
        }
        m_answered.push_back(hWnd);
        PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    }

    std::wstring m_path;
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    std::vector<std::wstring> m_boxes;
    std::vector<HWND> m_answered;
    std::thread m_thread;
};

const wchar_t kNoKey[] = L"Can't find the key , Please re-select the flash file!";

class FileSelectionTest : public FlasherDialogTest
{
protected:
    // Chooses the file for the master through the dialog; the load waits
    // for the converter to end. Returns the message boxes the choice showed.
    std::vector<std::wstring> ChooseMaster(const std::wstring& path)
    {
        std::vector<std::wstring> boxes;
        {
            DialogAnswerer answerer(path);
            m_pDlg->SelectMasterFile();
            boxes = answerer.Boxes();
        }
        DeleteFileW(g_pFlashImage->Master.M00Path);
        return boxes;
    }
};

TEST_F(FileSelectionTest, RefusedImageIsExplainedOnceAndHasNoKeyMessage)
{
    const std::wstring dir = testsupport::MakeTempFolder(L"select");
    // The converter writes beside the program, shared by every test process:
    // names of this process's own keep parallel runs off each other's files.
    const std::wstring own = std::to_wstring(GetCurrentProcessId());
    const std::wstring longKeyPath = dir + L"\\longkey-" + own + L".out";
    const std::wstring noKeyPath = dir + L"\\nokey-" + own + L".out";
    // Key region at 0x337FFE one word longer than the largest block: its
    // second block would never be written.
    std::vector<uint16_t> longKey = fixtures::PatternWords(0xFFFF + 1, 5);
    longKey[0] = 0xE8C4;
    ASSERT_TRUE(fixtures::WriteOutFile(longKeyPath, {{"keyblk", 0x337FFE, longKey, fixtures::kData}}));
    ASSERT_TRUE(fixtures::WriteOutFile(noKeyPath,
                                       {{".text", 0x3E8000, fixtures::PatternWords(40, 6), fixtures::kText}}));
    // Not an object file: the converter refuses it and ends with its error.
    const std::wstring notObjectPath = dir + L"\\notcoff-" + own + L".out";
    testsupport::WriteFileBytes(notObjectPath, {'n', 'o', 't', ' ', 'C', 'O', 'F', 'F'});

    struct Case
    {
        const char* what;
        std::wstring path;
        bool valid;
        std::wstring row;   // the one red row; empty: none
        std::wstring box;   // part of the one message box; empty: none
    } cases[] = {
        {"image without key", noKeyPath, true, kNoKey, L""},
        {"key region too long", longKeyPath, false,
         L"The key region at 0x337FFE is longer than 131070 bytes and cannot be written whole, "
         L"Please re-select the flash file!",
         L""},
        {"converter failed", notObjectPath, false,
         L"The converter hex2000.exe failed with exit code 3, the flash file is not converted!", L""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const size_t nRows = Rows().size();
        const std::vector<std::wstring> boxes = ChooseMaster(c.path);
        EXPECT_EQ(c.valid, m_pDlg->m_bMasterFileValid);
        std::vector<std::wstring> rows = Rows();
        ASSERT_EQ(nRows + 1, rows.size());
        EXPECT_EQ(c.row, rows.back());
        EXPECT_EQ(1, CountLogLines(c.row)) << "the row's line in the log file";
        EXPECT_TRUE(boxes.empty());
    }

    // A path the code page cannot hold: the message box names the cause and
    // stands alone.
    const wchar_t c = CharOutsideAnsiCodePage();
    if (c != 0)
    {
        const std::wstring foreign = dir + L"\\fw" + c + L".out";
        ASSERT_TRUE(fixtures::WriteOutFile(foreign, fixtures::MasterSample()));
        const size_t nRows = Rows().size();
        const std::vector<std::wstring> boxes = ChooseMaster(foreign);
        EXPECT_FALSE(m_pDlg->m_bMasterFileValid);
        EXPECT_EQ(nRows, Rows().size());
        ASSERT_EQ(1u, boxes.size());
        EXPECT_NE(std::wstring::npos, boxes[0].find(L"code page")) << boxes[0];
        EXPECT_EQ(std::wstring::npos, boxes[0].find(L"not found")) << boxes[0];
    }
    testsupport::RemoveFolder(dir);
}
}  // namespace
