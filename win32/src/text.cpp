// Text output with the fixed metric: glyph cells, ExtTextOut, TextOut, extents and metrics.
#include "glyphs.h"

#include <algorithm>
#include <cstring>

namespace win32 {

// A created font is |lfHeight| pixels high (13 when 0), lfWidth wide or else 6/13 of its height,
// with its ascent at 10/13 of the height.
CellMetric fontMetric(HGDIOBJ font) {
    CellMetric m;
    GdiObject* o = findObject(font);
    if (!o || o->stock || o->type != OBJ_FONT) return m;
    const LONG h = o->font.lfHeight < 0 ? -o->font.lfHeight : o->font.lfHeight;
    if (h > 0) m.height = (int)h;
    m.width = o->font.lfWidth > 0 ? (int)o->font.lfWidth : std::max(2, m.height * kCharWidth / kCharHeight);
    m.ascent = std::max(3, m.height * kCharAscent / kCharHeight);
    if (m.ascent >= m.height) m.ascent = m.height - 1;
    return m;
}

void drawCells(Surface& s, const DCState& state, int x, int y, const std::string& text,
               const std::vector<int>& advances, const std::vector<size_t>& underlined) {
    const CellMetric m = cellMetric(state);
    int cx = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const int advance = i < advances.size() ? advances[i] : m.width;
        if (state.bkMode == OPAQUE) fillSurface(s, RECT{cx, y, cx + advance, y + m.height}, state.bkColor);
        if ((unsigned char)text[i] > ' ')
            fillSurface(s, RECT{cx + 1, y + 2, cx + m.width - 1, y + m.ascent}, state.textColor);
        cx += advance;
    }
    cx = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const int advance = i < advances.size() ? advances[i] : m.width;
        for (size_t u : underlined)
            if (u == i) fillSurface(s, RECT{cx, y + m.ascent + 1, cx + m.width, y + m.ascent + 2}, state.textColor);
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
    DeviceContext* dc = findDC(hdc);
    if (!dc || !size || count < 0 || (count && !text)) return FALSE;
    const CellMetric m = cellMetric(dc->state);
    size->cx = count * m.width;
    size->cy = count ? m.height : 0;
    return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return GetTextExtentPoint32A(hdc, text, count, size);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !tm) return FALSE;
    const CellMetric m = cellMetric(dc->state);
    std::memset(tm, 0, sizeof *tm);
    tm->tmHeight = m.height;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.height - m.ascent;
    tm->tmAveCharWidth = m.width;
    tm->tmMaxCharWidth = m.width;
    tm->tmWeight = FW_NORMAL;
    tm->tmDigitizedAspectX = tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = '?';
    tm->tmBreakChar = ' ';
    return TRUE;
}

}  // extern "C"
