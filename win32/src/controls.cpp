// Helpers shared by the system control procedures.
#include "controls.h"

namespace win32 {

HBRUSH controlBrush(HWND hwnd, HDC hdc, UINT colorMessage) {
    Window* w = findWindow(hwnd);
    HWND target = nullptr;
    if (w) target = (w->style & WS_CHILD) ? w->parent : w->owner;
    HBRUSH brush = nullptr;
    if (target && findWindow(target)) brush = (HBRUSH)SendMessageA(target, colorMessage, (WPARAM)hdc, (LPARAM)hwnd);
    if (!brush) brush = (HBRUSH)DefWindowProcA(hwnd, colorMessage, (WPARAM)hdc, (LPARAM)hwnd);
    return brush;
}

ControlDC::ControlDC(HWND hwnd) : hdc(createDC(DeviceContext::Kind::Client, hwnd)) {}

ControlDC::~ControlDC() {
    if (DeviceContext* dc = findDC(hdc)) destroyDC(*dc);
}

}  // namespace win32
