// The shipped DLL subclassing controls and dialogs explicitly, and automatically through its creation hook.
#include "shipped_fixture.h"

#include <thread>

namespace {

class ShippedSubclassing : public ShippedDll {
 protected:
  void SetUp() override {
    ShippedDll::SetUp();
    ASSERT_TRUE(kirno.Ctl3dRegister(caller_));
    ASSERT_TRUE(kirno.Ctl3dRegister(caller_));  // unregistering one hook owner keeps it enabled
  }
  WNDPROC Previous(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, "C3d")); }
};

TEST_F(ShippedSubclassing, EachControlKindGetsItsProcedure) {
  HWND parent = MakeParent();
  struct Case {
    const char* name;
    LPCSTR className;
    DWORD style;
    WNDPROC expected;  // null: refused
  };
  const Case cases[] = {
      {"push button", "Button", BS_PUSHBUTTON, kirno.BtnWndProc3d},
      {"auto radio button", "Button", BS_AUTORADIOBUTTON, kirno.BtnWndProc3d},
      {"owner-drawn button", "Button", BS_OWNERDRAW, nullptr},
      {"button with an extra style bit", "Button", BS_PUSHBUTTON | 0x0100 /* BS_LEFT */, nullptr},
      {"edit", "Edit", ES_LEFT, kirno.EditWndProc3d},
      {"list box", "ListBox", 0, kirno.ListWndProc3d},
      {"drop-down list", "ComboBox", CBS_DROPDOWNLIST, kirno.ComboWndProc3d},
      {"drop-down combo", "ComboBox", CBS_DROPDOWN, nullptr},
      {"static text", "Static", SS_LEFT, kirno.StaticWndProc3d},
      {"static frame", "Static", SS_BLACKFRAME, kirno.StaticWndProc3d},
      {"static icon", "Static", SS_ICON, nullptr},
      {"scroll bar", "ScrollBar", 0, nullptr},
  };
  int y = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND control = MakeChild(parent, c.className, WS_VISIBLE | c.style, 0, y++ * 2, 80, 21);
    ASSERT_NE(control, nullptr);
    const WNDPROC classProc = ProcedureOf(control);
    EXPECT_EQ(kirno.Ctl3dSubclassCtl(control), c.expected != nullptr);
    EXPECT_EQ(ProcedureOf(control), c.expected ? c.expected : classProc);
    EXPECT_EQ(Previous(control), c.expected ? classProc : nullptr) << "the property keeps the old procedure";
    EXPECT_FALSE(kirno.Ctl3dSubclassCtl(control)) << "subclassed twice";
  }
}

TEST_F(ShippedSubclassing, ComboBoxesHandTheirChildrenOver) {
  HWND parent = MakeParent();
  HWND simple = MakeChild(parent, "ComboBox", WS_VISIBLE | CBS_SIMPLE, 0, 0, 100, 80);
  HWND dropDown = MakeChild(parent, "ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 100, 100, 80);
  EXPECT_TRUE(kirno.Ctl3dSubclassCtl(simple));
  EXPECT_EQ(ProcedureOf(simple), kirno.ComboWndProc3d);
  HWND list = GetWindow(simple, GW_CHILD);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ProcedureOf(list), kirno.ListWndProc3d);
  EXPECT_EQ(ProcedureOf(GetWindow(list, GW_HWNDNEXT)), kirno.EditWndProc3d);

  EXPECT_FALSE(kirno.Ctl3dSubclassCtl(dropDown));
  EXPECT_NE(ProcedureOf(dropDown), kirno.ComboWndProc3d);
  EXPECT_EQ(ProcedureOf(GetWindow(dropDown, GW_CHILD)), kirno.EditWndProc3d);
}

TEST_F(ShippedSubclassing, DialogControlsByTypeThenTheDialogItself) {
  HWND dialog = MakeDialog();
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 20, 1);
  HWND edit = MakeChild(dialog, "Edit", WS_VISIBLE, 10, 40, 60, 20, 2);
  HWND label = MakeChild(dialog, "Static", WS_VISIBLE | SS_LEFT, 10, 70, 60, 20, 3);
  EXPECT_TRUE(kirno.Ctl3dSubclassDlg(dialog, KIRNO_TYPE_BUTTONS | KIRNO_TYPE_STATIC_TEXTS));
  EXPECT_EQ(ProcedureOf(button), kirno.BtnWndProc3d);
  EXPECT_NE(ProcedureOf(edit), kirno.EditWndProc3d) << "not of the types asked for";
  EXPECT_EQ(ProcedureOf(label), kirno.StaticWndProc3d);
  EXPECT_NE(ProcedureOf(dialog), kirno.Ctl3dDlgProc);

  EXPECT_TRUE(kirno.Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL));
  EXPECT_EQ(ProcedureOf(edit), kirno.EditWndProc3d);
  EXPECT_EQ(ProcedureOf(dialog), kirno.Ctl3dDlgProc);
  EXPECT_NE(Previous(dialog), nullptr);
  // The subclassed dialog answers its controls' colour messages with the face.
  HDC dc = GetDC(button);
  EXPECT_NE(SendMessageA(dialog, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)), 0);
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(button, dc);

  while (kirno.Ctl3dEnabled()) kirno.Ctl3dUnregister(caller_);
  EXPECT_FALSE(kirno.Ctl3dSubclassDlg(dialog, KIRNO_TYPE_ALL));
  EXPECT_FALSE(kirno.Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL));
}

// A modeless dialog from a template: a button, an edit field, a list box and a label.
HWND CreateSetupDialog(HINSTANCE instance) {
  DialogTemplate t(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 160, 100, "Setup");
  t.Item(0x0080, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 10, 50, 14, 1, "OK");
  t.Item(0x0081, WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 30, 80, 12, 2, "C:\\SETUP");
  t.Item(0x0083, WS_CHILD | WS_VISIBLE | WS_BORDER, 100, 10, 50, 40, 3, "");
  t.Item(0x0082, WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 50, 80, 10, 4, "Folder:");
  return CreateDialogIndirectParamA(instance, t.Get(), nullptr, nullptr, 0);
}

TEST_F(ShippedSubclassing, AutomaticSubclassingTakesEveryDialogOfTheThread) {
  ASSERT_TRUE(kirno.Ctl3dAutoSubclass(caller_));
  HWND dialog = CreateSetupDialog(caller_);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ProcedureOf(dialog), kirno.Ctl3dDlgProc);
  const std::pair<int, WNDPROC> controls[] = {
      {1, kirno.BtnWndProc3d}, {2, kirno.EditWndProc3d}, {3, kirno.ListWndProc3d}, {4, kirno.StaticWndProc3d}};
  for (const auto& [id, procedure] : controls) EXPECT_EQ(ProcedureOf(GetDlgItem(dialog, id)), procedure) << id;

  // Another thread has no hook of its own: its dialogs keep the standard look.
  bool otherSubclassed = true;
  std::thread other([&] {
    HWND plain = CreateSetupDialog(caller_);
    otherSubclassed = plain && ProcedureOf(plain) == kirno.Ctl3dDlgProc;
    DestroyWindow(plain);
  });
  other.join();
  EXPECT_FALSE(otherSubclassed);

  // Unregistering the hook's owner ends it; the library stays enabled for the other registration.
  kirno.Ctl3dUnregister(caller_);
  ASSERT_TRUE(kirno.Ctl3dEnabled());
  HWND later = CreateSetupDialog(caller_);
  EXPECT_NE(ProcedureOf(later), kirno.Ctl3dDlgProc);
  EXPECT_NE(ProcedureOf(GetDlgItem(later, 1)), kirno.BtnWndProc3d);
}

TEST_F(ShippedSubclassing, AtMostThirtyTwoHooks) {
  auto instance = [](int n) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(0x1000 + n)); };
  for (int i = 0; i < 32; ++i) ASSERT_TRUE(kirno.Ctl3dAutoSubclass(instance(i))) << i;
  EXPECT_FALSE(kirno.Ctl3dAutoSubclass(instance(32)));
  kirno.Ctl3dUnregister(instance(5));
  EXPECT_TRUE(kirno.Ctl3dAutoSubclass(instance(32)));
  // The hooks still work after the records moved down.
  HWND dialog = CreateSetupDialog(caller_);
  EXPECT_EQ(ProcedureOf(dialog), kirno.Ctl3dDlgProc);
}

}  // namespace
