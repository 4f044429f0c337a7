// The "Button" class: check and push state, focus, text, font, and a plain painting of each kind.
#include "controls.h"

using namespace win32;

namespace {

UINT kindOf(const Window& w) { return w.style & BS_TYPEMASK; }

UINT maxCheck(UINT kind) {
    switch (kind) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
    }
}

void paint(HWND hwnd, HDC hdc) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    RECT r;
    GetClientRect(hwnd, &r);
    const UINT kind = kindOf(*w);
    const UINT state = w->control.buttonState;
    HGDIOBJ oldFont = w->control.font ? SelectObject(hdc, w->control.font) : nullptr;
    HBRUSH brush = controlBrush(hwnd, hdc, WM_CTLCOLORBTN);
    if (w->style & WS_DISABLED) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    const char* text = w->text.c_str();
    HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
    switch (kind) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
        FillRect(hdc, &r, brush);
        FrameRect(hdc, &r, frame);
        if (kind == BS_DEFPUSHBUTTON) {
            RECT inner = r;
            InflateRect(&inner, -1, -1);
            FrameRect(hdc, &inner, frame);
        }
        RECT label = r;
        if (state & BST_PUSHED) OffsetRect(&label, 1, 1);
        SetBkMode(hdc, TRANSPARENT);
        DrawTextA(hdc, text, -1, &label, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (state & BST_FOCUS) {
            RECT f = r;
            InflateRect(&f, -3, -3);
            DrawFocusRect(hdc, &f);
        }
        break;
    }
    case BS_GROUPBOX: {
        RECT box{r.left, r.top + 6, r.right, r.bottom};
        FrameRect(hdc, &box, frame);
        RECT label{r.left + 8, r.top, r.right, r.top + 13};
        DrawTextA(hdc, text, -1, &label, DT_SINGLELINE | DT_LEFT);
        break;
    }
    case BS_OWNERDRAW:
    case BS_USERBUTTON: break;
    default: {
        FillRect(hdc, &r, brush);
        const int top = r.top + (r.bottom - r.top - 13) / 2;
        RECT box{r.left, top, r.left + 13, top + 13};
        FrameRect(hdc, &box, frame);
        RECT inside = box;
        InflateRect(&inside, -1, -1);
        FillRect(hdc, &inside, GetSysColorBrush((state & BST_PUSHED) ? COLOR_BTNFACE : COLOR_WINDOW));
        if (state & 3) {
            RECT mark{box.left + 3, box.top + 3, box.left + 10, box.top + 10};
            FillRect(hdc, &mark, GetSysColorBrush((state & 3) == BST_INDETERMINATE ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
        }
        RECT label{r.left + 16, r.top, r.right, r.bottom};
        SetBkMode(hdc, TRANSPARENT);
        DrawTextA(hdc, text, -1, &label, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
        if (state & BST_FOCUS) {
            RECT f = label;
            DrawTextA(hdc, text, -1, &f, DT_SINGLELINE | DT_CALCRECT);
            f.top = label.top + (label.bottom - label.top - 13) / 2;
            f.bottom = f.top + 13;
            InflateRect(&f, 1, 1);
            DrawFocusRect(hdc, &f);
        }
        break;
    }
    }
    if (oldFont) SelectObject(hdc, oldFont);
}

// State changes repaint at once, but only a visible button.
void repaint(HWND hwnd) {
    if (!IsWindowVisible(hwnd)) return;
    ControlDC dc(hwnd);
    paint(hwnd, dc.hdc);
}

void click(HWND hwnd, Window& w) {
    const UINT kind = kindOf(w);
    UINT check = w.control.buttonState & 3;
    if (kind == BS_AUTOCHECKBOX) SendMessageA(hwnd, BM_SETCHECK, check ? BST_UNCHECKED : BST_CHECKED, 0);
    if (kind == BS_AUTO3STATE) SendMessageA(hwnd, BM_SETCHECK, (check + 1) % 3, 0);
    if (kind == BS_AUTORADIOBUTTON) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    Window* current = findWindow(hwnd);
    if (current && (current->style & WS_CHILD))
        SendMessageA(current->parent, WM_COMMAND, MAKEWPARAM((WORD)current->id, BN_CLICKED), (LPARAM)hwnd);
}

}  // namespace

namespace win32 {

LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    ControlState& c = w->control;
    switch (msg) {
    case BM_GETCHECK: return c.buttonState & 3;
    case BM_SETCHECK: {
        UINT check = (UINT)wParam;
        if (check > maxCheck(kindOf(*w))) check = maxCheck(kindOf(*w));
        if ((c.buttonState & 3) != check) {
            c.buttonState = (c.buttonState & ~3u) | check;
            repaint(hwnd);
        }
        return 0;
    }
    case BM_GETSTATE: return c.buttonState;
    case BM_SETSTATE: {
        UINT next = wParam ? (c.buttonState | BST_PUSHED) : (c.buttonState & ~(UINT)BST_PUSHED);
        if (next != c.buttonState) {
            c.buttonState = next;
            repaint(hwnd);
        }
        return 0;
    }
    case BM_SETSTYLE:
        w->style = (w->style & 0xFFFF0000u) | (DWORD)LOWORD(wParam);
        if (lParam) invalidateInternal(*w, nullptr, true);
        return 0;
    case BM_CLICK:
        SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        c.capture = true;
        SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
        return 0;
    case WM_LBUTTONUP:
        if (!c.capture) return 0;
        c.capture = false;
        SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
        if (Window* again = findWindow(hwnd)) click(hwnd, *again);
        return 0;
    case WM_SETFOCUS:
        c.buttonState |= BST_FOCUS;
        repaint(hwnd);
        return 0;
    case WM_KILLFOCUS:
        c.buttonState &= ~(UINT)BST_FOCUS;
        if (c.capture) {
            c.capture = false;
            c.buttonState &= ~(UINT)BST_PUSHED;
        }
        repaint(hwnd);
        return 0;
    case WM_ENABLE: repaint(hwnd); return 0;
    case WM_SETTEXT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        repaint(hwnd);
        return TRUE;
    case WM_SETFONT:
        c.font = (HFONT)wParam;
        if (lParam) invalidateInternal(*w, nullptr, true);
        return 0;
    case WM_GETFONT: return (LRESULT)c.font;
    case WM_PAINT: return handlePaint(hwnd, wParam, [&](HDC hdc) { paint(hwnd, hdc); });
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE:
        switch (kindOf(*w)) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
        }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win32
