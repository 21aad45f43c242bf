// The image element: pictures from bitmap files, from the program's
// resources and from command ids of the image manager, their sizes, how they
// are drawn, and what a source that names nothing gives.
#include "CZMRImageManager.h"
#include "CZMRMarkupImage.h"
#include "MarkupLayoutSupport.h"

namespace
{
const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrRed = RGB(255, 0, 0);

// A 24-bit bitmap file of the size in the temporary folder: its left half
// red, its right half the picture mask colour (green). Deleted at the end.
class BitmapFile
{
public:
    BitmapFile(int cx, int cy)
    {
        WCHAR szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        m_strPath.Format(L"%lsmarkup-image-%lu.bmp", szDir, ::GetCurrentProcessId());
        const int nStride = (cx * 3 + 3) & ~3;
        std::vector<BYTE> pixels(static_cast<size_t>(nStride) * cy, 0);
        for (int y = 0; y < cy; y++)
        {
            for (int x = 0; x < cx; x++)
            {
                BYTE* p = &pixels[static_cast<size_t>(y) * nStride + x * 3];
                p[1] = x < cx / 2 ? 0 : 255;   // green
                p[2] = x < cx / 2 ? 255 : 0;   // red
            }
        }
        BITMAPINFOHEADER bih = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
        bfh.bfSize = bfh.bfOffBits + static_cast<DWORD>(pixels.size());
        FILE* pFile = _wfopen(m_strPath, L"wb");
        fwrite(&bfh, sizeof(bfh), 1, pFile);
        fwrite(&bih, sizeof(bih), 1, pFile);
        fwrite(pixels.data(), 1, pixels.size(), pFile);
        fclose(pFile);
    }
    ~BitmapFile() { ::DeleteFileW(m_strPath); }
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
};

class ImageTest : public MarkupLayoutTest
{
protected:
    CZMRMarkupImage* BuildImage(const CString& strSource)
    {
        return BuildAs<CZMRMarkupImage>(L"<Image Source=\"" + strSource + L"\"/>");
    }
    static CSize Measure(CZMRMarkupImage* pImage)
    {
        CZMRMarkupDrawingContext dc;
        pImage->Measure(&dc, 100, 100);
        return pImage->GetDesiredSize();
    }
};
}

TEST_F(ImageTest, BitmapFileIsShownAtItsSizeAndDrawnAtTheRenderSize)
{
    BitmapFile file(16, 16);
    MarkupRef<CZMRMarkupImage> image(BuildImage(L"file://" + file.Path()));
    EXPECT_EQ(CSize(16, 16), Measure(image));
    ASSERT_TRUE(image->GetIcon());
    EXPECT_NE(::GetImageManager(), image->GetImageManager()) << "a private manager";

    // The mask colour (green) is left out.
    WhiteSurface actual(40, 40);
    DrawMarkupTree(image, actual.GetDC(), CRect(0, 0, 16, 16));
    EXPECT_EQ(clrRed, actual.At(2, 8));
    EXPECT_EQ(clrWhite, actual.At(12, 8));
    EXPECT_EQ(clrWhite, actual.At(20, 8));

    WhiteSurface stretched(40, 40);
    DrawMarkupTree(image, stretched.GetDC(), CRect(0, 0, 32, 32));
    EXPECT_EQ(CSize(32, 32), image->GetRenderSize());
    EXPECT_EQ(clrRed, stretched.At(12, 20));
    EXPECT_EQ(clrWhite, stretched.At(24, 20));
}

TEST_F(ImageTest, ResourcesAndCommandIdsNameIcons)
{
    MarkupRef<CZMRMarkupImage> resource(BuildImage(L"res://MARKUPPICTURE"));
    EXPECT_EQ(CSize(4, 2), Measure(resource));
    WhiteSurface surface(10, 10);
    DrawMarkupTree(resource, surface.GetDC(), CRect(0, 0, 4, 2));
    EXPECT_EQ(clrRed, surface.At(3, 1));

    // A command id of the process-wide manager: its icon, shared.
    CZMRImageManager* pManager = ::GetImageManager();
    const UINT nCommand = 4711;
    CBitmap bitmap;
    bitmap.Attach(::CreateBitmap(20, 12, 1, 32, nullptr));
    ASSERT_TRUE(pManager->SetIcons(bitmap, &nCommand, 1, 20, 12, ZMR_ICONSTATE_NORMAL, FALSE));
    bitmap.DeleteObject();
    CZMRImageManagerIcon* pIcon = pManager->GetImage(nCommand, 0);
    ASSERT_TRUE(pIcon);
    const long nIconRefs = pIcon->GetRefCount();
    const long nManagerRefs = pManager->GetRefCount();
    {
        MarkupRef<CZMRMarkupImage> command(BuildImage(L" +4711 and more"));
        EXPECT_EQ(CSize(20, 12), Measure(command));
        EXPECT_EQ(pIcon, command->GetIcon());
        EXPECT_EQ(pManager, command->GetImageManager());
        EXPECT_EQ(nIconRefs + 1, pIcon->GetRefCount());
        EXPECT_EQ(nManagerRefs + 1, pManager->GetRefCount());
    }
    EXPECT_EQ(nIconRefs, pIcon->GetRefCount());
    EXPECT_EQ(nManagerRefs, pManager->GetRefCount());
    pManager->RemoveAll();
}

TEST_F(ImageTest, SourcesThatNameNothingShowNothing)
{
    BitmapFile file(16, 16);
    struct
    {
        CString strSource;
        bool bManager;
    } cases[] = {
        // The prefixes are compared with case: this one reads as the number 0.
        {L"File://" + file.Path(), false},
        {L"0", false},
        {L"-3", false},
        {L"picture", false},
        {L"4712", true},   // a command the manager does not know
        {L"file://C:\\no such folder\\none.bmp", true},
        {L"res://NOSUCHPICTURE", true},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.strSource).GetString();
        MarkupRef<CZMRMarkupImage> image(BuildImage(c.strSource));
        ASSERT_TRUE(image.get()) << strCase;
        EXPECT_EQ(CSize(0, 0), Measure(image)) << strCase;
        EXPECT_EQ(nullptr, image->GetIcon()) << strCase;
        EXPECT_EQ(c.bManager, image->GetImageManager() != nullptr) << strCase;
        WhiteSurface surface(20, 20);
        DrawMarkupTree(image, surface.GetDC(), CRect(0, 0, 20, 20));
        EXPECT_EQ(0, surface.CountNot(CRect(0, 0, 20, 20), clrWhite)) << strCase;
    }

}

TEST_F(ImageTest, ClearingTheSourceKeepsThePictureShown)
{
    BitmapFile file(16, 16);
    MarkupRef<CZMRMarkupImage> image(BuildImage(L"file://" + file.Path()));
    EXPECT_EQ(CSize(16, 16), Measure(image));
    CZMRImageManagerIcon* pIcon = image->GetIcon();
    ASSERT_TRUE(pIcon);
    image->SetValue(CZMRMarkupImage::m_pSourceProperty, nullptr);
    EXPECT_EQ(CSize(16, 16), Measure(image)) << "measured again without a source";
    EXPECT_EQ(pIcon, image->GetIcon());
    ASSERT_TRUE(image->GetImageManager());
    WhiteSurface surface(20, 20);
    DrawMarkupTree(image, surface.GetDC(), CRect(0, 0, 16, 16));
    EXPECT_EQ(clrRed, surface.At(2, 8));
}

TEST_F(ImageTest, AResourceThatIsNoBitmapIsLoadedAsAnIcon)
{
    // MARKUPICON is an icon group of one 4 x 4 blue image, no bitmap.
    MarkupRef<CZMRMarkupImage> image(BuildImage(L"res://MARKUPICON"));
    EXPECT_EQ(CSize(4, 4), Measure(image));
    ASSERT_TRUE(image->GetIcon());
    WhiteSurface surface(10, 10);
    DrawMarkupTree(image, surface.GetDC(), CRect(0, 0, 4, 4));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(1, 1));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(3, 3));
    EXPECT_EQ(clrWhite, surface.At(5, 1));
}
