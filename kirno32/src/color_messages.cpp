// Ctl3dCtlColorEx: answers the colour messages of controls that sit on the grey face.
#include "kirno_state.h"

extern "C" HBRUSH WINAPI Ctl3dCtlColorEx(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!g_kirno.enabled) return nullptr;
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
      return nullptr;
    case WM_CTLCOLORLISTBOX: {
      // Only the list of a combo box without an edit field sits on the face.
      HWND control = reinterpret_cast<HWND>(lParam);
      if (!GetWindow(control, GW_CHILD) || (GetWindowLongA(control, GWL_STYLE) & 3) == 3) return nullptr;
      break;
    }
    default:
      if (message < WM_CTLCOLORMSGBOX) return nullptr;
      break;
  }
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, g_kirno.colors[kColorButtonText]);
  SetBkColor(dc, g_kirno.colors[kColorFace]);
  return g_kirno.brushes[kBrushFace];
}
