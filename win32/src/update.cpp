// Update regions and painting: invalidation, validation, UpdateWindow, BeginPaint/EndPaint, ExcludeUpdateRgn.
#include "gdi_state.h"
#include "window.h"

using namespace win32;

namespace win32 {

void invalidateInternal(Window& w, const RECT* clientRect, bool erase) {
    RECT all{0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
    RECT r = clientRect ? Region::intersect(*clientRect, all) : all;
    if (Region::isEmptyRect(r)) return;
    w.update.addRect(r);
    if (erase) w.updateErase = true;
}

void invalidateChildren(Window& w, const RECT& clientRect, bool erase, bool allChildren) {
    for (HWND c : w.children) {
        Window* cw = findWindow(c);
        if (!cw || !(cw->style & WS_VISIBLE)) continue;
        RECT share = Region::intersect(clientRect, cw->rect);
        if (Region::isEmptyRect(share)) continue;
        OffsetRect(&share, -cw->rect.left, -cw->rect.top);  // child window coordinates
        RECT inClient = Region::intersect(share, cw->client);
        if (!EqualRect(&inClient, &share)) cw->frameDirty = true;
        if (Region::isEmptyRect(inClient)) continue;
        OffsetRect(&inClient, -cw->client.left, -cw->client.top);
        invalidateInternal(*cw, &inClient, erase);
        if (allChildren || !(cw->style & WS_CLIPCHILDREN)) invalidateChildren(*cw, inClient, erase, allChildren);
    }
}

}  // namespace win32

namespace {

void invalidateTree(Window& w, bool erase, bool frame) {
    invalidateInternal(w, nullptr, erase);
    if (frame) w.frameDirty = true;
    for (HWND c : w.children)
        if (Window* cw = findWindow(c)) invalidateTree(*cw, erase, frame);
}

POINT dcOrigin(const DeviceContext& dc) {
    const Window* w = findWindow(dc.hwnd);
    if (!w) return POINT{0, 0};
    return dc.kind == DeviceContext::Kind::Client ? clientOrigin(*w) : windowOrigin(*w);
}

}  // namespace

extern "C" {

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        for (auto& [h, w] : wm().windows.all())
            if (!w->dead) invalidateInternal(*w, nullptr, erase);
        return TRUE;
    }
    Window* w = findWindow(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RECT all{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    w->invalidations.push_back(Win32TestInvalidation{rect ? *rect : all, erase ? TRUE : FALSE});
    invalidateInternal(*w, rect, erase != 0);
    // What the parent will paint over, its children that it does not clip must paint again.
    if (!(w->style & WS_CLIPCHILDREN)) invalidateChildren(*w, rect ? Region::intersect(*rect, all) : all, erase != 0, false);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = findWindow(hwnd);
    if (!w) return FALSE;
    if (rect)
        w->update.subtractRect(*rect);
    else
        w->update.clear();
    if (w->update.empty()) w->updateErase = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* w = findWindow(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->update.bounds();
    if (erase && w->updateErase && !w->update.empty()) {
        HDC hdc = GetDC(hwnd);
        if (DeviceContext* dc = findDC(hdc)) {
            dc->hasSystemClip = true;
            dc->systemClip = w->update;
        }
        w->updateErase = false;
        SendMessageA(hwnd, WM_ERASEBKGND, (WPARAM)hdc, 0);
        ReleaseDC(hwnd, hdc);
    }
    w = findWindow(hwnd);
    return w && !w->update.empty();
}

// Paints the window's frame and client area if they need it, then its children's.
BOOL WINAPI UpdateWindow(HWND hwnd) {
    auto w = shareWindow(hwnd);
    if (!w) return FALSE;
    if (isVisible(*w)) {
        if (w->frameDirty) {
            w->frameDirty = false;
            SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        }
        if (!w->update.empty() && findWindow(hwnd)) SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    if (!findWindow(hwnd)) return TRUE;
    std::vector<HWND> children = w->children;
    for (HWND c : children) UpdateWindow(c);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    Window* w = hwnd ? findWindow(hwnd) : desktopWindow();
    if (!w) return FALSE;
    if (flags & RDW_INVALIDATE) {
        const bool erase = (flags & RDW_ERASE) != 0;
        RECT all{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
        std::vector<RECT> pieces;
        if (region) {
            if (GdiObject* o = findObject(region)) pieces = o->region.rects();
        } else {
            pieces.push_back(rect ? Region::intersect(*rect, all) : all);
        }
        for (const RECT& r : pieces) invalidateInternal(*w, &r, erase);
        if (flags & RDW_FRAME) w->frameDirty = true;
        if (flags & RDW_ALLCHILDREN) {
            for (HWND c : w->children)
                if (Window* cw = findWindow(c)) invalidateTree(*cw, erase, flags & RDW_FRAME);
        } else if (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN)) {
            for (const RECT& r : pieces) invalidateChildren(*w, r, erase, false);
        }
    }
    if (flags & RDW_VALIDATE) ValidateRect(w->handle, rect);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(w->handle);
    return TRUE;
}

int WINAPI ExcludeUpdateRgn(HDC hdc, HWND hwnd) {
    DeviceContext* dc = findDC(hdc);
    Window* w = findWindow(hwnd);
    if (!dc || !w) return ERROR;
    Region update = w->update;
    POINT from = clientOrigin(*w), to = dcOrigin(*dc);
    update.offset(from.x - to.x, from.y - to.y);
    if (!dc->state.hasClip) {
        dc->state.clip = deviceArea(*dc);
        dc->state.hasClip = true;
    }
    dc->state.clip.subtractRegion(update);
    return surfaceOf(*dc).visible.complexity();
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    auto w = shareWindow(hwnd);
    if (!w || !paint) return nullptr;
    caretPaintHide(hwnd);
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    }
    HDC hdc = createDC(DeviceContext::Kind::Client, hwnd);
    DeviceContext* dc = findDC(hdc);
    dc->fromBeginPaint = true;
    dc->hasSystemClip = true;
    dc->systemClip = w->update;
    const bool erase = w->updateErase;
    w->update.clear();
    w->updateErase = false;
    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    paint->rcPaint = dc->systemClip.bounds();
    paint->fErase = erase ? !SendMessageA(hwnd, WM_ERASEBKGND, (WPARAM)hdc, 0) : FALSE;
    return hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    if (DeviceContext* dc = findDC(paint->hdc))
        if (dc->fromBeginPaint) destroyDC(*dc);
    caretPaintShow(hwnd);
    return TRUE;
}

}  // extern "C"
