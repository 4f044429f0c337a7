// Ctl3dDlgProc: the procedure given to subclassed dialogs.
#include "kirno_state.h"

namespace {

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(KirnoPreviousProc(window, kEntryDialog), window, message, wParam, lParam);
}

// The dialog's own dialog procedure may colour its controls itself; a brush it returns wins.
// The slot may hold a handle rather than the procedure's address, so it is called only through
// CallWindowProc.
LRESULT ColorMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC));
  if (own) {
    LRESULT answer = CallWindowProcA(own, window, message, wParam, lParam);
    if (answer != 0 && answer != 1) return answer;
  }
  HBRUSH brush = Ctl3dCtlColorEx(message, wParam, lParam);
  if (brush) return reinterpret_cast<LRESULT>(brush);
  return CallPrevious(window, message, wParam, lParam);
}

}  // namespace

extern "C" LRESULT CALLBACK Ctl3dDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
      return Ctl3dDlgFramePaint(window, message, wParam, lParam);
    case WM_NCDESTROY:
      return KirnoDestroyWindow(window, kEntryDialog, message, wParam, lParam);
    case WM_INITDIALOG: {
      LRESULT result = CallPrevious(window, message, wParam, lParam);
      Ctl3dSubclassDlg(window, KIRNO_TYPE_ALL);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return ColorMessage(window, message, wParam, lParam);
      return CallPrevious(window, message, wParam, lParam);
  }
}
