// BtnWndProc3d: buttons keep their standard behaviour but are painted entirely by the library.
#include "kirno_state.h"

namespace {

const UINT kNoParts = 0xFFFFFFFFu;

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(KirnoPreviousProc(window, kEntryButton), window, message, wParam, lParam);
}

UINT ButtonKind(HWND window) { return static_cast<UINT>(GetWindowLongA(window, GWL_STYLE)) & 0x1F; }

BOOL IsVisible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// The parts of the button a state-changing message repaints, or kNoParts for other messages.
UINT PartsFor(HWND window, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SETFOCUS:
      return wParam ? kPartLabel | kPartImage : kPartErase | kPartLabel | kPartImage;
    case WM_KILLFOCUS:
      return 0;
    case WM_ENABLE:
      return kPartLabel | kPartImage;
    case WM_SETTEXT:
      if (ButtonKind(window) == BS_GROUPBOX && IsVisible(window)) return kPartCaptionStrip | kPartLabel;
      // The erase wipes the image too, so it is painted again with the new label.
      return kPartErase | kPartLabel | kPartImage;
    case BM_SETCHECK:
    case BM_SETSTATE:
      return kPartImage;
    default:
      return kNoParts;
  }
}

// The standard procedure runs with the button hidden, so that it paints nothing; the
// library then repaints only what changed.
LRESULT ChangeState(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT parts) {
  UINT oldState = static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));
  if (!IsVisible(window)) return CallPrevious(window, message, wParam, lParam);

  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_VISIBLE);
  LRESULT result = CallPrevious(window, message, wParam, lParam);
  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_VISIBLE);
  UINT newState = static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));

  BOOL stateMessage = message == BM_SETCHECK || message == BM_SETSTATE;
  if (stateMessage && oldState == newState) return result;

  UINT changed = oldState ^ newState;
  UINT paint = (changed & kPartFocus) | parts | ((changed & 3) ? kPartImage : 0);
  HDC dc = GetDC(window);
  ExcludeUpdateRgn(dc, window);
  PaintButton(window, dc, paint);
  ReleaseDC(window, dc);
  return result;
}

LRESULT Paint(HWND window, WPARAM wParam) {
  UINT state = static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));
  PAINTSTRUCT paint;
  HDC dc = reinterpret_cast<HDC>(wParam);
  BOOL begun = dc == nullptr;
  if (begun) dc = BeginPaint(window, &paint);
  if (IsVisible(window)) PaintButton(window, dc, (state & kPartFocus) | kPartLabel | kPartImage);
  if (begun) EndPaint(window, &paint);
  return 0;
}

}  // namespace

extern "C" LRESULT CALLBACK BtnWndProc3d(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) return Paint(window, wParam);
  if (message == WM_NCDESTROY) return KirnoDestroyWindow(window, kEntryButton, message, wParam, lParam);

  UINT parts = PartsFor(window, message, wParam);
  if (parts == kNoParts) return CallPrevious(window, message, wParam, lParam);
  // An automatic radio button lets go of its pushed look when the focus leaves it.
  if (message == WM_KILLFOCUS && ButtonKind(window) == BS_AUTORADIOBUTTON)
    SendMessageA(window, BM_SETSTATE, 0, 0);
  return ChangeState(window, message, wParam, lParam, parts);
}
