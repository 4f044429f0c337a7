// Modeless dialogs from in-memory templates: the window, its font, its controls in template order,
// then WM_INITDIALOG, as the platform's dialog manager does.
#include "glyphs.h"
#include "window.h"

#include <cstring>
#include <string>

using namespace win32;

namespace {

// Reads the template stream: WORD-aligned fields, UTF-16 strings, "name or ordinal" fields.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* p) : p_(p) {}

    const BYTE* position() const { return p_; }
    void alignTo(size_t bytes, const BYTE* base) {
        size_t offset = (size_t)(p_ - base);
        p_ += (bytes - offset % bytes) % bytes;
    }
    WORD word() {
        WORD w = (WORD)(p_[0] | (p_[1] << 8));
        p_ += 2;
        return w;
    }
    // Characters above 0x7F have no ANSI spelling here and become '?'.
    std::string text() {
        std::string s;
        for (WORD c = word(); c; c = word()) s += c < 0x80 ? (char)c : '?';
        return s;
    }
    // 0: none; 0xFFFF, n: the ordinal n; otherwise a string.
    bool nameOrOrdinal(std::string* name, WORD* ordinal) {
        WORD first = (WORD)(p_[0] | (p_[1] << 8));
        *ordinal = 0;
        name->clear();
        if (first == 0) {
            p_ += 2;
            return false;
        }
        if (first == 0xFFFF) {
            p_ += 2;
            *ordinal = word();
            return true;
        }
        *name = text();
        return true;
    }

private:
    const BYTE* p_;
};

const char* predefinedClass(WORD ordinal) {
    switch (ordinal) {
    case 0x0080: return "Button";
    case 0x0081: return "Edit";
    case 0x0082: return "Static";
    case 0x0083: return "ListBox";
    case 0x0084: return "ScrollBar";
    case 0x0085: return "ComboBox";
    default: return nullptr;
    }
}

// Dialog units: a quarter of the average character width across, an eighth of its height down.
RECT toPixels(short x, short y, short cx, short cy) {
    return RECT{MulDiv(x, kCharWidth, 4), MulDiv(y, kCharHeight, 8), MulDiv(x + cx, kCharWidth, 4),
                MulDiv(y + cy, kCharHeight, 8)};
}

HWND firstTabStop(HWND dialog) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(c, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return c;
    }
    return GetWindow(dialog, GW_CHILD);
}

}  // namespace

extern "C" {

LONG WINAPI GetDialogBaseUnits(void) { return MAKELONG(kCharWidth, kCharHeight); }

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    if (!findWindow(dialog) || !rect) return FALSE;
    *rect = RECT{MulDiv(rect->left, kCharWidth, 4), MulDiv(rect->top, kCharHeight, 8),
                 MulDiv(rect->right, kCharWidth, 4), MulDiv(rect->bottom, kCharHeight, 8)};
    return TRUE;
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND owner,
                                       DLGPROC dialogProc, LPARAM initParam) {
    if (!dialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const BYTE* base = (const BYTE*)dialogTemplate;
    const DLGTEMPLATE& t = *dialogTemplate;
    TemplateReader in(base + sizeof(DLGTEMPLATE));
    std::string menuName, className, fontName;
    WORD menuOrdinal, classOrdinal;
    in.nameOrOrdinal(&menuName, &menuOrdinal);
    bool hasClass = in.nameOrOrdinal(&className, &classOrdinal);
    std::string title = in.text();
    if (t.style & DS_SETFONT) {
        in.word();  // point size: every font has the one metric here
        fontName = in.text();
    }

    DWORD exStyle = t.dwExtendedStyle;
    if (t.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    RECT r = toPixels(t.x, t.y, t.cx, t.cy);
    AdjustWindowRectEx(&r, t.style, FALSE, exStyle);
    if (owner && !(t.style & DS_ABSALIGN) && !(t.style & WS_CHILD)) {
        POINT o{0, 0};
        ClientToScreen(owner, &o);
        OffsetRect(&r, o.x, o.y);
    }
    LPCSTR cls = !hasClass ? WC_DIALOG : (classOrdinal ? MAKEINTATOM(classOrdinal) : className.c_str());
    HWND dialog = CreateWindowExA(exStyle, cls, title.c_str(), t.style & ~(DWORD)WS_VISIBLE, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
    if (!dialog) return nullptr;
    if (findWindow(dialog)->extra.size() >= DWLP_USER) {  // a dialog class keeps the DWLP_ slots
        findWindow(dialog)->dialogSlots = true;
        SetWindowLongPtrA(dialog, DWLP_DLGPROC, (LONG_PTR)dialogProc);
    }
    HFONT font = (t.style & DS_SETFONT) ? (HFONT)GetStockObject(DEFAULT_GUI_FONT) : nullptr;
    if (font) SendMessageA(dialog, WM_SETFONT, (WPARAM)font, 0);

    for (WORD i = 0; i < t.cdit && IsWindow(dialog); ++i) {
        in.alignTo(4, base);
        DLGITEMTEMPLATE item;
        std::memcpy(&item, in.position(), sizeof item);
        in = TemplateReader(in.position() + sizeof item);
        std::string itemClass, itemTitle;
        WORD itemClassOrdinal, itemTitleOrdinal;
        in.nameOrOrdinal(&itemClass, &itemClassOrdinal);
        in.nameOrOrdinal(&itemTitle, &itemTitleOrdinal);
        WORD extra = in.word();
        const BYTE* data = extra ? in.position() : nullptr;
        in = TemplateReader(in.position() + extra);
        const char* predefined = itemClassOrdinal ? predefinedClass(itemClassOrdinal) : nullptr;
        LPCSTR controlClass = itemClassOrdinal ? (predefined ? predefined : MAKEINTATOM(itemClassOrdinal))
                                               : itemClass.c_str();
        RECT ir = toPixels(item.x, item.y, item.cx, item.cy);
        HWND control = CreateWindowExA(item.dwExtendedStyle | WS_EX_NOPARENTNOTIFY, controlClass,
                                       itemTitle.c_str(), item.style | WS_CHILD, ir.left, ir.top,
                                       ir.right - ir.left, ir.bottom - ir.top, dialog, (HMENU)(INT_PTR)item.id,
                                       instance, (LPVOID)data);
        if (!control) {
            if (t.style & DS_NOFAILCREATE) continue;
            DestroyWindow(dialog);
            return nullptr;
        }
        if (font) SendMessageA(control, WM_SETFONT, (WPARAM)font, 0);
    }
    if (!IsWindow(dialog)) return nullptr;
    HWND focus = firstTabStop(dialog);
    if (SendMessageA(dialog, WM_INITDIALOG, (WPARAM)focus, initParam) && focus && IsWindow(focus)) SetFocus(focus);
    if (IsWindow(dialog) && (t.style & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

}  // extern "C"
