// The non-client area: client rectangle from the window's styles, and the default frame painting.
#include "gdi_state.h"
#include "glyphs.h"
#include "window.h"

using namespace win32;

namespace {

struct Frame {
    int cx = 0, cy = 0;  // frame thickness
    int edge = 0;        // client edge thickness
    enum { None, Border, Dialog, Thick } kind = None;
};

Frame frameOf(const Window& w) {
    Frame f;
    if (w.style & WS_THICKFRAME) {
        f.kind = Frame::Thick;
        f.cx = GetSystemMetrics(SM_CXFRAME);
        f.cy = GetSystemMetrics(SM_CYFRAME);
    } else if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME)) {
        f.kind = Frame::Dialog;
        f.cx = GetSystemMetrics(SM_CXDLGFRAME);
        f.cy = GetSystemMetrics(SM_CYDLGFRAME);
    } else if (w.style & WS_BORDER) {
        f.kind = Frame::Border;
        f.cx = GetSystemMetrics(SM_CXBORDER);
        f.cy = GetSystemMetrics(SM_CYBORDER);
    }
    if (w.exStyle & WS_EX_CLIENTEDGE) f.edge = GetSystemMetrics(SM_CXEDGE);
    return f;
}

bool hasCaption(const Window& w) { return (w.style & WS_CAPTION) == WS_CAPTION; }

}  // namespace

namespace win32 {

RECT defaultClientRect(const Window& w, const RECT& windowRect) {
    if (w.handle == wm().desktop) return windowRect;
    Frame f = frameOf(w);
    RECT r = windowRect;
    InflateRect(&r, -(f.cx + f.edge), -(f.cy + f.edge));
    if (hasCaption(w)) r.top += GetSystemMetrics(SM_CYCAPTION);
    if (w.style & WS_VSCROLL) r.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (w.style & WS_HSCROLL) r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

// Outline in the window-frame colour, frame band, caption bar with its text, client edge, scroll bars.
void paintDefaultFrame(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w || !isVisible(*w) || w->handle == wm().desktop) return;
    HDC hdc = createDC(DeviceContext::Kind::Window, hwnd);
    DeviceContext* dc = findDC(hdc);
    Surface s = surfaceOf(*dc);
    // The client area is the window's own to paint.
    RECT clientOnScreen = w->client;
    OffsetRect(&clientOnScreen, s.origin.x, s.origin.y);
    s.visible.subtractRect(clientOnScreen);
    const int W = w->rect.right - w->rect.left, H = w->rect.bottom - w->rect.top;
    Frame f = frameOf(*w);
    RECT r{0, 0, W, H};
    if (f.kind != Frame::None) {
        COLORREF outline = GetSysColor(COLOR_WINDOWFRAME);
        fillSurface(s, RECT{0, 0, W, 1}, outline);
        fillSurface(s, RECT{0, H - 1, W, H}, outline);
        fillSurface(s, RECT{0, 0, 1, H}, outline);
        fillSurface(s, RECT{W - 1, 0, W, H}, outline);
        if (f.kind != Frame::Border) {
            int band = f.kind == Frame::Thick ? (w->ncActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                                              : COLOR_BTNFACE;
            Region ring(RECT{1, 1, W - 1, H - 1});
            ring.subtractRect(RECT{f.cx, f.cy, W - f.cx, H - f.cy});
            for (const RECT& piece : ring.rects()) fillSurface(s, piece, GetSysColor(band));
        }
        InflateRect(&r, -f.cx, -f.cy);
    }
    if (hasCaption(*w)) {
        RECT bar{r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
        fillSurface(s, bar, GetSysColor(w->ncActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        DCState state;
        state.bkMode = TRANSPARENT;
        state.textColor = GetSysColor(w->ncActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
        Surface clipped = s;
        RECT barOnScreen = bar;
        OffsetRect(&barOnScreen, s.origin.x, s.origin.y);
        clipped.visible.intersectRect(barOnScreen);
        drawCells(clipped, state, bar.left + 2, bar.top + (bar.bottom - bar.top - kCharHeight) / 2, w->text, {}, {});
        r.top = bar.bottom;
    }
    if (f.edge) {
        RECT e = r;
        for (int ring = 0; ring < f.edge; ++ring) {
            COLORREF dark = GetSysColor(ring == 0 ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW);
            COLORREF light = GetSysColor(ring == 0 ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT);
            fillSurface(s, RECT{e.left, e.top, e.right, e.top + 1}, dark);
            fillSurface(s, RECT{e.left, e.top, e.left + 1, e.bottom}, dark);
            fillSurface(s, RECT{e.left, e.bottom - 1, e.right, e.bottom}, light);
            fillSurface(s, RECT{e.right - 1, e.top, e.right, e.bottom}, light);
            InflateRect(&e, -1, -1);
        }
        r = e;
    }
    const int vs = GetSystemMetrics(SM_CXVSCROLL), hs = GetSystemMetrics(SM_CYHSCROLL);
    if (w->style & WS_VSCROLL)
        fillSurface(s, RECT{r.right - vs, r.top, r.right, r.bottom - ((w->style & WS_HSCROLL) ? hs : 0)},
                    GetSysColor(COLOR_SCROLLBAR));
    if (w->style & WS_HSCROLL)
        fillSurface(s, RECT{r.left, r.bottom - hs, r.right - ((w->style & WS_VSCROLL) ? vs : 0), r.bottom},
                    GetSysColor(COLOR_SCROLLBAR));
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL))
        fillSurface(s, RECT{r.right - vs, r.bottom - hs, r.right, r.bottom}, GetSysColor(COLOR_BTNFACE));
    destroyDC(*dc);
}

}  // namespace win32

extern "C" {

// Grows a client rectangle to the window rectangle with the frame and caption of the styles
// (scroll bars are not counted, as on the platform).
BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    Window probe;
    probe.style = style & ~(DWORD)(WS_VSCROLL | WS_HSCROLL);
    probe.exStyle = exStyle;
    const RECT big{0, 0, 10000, 10000};
    RECT client = defaultClientRect(probe, big);
    rect->left -= client.left;
    rect->top -= client.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rect->right += big.right - client.right;
    rect->bottom += big.bottom - client.bottom;
    return TRUE;
}

}  // extern "C"
