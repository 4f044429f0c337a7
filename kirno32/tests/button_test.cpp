// Buttons: push buttons pixel by pixel, check-box cells by state, group boxes, and what state changes repaint.
#include "kirno_fixture.h"

#include "check_cell.h"

namespace {

class Buttons : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    dialog_ = MakeDialog(WS_POPUP | WS_VISIBLE, 300, 200);
    Ctl3dSubclassDlgEx(dialog_, KIRNO_TYPE_ALL);  // the dialog answers WM_CTLCOLORBTN with the face
  }
  HWND Button(DWORD style, LPCSTR text, int width = 75, int height = 23) {
    HWND button = MakeChild(dialog_, "Button", WS_VISIBLE | style, 20, 20, width, height, 100, text);
    EXPECT_TRUE(Ctl3dSubclassCtl(button));
    return button;
  }
  void Paint(HWND button, COLORREF background = WIN32TEST_UNPAINTED) {
    Win32Test_FillWindow(button, background);
    SendMessageA(button, WM_PAINT, 0, 0);
  }
  // The pixel of the check bitmap cell (column, row) at (x, y) of the cell, recoloured.
  COLORREF CellPixel(int column, int row, int x, int y) {
    return Win32Test_GetBitmapPixel(g_kirno.checkBitmap, column * kCheckCellWidth + x, row * kCheckCellHeight + y);
  }
  // Whether the button shows exactly that cell at its left, centred vertically.
  bool ShowsCell(HWND button, int column, int row) {
    RECT r;
    GetClientRect(button, &r);
    int top = (r.bottom - kCheckCellHeight) / 2;
    for (int y = 0; y < kCheckCellHeight; ++y)
      for (int x = 0; x < kCheckCellWidth; ++x)
        if (Pixel(button, x, top + y) != CellPixel(column, row, x, y)) return false;
    return true;
  }
  HWND dialog_ = nullptr;
};

// 75 x 23, "OK": the face is (3, 3)-(72, 20); the label, 12 x 13, sits at (31, 5).
TEST_F(Buttons, PushButtonWithFocus) {
  HWND button = Button(BS_PUSHBUTTON, "OK");
  SetFocus(button);
  Paint(button);
  EXPECT_EQ(Row(button, 0, 0, 75), "g" + std::string(73, 'k') + "g") << "rounded corners in the dialog colour";
  EXPECT_EQ(Row(button, 1, 0, 75), "k" + std::string(72, 'w') + "dk");
  EXPECT_EQ(Row(button, 2, 0, 75), "k" + std::string(71, 'w') + "ddk");
  EXPECT_EQ(Row(button, 3, 0, 75).substr(0, 4), "kwwg");
  EXPECT_EQ(Row(button, 3, 71, 75), "gddk");
  EXPECT_EQ(Row(button, 20, 0, 75), "kw" + std::string(72, 'd') + "k");
  EXPECT_EQ(Row(button, 21, 0, 75), "k" + std::string(73, 'd') + "k");
  EXPECT_EQ(Row(button, 22, 0, 75), "g" + std::string(73, 'k') + "g");
  // The label: glyph blocks of 'O' at columns 32..35 and 'K' at 38..41, rows 7..14, in button text.
  EXPECT_EQ(Row(button, 10, 31, 43), "gkkkkggkkkkg");
  EXPECT_EQ(Column(button, 33, 5, 18), "ggkkkkkkkkggg");
  // The focus rectangle (30, 4)-(44, 19), dotted where x + y is even: grey inverted.
  const COLORREF invertedFace = kGrey ^ 0xFFFFFF;
  EXPECT_EQ(Pixel(button, 30, 4), invertedFace);
  EXPECT_EQ(Pixel(button, 31, 4), kGrey);
  EXPECT_EQ(Pixel(button, 43, 5), invertedFace);
  EXPECT_EQ(Pixel(button, 43, 6), kGrey);
  EXPECT_EQ(Pixel(button, 30, 18), invertedFace);
}

// A button with a font of its own measures and draws its label in it, and leaves a caller's
// device context with the objects it had.
TEST_F(Buttons, LabelInTheButtonsOwnFontAndTheContextRestored) {
  LOGFONTA lf = {};
  lf.lfHeight = -16;  // cells of 7 x 16, ascent 12
  HFONT font = CreateFontIndirectA(&lf);
  HWND button = Button(BS_PUSHBUTTON, "OK");
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Win32Test_FillWindow(button, WIN32TEST_UNPAINTED);
  HDC dc = GetDC(button);
  HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ brushBefore = GetCurrentObject(dc, OBJ_BRUSH);
  SendMessageA(button, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brushBefore);
  ReleaseDC(button, dc);
  // Face (3, 3)-(72, 20): the 14 x 16 label at (30, 3); ink of 'O' at 31..35, of 'K' at 38..42.
  EXPECT_EQ(Row(button, 10, 30, 44), "gkkkkkggkkkkkg");
  EXPECT_EQ(Column(button, 33, 3, 17), "ggkkkkkkkkkkgg");
  DestroyWindow(button);
  EXPECT_TRUE(DeleteObject(font)) << "no longer selected anywhere";
}

TEST_F(Buttons, PushButtonPushed) {
  HWND button = Button(BS_PUSHBUTTON, "OK");
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  Paint(button);
  EXPECT_EQ(Row(button, 1, 0, 75), "k" + std::string(73, 'd') + "k") << "one shadow line on top";
  EXPECT_EQ(Row(button, 2, 0, 75), "kd" + std::string(72, 'g') + "k") << "face from (2, 2) to (74, 22)";
  EXPECT_EQ(Row(button, 21, 0, 75), "kd" + std::string(72, 'g') + "k");
  EXPECT_EQ(Column(button, 1, 1, 22), std::string(21, 'd'));
  EXPECT_EQ(Column(button, 73, 2, 22), std::string(20, 'g')) << "no shadow on the right";
  // Face (2, 2)-(74, 22): label at (32, 6) then moved by (1, 1): 'O' glyph at columns 34..37.
  EXPECT_EQ(Row(button, 12, 33, 45), "gkkkkggkkkkg");
  EXPECT_EQ(Column(button, 35, 6, 20), "ggkkkkkkkkgggg");
}

TEST_F(Buttons, DefaultPushButtonOutlines) {
  struct Case {
    bool enabled;
    const char* leftColumn;  // column 0..3 at row 10
  };
  const Case cases[] = {{true, "kkww"}, {false, "kwwg"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.enabled ? "enabled" : "disabled");
    HWND button = Button(BS_DEFPUSHBUTTON, "OK");
    EnableWindow(button, c.enabled);
    Paint(button);
    EXPECT_EQ(Row(button, 10, 0, 4), c.leftColumn);
    EXPECT_EQ(Letter(Pixel(button, 1, 1)), c.enabled ? 'k' : 'w');
    DestroyWindow(button);
  }
}

TEST_F(Buttons, DisabledPushButtonLabelIsGrey) {
  HWND button = Button(BS_PUSHBUTTON, "OK");
  EnableWindow(button, FALSE);
  Paint(button);
  EXPECT_EQ(Row(button, 10, 31, 43), "gddddggddddg");
}

TEST_F(Buttons, CheckCellTable) {
  struct Case {
    UINT kind;
    UINT state;
    BOOL enabled;
    int column, row;
  };
  const Case cases[] = {
      {BS_CHECKBOX, 0x00, TRUE, 0, 0},     {BS_CHECKBOX, 0x01, TRUE, 1, 0},
      {BS_CHECKBOX, 0x04, TRUE, 2, 0},     {BS_CHECKBOX, 0x05, TRUE, 3, 0},
      {BS_CHECKBOX, 0x01, FALSE, 4, 0},    {BS_CHECKBOX, 0x00, FALSE, 2, 0},
      {BS_CHECKBOX, 0x05, FALSE, 4, 0},    {BS_CHECKBOX, 0x04, FALSE, 2, 0},  // pushed while disabled
      {BS_RADIOBUTTON, 0x01, TRUE, 1, 1},  {BS_AUTORADIOBUTTON, 0x00, TRUE, 0, 1},
      {BS_AUTOCHECKBOX, 0x08, TRUE, 0, 0}, {BS_3STATE, 0x02, TRUE, 1, 2},
      {BS_AUTO3STATE, 0x06, TRUE, 3, 2},   {BS_3STATE, 0x01, TRUE, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " state " << c.state << " enabled " << c.enabled);
    CheckCell cell = CheckCellFor(c.kind, c.state, c.enabled);
    EXPECT_EQ(cell.column, c.column);
    EXPECT_EQ(cell.row, c.row);
  }
}

TEST_F(Buttons, CheckBoxesShowTheirCell) {
  struct Case {
    DWORD style;
    UINT check;
    bool pushed, enabled;
    int column, row;
  };
  const Case cases[] = {
      {BS_CHECKBOX, BST_CHECKED, true, true, 3, 0},     {BS_CHECKBOX, BST_CHECKED, false, false, 4, 0},
      {BS_CHECKBOX, BST_CHECKED, true, false, 4, 0},    {BS_CHECKBOX, BST_UNCHECKED, true, false, 2, 0},
      {BS_AUTORADIOBUTTON, BST_CHECKED, false, true, 1, 1}, {BS_3STATE, BST_INDETERMINATE, false, true, 1, 2},
      {BS_3STATE, BST_CHECKED, false, true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " check " << c.check << " pushed " << c.pushed
                                    << " enabled " << c.enabled);
    HWND box = Button(c.style, "Yes", 80, 17);
    SendMessageA(box, BM_SETCHECK, c.check, 0);
    SendMessageA(box, BM_SETSTATE, c.pushed, 0);
    EnableWindow(box, c.enabled);
    Paint(box);
    EXPECT_TRUE(ShowsCell(box, c.column, c.row));
    DestroyWindow(box);
  }
}

TEST_F(Buttons, CheckBoxLabelAndFocus) {
  HWND box = Button(BS_AUTOCHECKBOX, "Yes", 80, 17);
  SetFocus(box);
  Paint(box, kGrey);
  // The label starts at x = 18, vertically centred: cells of 13 rows from y = 2.
  EXPECT_EQ(Row(box, 8, 18, 36), "gkkkkggkkkkggkkkkg");
  // Focus rectangle around the label, grown by 1: (17, 1)-(37, 16).
  EXPECT_EQ(Pixel(box, 17, 1), kGrey ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(box, 36, 15), kGrey);
  EXPECT_EQ(Pixel(box, 36, 14), kGrey ^ 0xFFFFFF);
}

// State messages run the standard procedure hidden, then repaint only what changed.
TEST_F(Buttons, SetCheckRepaintsOnlyTheImage) {
  HWND box = Button(BS_CHECKBOX, "Yes", 80, 17);
  Paint(box);
  ASSERT_TRUE(ShowsCell(box, 0, 0));
  Win32Test_FillWindow(box, WIN32TEST_UNPAINTED);
  SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(Row(box, 8, 0, 80), std::string(80, '.')) << "no change, nothing painted";

  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(ShowsCell(box, 1, 0));
  EXPECT_EQ(Row(box, 8, 14, 80), std::string(66, '.')) << "label and background untouched";
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE);
}

// A new text erases the box and repaints label and image; enabling or disabling repaints label and
// image over what is there. The standard procedure paints none of it.
TEST_F(Buttons, TextAndEnableChangesRepaintTheirParts) {
  struct Case {
    const char* name;
    bool setText;
    char background;  // right of the label, which only an erase touches
    const char* label;  // glyph row 8 from x = 18
    int column;  // check-bitmap cell, row 0
  };
  const Case cases[] = {
      {"new text", true, 'g', "gkkkkggkkkkggkkkkg", 0},
      {"disabled", false, '.', "gddddggddddggddddg", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND box = Button(BS_CHECKBOX, "Yes", 80, 17);
    Paint(box);
    Win32Test_FillWindow(box, WIN32TEST_UNPAINTED);
    if (c.setText)
      EXPECT_TRUE(SetWindowTextA(box, "No!"));
    else
      EnableWindow(box, FALSE);
    EXPECT_EQ(Row(box, 8, 18, 36), c.label);
    EXPECT_TRUE(ShowsCell(box, c.column, 0));
    EXPECT_EQ(Letter(Pixel(box, 70, 8)), c.background);
    DestroyWindow(box);
  }
}

TEST_F(Buttons, PushButtonTextChangeRepaintsTheWholeButton) {
  HWND button = Button(BS_PUSHBUTTON, "OK");
  Paint(button);
  Win32Test_FillWindow(button, WIN32TEST_UNPAINTED);
  SetWindowTextA(button, "Go on");  // 30 pixels centred in the face (3, 3)-(72, 20): from x = 22
  EXPECT_EQ(Row(button, 0, 0, 75), "g" + std::string(73, 'k') + "g");
  EXPECT_EQ(Row(button, 10, 21, 29), "ggkkkkgg");
  EXPECT_EQ(Row(button, 10, 50, 54), "kggg");
  EnableWindow(button, FALSE);
  EXPECT_EQ(Row(button, 10, 21, 29), "ggddddgg");
}

TEST_F(Buttons, HiddenButtonIsNotPainted) {
  HWND box = Button(BS_CHECKBOX, "Yes", 80, 17);
  ShowWindow(box, SW_HIDE);
  Win32Test_FillWindow(box, WIN32TEST_UNPAINTED);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Row(box, 8, 0, 80), std::string(80, '.'));
}

TEST_F(Buttons, FocusChangesToggleTheFocusRectangle) {
  HWND box = Button(BS_AUTOCHECKBOX, "Yes", 80, 17);
  HWND other = Button(BS_AUTOCHECKBOX, "No", 80, 17);
  SetFocus(other);
  Paint(box, kGrey);
  EXPECT_EQ(Pixel(box, 17, 1), kGrey);
  SetFocus(box);
  EXPECT_EQ(Pixel(box, 17, 1), kGrey ^ 0xFFFFFF);
  SetFocus(other);
  EXPECT_EQ(Pixel(box, 17, 1), kGrey) << "the second inversion removes it";
}

// The push button repaints whole when the focus leaves; by then it must show no focus rectangle,
// although the platform still names it the focus window while it handles WM_KILLFOCUS.
TEST_F(Buttons, PushButtonLosingTheFocusDropsItsFocusRectangle) {
  HWND button = Button(BS_PUSHBUTTON, "OK");
  HWND other = MakeChild(dialog_, "Button", WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 75, 23, 101, "No");
  SetFocus(button);
  Paint(button);
  ASSERT_EQ(Pixel(button, 30, 4), kGrey ^ 0xFFFFFF);
  Win32Test_FillWindow(button, WIN32TEST_UNPAINTED);
  SetFocus(other);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
  const struct {
    int x, y;
    COLORREF expected;
  } pixels[] = {{30, 4, kGrey}, {43, 5, kGrey}, {30, 18, kGrey}, {1, 1, kWhite}, {73, 21, kDarkGrey}};
  for (const auto& p : pixels) {
    SCOPED_TRACE(testing::Message() << "(" << p.x << ", " << p.y << ")");
    EXPECT_EQ(Pixel(button, p.x, p.y), p.expected);
  }
  EXPECT_EQ(Row(button, 10, 31, 43), "gkkkkggkkkkg") << "the label stays";
}

// Focus from nowhere (wParam null) erases the button's background first; focus from another
// window repaints only label and image.
TEST_F(Buttons, SetFocusErasesOnlyWhenNoWindowLostTheFocus) {
  struct Case {
    const char* name;
    bool fromWindow;
    char background;
  };
  const Case cases[] = {{"from nowhere", false, 'g'}, {"from another window", true, '.'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND box = Button(BS_AUTOCHECKBOX, "Yes", 80, 17);
    Paint(box);  // state changes paint only outside a pending update
    Win32Test_FillWindow(box, WIN32TEST_UNPAINTED);
    HWND from = c.fromWindow ? dialog_ : nullptr;
    SendMessageA(box, WM_SETFOCUS, reinterpret_cast<WPARAM>(from), 0);
    EXPECT_EQ(Letter(Pixel(box, 70, 8)), c.background) << "right of the label";
    EXPECT_EQ(Letter(Pixel(box, 15, 1)), c.background) << "between the image and the label";
    EXPECT_TRUE(ShowsCell(box, 0, 0));
    EXPECT_EQ(Row(box, 8, 19, 23), "kkkk") << "the label's first glyph";
    DestroyWindow(box);
  }
}

TEST_F(Buttons, AutoRadioButtonLetsGoOfItsPushedLookWhenTheFocusLeaves) {
  HWND radio = Button(BS_AUTORADIOBUTTON, "One", 80, 17);
  HWND other = Button(BS_PUSHBUTTON, "Two");
  SetFocus(radio);
  Paint(radio, kGrey);  // nothing left to update: state changes then paint straight away
  SendMessageA(radio, BM_SETSTATE, TRUE, 0);
  ASSERT_TRUE(ShowsCell(radio, 2, 1));
  SetFocus(other);
  EXPECT_EQ(SendMessageA(radio, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  EXPECT_TRUE(ShowsCell(radio, 0, 1));
}

TEST_F(Buttons, GroupBoxIsEtched) {
  HWND group = Button(BS_GROUPBOX, "Options", 120, 60);
  Paint(group);
  // Caption 42 x 13 from x = 4: the frame's top is at 13 / 2 = 6.
  EXPECT_EQ(Column(group, 0, 5, 9), ".ddd");
  EXPECT_EQ(Row(group, 6, 0, 4), "dddd");
  EXPECT_EQ(Row(group, 7, 0, 4), "dwww");
  EXPECT_EQ(Row(group, 58, 116, 120), "dddw");
  EXPECT_EQ(Row(group, 59, 116, 120), "wwww");
  EXPECT_EQ(Column(group, 118, 5, 9), ".dwd");
  EXPECT_EQ(Column(group, 119, 5, 9), "..ww");
  // The caption covers the frame with its opaque background.
  EXPECT_EQ(Row(group, 6, 4, 10), "gkkkkg");
  EXPECT_EQ(Row(group, 6, 46, 52), "dddddd");
}

TEST_F(Buttons, EmptyGroupBoxCaptionStillTakesItsHeight) {
  HWND group = Button(BS_GROUPBOX, "", 120, 60);
  Paint(group);
  EXPECT_EQ(Row(group, 6, 0, 8), "dddddddd") << "the frame's top stays at 13 / 2";
  EXPECT_EQ(Row(group, 0, 0, 8), "........");
}

TEST_F(Buttons, GroupBoxTextChangeLetsTheParentRepaintTheCaption) {
  HWND group = Button(BS_GROUPBOX, "Options", 120, 60);
  Win32Test_ClearInvalidations();
  SetWindowTextA(group, "New options");
  Win32TestInvalidation invalidations[4];
  ASSERT_EQ(Win32Test_GetInvalidations(dialog_, invalidations, 4), 1);
  // The button sits at (20, 20) in the dialog; the caption, 66 x 13, from x = 4.
  RECT expected = {24, 20, 140, 33};
  EXPECT_TRUE(EqualRect(&invalidations[0].rect, &expected));
  EXPECT_TRUE(invalidations[0].erase);
}

}  // namespace
