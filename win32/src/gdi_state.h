// GDI objects and device contexts shared by the graphics sources, and the pixel surface a DC draws on.
#pragma once

#include <windows.h>

#include "handles.h"
#include "region.h"

#include <memory>
#include <string>
#include <vector>

namespace win32 {

struct GdiObject {
    DWORD type = 0;  // OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_BITMAP, OBJ_REGION
    bool stock = false;
    bool counted = false;  // made by a Create call: counted by the object statistics
    int sysColorIndex = -1;  // brushes of GetSysColorBrush follow the system colour
    bool nullBrush = false;
    COLORREF color = 0;
    // bitmaps
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;  // 1 for monochrome bitmaps, whose pixels are 0 or 0xFFFFFF
    std::vector<COLORREF> pixels;
    HDC selectedInto = nullptr;
    // fonts
    LOGFONTA font{};
    // regions
    Region region;
    int selections = 0;  // DCs whose current state holds this brush, pen or font
};

struct DCState {
    HGDIOBJ brush = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    bool hasClip = false;
    Region clip;  // DC coordinates
};

struct DeviceContext {
    enum class Kind { Client, Window, Memory, Screen };
    HDC handle = nullptr;
    Kind kind = Kind::Client;
    HWND hwnd = nullptr;
    bool fromBeginPaint = false;
    bool hasSystemClip = false;
    Region systemClip;  // the update region of a BeginPaint DC, DC coordinates
    DCState state;
    std::vector<DCState> saved;
};

// Where a DC's pixels are and which of them it may touch.
struct Surface {
    COLORREF* pixels = nullptr;
    int width = 0;
    int height = 0;
    POINT origin{0, 0};  // surface position of the DC's (0, 0)
    Region visible;      // surface coordinates, already clipped
    int bitsPerPixel = 32;

    bool valid() const { return pixels != nullptr; }
    COLORREF* at(int sx, int sy) { return pixels + (size_t)sy * width + sx; }
};

struct GdiState {
    HandleTable<GdiObject> objects{0x10000000};
    HandleTable<DeviceContext> dcs{0x20000000};
    HGDIOBJ stock[18] = {};
    HGDIOBJ defaultBitmap = nullptr;
    HGDIOBJ sysColorBrushes[31] = {};
    int created = 0;
    int live = 0;
};

GdiState& gdi();
void resetGdi();

GdiObject* findObject(HGDIOBJ handle);
HGDIOBJ addObject(std::shared_ptr<GdiObject> object);
DeviceContext* findDC(HDC hdc);
HDC createDC(DeviceContext::Kind kind, HWND hwnd);
void destroyDC(DeviceContext& dc);

// The surface of a DC with its visible area and clip region applied.
Surface surfaceOf(DeviceContext& dc);
// The drawable area of a DC in its own coordinates, before any clip region.
Region deviceArea(DeviceContext& dc);
// The colour a brush paints with; false for a null or unknown brush.
bool brushColor(HGDIOBJ brush, COLORREF* color);

// Pixel operations on a surface, in DC coordinates, limited to the surface's visible area.
void fillSurface(Surface& s, const RECT& dcRect, COLORREF color);
template <typename F>
void forEachPixel(Surface& s, const RECT& dcRect, F f) {
    RECT r = dcRect;
    OffsetRect(&r, s.origin.x, s.origin.y);
    for (const RECT& v : s.visible.rects()) {
        RECT i = Region::intersect(r, v);
        for (int y = i.top; y < i.bottom; ++y)
            for (int x = i.left; x < i.right; ++x) f(*s.at(x, y), x, y);
    }
}

}  // namespace win32
