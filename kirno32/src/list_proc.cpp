// ListWndProc3d: list boxes and combo-box lists, with the sunken border around them.
#include "kirno_state.h"

namespace {

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(KirnoPreviousProc(window, kEntryListBox), window, message, wParam, lParam);
}

// Older platforms leave the border below a shrinking list unpainted. The record's rectangles are
// in the parent's client coordinates (a list box is a child), so the current window rectangle is
// brought into that frame before the two are compared.
LRESULT CalcSize(HWND window, WPARAM wParam, LPARAM lParam) {
  // A top-level list has no parent area that its border could have painted in.
  HWND parent = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
  RECT bounds;
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  LRESULT result = CallPrevious(window, WM_NCCALCSIZE, wParam, lParam);
  RECT client = reinterpret_cast<const NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
  InflateRect(&client, 2, 1);
  if (parent && client.bottom < bounds.bottom) {
    RECT strip = {client.left, client.bottom + 1, client.right, bounds.bottom + 1};
    InvalidateRect(parent, &strip, TRUE);
  }
  return result;
}

}  // namespace

extern "C" LRESULT CALLBACK ListWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      LRESULT result = CallPrevious(window, message, wParam, lParam);
      DrawControlBorder(window, FALSE, kEntryListBox);
      return result;
    }
    case WM_SHOWWINDOW:
      if (g_kirno.windowsVersion < 0x030A && wParam == 0) InvalidateBorder(window, nullptr);
      break;
    case WM_WINDOWPOSCHANGING:
      if (g_kirno.windowsVersion >= 0x030A) InvalidateBorder(window, reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_NCDESTROY:
      return KirnoDestroyWindow(window, kEntryListBox, message, wParam, lParam);
    case WM_NCCALCSIZE:
      if (g_kirno.windowsVersion < 0x030A && lParam) return CalcSize(window, wParam, lParam);
      break;
  }
  return CallPrevious(window, message, wParam, lParam);
}
