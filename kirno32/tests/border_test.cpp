// Sunken borders of edit fields, list boxes and combo boxes, painted in the parent, and their invalidation.
#include "kirno_fixture.h"

namespace {

class Borders : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    parent_ = MakeParent(200, 150);
  }
  // A control at (20, 20), 60 x 20, subclassed and painted over a sentinel parent.
  HWND Painted(LPCSTR className, DWORD style, HWND parent = nullptr) {
    HWND control = MakeChild(parent ? parent : parent_, className, WS_VISIBLE | style, 20, 20, 60, 20);
    Ctl3dSubclassCtl(control);
    Win32Test_FillWindow(parent ? parent : parent_, WIN32TEST_UNPAINTED);
    SendMessageA(control, WM_PAINT, 0, 0);
    return control;
  }
  HWND parent_ = nullptr;
};

std::string Repeat(char c, int n) { return std::string(n, c); }

// Inner ring on (20, 20)-(80, 40): black top and left, face bottom and right; outer ring one
// pixel outside: shadow top and left, highlight bottom and right.
TEST_F(Borders, FourSunkenEdgesWithoutScrollBars) {
  for (const char* className : {"Edit", "ListBox"}) {
    SCOPED_TRACE(className);
    HWND control = Painted(className, 0);
    EXPECT_EQ(Row(parent_, 19, 18, 82), "." + Repeat('d', 61) + "w" + ".");
    EXPECT_EQ(Row(parent_, 20, 18, 82), ".d" + Repeat('k', 59) + "gw.");
    EXPECT_EQ(Row(parent_, 30, 18, 82), ".dk" + Repeat('w', 58) + "gw.") << "the control's own face inside";
    EXPECT_EQ(Row(parent_, 39, 18, 82), ".d" + Repeat('g', 60) + "w.");
    EXPECT_EQ(Row(parent_, 40, 18, 82), "." + Repeat('w', 62) + ".");
    DestroyWindow(control);
  }
}

TEST_F(Borders, VerticalScrollBarLeavesOutTheRightEdges) {
  Painted("Edit", WS_VSCROLL);
  EXPECT_EQ(Row(parent_, 19, 18, 82), "." + Repeat('d', 62) + ".");
  EXPECT_EQ(Row(parent_, 30, 18, 82), ".dk" + Repeat('w', 43) + Repeat('g', 16) + "w.")
      << "the scroll bar to the right edge, highlight just outside, none inside";
  // The corner under the scroll bar (16 wide) gets a black bottom line.
  EXPECT_EQ(Row(parent_, 39, 60, 82), "gggg" + Repeat('k', 16) + "w.");
  EXPECT_EQ(Row(parent_, 40, 18, 82), "." + Repeat('w', 62) + ".");
}

TEST_F(Borders, HorizontalScrollBarLeavesOutTheBottomEdges) {
  Painted("ListBox", WS_HSCROLL);
  EXPECT_EQ(Row(parent_, 39, 18, 82), ".dk" + Repeat('g', 58) + "kw.") << "the scroll bar's last row";
  EXPECT_EQ(Row(parent_, 40, 18, 82), ".d" + Repeat('w', 60) + "w.") << "the row just below, in highlight";
  EXPECT_EQ(Row(parent_, 41, 18, 82), Repeat('.', 64));
  // The corner beside the scroll bar gets a black right line as long as the arrow is wide (14),
  // not as high as the bar (16).
  ASSERT_NE(GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(Column(parent_, 79, 21, 41), Repeat('g', 5) + Repeat('k', 14) + "w");
}

TEST_F(Borders, BothScrollBars) {
  Painted("ListBox", WS_VSCROLL | WS_HSCROLL);
  EXPECT_EQ(Row(parent_, 19, 18, 82), "." + Repeat('d', 62) + ".");
  EXPECT_EQ(Column(parent_, 80, 19, 42), "d" + Repeat('w', 20) + "..");
  EXPECT_EQ(Row(parent_, 40, 18, 82), ".d" + Repeat('w', 60) + "..");
}

// A closed drop-down combo box is one line high (21 pixels), whatever height it was created with.
TEST_F(Borders, DropDownListComboBoxOutlinesItsButton) {
  HWND combo = Painted("ComboBox", CBS_DROPDOWNLIST);
  RECT r;
  GetWindowRect(combo, &r);
  ASSERT_EQ(r.bottom - r.top, 21);
  EXPECT_EQ(Row(parent_, 20, 18, 82), ".d" + Repeat('k', 59) + "kw.");
  EXPECT_EQ(Row(parent_, 40, 18, 82), ".d" + Repeat('g', 44) + Repeat('k', 16) + "w.");
  EXPECT_EQ(Column(parent_, 79, 20, 41), Repeat('k', 21));
  EXPECT_EQ(Row(parent_, 41, 18, 82), "." + Repeat('w', 62) + ".");
}

TEST_F(Borders, SimpleComboBoxChildrenDrawInTheComboBoxParent) {
  HWND combo = MakeChild(parent_, "ComboBox", WS_VISIBLE | CBS_SIMPLE, 20, 20, 80, 100);
  ASSERT_TRUE(Ctl3dSubclassCtl(combo));
  HWND list = GetWindow(combo, GW_CHILD);
  ASSERT_EQ(GetWindowLongPtrA(list, GWLP_ID), 1000);
  RECT listRect;
  GetWindowRect(list, &listRect);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&listRect), 2);
  Win32Test_FillWindow(parent_, WIN32TEST_UNPAINTED);
  Win32Test_FillWindow(combo, WIN32TEST_UNPAINTED);
  SendMessageA(list, WM_PAINT, 0, 0);
  // No top edges; the left edges start one row lower.
  // No top edges: the list's own black frame row stays (no shadow ring over it), and no black
  // line below it; the left edges run from the list's top row down.
  int x = listRect.left;
  EXPECT_EQ(Row(parent_, listRect.top - 1, x - 1, x + 8), Repeat('.', 9));
  EXPECT_EQ(Row(parent_, listRect.top, x - 1, x + 8), "d" + Repeat('k', 8));
  EXPECT_EQ(Row(parent_, listRect.top + 1, x - 1, x + 8), "dk" + Repeat('w', 7));
  EXPECT_EQ(Letter(Pixel(parent_, x - 1, listRect.bottom)), 'w');
  EXPECT_EQ(Row(parent_, 50, x + 1, listRect.right - 1), Repeat('w', listRect.right - x - 18) + Repeat('g', 16))
      << "the list's inside and scroll bar are left to the list";
}

TEST_F(Borders, CaretIsHiddenWhileTheEditBorderIsDrawn) {
  HWND edit = MakeChild(parent_, "Edit", WS_VISIBLE, 20, 20, 60, 20);
  Ctl3dSubclassCtl(edit);
  SetFocus(edit);
  CreateCaret(edit, nullptr, 1, 13);
  ShowCaret(edit);
  int hides = Win32Test_CaretHideCalls();
  int shows = Win32Test_CaretShowCalls();
  SendMessageA(edit, WM_PAINT, 0, 0);
  EXPECT_EQ(Win32Test_CaretHideCalls(), hides + 1);
  EXPECT_EQ(Win32Test_CaretShowCalls(), shows + 1);
  EXPECT_EQ(Win32Test_CaretHideLevel(), 0);
}

TEST_F(Borders, HiddenControlDrawsNoBorder) {
  HWND edit = MakeChild(parent_, "Edit", 0, 20, 20, 60, 20);
  Ctl3dSubclassCtl(edit);
  Win32Test_FillWindow(parent_, WIN32TEST_UNPAINTED);
  DrawControlBorder(edit, TRUE, kEntryEdit);
  EXPECT_EQ(Row(parent_, 19, 18, 82), Repeat('.', 64));
}

struct Moved {
  const char* name;
  int x, y, cx, cy;
  UINT flags;
  RECT expected;
};

TEST_F(Borders, MovingOrSizingInvalidatesTheRing) {
  const Moved cases[] = {
      {"shrinking in place: only the strip below", 0, 0, 60, 10, SWP_NOMOVE, {19, 30, 81, 41}},
      {"growing in place", 0, 0, 60, 30, SWP_NOMOVE, {19, 19, 81, 41}},
      {"narrower", 0, 0, 50, 10, SWP_NOMOVE, {19, 19, 81, 41}},
      {"moving", 30, 30, 60, 20, SWP_NOSIZE, {19, 19, 81, 41}},
  };
  for (const Moved& c : cases) {
    SCOPED_TRACE(c.name);
    HWND list = MakeChild(parent_, "ListBox", WS_VISIBLE, 20, 20, 60, 20);
    Ctl3dSubclassCtl(list);
    Win32Test_ClearInvalidations();
    SetWindowPos(list, nullptr, c.x, c.y, c.cx, c.cy, c.flags | SWP_NOZORDER);
    Win32TestInvalidation invalidations[4];
    int count = Win32Test_GetInvalidations(parent_, invalidations, 4);
    ASSERT_GE(count, 1);
    EXPECT_TRUE(EqualRect(&invalidations[0].rect, &c.expected))
        << invalidations[0].rect.left << "," << invalidations[0].rect.top << "," << invalidations[0].rect.right
        << "," << invalidations[0].rect.bottom;
    EXPECT_FALSE(invalidations[0].erase);
    DestroyWindow(list);
  }
}

TEST_F(Borders, VerticalScrollBarWidensTheInvalidRing) {
  HWND edit = MakeChild(parent_, "Edit", WS_VISIBLE | WS_VSCROLL, 20, 20, 60, 20);
  Ctl3dSubclassCtl(edit);
  Win32Test_ClearInvalidations();
  SetWindowPos(edit, nullptr, 0, 0, 60, 30, SWP_NOMOVE | SWP_NOZORDER);
  Win32TestInvalidation invalidation;
  ASSERT_GE(Win32Test_GetInvalidations(parent_, &invalidation, 1), 1);
  RECT expected = {19, 19, 82, 41};
  EXPECT_TRUE(EqualRect(&invalidation.rect, &expected));
}

// Older platforms have no position-changing message worth using: hiding invalidates the ring.
TEST_F(Borders, HidingOnOlderPlatformsInvalidatesTheRing) {
  Ctl3dUnregister(caller_);
  Win32Test_SetVersion(0xC0000004);  // reported as 3.0
  Register();
  ASSERT_EQ(g_kirno.windowsVersion, 0x300);
  HWND edit = MakeChild(parent_, "Edit", WS_VISIBLE, 20, 20, 60, 20);
  Ctl3dSubclassCtl(edit);
  Win32Test_ClearInvalidations();
  SendMessageA(edit, WM_SHOWWINDOW, FALSE, 0);
  Win32TestInvalidation invalidation;
  ASSERT_GE(Win32Test_GetInvalidations(parent_, &invalidation, 1), 1);
  RECT expected = {19, 19, 81, 41};
  EXPECT_TRUE(EqualRect(&invalidation.rect, &expected));
}

// Older platforms: a list box whose new client area ends above its old bottom has the strip
// below repainted. The parent stands away from the screen's corner, so that a strip worked out
// partly in screen coordinates would land outside it.
TEST_F(Borders, ShrinkingListOnOlderPlatformsRepaintsBelowIt) {
  Ctl3dUnregister(caller_);
  Win32Test_SetVersion(0xC0000004);
  Register();
  MoveWindow(parent_, 150, 100, 200, 150, TRUE);
  HWND list = MakeChild(parent_, "ListBox", WS_VISIBLE, 20, 20, 60, 20);
  Ctl3dSubclassCtl(list);
  Win32Test_ClearInvalidations();
  SetWindowPos(list, nullptr, 0, 0, 60, 10, SWP_NOMOVE | SWP_NOZORDER);
  Win32TestInvalidation invalidations[4];
  ASSERT_EQ(Win32Test_GetInvalidations(parent_, invalidations, 4), 1);
  // The new client area grown by 2 and 1, from one row below it to one row below the old bottom.
  RECT expected = {18, 32, 82, 41};
  EXPECT_TRUE(EqualRect(&invalidations[0].rect, &expected))
      << invalidations[0].rect.left << "," << invalidations[0].rect.top << "," << invalidations[0].rect.right
      << "," << invalidations[0].rect.bottom;
  EXPECT_TRUE(invalidations[0].erase);

  // Newer platforms leave this to the position-changing message.
  Ctl3dUnregister(caller_);
  Win32Test_SetVersion(kWindowsNt351);
  Register();
  NCCALCSIZE_PARAMS params = {};
  params.rgrc[0] = RECT{20, 20, 80, 25};
  params.rgrc[1] = RECT{20, 20, 80, 30};
  params.rgrc[2] = RECT{20, 20, 80, 30};
  Win32Test_ClearInvalidations();
  SendMessageA(list, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  EXPECT_EQ(Win32Test_GetInvalidations(parent_, invalidations, 4), 0);
}

}  // namespace
namespace {

// Through a full repaint cycle of the parent: the combo box and its children paint themselves,
// and the edit fields' borders go over the parent's area around them.
class ComboBorders : public Borders {
 protected:
  HWND Combo(DWORD kind) {
    HWND combo = MakeChild(parent_, "ComboBox", WS_VISIBLE | kind, 20, 20, 80, 100);
    Ctl3dSubclassCtl(combo);
    Win32Test_FillWindow(parent_, WIN32TEST_UNPAINTED);
    InvalidateRect(parent_, nullptr, TRUE);
    UpdateWindow(parent_);
    return combo;
  }
};

// The edit field (20, 20)-(100, 39) of a simple combo box gets its top, left and right edges; its
// bottom is left to the list below, whose own frame shows there.
TEST_F(ComboBorders, SimpleComboBoxEditFieldHasNoBottomEdge) {
  Combo(CBS_SIMPLE);
  EXPECT_EQ(Row(parent_, 19, 18, 102), "." + Repeat('d', 81) + "w.");
  EXPECT_EQ(Row(parent_, 20, 18, 22), ".dkk");
  EXPECT_EQ(Column(parent_, 99, 21, 38), Repeat('g', 17));
  EXPECT_EQ(Column(parent_, 100, 19, 39), Repeat('w', 20));
  EXPECT_EQ(Letter(Pixel(parent_, 50, 38)), 'k') << "the edit field's own frame, no face-coloured edge";
  EXPECT_EQ(Letter(Pixel(parent_, 50, 39)), 'k') << "the list's own frame, no highlight edge";
}

// A drop-down combo box is left alone; its edit field (20, 20)-(84, 41) gets the whole sunken
// border, whose outer right ring lies on the drop button's left column.
TEST_F(ComboBorders, DropDownComboBoxEditFieldGetsTheWholeBorder) {
  HWND combo = Combo(CBS_DROPDOWN);
  EXPECT_EQ(GetPropA(combo, KirnoPropertyName()), nullptr);
  EXPECT_EQ(Row(parent_, 19, 18, 86), "." + Repeat('d', 65) + "w.");
  EXPECT_EQ(Row(parent_, 20, 18, 22), ".dkk");
  EXPECT_EQ(Column(parent_, 83, 21, 40), Repeat('g', 19));
  EXPECT_EQ(Column(parent_, 84, 19, 42), Repeat('w', 23));
  EXPECT_EQ(Row(parent_, 40, 18, 86), ".d" + Repeat('g', 64) + "wk") << "then the button's bottom outline";
  EXPECT_EQ(Row(parent_, 41, 18, 86), "." + Repeat('w', 66) + ".");
  EXPECT_EQ(Row(parent_, 30, 85, 100), Repeat('g', 14) + "k") << "the drop button keeps the rest";
}

}  // namespace

namespace {

// Moving or shrinking an edit field in a dialog, then a full repaint: the old border is gone and
// the new one is drawn where the field now is.
TEST_F(Borders, OldBorderIsRepaintedAwayAfterAMoveOrAShrink) {
  HWND dialog = MakeDialog(WS_POPUP | WS_VISIBLE, 200, 150);
  Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);
  struct Case {
    const char* name;
    int x, y, cx, cy;
    UINT flags;
  };
  const Case cases[] = {
      {"shrinking in place", 0, 0, 60, 10, SWP_NOMOVE},
      {"moving", 100, 60, 60, 20, SWP_NOSIZE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND edit = MakeChild(dialog, "Edit", WS_VISIBLE, 20, 20, 60, 20);
    ASSERT_TRUE(Ctl3dSubclassCtl(edit));
    UpdateWindow(dialog);
    ASSERT_EQ(Row(dialog, 40, 18, 82), "g" + Repeat('w', 62) + "g");
    Win32Test_ClearInvalidations();
    SetWindowPos(edit, nullptr, c.x, c.y, c.cx, c.cy, c.flags | SWP_NOZORDER);
    EXPECT_GE(Win32Test_GetInvalidations(dialog, nullptr, 0), 1) << "the ring is invalidated";
    UpdateWindow(dialog);
    RECT now;
    GetWindowRect(edit, &now);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&now), 2);
    // Where the old ring was and the field is no more: the dialog's face.
    for (int y : {18, 19, 40, 41}) {
      if (y < now.top - 1 || y > now.bottom) {
        EXPECT_EQ(Row(dialog, y, 18, 82), Repeat('g', 64)) << y;
      }
    }
    EXPECT_EQ(Row(dialog, now.bottom, now.left - 1, now.right + 1), Repeat('w', 62)) << "the new outer ring";
    EXPECT_EQ(Letter(Pixel(dialog, now.left - 1, now.top - 1)), 'd');
    DestroyWindow(edit);
    UpdateWindow(dialog);
  }
}

}  // namespace
