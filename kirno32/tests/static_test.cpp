// Static controls: text on the face, and the sunken, etched and raised frames of the rectangle kinds.
#include "kirno_fixture.h"

namespace {

class Statics : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    dialog_ = MakeDialog(WS_POPUP | WS_VISIBLE, 300, 200);
    Ctl3dSubclassDlgEx(dialog_, KIRNO_TYPE_ALL);
  }
  HWND Static(DWORD style, LPCSTR text, int width = 60, int height = 20) {
    HWND control = MakeChild(dialog_, "Static", WS_VISIBLE | style, 10, 10, width, height, 100, text);
    EXPECT_TRUE(Ctl3dSubclassCtl(control));
    Win32Test_FillWindow(control, WIN32TEST_UNPAINTED);
    SendMessageA(control, WM_PAINT, 0, 0);
    return control;
  }
  HWND dialog_ = nullptr;
};

TEST_F(Statics, TextOnTheFace) {
  struct Case {
    const char* name;
    DWORD style;
    const char* text;
    const char* row4;  // glyph row 4 (inside the glyph blocks), columns 0..17
    const char* row11;
  };
  const Case cases[] = {
      {"left", SS_LEFT, "Hi", "gkkkkggkkkkggggggg", "gggggggggggggggggg"},
      {"mnemonic", SS_LEFT, "&Hi", "gkkkkggkkkkggggggg", "kkkkkkgggggggggggg"},
      {"no prefix", SS_LEFT | SS_NOPREFIX, "&Hi", "gkkkkggkkkkggkkkkg", "gggggggggggggggggg"},
      {"disabled", SS_LEFT | WS_DISABLED, "Hi", "gddddggddddggggggg", "gggggggggggggggggg"},
      {"empty", SS_LEFT, "", "gggggggggggggggggg", "gggggggggggggggggg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND control = Static(c.style, c.text);
    EXPECT_EQ(Row(control, 4, 0, 18), c.row4);
    EXPECT_EQ(Row(control, 11, 0, 18), c.row11);
    EXPECT_EQ(Row(control, 19, 0, 60), std::string(60, 'g')) << "the whole client area is filled";
    DestroyWindow(control);
  }
}

// Left text wraps at words and expands tabs; left text without wrapping keeps one line and still
// expands tabs (every 8 cells, 48 pixels).
TEST_F(Statics, WrappingAndTabsByKind) {
  struct Case {
    const char* name;
    DWORD style;
    const char* text;
    int width;
    int x0, x1;  // the columns compared
    const char* line1;  // glyph row 4 of the first line
    const char* line2;  // glyph row 4 of the second line (y = 17)
  };
  const Case cases[] = {
      {"left wraps the second word", SS_LEFT, "Hi there", 30, 0, 30, "gkkkkggkkkkggggggggggggggggggg",
       "gkkkkggkkkkggkkkkggkkkkggkkkkg"},
      {"no wrapping keeps one line", SS_LEFTNOWORDWRAP, "Hi there", 30, 0, 30, "gkkkkggkkkkggggggggkkkkggkkkkg",
       "gggggggggggggggggggggggggggggg"},
      {"left expands tabs", SS_LEFT, "a\tb", 60, 42, 60, "gggggggkkkkggggggg", "gggggggggggggggggg"},
      {"no wrapping expands tabs", SS_LEFTNOWORDWRAP, "a\tb", 60, 42, 60, "gggggggkkkkggggggg",
       "gggggggggggggggggg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND control = Static(c.style, c.text, c.width, 30);
    EXPECT_EQ(Row(control, 4, c.x0, c.x1), c.line1);
    EXPECT_EQ(Row(control, 17, c.x0, c.x1), c.line2);
    DestroyWindow(control);
  }
}

TEST_F(Statics, AlignedText) {
  HWND centred = Static(SS_CENTER, "Hi");
  EXPECT_EQ(Row(centred, 4, 23, 37), "ggkkkkggkkkkgg") << "12 pixels centred in 60";
  HWND right = Static(SS_RIGHT, "Hi");
  EXPECT_EQ(Row(right, 4, 47, 60), "ggkkkkggkkkkg");
}

TEST_F(Statics, EnablingRepaintsWithTheRightTextColour) {
  HWND control = Static(SS_LEFT, "Hi");
  Win32Test_FillWindow(control, WIN32TEST_UNPAINTED);
  EnableWindow(control, FALSE);
  EXPECT_EQ(Row(control, 4, 0, 6), "gddddg");
  EnableWindow(control, TRUE);
  EXPECT_EQ(Row(control, 4, 0, 6), "gkkkkg");
}

TEST_F(Statics, Frames) {
  struct Case {
    const char* name;
    DWORD style;
    const char* rows[4];  // rows 0, 1, 8 and 9 of a 20 x 10 control
  };
  const Case cases[] = {
      {"black frame: sunken", SS_BLACKFRAME,
       {"dddddddddddddddddddw", "d..................w", "d..................w", "wwwwwwwwwwwwwwwwwwww"}},
      {"black rectangle: sunken, not filled", SS_BLACKRECT,
       {"dddddddddddddddddddw", "d..................w", "d..................w", "wwwwwwwwwwwwwwwwwwww"}},
      {"grey frame: etched", SS_GRAYFRAME,
       {"ddddddddddddddddddd.", "dwwwwwwwwwwwwwwwwwdw", "dddddddddddddddddddw", ".wwwwwwwwwwwwwwwwwww"}},
      {"grey rectangle: etched", SS_GRAYRECT,
       {"ddddddddddddddddddd.", "dwwwwwwwwwwwwwwwwwdw", "dddddddddddddddddddw", ".wwwwwwwwwwwwwwwwwww"}},
      {"white frame: raised", SS_WHITEFRAME,
       {"wwwwwwwwwwwwwwwwwwwd", "w..................d", "w..................d", "dddddddddddddddddddd"}},
      {"white rectangle: raised", SS_WHITERECT,
       {"wwwwwwwwwwwwwwwwwwwd", "w..................d", "w..................d", "dddddddddddddddddddd"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND control = Static(c.style, "", 20, 10);
    EXPECT_EQ(Row(control, 0, 0, 20), c.rows[0]);
    EXPECT_EQ(Row(control, 1, 0, 20), c.rows[1]);
    EXPECT_EQ(Row(control, 8, 0, 20), c.rows[2]);
    EXPECT_EQ(Row(control, 9, 0, 20), c.rows[3]);
    DestroyWindow(control);
  }
}

}  // namespace
