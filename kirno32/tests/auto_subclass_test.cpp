// Automatic subclassing: the creation hook, its per-thread records, the 32-record limit and compaction.
#include "kirno_fixture.h"

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

TEST_F(AutoSubclass, OnlyTheDialogsOwnFirstChildCounts) {
  ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
  HWND dialog = MakeDialog();
  HWND other = MakeParent();  // created next, but not the dialog's child
  EXPECT_FALSE(IsSubclassedDialog(dialog));
  EXPECT_EQ(g_kirno.pendingDialog, nullptr);
  MakeChild(dialog, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_FALSE(IsSubclassedDialog(dialog)) << "the chance has passed";
  MakeChild(other, "Button", WS_VISIBLE, 0, 0, 10, 10);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(other, GWLP_WNDPROC)), Ctl3dDlgProc);
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
