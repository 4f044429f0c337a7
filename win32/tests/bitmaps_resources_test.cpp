// Bitmaps from device-independent bitmaps, block transfers from memory DCs, and resources by number.
#include "stand_in_test.h"

#include <cstring>

namespace {

// A packed 4-bit DIB: header, 16-entry colour table, rows of 4-byte multiples, bottom row first.
std::vector<unsigned char> FourBitDib(int width, int height, const std::vector<std::vector<int>>& topDownRows,
                                      bool topDown = false) {
    const int stride = ((width * 4 + 31) / 32) * 4;
    std::vector<unsigned char> dib(sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) + (size_t)stride * height, 0);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = topDown ? -height : height;
    h.biPlanes = 1;
    h.biBitCount = 4;
    h.biCompression = BI_RGB;
    std::memcpy(dib.data(), &h, sizeof h);
    RGBQUAD* table = (RGBQUAD*)(dib.data() + sizeof h);
    for (int i = 0; i < 16; ++i) table[i] = RGBQUAD{(BYTE)(i * 16), (BYTE)(i * 8), (BYTE)i, 0};  // blue, green, red
    unsigned char* bits = (unsigned char*)(table + 16);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = bits + (size_t)stride * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            int v = topDownRows[(size_t)y][(size_t)x];
            row[x / 2] |= (unsigned char)(x % 2 == 0 ? v << 4 : v);
        }
    }
    return dib;
}

COLORREF Entry(int i) { return RGB(i, i * 8, i * 16); }

}  // namespace

class BitmapsTest : public StandInTest {};

TEST_F(BitmapsTest, FourBitDibTakesItsColourTableInEitherRowOrder) {
    std::vector<std::vector<int>> rows{{0, 1, 2}, {15, 14, 13}};
    for (bool topDown : {false, true}) {
        std::vector<unsigned char> dib = FourBitDib(3, 2, rows, topDown);
        const BITMAPINFO* info = (const BITMAPINFO*)dib.data();
        const void* bits = dib.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD);
        HDC screen = GetDC(nullptr);
        HBITMAP bmp = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        ASSERT_NE(bmp, nullptr);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(Win32Test_GetBitmapPixel(bmp, x, y), Entry(rows[(size_t)y][(size_t)x]))
                    << x << "," << y << (topDown ? " top-down" : " bottom-up");
        BITMAP b;
        ASSERT_EQ(GetObjectA(bmp, sizeof b, &b), (int)sizeof b);
        EXPECT_EQ(b.bmWidth, 3);
        EXPECT_EQ(b.bmHeight, 2);
        DeleteObject(bmp);
    }
}

TEST_F(BitmapsTest, PatchedColourTableEntriesShowInTheBitmap) {
    std::vector<unsigned char> dib = FourBitDib(2, 1, {{7, 8}});
    BITMAPINFO* info = (BITMAPINFO*)dib.data();
    info->bmiColors[7] = RGBQUAD{0x11, 0x22, 0x33, 0};
    HBITMAP bmp = CreateDIBitmap(GetDC(nullptr), &info->bmiHeader, CBM_INIT,
                                 dib.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD), info, DIB_RGB_COLORS);
    EXPECT_EQ(Win32Test_GetBitmapPixel(bmp, 0, 0), RGB(0x33, 0x22, 0x11));
    EXPECT_EQ(Win32Test_GetBitmapPixel(bmp, 1, 0), Entry(8));
}

TEST_F(BitmapsTest, BitBltCopiesACellFromAMemoryDc) {
    std::vector<std::vector<int>> rows{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    std::vector<unsigned char> dib = FourBitDib(4, 3, rows);
    const BITMAPINFO* info = (const BITMAPINFO*)dib.data();
    HWND w = TopLevel(10, 10);
    Win32Test_FillWindow(w, 0x010203);
    HDC hdc = GetDC(w);
    HBITMAP bmp = CreateDIBitmap(hdc, &info->bmiHeader, CBM_INIT,
                                 dib.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD), info, DIB_RGB_COLORS);
    HDC mem = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(mem, bmp);
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(BitBlt(hdc, 5, 6, 2, 2, mem, 1, 1, SRCCOPY));  // the 2 x 2 cell at (1, 1)
    EXPECT_EQ(Win32Test_GetPixel(w, 5, 6), Entry(6));
    EXPECT_EQ(Win32Test_GetPixel(w, 6, 6), Entry(7));
    EXPECT_EQ(Win32Test_GetPixel(w, 5, 7), Entry(10));
    EXPECT_EQ(Win32Test_GetPixel(w, 6, 7), Entry(11));
    EXPECT_EQ(Win32Test_GetPixel(w, 4, 6), (COLORREF)0x010203);
    EXPECT_EQ(Win32Test_GetPixel(w, 7, 7), (COLORREF)0x010203);
    EXPECT_EQ(Win32Test_GetPixel(w, 5, 8), (COLORREF)0x010203);

    HDC second = CreateCompatibleDC(hdc);
    EXPECT_EQ(SelectObject(second, bmp), nullptr);  // a bitmap lives in one DC at a time
    EXPECT_FALSE(DeleteObject(bmp));
    SelectObject(mem, old);
    EXPECT_TRUE(DeleteDC(second));
    EXPECT_TRUE(DeleteDC(mem));
    EXPECT_TRUE(DeleteObject(bmp));
    ReleaseDC(w, hdc);
    EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
    EXPECT_EQ(Win32Test_OpenDCs(), 0);
}

TEST_F(BitmapsTest, BitmapMadeAgainstAFreshMemoryDcIsMonochrome) {
    std::vector<unsigned char> dib = FourBitDib(2, 1, {{0, 15}});
    const BITMAPINFO* info = (const BITMAPINFO*)dib.data();
    ((BITMAPINFO*)info)->bmiColors[15] = RGBQUAD{0xF0, 0xF0, 0xF0, 0};
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBitmap(mem, &info->bmiHeader, CBM_INIT,
                                 dib.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD), info, DIB_RGB_COLORS);
    BITMAP b;
    GetObjectA(bmp, sizeof b, &b);
    EXPECT_EQ(b.bmBitsPixel, 1);
    EXPECT_EQ(Win32Test_GetBitmapPixel(bmp, 0, 0), (COLORREF)0);
    EXPECT_EQ(Win32Test_GetBitmapPixel(bmp, 1, 0), (COLORREF)0xFFFFFF);
    DeleteDC(mem);
}

TEST_F(BitmapsTest, UnsupportedDibsAreRefused) {
    std::vector<unsigned char> dib = FourBitDib(2, 1, {{0, 1}});
    BITMAPINFO* info = (BITMAPINFO*)dib.data();
    const void* bits = dib.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD);
    info->bmiHeader.biCompression = BI_RLE4;
    EXPECT_EQ(CreateDIBitmap(nullptr, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS), nullptr);
    info->bmiHeader.biCompression = BI_RGB;
    EXPECT_EQ(CreateDIBitmap(nullptr, &info->bmiHeader, CBM_INIT, bits, info, DIB_PAL_COLORS), nullptr);
    EXPECT_EQ(CreateDIBitmap(nullptr, nullptr, CBM_INIT, bits, info, DIB_RGB_COLORS), nullptr);
    EXPECT_EQ(Win32Test_CreatedGdiObjects(), 0);
}

class ResourcesTest : public StandInTest {};

TEST_F(ResourcesTest, FoundByNumberPerModule) {
    HINSTANCE other = Win32Test_CreateModule("kirno32.dll");
    const char blob[] = "packed";
    ASSERT_TRUE(Win32Test_AddResource(other, RT_BITMAP, MAKEINTRESOURCEA(26567), blob, sizeof blob));
    HRSRC r = FindResourceA(other, MAKEINTRESOURCEA(26567), RT_BITMAP);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(SizeofResource(other, r), sizeof blob);
    const char* data = (const char*)LockResource(LoadResource(other, r));
    EXPECT_STREQ(data, "packed");
    EXPECT_EQ(FindResourceA(other, "#26567", RT_BITMAP), r);  // the same name spelled as text
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(26567), RT_BITMAP), nullptr);  // another module
    EXPECT_EQ(FindResourceA(other, MAKEINTRESOURCEA(26568), RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(FindResourceA(other, MAKEINTRESOURCEA(26567), RT_RCDATA), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_EQ(GetModuleHandleA("KIRNO32"), other);
}

TEST_F(ResourcesTest, MemoryBlocksLockAndCanFail) {
    HGLOBAL movable = GlobalAlloc(GHND, 16);
    ASSERT_NE(movable, nullptr);
    unsigned char* p = (unsigned char*)GlobalLock(movable);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[15], 0);  // zero-initialised
    EXPECT_FALSE(GlobalUnlock(movable));
    EXPECT_EQ(GlobalSize(movable), 16u);
    EXPECT_EQ(Win32Test_LiveMemoryBlocks(), 1);
    EXPECT_EQ(GlobalFree(movable), nullptr);
    Win32Test_FailAfter(WIN32TEST_FAIL_MEMORY, 0);
    EXPECT_EQ(LocalAlloc(LPTR, 8), nullptr);
    HLOCAL fixed = LocalAlloc(LPTR, 8);
    EXPECT_EQ(LocalLock(fixed), (LPVOID)fixed);  // a fixed block is its own address
    LocalFree(fixed);
    EXPECT_EQ(Win32Test_LiveMemoryBlocks(), 0);
}

TEST_F(BitmapsTest, RasterOperationsCombineSourceAndDestination) {
    HWND w = TopLevel(4, 1);
    HDC hdc = GetDC(w);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = CreateCompatibleBitmap(hdc, 1, 1);
    HGDIOBJ old = SelectObject(mem, bmp);
    SetPixel(mem, 0, 0, 0x0F0F0F);
    struct Case {
        DWORD rop;
        COLORREF expected;  // with destination 0x3C3C3C
    } cases[] = {{SRCCOPY, 0x0F0F0F},  {SRCAND, 0x0C0C0C},   {SRCPAINT, 0x3F3F3F},
                 {SRCINVERT, 0x333333}, {NOTSRCCOPY, 0xF0F0F0}, {SRCERASE, 0x030303}};
    for (const Case& c : cases) {
        Win32Test_SetPixel(w, 0, 0, 0x3C3C3C);
        EXPECT_TRUE(BitBlt(hdc, 0, 0, 1, 1, mem, 0, 0, c.rop));
        EXPECT_EQ(Win32Test_GetPixel(w, 0, 0), c.expected) << std::hex << c.rop;
    }
    EXPECT_FALSE(BitBlt(hdc, 0, 0, 1, 1, mem, 0, 0, 0x12345678));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(w, hdc);
}

TEST_F(BitmapsTest, MonochromeSourceTakesTheDestinationColours) {
    HWND w = TopLevel(2, 1);
    HDC hdc = GetDC(w);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP mono = CreateCompatibleBitmap(mem, 2, 1);  // compatible with the default 1 x 1 monochrome bitmap
    HGDIOBJ old = SelectObject(mem, mono);
    SetPixel(mem, 0, 0, 0x000000);
    SetPixel(mem, 1, 0, 0xFFFFFF);
    SetTextColor(hdc, 0x0000FF);
    SetBkColor(hdc, 0x00FF00);
    BitBlt(hdc, 0, 0, 2, 1, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(Win32Test_GetPixel(w, 0, 0), (COLORREF)0x0000FF);  // 0 bits take the text colour
    EXPECT_EQ(Win32Test_GetPixel(w, 1, 0), (COLORREF)0x00FF00);  // 1 bits the background colour
    SelectObject(mem, old);
    DeleteObject(mono);
    DeleteDC(mem);
    ReleaseDC(w, hdc);
}
