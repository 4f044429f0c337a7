// Subclassing single windows and controls: the property, the class table and its acceptance tests.
#include "kirno_state.h"

namespace {

typedef BOOL (*AcceptTest)(HWND window, LONG style, WORD types);

BOOL AcceptAlways(HWND, LONG, WORD) { return TRUE; }

// Only the plain button kinds; owner-drawn buttons and any extra bit in the low word are left alone.
BOOL AcceptButton(HWND, LONG style, WORD) { return LOWORD(style) <= 9; }

// A simple combo box's border is drawn by its list and edit children; a drop-down combo box
// draws its own frame, so only its edit field gets the 3-D border.
BOOL AcceptComboBox(HWND window, LONG style, WORD) {
  switch (style & 3) {
    case 1: {  // simple
      HWND list = GetWindow(window, GW_CHILD);
      if (!list) return FALSE;
      KirnoSubclassControl(list, KIRNO_TYPE_LISTBOXES);
      HWND edit = GetWindow(list, GW_HWNDNEXT);
      if (edit) KirnoSubclassControl(edit, KIRNO_TYPE_EDITS);
      return TRUE;
    }
    case 2: {  // drop-down
      HWND edit = GetWindow(window, GW_CHILD);
      if (edit) KirnoSubclassControl(edit, KIRNO_TYPE_EDITS);
      return FALSE;
    }
    default:
      return TRUE;
  }
}

BOOL AcceptStatic(HWND, LONG style, WORD types) {
  LONG kind = style & 0xF;
  if (kind == 3) return FALSE;  // icons keep their own look
  if ((types & KIRNO_TYPE_STATIC_TEXTS) && (kind <= 2 || kind == 12)) return TRUE;
  if ((types & KIRNO_TYPE_STATIC_FRAMES) && kind >= 4 && kind <= 9) return TRUE;
  return FALSE;
}

struct ClassEntry {
  const char* name;
  WORD types;
  AcceptTest accept;
};

const ClassEntry kClassTable[kEntryCount] = {
    {"Button", KIRNO_TYPE_BUTTONS, AcceptButton},
    {"ListBox", KIRNO_TYPE_LISTBOXES, AcceptAlways},
    {"Edit", KIRNO_TYPE_EDITS, AcceptAlways},
    {"ComboBox", KIRNO_TYPE_COMBOS, AcceptComboBox},
    {"Static", KIRNO_TYPE_STATIC_TEXTS | KIRNO_TYPE_STATIC_FRAMES, AcceptStatic},
    {"ComboLBox", KIRNO_TYPE_LISTBOXES, AcceptAlways},
};

}  // namespace

LPCSTR KirnoPropertyName() { return MAKEINTATOM(g_kirno.propertyAtom); }

void KirnoSubclassWindow(HWND window, WNDPROC proc) {
  if (GetPropA(window, KirnoPropertyName())) return;
  SendMessageA(window, KIRNO_MSG_SUBCLASS, 0, 0);
  // The window may have subclassed itself in reply.
  if (GetPropA(window, KirnoPropertyName())) return;
  LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  SetPropA(window, KirnoPropertyName(), reinterpret_cast<HANDLE>(previous));
}

WNDPROC KirnoPreviousProc(HWND window, int entry) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetPropA(window, KirnoPropertyName()));
  if (previous) return previous;
  // A window whose class was registered with one of our procedures: reach the standard one.
  // Dialogs have no class record, and before registration there is none either; the
  // platform's default processing then stands in rather than a call through null.
  if (entry == kEntryDialog)
    previous = DefDlgProcA;
  else
    previous = g_kirno.classRecords[entry].classProc;
  if (!previous) return DefWindowProcA;
  SetPropA(window, KirnoPropertyName(), reinterpret_cast<HANDLE>(previous));
  return previous;
}

LRESULT KirnoDestroyWindow(HWND window, int entry, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = KirnoPreviousProc(window, entry);
  RemovePropA(window, KirnoPropertyName());
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

BOOL KirnoSubclassControl(HWND window, WORD types) {
  if (GetPropA(window, KirnoPropertyName())) return FALSE;
  char className[65] = {};
  GetClassNameA(window, className, sizeof className);
  for (int i = 0; i < kEntryCount; ++i) {
    const ClassEntry& entry = kClassTable[i];
    if (!(entry.types & types) || lstrcmpA(entry.name, className) != 0) continue;
    if (!entry.accept(window, GetWindowLongA(window, GWL_STYLE), types)) return FALSE;
    // After the last unregistration the class records are empty: leave the window as it is.
    if (g_kirno.classRecords[i].proc3d) KirnoSubclassWindow(window, g_kirno.classRecords[i].proc3d);
    return TRUE;
  }
  return FALSE;
}

extern "C" BOOL WINAPI Ctl3dSubclassCtl(HWND control) {
  if (!g_kirno.enabled) return FALSE;
  return KirnoSubclassControl(control, KIRNO_TYPE_ALL);
}

extern "C" BOOL WINAPI Ctl3dSubclassDlg(HWND dialog, WORD types) {
  if (!g_kirno.enabled) return FALSE;
  for (HWND child = GetWindow(dialog, GW_CHILD); child && IsChild(dialog, child);
       child = GetWindow(child, GW_HWNDNEXT))
    KirnoSubclassControl(child, types);
  return TRUE;
}

extern "C" BOOL WINAPI Ctl3dSubclassDlgEx(HWND dialog, DWORD types) {
  if (!Ctl3dSubclassDlg(dialog, LOWORD(types))) return FALSE;
  KirnoSubclassWindow(dialog, Ctl3dDlgProc);
  return TRUE;
}
