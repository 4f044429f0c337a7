// Helpers shared by the system control procedures.
#pragma once

#include "gdi_state.h"
#include "window.h"

namespace win32 {

// The brush a control paints its background with: the answer of its parent (or owner) to the
// colour message, else the default answer.
HBRUSH controlBrush(HWND hwnd, HDC hdc, UINT colorMessage);

// A DC the control paints with itself, outside BeginPaint; no failure injection applies to it.
struct ControlDC {
    explicit ControlDC(HWND hwnd);
    ~ControlDC();
    ControlDC(const ControlDC&) = delete;
    ControlDC& operator=(const ControlDC&) = delete;
    HDC hdc;
};

// Runs paint(hdc) for WM_PAINT: into the DC in wParam, or between BeginPaint and EndPaint.
template <typename F>
LRESULT handlePaint(HWND hwnd, WPARAM wParam, F paint) {
    if (wParam) {
        paint((HDC)wParam);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) paint(hdc);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace win32
