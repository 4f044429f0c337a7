// The "Static" class: text, rectangles and frames, painted with the parent's static colours.
#include "controls.h"

using namespace win32;

namespace {

void paint(HWND hwnd, HDC hdc) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    RECT r;
    GetClientRect(hwnd, &r);
    const UINT kind = w->style & SS_TYPEMASK;
    switch (kind) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: {
        HGDIOBJ oldFont = w->control.font ? SelectObject(hdc, w->control.font) : nullptr;
        HBRUSH brush = controlBrush(hwnd, hdc, WM_CTLCOLORSTATIC);
        FillRect(hdc, &r, brush);
        UINT format = DT_EXPANDTABS;
        if (kind == SS_CENTER) format |= DT_CENTER | DT_WORDBREAK;
        else if (kind == SS_RIGHT) format |= DT_RIGHT | DT_WORDBREAK;
        else if (kind == SS_LEFT) format |= DT_LEFT | DT_WORDBREAK;
        else format |= DT_SINGLELINE;
        if (w->style & SS_NOPREFIX) format |= DT_NOPREFIX;
        if (w->style & WS_DISABLED) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        if (!w->text.empty()) DrawTextA(hdc, w->text.c_str(), -1, &r, format);
        if (oldFont) SelectObject(hdc, oldFont);
        break;
    }
    case SS_BLACKRECT: FillRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITERECT: FillRect(hdc, &r, GetSysColorBrush(COLOR_WINDOW)); break;
    case SS_BLACKFRAME: FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYFRAME: FrameRect(hdc, &r, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITEFRAME: FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOW)); break;
    default: break;  // icons and owner items draw nothing here
    }
}

}  // namespace

namespace win32 {

LRESULT CALLBACK staticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_PAINT: return handlePaint(hwnd, wParam, [&](HDC hdc) { paint(hwnd, hdc); });
    case WM_ENABLE:
        if (IsWindowVisible(hwnd)) {
            ControlDC dc(hwnd);
            paint(hwnd, dc.hdc);
        }
        return 0;
    case WM_SETTEXT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        if (Window* again = findWindow(hwnd)) invalidateInternal(*again, nullptr, true);
        return TRUE;
    case WM_SETFONT:
        w->control.font = (HFONT)wParam;
        if (lParam) invalidateInternal(*w, nullptr, true);
        return 0;
    case WM_GETFONT: return (LRESULT)w->control.font;
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: return -1;  // HTTRANSPARENT
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win32
