// EditWndProc3d and ComboWndProc3d: the control paints itself, then the library adds its sunken border.
#include "kirno_state.h"

namespace {

LRESULT BorderedProc(int entry, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(KirnoPreviousProc(window, entry), window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      // A simple combo box's children carry the borders.
      if (!(entry == kEntryComboBox && (GetWindowLongA(window, GWL_STYLE) & 3) == CBS_SIMPLE))
        DrawControlBorder(window, TRUE, entry);
      break;
    case WM_SHOWWINDOW:
      if (g_kirno.windowsVersion < 0x030A && wParam == 0) InvalidateBorder(window, nullptr);
      break;
    case WM_WINDOWPOSCHANGING:
      if (g_kirno.windowsVersion >= 0x030A) InvalidateBorder(window, reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_NCDESTROY:
      RemovePropA(window, KirnoPropertyName());
      break;
  }
  return result;
}

}  // namespace

extern "C" LRESULT CALLBACK EditWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return BorderedProc(kEntryEdit, window, message, wParam, lParam);
}

extern "C" LRESULT CALLBACK ComboWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return BorderedProc(kEntryComboBox, window, message, wParam, lParam);
}
