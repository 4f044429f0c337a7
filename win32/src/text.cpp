// Text output with the fixed metric: glyph cells, ExtTextOut, TextOut, extents and metrics.
#include "glyphs.h"

#include <cstring>

namespace win32 {

void drawCells(Surface& s, const DCState& state, int x, int y, const std::string& text,
               const std::vector<int>& advances, const std::vector<size_t>& underlined) {
    int cx = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const int advance = i < advances.size() ? advances[i] : kCharWidth;
        if (state.bkMode == OPAQUE) fillSurface(s, RECT{cx, y, cx + advance, y + kCharHeight}, state.bkColor);
        if ((unsigned char)text[i] > ' ') fillSurface(s, RECT{cx + 1, y + 2, cx + 5, y + 10}, state.textColor);
        cx += advance;
    }
    cx = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const int advance = i < advances.size() ? advances[i] : kCharWidth;
        for (size_t u : underlined)
            if (u == i) fillSurface(s, RECT{cx, y + 11, cx + kCharWidth, y + 12}, state.textColor);
        cx += advance;
    }
}

}  // namespace win32

using namespace win32;

extern "C" {

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                        const INT* dx) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || (count && !text)) return FALSE;
    Surface s = surfaceOf(*dc);
    if (!s.valid()) return TRUE;
    // The opaque fill uses the background colour whatever the background mode.
    if ((options & ETO_OPAQUE) && rect) fillSurface(s, *rect, dc->state.bkColor);
    if (count == 0) return TRUE;
    if ((options & ETO_CLIPPED) && rect) {
        Region clip(*rect);
        clip.offset(s.origin.x, s.origin.y);
        s.visible.intersectRegion(clip);
    }
    std::vector<int> advances;
    if (dx) advances.assign(dx, dx + count);
    drawCells(s, dc->state, x, y, std::string(text, count), advances, {});
    return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    if (count < 0) return FALSE;
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, (UINT)count, nullptr);
}

// An empty string measures 0 x 0.
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    if (!findDC(hdc) || !size || count < 0 || (count && !text)) return FALSE;
    size->cx = count * kCharWidth;
    size->cy = count ? kCharHeight : 0;
    return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return GetTextExtentPoint32A(hdc, text, count, size);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    if (!findDC(hdc) || !tm) return FALSE;
    std::memset(tm, 0, sizeof *tm);
    tm->tmHeight = kCharHeight;
    tm->tmAscent = kCharAscent;
    tm->tmDescent = kCharHeight - kCharAscent;
    tm->tmAveCharWidth = kCharWidth;
    tm->tmMaxCharWidth = kCharWidth;
    tm->tmWeight = FW_NORMAL;
    tm->tmDigitizedAspectX = tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = '?';
    tm->tmBreakChar = ' ';
    return TRUE;
}

}  // extern "C"
