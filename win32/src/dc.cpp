// Device contexts: window, client, memory and screen DCs, their saved states and their surfaces.
#include "failures.h"
#include "gdi_state.h"
#include "screen.h"
#include "settings.h"
#include "window.h"

namespace win32 {

DeviceContext* findDC(HDC hdc) { return gdi().dcs.find(hdc); }

HDC createDC(DeviceContext::Kind kind, HWND hwnd) {
    auto dc = std::make_shared<DeviceContext>();
    dc->kind = kind;
    dc->hwnd = hwnd;
    dc->state.brush = GetStockObject(WHITE_BRUSH);
    dc->state.pen = GetStockObject(BLACK_PEN);
    dc->state.font = GetStockObject(SYSTEM_FONT);
    if (kind == DeviceContext::Kind::Memory) {
        dc->state.bitmap = gdi().defaultBitmap;
    }
    HDC hdc = (HDC)gdi().dcs.add(dc);
    dc->handle = hdc;
    for (HGDIOBJ h : {dc->state.brush, dc->state.pen, dc->state.font})
        if (GdiObject* o = findObject(h)) ++o->selections;
    if (GdiObject* b = findObject(dc->state.bitmap)) b->selectedInto = hdc;
    return hdc;
}

void destroyDC(DeviceContext& dc) {
    for (HGDIOBJ h : {dc.state.brush, dc.state.pen, dc.state.font})
        if (GdiObject* o = findObject(h)) --o->selections;
    if (GdiObject* b = findObject(dc.state.bitmap))
        if (b->selectedInto == dc.handle) b->selectedInto = nullptr;
    gdi().dcs.remove(dc.handle);
}

Surface surfaceOf(DeviceContext& dc) {
    Surface s;
    RECT area{0, 0, 0, 0};
    if (dc.kind == DeviceContext::Kind::Memory) {
        GdiObject* b = findObject(dc.state.bitmap);
        if (!b || b->pixels.empty()) return s;
        s.pixels = b->pixels.data();
        s.width = b->width;
        s.height = b->height;
        s.bitsPerPixel = b->bitsPerPixel;
        area = RECT{0, 0, b->width, b->height};
        s.visible.addRect(area);
    } else {
        // Window DCs draw on the one screen picture, where the window tree decides what they may touch.
        Window* w = findWindow(dc.hwnd);
        ScreenPicture& screen = screenPicture();
        if (!w || screen.pixels.empty()) return s;
        s.pixels = screen.pixels.data();
        s.width = screen.width;
        s.height = screen.height;
        const bool client = dc.kind == DeviceContext::Kind::Client;
        s.origin = client ? clientOrigin(*w) : windowOrigin(*w);
        s.visible = visibleRegion(*w, client, (w->style & WS_CLIPCHILDREN) != 0);
    }
    if (dc.hasSystemClip) {
        Region sys = dc.systemClip;
        sys.offset(s.origin.x, s.origin.y);
        s.visible.intersectRegion(sys);
    }
    if (dc.state.hasClip) {
        Region clip = dc.state.clip;
        clip.offset(s.origin.x, s.origin.y);
        s.visible.intersectRegion(clip);
    }
    return s;
}

void fillSurface(Surface& s, const RECT& dcRect, COLORREF color) {
    if (s.bitsPerPixel == 1) color = ((GetRValue(color) + GetGValue(color) + GetBValue(color)) >= 384) ? 0xFFFFFF : 0;
    forEachPixel(s, dcRect, [&](COLORREF& p, int, int) { p = color & 0xFFFFFF; });
}

}  // namespace win32

using namespace win32;

namespace win32 {

Region deviceArea(DeviceContext& dc) {
    DCState state = dc.state;
    bool sys = dc.hasSystemClip;
    dc.state.hasClip = false;
    dc.hasSystemClip = false;
    Surface s = surfaceOf(dc);
    dc.state = state;
    dc.hasSystemClip = sys;
    Region r = s.visible;
    r.offset(-s.origin.x, -s.origin.y);
    return r;
}

}  // namespace win32

namespace {

int clipComplexity(DeviceContext& dc) {
    Surface s = surfaceOf(dc);
    return s.visible.complexity();
}

}  // namespace

extern "C" {

HDC WINAPI GetDC(HWND hwnd) {
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (shouldFail(WIN32TEST_FAIL_DC)) return nullptr;
    return createDC(hwnd ? DeviceContext::Kind::Client : DeviceContext::Kind::Screen, hwnd);
}

HDC WINAPI GetWindowDC(HWND hwnd) {
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (shouldFail(WIN32TEST_FAIL_DC)) return nullptr;
    return createDC(hwnd ? DeviceContext::Kind::Window : DeviceContext::Kind::Screen, hwnd);
}

int WINAPI ReleaseDC(HWND, HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || dc->kind == DeviceContext::Kind::Memory || dc->fromBeginPaint) return 0;
    destroyDC(*dc);
    return 1;
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !findDC(hdc)) return nullptr;
    if (shouldFail(WIN32TEST_FAIL_DC)) return nullptr;
    return createDC(DeviceContext::Kind::Memory, nullptr);
}

BOOL WINAPI DeleteDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || dc->fromBeginPaint) return FALSE;
    destroyDC(*dc);
    return TRUE;
}

HWND WINAPI WindowFromDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->hwnd : nullptr;
}

int WINAPI SaveDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return (int)dc->saved.size();
}

// A negative level counts back from the latest save.
BOOL WINAPI RestoreDC(HDC hdc, int level) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    int count = (int)dc->saved.size();
    int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count) return FALSE;
    DCState restored = dc->saved[(size_t)index];
    dc->saved.resize((size_t)index);
    SelectObject(hdc, restored.brush);
    SelectObject(hdc, restored.pen);
    SelectObject(hdc, restored.font);
    if (dc->kind == DeviceContext::Kind::Memory) SelectObject(hdc, restored.bitmap);
    restored.brush = dc->state.brush;
    restored.pen = dc->state.pen;
    restored.font = dc->state.font;
    restored.bitmap = dc->state.bitmap;
    dc->state = restored;
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    if (!findDC(hdc)) return 0;
    auto& caps = settings().deviceCaps;
    auto it = caps.find(index);
    return it == caps.end() ? 0 : it->second;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->state.textColor;
    dc->state.textColor = color & 0xFFFFFF;
    return old;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->state.bkColor;
    dc->state.bkColor = color & 0xFFFFFF;
    return old;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    int old = dc->state.bkMode;
    dc->state.bkMode = mode;
    return old;
}

int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->state.bkMode : 0;
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    RECT r{left, top, right, bottom};
    if (dc->state.hasClip) {
        dc->state.clip.intersectRect(r);
    } else {
        dc->state.clip = Region(r);
        dc->state.hasClip = true;
    }
    return clipComplexity(*dc);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    if (!dc->state.hasClip) {
        dc->state.clip = deviceArea(*dc);
        dc->state.hasClip = true;
    }
    dc->state.clip.subtractRect(RECT{left, top, right, bottom});
    return clipComplexity(*dc);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    if (!region) {
        dc->state.hasClip = false;
        dc->state.clip.clear();
    } else {
        GdiObject* o = findObject(region);
        if (!o || o->type != OBJ_REGION) return ERROR;
        dc->state.clip = o->region;
        dc->state.hasClip = true;
    }
    return clipComplexity(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !rect) return ERROR;
    Surface s = surfaceOf(*dc);
    RECT b = s.visible.bounds();
    if (!s.visible.empty()) OffsetRect(&b, -s.origin.x, -s.origin.y);
    *rect = b;
    return s.visible.complexity();
}

int Win32Test_OpenDCs(void) { return (int)gdi().dcs.all().size(); }

}  // extern "C"
