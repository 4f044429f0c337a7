// The "ListBox" and "ComboLBox" classes: a list of strings with a selection, painted one line per item.
#include "controls.h"

#include <algorithm>
#include <cstring>

using namespace win32;

namespace {

constexpr int kItemHeight = 13;

void paint(HWND hwnd, HDC hdc) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    RECT r;
    GetClientRect(hwnd, &r);
    HGDIOBJ oldFont = w->control.font ? SelectObject(hdc, w->control.font) : nullptr;
    HBRUSH brush = controlBrush(hwnd, hdc, WM_CTLCOLORLISTBOX);
    FillRect(hdc, &r, brush);
    const auto& items = w->control.items;
    for (size_t i = 0; i < items.size(); ++i) {
        RECT line{r.left, r.top + (int)i * kItemHeight, r.right, r.top + (int)(i + 1) * kItemHeight};
        if (line.top >= r.bottom) break;
        if ((int)i == w->control.current) {
            FillRect(hdc, &line, GetSysColorBrush(COLOR_HIGHLIGHT));
            COLORREF oldText = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            int oldMode = SetBkMode(hdc, TRANSPARENT);
            DrawTextA(hdc, items[i].c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
            SetBkMode(hdc, oldMode);
            SetTextColor(hdc, oldText);
        } else {
            DrawTextA(hdc, items[i].c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (oldFont) SelectObject(hdc, oldFont);
}

LRESULT insert(Window& w, int at, const char* text, bool sorted) {
    auto& items = w.control.items;
    std::string s = text ? text : "";
    size_t pos;
    if (sorted)
        pos = (size_t)(std::find_if(items.begin(), items.end(),
                                    [&](const std::string& e) { return lstrcmpiA(e.c_str(), s.c_str()) > 0; }) -
                       items.begin());
    else if (at < 0 || (size_t)at >= items.size())
        pos = items.size();
    else
        pos = (size_t)at;
    items.insert(items.begin() + (long)pos, s);
    if (w.control.current >= (int)pos) ++w.control.current;
    invalidateInternal(w, nullptr, true);
    return (LRESULT)pos;
}

}  // namespace

namespace win32 {

LRESULT CALLBACK listBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    ControlState& c = w->control;
    switch (msg) {
    case LB_ADDSTRING: return insert(*w, -1, (const char*)lParam, (w->style & LBS_SORT) != 0);
    case LB_INSERTSTRING: return insert(*w, (int)wParam, (const char*)lParam, false);
    case LB_DELETESTRING:
        if (wParam >= c.items.size()) return LB_ERR;
        c.items.erase(c.items.begin() + (long)wParam);
        if (c.current == (int)wParam) c.current = -1;
        else if (c.current > (int)wParam) --c.current;
        invalidateInternal(*w, nullptr, true);
        return (LRESULT)c.items.size();
    case LB_RESETCONTENT:
        c.items.clear();
        c.current = -1;
        invalidateInternal(*w, nullptr, true);
        return 0;
    case LB_GETCOUNT: return (LRESULT)c.items.size();
    case LB_GETTEXT:
        if (wParam >= c.items.size() || !lParam) return LB_ERR;
        std::strcpy((char*)lParam, c.items[wParam].c_str());
        return (LRESULT)c.items[wParam].size();
    case LB_GETTEXTLEN: return wParam < c.items.size() ? (LRESULT)c.items[wParam].size() : LB_ERR;
    case LB_SETCURSEL:
        if ((int)wParam >= (int)c.items.size()) {
            c.current = -1;
            return LB_ERR;
        }
        c.current = (int)wParam;
        invalidateInternal(*w, nullptr, true);
        return c.current;
    case LB_GETCURSEL: return c.current;
    case WM_PAINT: return handlePaint(hwnd, wParam, [&](HDC hdc) { paint(hwnd, hdc); });
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT:
        c.font = (HFONT)wParam;
        if (lParam) invalidateInternal(*w, nullptr, true);
        return 0;
    case WM_GETFONT: return (LRESULT)c.font;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win32
