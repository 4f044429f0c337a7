// Subclassing single controls and dialogs: the class table, its acceptance tests, the property and the opt-out.
#include "kirno_fixture.h"

namespace {

class Subclassing : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    parent_ = MakeParent();
  }
  WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }
  HANDLE Property(HWND window) { return GetPropA(window, KirnoPropertyName()); }
  HWND parent_ = nullptr;
};

TEST_F(Subclassing, AcceptanceTable) {
  struct Case {
    const char* className;
    DWORD style;
    WORD types;
    BOOL accepted;
    WNDPROC proc;  // the procedure afterwards when accepted
  };
  const Case cases[] = {
      {"Button", BS_PUSHBUTTON, KIRNO_TYPE_ALL, TRUE, BtnWndProc3d},
      {"Button", BS_DEFPUSHBUTTON, KIRNO_TYPE_BUTTONS, TRUE, BtnWndProc3d},
      {"Button", BS_AUTORADIOBUTTON, KIRNO_TYPE_ALL, TRUE, BtnWndProc3d},
      {"Button", BS_GROUPBOX, KIRNO_TYPE_ALL, TRUE, BtnWndProc3d},
      {"Button", BS_OWNERDRAW, KIRNO_TYPE_ALL, FALSE, nullptr},
      {"Button", BS_CHECKBOX | BS_LEFTTEXT, KIRNO_TYPE_ALL, FALSE, nullptr},
      {"Button", BS_CHECKBOX | 0x8000, KIRNO_TYPE_ALL, FALSE, nullptr},
      {"Button", BS_PUSHBUTTON, KIRNO_TYPE_EDITS, FALSE, nullptr},
      {"ListBox", LBS_NOTIFY, KIRNO_TYPE_LISTBOXES, TRUE, ListWndProc3d},
      {"ListBox", 0, KIRNO_TYPE_BUTTONS | KIRNO_TYPE_EDITS, FALSE, nullptr},
      {"Edit", ES_AUTOHSCROLL, KIRNO_TYPE_ALL, TRUE, EditWndProc3d},
      {"ComboBox", CBS_DROPDOWNLIST, KIRNO_TYPE_COMBOS, TRUE, ComboWndProc3d},
      {"Static", SS_LEFT, KIRNO_TYPE_STATIC_TEXTS, TRUE, StaticWndProc3d},
      {"Static", SS_CENTER, KIRNO_TYPE_ALL, TRUE, StaticWndProc3d},
      {"Static", SS_LEFTNOWORDWRAP, KIRNO_TYPE_STATIC_TEXTS, TRUE, StaticWndProc3d},
      {"Static", SS_LEFT, KIRNO_TYPE_STATIC_FRAMES, FALSE, nullptr},
      {"Static", SS_ICON, KIRNO_TYPE_ALL, FALSE, nullptr},
      {"Static", SS_BLACKFRAME, KIRNO_TYPE_STATIC_TEXTS, FALSE, nullptr},
      {"Static", SS_BLACKFRAME, KIRNO_TYPE_STATIC_FRAMES, TRUE, StaticWndProc3d},
      {"Static", SS_WHITERECT, KIRNO_TYPE_ALL, TRUE, StaticWndProc3d},
      {"Static", SS_SIMPLE, KIRNO_TYPE_ALL, FALSE, nullptr},
      {"KirnoTestParent", 0, KIRNO_TYPE_ALL, FALSE, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.className << " style " << std::hex << c.style << " types " << c.types);
    HWND control = MakeChild(parent_, c.className, WS_VISIBLE | c.style, 0, 0, 60, 20);
    ASSERT_NE(control, nullptr);
    WNDPROC before = ProcOf(control);
    EXPECT_EQ(KirnoSubclassControl(control, c.types), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(ProcOf(control), c.proc);
      EXPECT_EQ(reinterpret_cast<WNDPROC>(Property(control)), before);
    } else {
      EXPECT_EQ(ProcOf(control), before);
      EXPECT_EQ(Property(control), nullptr);
    }
    DestroyWindow(control);
  }
}

TEST_F(Subclassing, DropDownComboBoxLeavesItselfAloneButNotItsEditField) {
  HWND combo = MakeChild(parent_, "ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 0, 100, 20);
  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(edit, nullptr);
  WNDPROC comboProc = ProcOf(combo);
  EXPECT_FALSE(Ctl3dSubclassCtl(combo));
  EXPECT_EQ(ProcOf(combo), comboProc);
  EXPECT_EQ(ProcOf(edit), EditWndProc3d);
}

TEST_F(Subclassing, SimpleComboBoxHandsItsBordersToItsChildren) {
  HWND combo = MakeChild(parent_, "ComboBox", WS_VISIBLE | CBS_SIMPLE, 0, 0, 100, 80);
  HWND list = GetWindow(combo, GW_CHILD);
  ASSERT_NE(list, nullptr);
  HWND edit = GetWindow(list, GW_HWNDNEXT);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(Ctl3dSubclassCtl(combo));
  EXPECT_EQ(ProcOf(combo), ComboWndProc3d);
  EXPECT_EQ(ProcOf(list), ListWndProc3d);
  EXPECT_EQ(ProcOf(edit), EditWndProc3d);
}

TEST_F(Subclassing, NeverTwice) {
  HWND button = MakeChild(parent_, "Button", WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 20);
  EXPECT_TRUE(Ctl3dSubclassCtl(button));
  HANDLE original = Property(button);
  EXPECT_FALSE(Ctl3dSubclassCtl(button));
  EXPECT_EQ(Property(button), original) << "the first previous procedure is kept";
}

TEST_F(Subclassing, RefusedWhileDisabled) {
  HWND button = MakeChild(parent_, "Button", WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 20);
  Ctl3dUnregister(caller_);
  EXPECT_FALSE(Ctl3dSubclassCtl(button));
  EXPECT_FALSE(Ctl3dSubclassDlg(parent_, KIRNO_TYPE_ALL));
  EXPECT_FALSE(Ctl3dSubclassDlgEx(parent_, KIRNO_TYPE_ALL));
  EXPECT_EQ(Property(button), nullptr);
}

// A window that subclasses itself when told it is about to be: the library notices the property.
LRESULT CALLBACK SelfSubclassingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC standard = reinterpret_cast<WNDPROC>(GetPropA(window, "standard"));
  if (message == KIRNO_MSG_SUBCLASS) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BtnWndProc3d));
    SetPropA(window, KirnoPropertyName(), reinterpret_cast<HANDLE>(standard));
    return 0;
  }
  return CallWindowProcA(standard, window, message, wParam, lParam);
}

TEST_F(Subclassing, WindowMaySubclassItselfInReply) {
  HWND button = MakeChild(parent_, "Button", WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 20);
  SetPropA(button, "standard", reinterpret_cast<HANDLE>(GetWindowLongPtrA(button, GWLP_WNDPROC)));
  SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SelfSubclassingProc));
  EXPECT_TRUE(Ctl3dSubclassCtl(button));
  EXPECT_EQ(ProcOf(button), BtnWndProc3d);
  EXPECT_EQ(Property(button), GetPropA(button, "standard")) << "not replaced by SelfSubclassingProc";
}

TEST_F(Subclassing, DialogWalkCoversEveryChildOfTheGivenTypes) {
  HWND dialog = MakeDialog();
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_CHECKBOX, 0, 0, 60, 20);
  HWND edit = MakeChild(dialog, "Edit", WS_VISIBLE, 0, 30, 60, 20);
  HWND text = MakeChild(dialog, "Static", WS_VISIBLE | SS_LEFT, 0, 60, 60, 20);
  HWND grandchild = MakeChild(text, "Button", WS_VISIBLE | BS_CHECKBOX, 0, 0, 10, 10);
  EXPECT_TRUE(Ctl3dSubclassDlg(dialog, KIRNO_TYPE_BUTTONS | KIRNO_TYPE_STATIC_TEXTS));
  EXPECT_EQ(ProcOf(button), BtnWndProc3d);
  EXPECT_EQ(Property(edit), nullptr);
  EXPECT_EQ(ProcOf(text), StaticWndProc3d);
  EXPECT_EQ(Property(grandchild), nullptr) << "only the dialog's own children";
  EXPECT_EQ(Property(dialog), nullptr);

  EXPECT_TRUE(Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_EDITS));
  EXPECT_EQ(ProcOf(edit), EditWndProc3d);
  EXPECT_EQ(ProcOf(dialog), Ctl3dDlgProc);
}

// A control created from a class whose procedure is ours still reaches the standard procedure.
TEST_F(Subclassing, ClassMadeWithOurProcedureReachesTheStandardOne) {
  WNDCLASSA own = {};
  own.lpfnWndProc = BtnWndProc3d;
  own.hInstance = caller_;
  own.lpszClassName = "Button3d";
  ASSERT_TRUE(RegisterClassA(&own));
  HWND button = CreateWindowExA(0, "Button3d", "Go", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 0, 0, 60, 20, parent_,
                                nullptr, caller_, nullptr);
  ASSERT_NE(button, nullptr);
  SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(Property(button)), g_kirno.classRecords[kEntryButton].classProc);
}

// Before registration nothing is known of the standard procedures: the platform's default
// processing stands in rather than a call through a null procedure.
TEST_F(Subclassing, ClassMadeWithOurProcedureBeforeRegistration) {
  Ctl3dUnregister(caller_);
  KirnoResetState();
  WNDCLASSA own = {};
  own.lpfnWndProc = StaticWndProc3d;
  own.hInstance = caller_;
  own.lpszClassName = "EarlyStatic";
  ASSERT_TRUE(RegisterClassA(&own));
  HWND text = CreateWindowExA(0, "EarlyStatic", "Early", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, parent_, nullptr,
                              caller_, nullptr);
  ASSERT_NE(text, nullptr);
  char buffer[16] = {};
  GetWindowTextA(text, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "Early");
  EXPECT_TRUE(DestroyWindow(text));
}

// Below our procedure: notes whether the property was still there when WM_NCDESTROY arrived.
HANDLE g_propertyAtDestroy = nullptr;
int g_destroySeen = 0;
LRESULT CALLBACK DestroySpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC standard = reinterpret_cast<WNDPROC>(GetPropA(window, "standard"));
  if (message == WM_NCDESTROY) {
    ++g_destroySeen;
    g_propertyAtDestroy = GetPropA(window, KirnoPropertyName());
    RemovePropA(window, "standard");
  }
  return CallWindowProcA(standard, window, message, wParam, lParam);
}

TEST_F(Subclassing, PropertyIsRemovedOnDestruction) {
  struct Case {
    const char* className;
    bool removedBeforePassingOn;  // edit fields and combo boxes pass the message on first
  };
  const Case cases[] = {{"Button", true}, {"Static", true}, {"ListBox", true}, {"Edit", false}, {"ComboBox", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    HWND control = MakeChild(parent_, c.className, WS_VISIBLE, 0, 0, 60, 20);
    SetPropA(control, "standard", reinterpret_cast<HANDLE>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DestroySpyProc));
    ASSERT_TRUE(Ctl3dSubclassCtl(control));
    g_destroySeen = 0;
    EXPECT_TRUE(DestroyWindow(control));
    EXPECT_EQ(g_destroySeen, 1);
    EXPECT_EQ(g_propertyAtDestroy == nullptr, c.removedBeforePassingOn);
  }
}

}  // namespace
