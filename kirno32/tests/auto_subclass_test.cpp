// Automatic subclassing: the creation hook, its per-thread records, the 32-record limit and compaction.
#include "kirno_fixture.h"

#include <algorithm>
#include <thread>

namespace {

class AutoSubclass : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    // Several registrations, so that unregistering single hook owners keeps the library enabled.
    for (int i = 0; i < 3; ++i) Register();
  }
  bool IsSubclassedDialog(HWND dialog) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(dialog, GWLP_WNDPROC)) == Ctl3dDlgProc;
  }
  HINSTANCE Instance(int n) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(0x1000 + n)); }
};

TEST_F(AutoSubclass, DialogIsSubclassedWhenItsFirstChildIsCreated) {
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
  HWND dialog = MakeDialog();
  EXPECT_FALSE(IsSubclassedDialog(dialog)) << "not before its first control";
  EXPECT_EQ(g_kirno.pendingDialog, dialog);
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 20);
  EXPECT_TRUE(IsSubclassedDialog(dialog));
  EXPECT_EQ(g_kirno.pendingDialog, nullptr);
  EXPECT_EQ(GetPropA(button, KirnoPropertyName()), nullptr) << "controls wait for WM_INITDIALOG";

  SendMessageA(dialog, WM_INITDIALOG, 0, 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), BtnWndProc3d);
}

std::vector<LPARAM> g_announcements;  // lParam of each 0x11F0 the dialog received
INT_PTR CALLBACK AnnouncedDialogProc(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == KIRNO_MSG_SUBCLASS) g_announcements.push_back(lParam);
  return FALSE;
}

// The window created right after a dialog decides: only the dialog's own child subclasses it, and
// whatever it is, the dialog is asked (with a flag to clear) and is pending no more.
TEST_F(AutoSubclass, OnlyTheDialogsOwnFirstChildCounts) {
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
  HWND dialog = MakeDialog();
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(AnnouncedDialogProc));
  g_announcements.clear();
  HWND other = MakeParent();  // created next, but not the dialog's child
  EXPECT_EQ(g_kirno.pendingDialog, nullptr);
  ASSERT_EQ(g_announcements.size(), 1u) << "asked even though the window is not its child";
  EXPECT_NE(g_announcements[0], 0);
  EXPECT_FALSE(IsSubclassedDialog(dialog));
  EXPECT_EQ(GetPropA(dialog, KirnoPropertyName()), nullptr);

  MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_FALSE(IsSubclassedDialog(dialog)) << "the chance has passed";
  EXPECT_EQ(g_announcements.size(), 1u);
  MakeChild(other, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_EQ(GetPropA(other, KirnoPropertyName()), nullptr) << "a plain window is never pending";
}

// A second dialog created before the first has a child takes its place.
TEST_F(AutoSubclass, ALaterDialogReplacesThePendingOne) {
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
  HWND first = MakeDialog();
  HWND second = MakeDialog();
  EXPECT_EQ(g_kirno.pendingDialog, second);
  MakeChild(second, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_TRUE(IsSubclassedDialog(second));
  EXPECT_FALSE(IsSubclassedDialog(first));
}

// Another creation hook of the same thread keeps receiving its events, and its veto reaches
// CreateWindow through the library's hook.
std::vector<int> g_otherHookCodes;
LRESULT CALLBACK OtherCbtHook(int code, WPARAM wParam, LPARAM lParam) {
  g_otherHookCodes.push_back(code);
  if (code == HCBT_CREATEWND) {
    const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    const char* name = create->lpcs->lpszName;
    if (name && !IS_INTRESOURCE(name) && lstrcmpA(name, "veto") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(AutoSubclass, AnotherHookOfTheThreadStillReceivesEventsAndMayVeto) {
  HHOOK other = SetWindowsHookExA(WH_CBT, OtherCbtHook, caller_, GetCurrentThreadId());
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));  // installed last: called first
  g_otherHookCodes.clear();
  HWND dialog = MakeDialog();
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(IsSubclassedDialog(dialog));
  EXPECT_EQ(std::count(g_otherHookCodes.begin(), g_otherHookCodes.end(), HCBT_CREATEWND), 2);
  SetFocus(button);
  EXPECT_EQ(std::count(g_otherHookCodes.begin(), g_otherHookCodes.end(), HCBT_SETFOCUS), 1);

  EXPECT_EQ(CreateWindowExA(0, "Button", "veto", WS_CHILD, 0, 0, 10, 10, dialog, nullptr, caller_, nullptr), nullptr);
  EXPECT_NE(CreateWindowExA(0, "Button", "fine", WS_CHILD, 0, 0, 10, 10, dialog, nullptr, caller_, nullptr), nullptr);
  UnhookWindowsHookEx(other);
}

INT_PTR CALLBACK DecliningDialogProc(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == KIRNO_MSG_SUBCLASS && lParam) {
    *reinterpret_cast<int*>(lParam) = 0;
    return TRUE;
  }
  return FALSE;
}

TEST_F(AutoSubclass, DialogThatClearsTheFlagKeepsItsLook) {
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
  HWND dialog = MakeDialog();
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(DecliningDialogProc));
  MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_FALSE(IsSubclassedDialog(dialog));
  EXPECT_EQ(GetPropA(dialog, KirnoPropertyName()), nullptr);
}

TEST_F(AutoSubclass, AtMostThirtyTwoRecords) {
  for (int i = 0; i < kMaxHookRecords; ++i) ASSERT_TRUE(Ctl3dAutoSubclass(Instance(i))) << i;
  EXPECT_FALSE(Ctl3dAutoSubclass(Instance(32)));
  EXPECT_EQ(g_kirno.hookCount, kMaxHookRecords);
  Ctl3dUnregister(Instance(5));
  EXPECT_TRUE(Ctl3dAutoSubclass(Instance(32)));
}

TEST_F(AutoSubclass, RefusedWhileDisabledOrWhenTheHookFails) {
  Win32Test_FailAfter(WIN32TEST_FAIL_HOOK, 0);
  EXPECT_FALSE(Ctl3dAutoSubclass(caller_));
  EXPECT_EQ(g_kirno.hookCount, 0);
  for (int i = 0; i < 3; ++i) Ctl3dUnregister(caller_);
  EXPECT_FALSE(Ctl3dAutoSubclass(caller_));
}

TEST_F(AutoSubclass, UnregisterCompactsTheRecordsAndKeepsTheCacheTrue) {
  ASSERT_TRUE(Ctl3dAutoSubclass(Instance(0)));
  ASSERT_TRUE(Ctl3dAutoSubclass(Instance(1)));
  ASSERT_TRUE(Ctl3dAutoSubclass(Instance(2)));
  HHOOK last = g_kirno.hookRecords[2].hook;
  EXPECT_EQ(g_kirno.cachedIndex, 2);

  Ctl3dUnregister(Instance(1));
  ASSERT_EQ(g_kirno.hookCount, 2);
  EXPECT_EQ(g_kirno.hookRecords[0].instance, Instance(0));
  EXPECT_EQ(g_kirno.hookRecords[1].instance, Instance(2));
  EXPECT_EQ(g_kirno.hookRecords[1].hook, last);
  EXPECT_EQ(g_kirno.cachedIndex, 1) << "follows its record down";

  Ctl3dUnregister(Instance(2));  // the cached record itself
  ASSERT_EQ(g_kirno.hookCount, 1);
  EXPECT_EQ(g_kirno.cachedIndex, -1);

  // The remaining hook still works and is found again.
  HWND dialog = MakeDialog();
  MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_TRUE(IsSubclassedDialog(dialog));
  EXPECT_EQ(g_kirno.cachedIndex, 0);
  EXPECT_EQ(g_kirno.cachedThread, GetCurrentThreadId());

  Ctl3dUnregister(Instance(0));
  EXPECT_EQ(g_kirno.hookCount, 0);
  HWND later = MakeDialog();
  MakeChild(later, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_FALSE(IsSubclassedDialog(later)) << "no hook left";
}

TEST_F(AutoSubclass, UnknownInstanceRemovesNothing) {
  ASSERT_TRUE(Ctl3dAutoSubclass(Instance(0)));
  Ctl3dUnregister(Instance(7));
  EXPECT_EQ(g_kirno.hookCount, 1);
}

TEST_F(AutoSubclass, EachThreadFindsItsOwnRecord) {
  ASSERT_TRUE(Ctl3dAutoSubclass(Instance(0)));
  DWORD otherThread = 0;
  bool otherSubclassed = false;
  std::thread worker([&] {
    otherThread = GetCurrentThreadId();
    ASSERT_TRUE(Ctl3dAutoSubclass(Instance(1)));
    HWND dialog = MakeDialog();
    MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
    otherSubclassed = IsSubclassedDialog(dialog);
  });
  worker.join();
  EXPECT_TRUE(otherSubclassed);
  ASSERT_EQ(g_kirno.hookCount, 2);
  EXPECT_EQ(g_kirno.hookRecords[1].threadId, otherThread);
  EXPECT_EQ(g_kirno.cachedThread, otherThread);

  HWND dialog = MakeDialog();
  MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_TRUE(IsSubclassedDialog(dialog));
  EXPECT_EQ(g_kirno.cachedThread, GetCurrentThreadId());
  EXPECT_EQ(g_kirno.cachedIndex, 0);
}

}  // namespace
