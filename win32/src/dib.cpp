// Device-dependent bitmaps made from device-independent ones (CreateDIBitmap).
#include "failures.h"
#include "gdi_state.h"

#include <cstdlib>
#include <cstring>

using namespace win32;

namespace {

// Reads pixel (x, y) of an uncompressed DIB as a colour; rows are padded to 4 bytes.
COLORREF dibPixel(const BITMAPINFO* info, const BYTE* bits, const RGBQUAD* table, int tableSize, int x, int y) {
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int bpp = h.biBitCount;
    const size_t stride = (((size_t)h.biWidth * bpp + 31) / 32) * 4;
    const int rows = std::abs(h.biHeight);
    const int row = h.biHeight > 0 ? rows - 1 - y : y;  // bottom-up unless the height is negative
    const BYTE* line = bits + stride * (size_t)row;
    auto fromTable = [&](int index) -> COLORREF {
        if (index >= tableSize) return 0;
        return RGB(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
    };
    switch (bpp) {
    case 1: return fromTable((line[x / 8] >> (7 - x % 8)) & 1);
    case 4: return fromTable((x % 2 == 0) ? (line[x / 2] >> 4) : (line[x / 2] & 0x0F));
    case 8: return fromTable(line[x]);
    case 16: {
        WORD v = (WORD)(line[2 * x] | (line[2 * x + 1] << 8));
        int r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        return RGB(r * 255 / 31, g * 255 / 31, b * 255 / 31);
    }
    case 24: return RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
    case 32: return RGB(line[4 * x + 2], line[4 * x + 1], line[4 * x]);
    default: return 0;
    }
}

}  // namespace

extern "C" {

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                              const BITMAPINFO* info, UINT usage) {
    if (!header || header->biWidth < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const int width = header->biWidth;
    const int height = std::abs(header->biHeight);
    const bool fill = (init & CBM_INIT) != 0;
    if (fill) {
        if (!info || !bits || usage != DIB_RGB_COLORS || info->bmiHeader.biCompression != BI_RGB ||
            info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || info->bmiHeader.biWidth != width ||
            std::abs(info->bmiHeader.biHeight) != height) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        int bpp = info->bmiHeader.biBitCount;
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    }
    if (shouldFail(WIN32TEST_FAIL_GDI_OBJECT)) return nullptr;

    auto o = std::make_shared<GdiObject>();
    o->type = OBJ_BITMAP;
    o->width = width;
    o->height = height;
    // The bitmap has the DC's format: monochrome against a memory DC still holding its 1 x 1 default.
    if (DeviceContext* dc = findDC(hdc))
        if (dc->kind == DeviceContext::Kind::Memory)
            if (GdiObject* b = findObject(dc->state.bitmap)) o->bitsPerPixel = b->bitsPerPixel;
    o->pixels.assign((size_t)width * height, 0);
    if (fill) {
        const BITMAPINFOHEADER& h = info->bmiHeader;
        int tableSize = 0;
        if (h.biBitCount <= 8) tableSize = h.biClrUsed ? (int)h.biClrUsed : (1 << h.biBitCount);
        const RGBQUAD* table = (const RGBQUAD*)((const BYTE*)info + h.biSize);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                COLORREF c = dibPixel(info, (const BYTE*)bits, table, tableSize, x, y);
                if (o->bitsPerPixel == 1)
                    c = (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 384) ? 0xFFFFFF : 0;
                o->pixels[(size_t)y * width + x] = c;
            }
    }
    return (HBITMAP)addObject(o);
}

COLORREF Win32Test_GetBitmapPixel(HBITMAP bitmap, int x, int y) {
    GdiObject* o = findObject(bitmap);
    if (!o || o->type != OBJ_BITMAP || x < 0 || y < 0 || x >= o->width || y >= o->height) return CLR_INVALID;
    return o->pixels[(size_t)y * o->width + x];
}

}  // extern "C"
