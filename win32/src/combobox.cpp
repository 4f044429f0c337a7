// The "ComboBox" class: its list and edit children, drop-down height, and forwarding to the parts.
#include "controls.h"

#include "glyphs.h"

using namespace win32;

namespace {

constexpr int kEditHeight = 19;                 // one text line plus its margins
constexpr int kDropDownHeight = kEditHeight + 2;  // a closed drop-down combo box
constexpr int kListId = 1000;
constexpr int kEditId = 1001;

UINT kindOf(const Window& w) { return w.style & 3; }

void create(HWND hwnd) {
    Window* w = findWindow(hwnd);
    const UINT kind = kindOf(*w);
    const int width = w->rect.right - w->rect.left;
    const int height = w->rect.bottom - w->rect.top;
    const HINSTANCE instance = w->instance;
    if (kind == CBS_DROPDOWN || kind == CBS_DROPDOWNLIST) {
        // The height asked for is the list's when dropped; the closed box is one line high.
        SetWindowPos(hwnd, nullptr, 0, 0, width, kDropDownHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
        HWND list = CreateWindowExA(0, "ComboLBox", "", WS_POPUP | WS_BORDER | WS_VSCROLL, 0, 0, width,
                                    height - kDropDownHeight, hwnd, nullptr, instance, nullptr);
        if ((w = findWindow(hwnd))) w->control.comboList = list;
        if (kind == CBS_DROPDOWN) {
            int vs = GetSystemMetrics(SM_CXVSCROLL);
            HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, width - vs,
                                        kDropDownHeight, hwnd, (HMENU)(INT_PTR)kEditId, instance, nullptr);
            if ((w = findWindow(hwnd))) w->control.comboEdit = edit;
        }
        return;
    }
    if (kind == CBS_SIMPLE) {
        // The list is the first child and the edit field its next sibling.
        const int editHeight = height < kEditHeight ? height : kEditHeight;
        HWND list = CreateWindowExA(0, "ComboLBox", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 0,
                                    editHeight, width, height - editHeight, hwnd, (HMENU)(INT_PTR)kListId, instance,
                                    nullptr);
        if ((w = findWindow(hwnd))) w->control.comboList = list;
        HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 0, width,
                                    editHeight, hwnd, (HMENU)(INT_PTR)kEditId, instance, nullptr);
        if ((w = findWindow(hwnd))) w->control.comboEdit = edit;
    }
}

void paint(HWND hwnd, HDC hdc) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = controlBrush(hwnd, hdc, kindOf(*w) == CBS_SIMPLE ? WM_CTLCOLORDLG : WM_CTLCOLOREDIT);
    FillRect(hdc, &r, brush);
    if (kindOf(*w) == CBS_SIMPLE) return;
    RECT button{r.right - GetSystemMetrics(SM_CXVSCROLL), r.top, r.right, r.bottom};
    FillRect(hdc, &button, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(hdc, &button, GetSysColorBrush(COLOR_WINDOWFRAME));
    if (kindOf(*w) == CBS_DROPDOWNLIST) {
        int current = (int)SendMessageA(w->control.comboList, LB_GETCURSEL, 0, 0);
        if (current >= 0) {
            char text[256] = "";
            if ((int)SendMessageA(w->control.comboList, LB_GETTEXTLEN, (WPARAM)current, 0) < 256)
                SendMessageA(w->control.comboList, LB_GETTEXT, (WPARAM)current, (LPARAM)text);
            RECT t{r.left + 2, r.top, button.left, r.bottom};
            DrawTextA(hdc, text, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
}

}  // namespace

namespace win32 {

LRESULT CALLBACK comboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    HWND list = w->control.comboList;
    HWND edit = w->control.comboEdit;
    switch (msg) {
    case WM_CREATE: create(hwnd); return 0;
    case WM_DESTROY:
        if (list && findWindow(list) && !(GetWindowLongA(list, GWL_STYLE) & WS_CHILD)) DestroyWindow(list);
        return 0;
    case CB_ADDSTRING: return SendMessageA(list, LB_ADDSTRING, 0, lParam);
    case CB_DELETESTRING: return SendMessageA(list, LB_DELETESTRING, wParam, 0);
    case CB_GETCOUNT: return SendMessageA(list, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL: return SendMessageA(list, LB_GETCURSEL, 0, 0);
    case CB_GETLBTEXT: return SendMessageA(list, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return SendMessageA(list, LB_GETTEXTLEN, wParam, 0);
    case CB_RESETCONTENT: return SendMessageA(list, LB_RESETCONTENT, 0, 0);
    case CB_SETCURSEL: {
        LRESULT r = SendMessageA(list, LB_SETCURSEL, wParam, 0);
        if (r != CB_ERR && edit) {
            char text[256] = "";
            if ((int)SendMessageA(list, LB_GETTEXTLEN, wParam, 0) < 256)
                SendMessageA(list, LB_GETTEXT, wParam, (LPARAM)text);
            SetWindowTextA(edit, text);
        }
        if (Window* again = findWindow(hwnd)) invalidateInternal(*again, nullptr, true);
        return r;
    }
    case WM_SETTEXT:
        if (edit) return SendMessageA(edit, msg, wParam, lParam);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        if (edit) return SendMessageA(edit, msg, wParam, lParam);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        w->control.font = (HFONT)wParam;
        if (edit) SendMessageA(edit, WM_SETFONT, wParam, lParam);
        if (list) SendMessageA(list, WM_SETFONT, wParam, lParam);
        return 0;
    case WM_GETFONT: return (LRESULT)w->control.font;
    case WM_SETFOCUS:
        if (edit) SetFocus(edit);
        return 0;
    case WM_PAINT: return handlePaint(hwnd, wParam, [&](HDC hdc) { paint(hwnd, hdc); });
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win32
