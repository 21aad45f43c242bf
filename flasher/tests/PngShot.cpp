#include "PngShot.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

namespace pngshot
{
namespace
{
void Put32(std::vector<unsigned char>& out, unsigned long v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((unsigned char)(v >> shift));
}

void Chunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    Put32(out, (unsigned long)data.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, crc32(0, out.data() + start, (uInt)(out.size() - start)));
}
}  // namespace

bool SaveScreenArea(HWND wnd, const std::wstring& path)
{
    RECT rc;
    if (!GetWindowRect(wnd, &rc))
        return false;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0)
        return false;

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;   // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BOOL copied = BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(mem, old);

    // RGB rows, each with filter byte 0.
    std::vector<unsigned char> raw;
    raw.reserve((size_t)(3 * w + 1) * h);
    const unsigned char* px = static_cast<const unsigned char*>(bits);
    for (int y = 0; y < h; ++y)
    {
        raw.push_back(0);
        for (int x = 0; x < w; ++x)
        {
            const unsigned char* p = px + ((size_t)y * w + x) * 4;
            raw.push_back(p[2]);
            raw.push_back(p[1]);
            raw.push_back(p[0]);
        }
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    if (!copied)
        return false;

    uLongf packedSize = compressBound((uLong)raw.size());
    std::vector<unsigned char> packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), (uLong)raw.size()) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> ihdr;
    Put32(ihdr, (unsigned long)w);
    Put32(ihdr, (unsigned long)h);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});   // 8-bit RGB
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", {});

    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr)
        return false;
    bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
    ok = fclose(f) == 0 && ok;
    return ok;
}
}  // namespace pngshot
