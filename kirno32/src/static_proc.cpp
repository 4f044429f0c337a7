// StaticWndProc3d: static texts, rectangles and frames, painted entirely by the library.
#include "kirno_state.h"

namespace {

void ClipToClient(HWND window, HDC dc) {
  RECT r;
  GetClientRect(window, &r);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace

extern "C" LRESULT CALLBACK StaticWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENABLE: {
      HDC dc = GetDC(window);
      ClipToClient(window, dc);
      PaintStatic(window, dc);
      ReleaseDC(window, dc);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = reinterpret_cast<HDC>(wParam);
      BOOL begun = dc == nullptr;
      if (begun) {
        dc = BeginPaint(window, &paint);
        ClipToClient(window, dc);
      }
      PaintStatic(window, dc);
      if (begun) EndPaint(window, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      return KirnoDestroyWindow(window, kEntryStatic, message, wParam, lParam);
    default:
      return CallWindowProcA(KirnoPreviousProc(window, kEntryStatic), window, message, wParam, lParam);
  }
}
