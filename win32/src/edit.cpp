// The "Edit" class: text, font, the caret while focused, and a plain single-line painting.
#include "controls.h"

using namespace win32;

namespace {

void paint(HWND hwnd, HDC hdc) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    RECT r;
    GetClientRect(hwnd, &r);
    HGDIOBJ oldFont = w->control.font ? SelectObject(hdc, w->control.font) : nullptr;
    HBRUSH brush = controlBrush(hwnd, hdc, WM_CTLCOLOREDIT);
    FillRect(hdc, &r, brush);
    if (w->style & WS_DISABLED) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    RECT text = r;
    text.left += 1;
    DrawTextA(hdc, w->text.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    if (oldFont) SelectObject(hdc, oldFont);
}

}  // namespace

namespace win32 {

LRESULT CALLBACK editProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_PAINT: return handlePaint(hwnd, wParam, [&](HDC hdc) { paint(hwnd, hdc); });
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS: caretCreateShown(hwnd); return 0;
    case WM_KILLFOCUS: caretWindowDestroyed(hwnd); return 0;
    case WM_SETTEXT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        if (Window* again = findWindow(hwnd)) invalidateInternal(*again, nullptr, true);
        return TRUE;
    case WM_CHAR:
        if (wParam == '\b') {
            if (!w->text.empty()) w->text.pop_back();
        } else if (wParam >= ' ') {
            w->text += (char)wParam;
        }
        invalidateInternal(*w, nullptr, true);
        return 0;
    case WM_ENABLE: invalidateInternal(*w, nullptr, true); return 0;
    case WM_SETFONT:
        w->control.font = (HFONT)wParam;
        if (lParam) invalidateInternal(*w, nullptr, true);
        return 0;
    case WM_GETFONT: return (LRESULT)w->control.font;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case EM_GETSEL: return MAKELRESULT(w->text.size(), w->text.size());
    case EM_SETSEL:
    case EM_LIMITTEXT: return 0;
    case WM_NCDESTROY: caretWindowDestroyed(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win32
