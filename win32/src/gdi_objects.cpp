// GDI objects: stock objects, brushes, fonts, regions, selection into DCs and deletion.
#include "failures.h"
#include "gdi_state.h"
#include "reset.h"
#include "settings.h"

#include <cstring>

namespace win32 {

namespace {

GdiState g_gdi;

HGDIOBJ makeStock(DWORD type, COLORREF color, bool nullBrush = false) {
    auto o = std::make_shared<GdiObject>();
    o->type = type;
    o->stock = true;
    o->color = color;
    o->nullBrush = nullBrush;
    if (type == OBJ_FONT) std::strcpy(o->font.lfFaceName, "System");
    return (HGDIOBJ)g_gdi.objects.add(o);
}

}  // namespace

GdiState& gdi() {
    ensureStarted();
    return g_gdi;
}

void resetGdi() {
    g_gdi.objects.clear();
    g_gdi.dcs.clear();
    g_gdi.created = g_gdi.live = 0;
    for (HGDIOBJ& h : g_gdi.stock) h = nullptr;
    for (HGDIOBJ& h : g_gdi.sysColorBrushes) h = nullptr;
    g_gdi.stock[WHITE_BRUSH] = makeStock(OBJ_BRUSH, 0xFFFFFF);
    g_gdi.stock[LTGRAY_BRUSH] = makeStock(OBJ_BRUSH, 0xC0C0C0);
    g_gdi.stock[GRAY_BRUSH] = makeStock(OBJ_BRUSH, 0x808080);
    g_gdi.stock[DKGRAY_BRUSH] = makeStock(OBJ_BRUSH, 0x404040);
    g_gdi.stock[BLACK_BRUSH] = makeStock(OBJ_BRUSH, 0x000000);
    g_gdi.stock[NULL_BRUSH] = makeStock(OBJ_BRUSH, 0, true);
    g_gdi.stock[WHITE_PEN] = makeStock(OBJ_PEN, 0xFFFFFF);
    g_gdi.stock[BLACK_PEN] = makeStock(OBJ_PEN, 0x000000);
    g_gdi.stock[NULL_PEN] = makeStock(OBJ_PEN, 0);
    for (int f : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT,
                  DEFAULT_GUI_FONT})
        g_gdi.stock[f] = makeStock(OBJ_FONT, 0);
    g_gdi.stock[DEFAULT_PALETTE] = makeStock(5 /* OBJ_PAL */, 0);
    auto bitmap = std::make_shared<GdiObject>();
    bitmap->type = OBJ_BITMAP;
    bitmap->stock = true;
    bitmap->width = bitmap->height = 1;
    bitmap->bitsPerPixel = 1;
    bitmap->pixels.assign(1, 0);
    g_gdi.defaultBitmap = (HGDIOBJ)g_gdi.objects.add(bitmap);
}

GdiObject* findObject(HGDIOBJ handle) { return gdi().objects.find(handle); }

HGDIOBJ addObject(std::shared_ptr<GdiObject> object) {
    object->counted = true;
    ++g_gdi.created;
    ++g_gdi.live;
    return (HGDIOBJ)g_gdi.objects.add(std::move(object));
}

bool brushColor(HGDIOBJ brush, COLORREF* color) {
    GdiObject* o = findObject(brush);
    if (!o || o->type != OBJ_BRUSH || o->nullBrush) return false;
    *color = o->sysColorIndex >= 0 ? GetSysColor(o->sysColorIndex) : o->color;
    return true;
}

}  // namespace win32

using namespace win32;

namespace {

HGDIOBJ* slotFor(DCState& s, DWORD type) {
    switch (type) {
    case OBJ_BRUSH: return &s.brush;
    case OBJ_PEN: return &s.pen;
    case OBJ_FONT: return &s.font;
    case OBJ_BITMAP: return &s.bitmap;
    default: return nullptr;
    }
}

}  // namespace

extern "C" {

HGDIOBJ WINAPI GetStockObject(int index) {
    if (index < 0 || index >= 18) return nullptr;
    return gdi().stock[index];
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    if (index < 0 || index >= kSysColorCount) return nullptr;
    HGDIOBJ& h = gdi().sysColorBrushes[index];
    if (!h) {
        auto o = std::make_shared<GdiObject>();
        o->type = OBJ_BRUSH;
        o->stock = true;
        o->sysColorIndex = index;
        h = (HGDIOBJ)gdi().objects.add(o);
    }
    return (HBRUSH)h;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    if (shouldFail(WIN32TEST_FAIL_GDI_OBJECT)) return nullptr;
    auto o = std::make_shared<GdiObject>();
    o->type = OBJ_BRUSH;
    o->color = color & 0xFFFFFF;
    return (HBRUSH)addObject(o);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return nullptr;
    if (brush->lbStyle == BS_NULL) return (HBRUSH)GetStockObject(NULL_BRUSH);
    if (brush->lbStyle != BS_SOLID) return nullptr;
    return CreateSolidBrush(brush->lbColor);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return nullptr;
    if (shouldFail(WIN32TEST_FAIL_GDI_OBJECT)) return nullptr;
    auto o = std::make_shared<GdiObject>();
    o->type = OBJ_FONT;
    o->font = *font;
    return (HFONT)addObject(o);
}

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    if (shouldFail(WIN32TEST_FAIL_GDI_OBJECT)) return nullptr;
    auto o = std::make_shared<GdiObject>();
    o->type = OBJ_REGION;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    o->region.addRect(RECT{left, top, right, bottom});
    return (HRGN)addObject(o);
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
    if (GdiObject* o = findObject(object)) return o->type;
    if (DeviceContext* dc = findDC((HDC)object)) return dc->kind == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    GdiObject* o = findObject(object);
    if (!o) return 0;
    switch (o->type) {
    case OBJ_BITMAP: {
        if (!buffer) return sizeof(BITMAP);
        if (size < (int)sizeof(BITMAP)) return 0;
        BITMAP b{};
        b.bmWidth = o->width;
        b.bmHeight = o->height;
        b.bmPlanes = 1;
        b.bmBitsPixel = (WORD)o->bitsPerPixel;
        b.bmWidthBytes = ((o->width * o->bitsPerPixel + 15) / 16) * 2;
        std::memcpy(buffer, &b, sizeof b);
        return sizeof(BITMAP);
    }
    case OBJ_BRUSH: {
        if (!buffer) return sizeof(LOGBRUSH);
        if (size < (int)sizeof(LOGBRUSH)) return 0;
        LOGBRUSH lb{o->nullBrush ? (UINT)BS_NULL : (UINT)BS_SOLID, 0, 0};
        brushColor(object, &lb.lbColor);
        std::memcpy(buffer, &lb, sizeof lb);
        return sizeof(LOGBRUSH);
    }
    case OBJ_FONT: {
        if (!buffer) return sizeof(LOGFONTA);
        int n = size < (int)sizeof(LOGFONTA) ? size : (int)sizeof(LOGFONTA);
        std::memcpy(buffer, &o->font, (size_t)n);
        return n;
    }
    default: return 0;
    }
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return nullptr;
    HGDIOBJ* slot = slotFor(dc->state, type);
    return slot ? *slot : nullptr;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = findDC(hdc);
    GdiObject* o = findObject(object);
    if (!dc || !o) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (o->type == OBJ_REGION) return (HGDIOBJ)(LONG_PTR)SelectClipRgn(hdc, (HRGN)object);
    HGDIOBJ* slot = slotFor(dc->state, o->type);
    if (!slot) return nullptr;
    HGDIOBJ previous = *slot;
    if (o->type == OBJ_BITMAP) {
        // Only memory DCs take bitmaps, and a bitmap is selected into one DC at a time.
        if (dc->kind != DeviceContext::Kind::Memory) return nullptr;
        if (o->selectedInto && o->selectedInto != hdc) return nullptr;
        if (GdiObject* p = findObject(previous)) p->selectedInto = nullptr;
        o->selectedInto = hdc;
    } else {
        if (GdiObject* p = findObject(previous)) --p->selections;
        ++o->selections;
    }
    *slot = object;
    return previous;
}

// Stock objects and system-colour brushes ignore deletion; an object selected into a DC is kept.
BOOL WINAPI DeleteObject(HGDIOBJ object) {
    GdiObject* o = findObject(object);
    if (!o) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (o->stock) return TRUE;
    if (o->selections > 0 || o->selectedInto) return FALSE;
    if (o->counted) --gdi().live;
    gdi().objects.remove(object);
    return TRUE;
}

int Win32Test_CreatedGdiObjects(void) { return gdi().created; }
int Win32Test_LiveGdiObjects(void) { return gdi().live; }

}  // extern "C"
