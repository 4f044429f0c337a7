// Automatic subclassing: a per-thread creation hook that subclasses each dialog when its first child appears.
#include "kirno_state.h"

namespace {

// The record of the calling thread, through the cache when it still names this thread.
KirnoHookRecord* RecordOfThread(DWORD thread) {
  if (g_kirno.cachedThread == thread && g_kirno.cachedIndex >= 0 &&
      g_kirno.cachedIndex < g_kirno.hookCount)
    return &g_kirno.hookRecords[g_kirno.cachedIndex];
  for (int i = 0; i < g_kirno.hookCount; ++i) {
    if (g_kirno.hookRecords[i].threadId == thread) {
      g_kirno.cachedThread = thread;
      g_kirno.cachedIndex = i;
      return &g_kirno.hookRecords[i];
    }
  }
  return nullptr;
}

BOOL IsDialogWindow(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

// A dialog's procedure is replaced only once its first control is being created, so that the
// dialog can still decline in its own KIRNO_MSG_SUBCLASS handling by then.
void OnCreateWindow(HWND window, const CBT_CREATEWNDA* create) {
  if (IsDialogWindow(window)) {
    g_kirno.pendingDialog = window;
    return;
  }
  HWND dialog = g_kirno.pendingDialog;
  if (!dialog) return;
  int wanted = 1;
  SendMessageA(dialog, KIRNO_MSG_SUBCLASS, 0, reinterpret_cast<LPARAM>(&wanted));
  HWND parent = create && create->lpcs ? create->lpcs->hwndParent : GetParent(window);
  if (wanted && parent == dialog) KirnoSubclassWindow(dialog, Ctl3dDlgProc);
  g_kirno.pendingDialog = nullptr;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND)
    OnCreateWindow(reinterpret_cast<HWND>(wParam), reinterpret_cast<const CBT_CREATEWNDA*>(lParam));
  KirnoHookRecord* record = RecordOfThread(GetCurrentThreadId());
  if (!record) return 0;
  return CallNextHookEx(record->hook, code, wParam, lParam);
}

}  // namespace

extern "C" BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE instance) {
  if (g_kirno.windowsVersion < 0x030A || !g_kirno.enabled || g_kirno.hookCount >= kMaxHookRecords)
    return FALSE;
  DWORD thread = GetCurrentThreadId();
  HHOOK hook = SetWindowsHookExA(WH_CBT, CreationHook, g_kirno.moduleInstance, thread);
  if (!hook) return FALSE;
  int index = g_kirno.hookCount++;
  g_kirno.hookRecords[index] = KirnoHookRecord{instance, thread, hook};
  g_kirno.cachedThread = thread;
  g_kirno.cachedIndex = index;
  return TRUE;
}

void KirnoRemoveHookFor(HINSTANCE instance) {
  int found = -1;
  for (int i = 0; i < g_kirno.hookCount && found < 0; ++i)
    if (g_kirno.hookRecords[i].instance == instance) found = i;
  if (found < 0) return;

  UnhookWindowsHookEx(g_kirno.hookRecords[found].hook);
  for (int i = found; i + 1 < g_kirno.hookCount; ++i) g_kirno.hookRecords[i] = g_kirno.hookRecords[i + 1];
  --g_kirno.hookCount;
  g_kirno.hookRecords[g_kirno.hookCount] = KirnoHookRecord{};

  // The cache must follow the records it names: the removed one is gone, later ones moved down.
  if (g_kirno.cachedIndex == found) {
    g_kirno.cachedThread = 0;
    g_kirno.cachedIndex = -1;
  } else if (g_kirno.cachedIndex > found) {
    --g_kirno.cachedIndex;
  }
}
