// Pixel operations of DCs: pattern and block transfers, rectangle fills, single pixels, focus rectangles.
#include "failures.h"
#include "gdi_state.h"
#include "window.h"

using namespace win32;

namespace {

constexpr COLORREF kMask = 0xFFFFFF;

RECT normalised(int x, int y, int width, int height) {
    RECT r{x, y, x + width, y + height};
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    return r;
}

// Raster operations that need no source, applied to destination d with pattern p.
bool patternOp(DWORD rop, COLORREF d, COLORREF p, COLORREF* out) {
    switch (rop) {
    case PATCOPY: *out = p; return true;
    case PATINVERT: *out = (d ^ p) & kMask; return true;
    case DSTINVERT: *out = ~d & kMask; return true;
    case BLACKNESS: *out = 0; return true;
    case WHITENESS: *out = kMask; return true;
    default: return false;
    }
}

bool usesPattern(DWORD rop) { return rop == PATCOPY || rop == PATINVERT || rop == MERGECOPY; }

bool sourceOp(DWORD rop, COLORREF d, COLORREF s, COLORREF p, COLORREF* out) {
    switch (rop) {
    case SRCCOPY: *out = s; return true;
    case SRCPAINT: *out = d | s; return true;
    case SRCAND: *out = d & s; return true;
    case SRCINVERT: *out = (d ^ s) & kMask; return true;
    case SRCERASE: *out = s & ~d & kMask; return true;
    case NOTSRCCOPY: *out = ~s & kMask; return true;
    case MERGECOPY: *out = s & p; return true;
    default: return false;
    }
}

}  // namespace

extern "C" {

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    COLORREF pattern = 0;
    bool hasPattern = brushColor(dc->state.brush, &pattern);
    COLORREF probe;
    if (!patternOp(rop, 0, 0, &probe)) return FALSE;
    if (usesPattern(rop) && !hasPattern) return TRUE;  // a null brush paints nothing
    Surface s = surfaceOf(*dc);
    if (!s.valid()) return TRUE;
    forEachPixel(s, normalised(x, y, width, height), [&](COLORREF& p, int, int) { patternOp(rop, p, pattern, &p); });
    return TRUE;
}

BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    COLORREF probe;
    if (patternOp(rop, 0, 0, &probe)) return PatBlt(dst, x, y, width, height, rop);
    DeviceContext* d = findDC(dst);
    DeviceContext* sdc = findDC(src);
    if (!d || !sdc || !sourceOp(rop, 0, 0, 0, &probe)) return FALSE;
    if (width < 0 || height < 0) return FALSE;
    COLORREF pattern = 0;
    brushColor(d->state.brush, &pattern);
    Surface ds = surfaceOf(*d);
    // The source is read wherever its pixels exist; its clip region does not limit a read.
    DCState sourceState = sdc->state;
    sdc->state.hasClip = false;
    Surface ss = surfaceOf(*sdc);
    sdc->state = sourceState;
    if (!ds.valid() || !ss.valid()) return TRUE;
    const bool monoToColour = ss.bitsPerPixel == 1 && ds.bitsPerPixel != 1;
    const bool colourToMono = ss.bitsPerPixel != 1 && ds.bitsPerPixel == 1;
    RECT r{x, y, x + width, y + height};
    forEachPixel(ds, r, [&](COLORREF& p, int sx, int sy) {
        int px = srcX + (sx - ds.origin.x - x) + ss.origin.x;
        int py = srcY + (sy - ds.origin.y - y) + ss.origin.y;
        if (px < 0 || py < 0 || px >= ss.width || py >= ss.height) return;
        COLORREF sp = *ss.at(px, py);
        // Monochrome sources take the destination's text colour for 0 and background colour for 1;
        // a colour source becomes white where it matches its DC's background colour.
        if (monoToColour) sp = sp ? d->state.bkColor : d->state.textColor;
        if (colourToMono) sp = (sp == sdc->state.bkColor) ? kMask : 0;
        sourceOp(rop, p, sp, pattern, &p);
    });
    return TRUE;
}

// The brush may also be a system colour index plus one.
int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !rect) return 0;
    HGDIOBJ b = brush;
    if ((ULONG_PTR)brush > 0 && (ULONG_PTR)brush <= 31) b = GetSysColorBrush((int)(ULONG_PTR)brush - 1);
    COLORREF color;
    if (!brushColor(b, &color)) return findObject(b) ? 1 : 0;
    Surface s = surfaceOf(*dc);
    if (s.valid()) fillSurface(s, *rect, color);
    return 1;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    if (!rect || rect->right <= rect->left || rect->bottom <= rect->top) return 0;
    const RECT& r = *rect;
    RECT sides[4] = {{r.left, r.top, r.right, r.top + 1},
                     {r.left, r.bottom - 1, r.right, r.bottom},
                     {r.left, r.top, r.left + 1, r.bottom},
                     {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& s : sides)
        if (!FillRect(hdc, &s, brush)) return 0;
    return 1;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    Surface s = surfaceOf(*dc);
    if (!s.valid() || !s.visible.contains(x + s.origin.x, y + s.origin.y)) return CLR_INVALID;
    return *s.at(x + s.origin.x, y + s.origin.y);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    Surface s = surfaceOf(*dc);
    if (!s.valid() || !s.visible.contains(x + s.origin.x, y + s.origin.y)) return CLR_INVALID;
    fillSurface(s, RECT{x, y, x + 1, y + 1}, color);
    return *s.at(x + s.origin.x, y + s.origin.y);
}

// Inverts every other pixel of the outline, chosen by the surface position so that the dots line up.
BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !rect) return FALSE;
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top) return TRUE;
    Surface s = surfaceOf(*dc);
    if (!s.valid()) return TRUE;
    auto dot = [&](COLORREF& p, int sx, int sy) {
        if (((sx + sy) & 1) == 0) p = ~p & kMask;
    };
    // Each outline pixel exactly once, so that drawing twice restores the picture.
    forEachPixel(s, RECT{r.left, r.top, r.right, r.top + 1}, dot);
    if (r.bottom - 1 > r.top) forEachPixel(s, RECT{r.left, r.bottom - 1, r.right, r.bottom}, dot);
    if (r.bottom - 2 > r.top) {
        forEachPixel(s, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, dot);
        if (r.right - 1 > r.left) forEachPixel(s, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, dot);
    }
    return TRUE;
}

// A bitmap compatible with a memory DC takes the format of the bitmap selected in it.
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || width < 0 || height < 0) return nullptr;
    if (shouldFail(WIN32TEST_FAIL_GDI_OBJECT)) return nullptr;
    auto o = std::make_shared<GdiObject>();
    o->type = OBJ_BITMAP;
    o->width = width;
    o->height = height;
    if (dc->kind == DeviceContext::Kind::Memory)
        if (GdiObject* b = findObject(dc->state.bitmap)) o->bitsPerPixel = b->bitsPerPixel;
    o->pixels.assign((size_t)width * height, 0);
    return (HBITMAP)addObject(o);
}

}  // extern "C"
