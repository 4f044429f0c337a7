// A whole dialog with every kind of control, automatically subclassed and painted through a full
// repaint cycle, checked on the screen picture.
#include "kirno_fixture.h"

namespace {

class WholeDialog : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
    ASSERT_TRUE(Ctl3dAutoSubclass(caller_));
    dialog_ = MakeDialog(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 300, 260);
    MoveWindow(dialog_, 40, 30, 300, 260, TRUE);  // away from the screen's corner
    ok_ = Control("Button", BS_DEFPUSHBUTTON, 10, 10, 75, 23, "OK");
    cancel_ = Control("Button", BS_PUSHBUTTON, 95, 10, 75, 23, "Cancel");
    check_ = Control("Button", BS_AUTOCHECKBOX, 10, 40, 80, 17, "Yes");
    radio_ = Control("Button", BS_AUTORADIOBUTTON, 10, 60, 80, 17, "One");
    group_ = Control("Button", BS_GROUPBOX, 100, 40, 120, 60, "Options");
    edit_ = Control("Edit", WS_BORDER, 10, 110, 80, 20, "");
    list_ = Control("ListBox", WS_BORDER, 100, 110, 80, 40, "");
    text_ = Control("Static", SS_LEFT, 10, 140, 60, 20, "Hi");
    frame_ = Control("Static", SS_GRAYFRAME, 200, 110, 20, 10, "");
    combo_ = Control("ComboBox", CBS_DROPDOWNLIST, 200, 140, 80, 100, "");
    SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog_, WM_INITDIALOG, 0, 0);  // subclasses the controls, invalidates everything
    Win32Test_FillWindow(dialog_, WIN32TEST_UNPAINTED);
    UpdateWindow(dialog_);
    RECT client;
    GetClientRect(dialog_, &client);
    POINT origin = {0, 0};
    ClientToScreen(dialog_, &origin);
    RECT window;
    GetWindowRect(dialog_, &window);
    clientX_ = origin.x - window.left;
    clientY_ = origin.y - window.top;
  }
  HWND Control(LPCSTR className, DWORD style, int x, int y, int width, int height, LPCSTR text) {
    return MakeChild(dialog_, className, WS_VISIBLE | style, x, y, width, height, ++id_, text);
  }
  // The dialog's client area as the screen shows it.
  std::string ClientRow(int y, int x0, int x1) { return Row(dialog_, y + clientY_, x0 + clientX_, x1 + clientX_); }
  char ClientLetter(int x, int y) { return Letter(Pixel(dialog_, x + clientX_, y + clientY_)); }
  bool ShowsCell(HWND button, int column, int row) {
    RECT r;
    GetClientRect(button, &r);
    int top = (r.bottom - 13) / 2;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 14; ++x)
        if (Pixel(button, x, top + y) != Win32Test_GetBitmapPixel(g_kirno.checkBitmap, column * 14 + x, row * 13 + y))
          return false;
    return true;
  }

  HWND dialog_ = nullptr, ok_ = nullptr, cancel_ = nullptr, check_ = nullptr, radio_ = nullptr, group_ = nullptr;
  HWND edit_ = nullptr, list_ = nullptr, text_ = nullptr, frame_ = nullptr, combo_ = nullptr;
  int clientX_ = 0, clientY_ = 0, id_ = 100;
};

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

TEST_F(WholeDialog, EveryControlIsSubclassed) {
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(dialog_, GWLP_WNDPROC)), Ctl3dDlgProc);
  const struct {
    HWND window;
    WNDPROC proc;
  } expected[] = {{ok_, BtnWndProc3d},    {cancel_, BtnWndProc3d}, {check_, BtnWndProc3d},
                  {radio_, BtnWndProc3d}, {group_, BtnWndProc3d},  {edit_, EditWndProc3d},
                  {list_, ListWndProc3d}, {text_, StaticWndProc3d}, {frame_, StaticWndProc3d},
                  {combo_, ComboWndProc3d}};
  for (const auto& e : expected)
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(e.window, GWLP_WNDPROC)), e.proc)
        << GetWindowLongPtrA(e.window, GWLP_ID);
}

TEST_F(WholeDialog, TheScreenShowsTheThreeDimensionalLook) {
  // The raised dialog frame and the face-coloured client area.
  EXPECT_EQ(Column(dialog_, 150, 0, 4), "dwgd");
  EXPECT_EQ(Row(dialog_, 130, 0, 4), "dwgg");
  EXPECT_EQ(ClientRow(5, 0, 10), Repeat('g', 10));
  EXPECT_EQ(ClientRow(250 - clientY_ - 12, 240, 290), Repeat('g', 50)) << "no control there";

  // Push buttons: rounded corners, two outlines on the default one, one on the other.
  EXPECT_EQ(Row(ok_, 0, 0, 75), "g" + Repeat('k', 73) + "g");
  EXPECT_EQ(Row(ok_, 11, 0, 4), "kkww");
  EXPECT_EQ(Row(cancel_, 11, 0, 4), "kwwg");

  // Check box and radio button show their cells; the group box is etched.
  EXPECT_TRUE(ShowsCell(check_, 1, 0));
  EXPECT_TRUE(ShowsCell(radio_, 0, 1));
  EXPECT_EQ(Row(group_, 6, 0, 4), "dddd");
  EXPECT_EQ(Row(group_, 7, 0, 4), "dwww");

  // Edit field and list box: sunken borders in the dialog around their own white faces.
  for (RECT r : {RECT{10, 110, 90, 130}, RECT{100, 110, 180, 150}}) {
    SCOPED_TRACE(r.left);
    const int mid = (r.top + r.bottom) / 2;
    EXPECT_EQ(ClientRow(r.top - 1, r.left - 1, r.right + 1), Repeat('d', r.right - r.left + 1) + "w");
    EXPECT_EQ(ClientRow(mid, r.left - 1, r.left + 3), "dkww");
    EXPECT_EQ(ClientRow(mid, r.right - 2, r.right + 1), "wgw");
    EXPECT_EQ(ClientRow(r.bottom, r.left - 1, r.right + 1), Repeat('w', r.right - r.left + 2));
  }

  // Static text on the face, and the etched grey frame.
  EXPECT_EQ(Row(text_, 4, 0, 14), "gkkkkggkkkkggg");
  EXPECT_EQ(Row(frame_, 0, 0, 20), Repeat('d', 19) + "g");
  EXPECT_EQ(Row(frame_, 1, 0, 20), "d" + Repeat('w', 17) + "dw");

  // The closed drop-down list: sunken border and a black outline right and below its button.
  RECT combo;
  GetWindowRect(combo_, &combo);
  ASSERT_EQ(combo.bottom - combo.top, 21);
  EXPECT_EQ(ClientRow(139, 199, 281), Repeat('d', 81) + "w");
  EXPECT_EQ(ClientRow(160, 262, 281), "gg" + Repeat('k', 16) + "w") << "as wide as the scroll bar";
  EXPECT_EQ(ClientLetter(279, 150), 'k');
}

}  // namespace
