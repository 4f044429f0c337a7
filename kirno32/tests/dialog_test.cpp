// The dialog procedure and the 3-D dialog frame.
#include "kirno_fixture.h"

namespace {

class Dialogs : public KirnoTest {
 protected:
  void SetUp() override {
    KirnoTest::SetUp();
    Register();
  }
  // A dialog subclassed with Ctl3dDlgProc, its frame freshly painted over a sentinel.
  HWND PaintedDialog(DWORD style) {
    HWND dialog = MakeDialog(style);
    Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);
    Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
    SendMessageA(dialog, WM_NCPAINT, 1, 0);
    return dialog;
  }
};

// Default metrics: dialog frame 3 (bands of 2), caption 18.
TEST_F(Dialogs, FrameWithCaption) {
  HWND dialog = PaintedDialog(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME);
  // Down the middle column: shadow, highlight, one face row, then the caption bar's sunken edges.
  EXPECT_EQ(Column(dialog, 100, 0, 4), "dwgd");
  EXPECT_EQ(Letter(Pixel(dialog, 100, 20)), 'w') << "bottom edge of the 18-pixel caption bar";
  EXPECT_EQ(Column(dialog, 100, 146, 150), "ggdk");
  // Across the middle row: shadow, highlight, two face columns ... two face columns, shadow, black.
  EXPECT_EQ(Row(dialog, 75, 0, 4), "dwgg");
  EXPECT_EQ(Row(dialog, 75, 196, 200), "ggdk");
  // Corners: top-right and bottom-left take the second colour of each ring.
  EXPECT_EQ(Letter(Pixel(dialog, 199, 0)), 'k');
  EXPECT_EQ(Letter(Pixel(dialog, 0, 149)), 'k');
  EXPECT_EQ(Letter(Pixel(dialog, 198, 1)), 'd');
  // The caption bar spans between the side bands.
  EXPECT_EQ(Row(dialog, 3, 2, 6), "ggdd");
  EXPECT_EQ(Column(dialog, 4, 3, 5), "dd");
  EXPECT_EQ(Letter(Pixel(dialog, 195, 10)), 'w');
}

TEST_F(Dialogs, FrameWithoutCaption) {
  HWND dialog = PaintedDialog(WS_POPUP | WS_VISIBLE | WS_DLGFRAME | DS_MODALFRAME);
  EXPECT_EQ(Column(dialog, 100, 0, 4), "dwgg") << "a two-row top band and no caption bar";
  EXPECT_EQ(Column(dialog, 100, 146, 150), "ggdk");
  EXPECT_EQ(Row(dialog, 75, 0, 4), "dwgg");
}

// The frame is painted only over the standard frame of a visible modal dialog frame.
TEST_F(Dialogs, FrameLeftStandardWhenStylesAreMissingOrTheDialogDeclines) {
  auto standardFrame = [&](DWORD style) {
    HWND plain = MakeDialog(style);
    Win32Test_FillWindow(plain, WIN32TEST_UNPAINTED);
    DefWindowProcA(plain, WM_NCPAINT, 1, 0);
    std::string column = Column(plain, 100, 0, 4);
    DestroyWindow(plain);
    return column;
  };
  const DWORD styles[] = {WS_POPUP | WS_VISIBLE | WS_CAPTION, WS_POPUP | WS_VISIBLE | DS_MODALFRAME};
  for (DWORD style : styles) {
    SCOPED_TRACE(testing::Message() << std::hex << style);
    std::string expected = standardFrame(style);
    HWND dialog = PaintedDialog(style);
    EXPECT_EQ(Column(dialog, 100, 0, 4), expected);
  }
}

INT_PTR CALLBACK NoBorderDialogProc(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == KIRNO_MSG_FRAME) {
    *reinterpret_cast<int*>(lParam) = 0;
    return TRUE;
  }
  return FALSE;
}

TEST_F(Dialogs, DialogMayKeepItsStandardFrame) {
  const DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME;
  HWND plain = MakeDialog(style);
  Win32Test_FillWindow(plain, WIN32TEST_UNPAINTED);
  DefWindowProcA(plain, WM_NCPAINT, 1, 0);

  HWND dialog = MakeDialog(style);
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(NoBorderDialogProc));
  Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);
  Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
  SendMessageA(dialog, WM_NCPAINT, 1, 0);
  EXPECT_EQ(Column(dialog, 100, 0, 4), Column(plain, 100, 0, 4));
  EXPECT_EQ(Row(dialog, 75, 0, 4), Row(plain, 75, 0, 4));
}

TEST_F(Dialogs, SetTextRepaintsTheFrameAndStoresTheText) {
  HWND dialog = PaintedDialog(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME);
  Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
  EXPECT_TRUE(SetWindowTextA(dialog, "Install"));
  char text[16] = {};
  GetWindowTextA(dialog, text, sizeof text);
  EXPECT_STREQ(text, "Install");
  EXPECT_EQ(Column(dialog, 100, 0, 3), "dwg");
}

TEST_F(Dialogs, InitDialogSubclassesTheControlsAndRepaintsEverything) {
  HWND dialog = MakeDialog();
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_CHECKBOX, 0, 0, 60, 20);
  Ctl3dSubclassDlgEx(dialog, 0);
  EXPECT_EQ(GetPropA(button, KirnoPropertyName()), nullptr);
  Win32Test_ClearInvalidations();
  SendMessageA(dialog, WM_INITDIALOG, 0, 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), BtnWndProc3d);
  Win32TestInvalidation invalidations[4];
  int count = Win32Test_GetInvalidations(dialog, invalidations, 4);
  ASSERT_GE(count, 1);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_TRUE(EqualRect(&invalidations[count - 1].rect, &client));
  EXPECT_TRUE(invalidations[count - 1].erase);
}

HBRUSH g_ownBrush = nullptr;
HBRUSH g_ownEditBrush = nullptr;
INT_PTR CALLBACK ColouringDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_CTLCOLORSTATIC) return reinterpret_cast<INT_PTR>(g_ownBrush);
  if (message == WM_CTLCOLOREDIT) return reinterpret_cast<INT_PTR>(g_ownEditBrush);
  if (message == WM_CTLCOLORBTN) return TRUE;
  return FALSE;
}

TEST_F(Dialogs, ColourMessagesPreferTheDialogsOwnBrush) {
  HWND dialog = MakeDialog();
  g_ownBrush = CreateSolidBrush(RGB(1, 2, 3));
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(ColouringDialogProc));
  Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);
  HDC dc = GetDC(dialog);
  WPARAM wParam = reinterpret_cast<WPARAM>(dc);
  LPARAM control = reinterpret_cast<LPARAM>(dialog);
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, wParam, control), reinterpret_cast<LRESULT>(g_ownBrush));
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORBTN, wParam, control),
            reinterpret_cast<LRESULT>(g_kirno.brushes[kBrushFace]))
      << "TRUE is no brush";
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, wParam, control),
            reinterpret_cast<LRESULT>(g_kirno.brushes[kBrushFace]));
  // Edit fields keep the standard colours: the default answer, on the window colour.
  SetBkColor(dc, RGB(9, 9, 9));
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLOREDIT, wParam, control),
            reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
  // ...unless the dialog colours them itself.
  g_ownEditBrush = CreateSolidBrush(RGB(4, 5, 6));
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLOREDIT, wParam, control), reinterpret_cast<LRESULT>(g_ownEditBrush));
  DeleteObject(g_ownEditBrush);
  g_ownEditBrush = nullptr;
  EXPECT_EQ(Win32Test_DirectProcedureHandleCalls(), 0) << "the slot is called through CallWindowProc";
  ReleaseDC(dialog, dc);
  DeleteObject(g_ownBrush);
}

// A dialog class made with Ctl3dDlgProc as its own procedure never carries the property;
// its messages go to the platform's default dialog processing.
INT_PTR CALLBACK CountingDialogProc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_USER + 1) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, 42);
    return TRUE;
  }
  return FALSE;
}

TEST_F(Dialogs, DialogClassWithOurProcedureGetsDefaultDialogProcessing) {
  WNDCLASSA dialogClass = {};
  dialogClass.lpfnWndProc = Ctl3dDlgProc;
  dialogClass.cbWndExtra = DLGWINDOWEXTRA;
  dialogClass.hInstance = caller_;
  dialogClass.lpszClassName = "SetupDialog";
  ASSERT_TRUE(RegisterClassA(&dialogClass));
  HWND dialog = CreateWindowExA(0, "SetupDialog", "Setup", WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 0, 0,
                                200, 150, nullptr, nullptr, caller_, nullptr);
  ASSERT_NE(dialog, nullptr);
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(CountingDialogProc));
  EXPECT_EQ(SendMessageA(dialog, WM_USER + 1, 0, 0), 42);
  char text[16] = {};
  GetWindowTextA(dialog, text, sizeof text);
  EXPECT_STREQ(text, "Setup");
  EXPECT_TRUE(DestroyWindow(dialog));
}

}  // namespace

namespace {

std::vector<UINT> g_seenByDialog;
INT_PTR CALLBACK RecordingDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  g_seenByDialog.push_back(message);
  return FALSE;
}

bool Saw(UINT message) {
  for (UINT m : g_seenByDialog)
    if (m == message) return true;
  return false;
}

}  // namespace

// Activation repaints the standard frame first; the 3-D frame then goes over it, and the
// dialog's own procedure never sees the message.
TEST_F(Dialogs, ActivationRepaintsTheFrameOverTheStandardOne) {
  HWND dialog = MakeDialog();
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(RecordingDialogProc));
  Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL);
  for (BOOL active : {TRUE, FALSE}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
    g_seenByDialog.clear();
    EXPECT_EQ(SendMessageA(dialog, WM_NCACTIVATE, active, 0), TRUE);
    EXPECT_FALSE(Saw(WM_NCACTIVATE));
    EXPECT_EQ(Column(dialog, 100, 0, 4), "dwgd");
    EXPECT_EQ(Row(dialog, 75, 0, 4), "dwgg");
    // Inside the caption's sunken edges the standard caption bar shows in its colour.
    EXPECT_EQ(Pixel(dialog, 100, 10), GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  }
}

// While the library is disabled the frame painter is the platform's default processing alone.
TEST_F(Dialogs, FramePaintWhileDisabledLeavesTheStandardFrame) {
  const DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME;
  HWND dialog = MakeDialog(style);
  Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
  DefWindowProcA(dialog, WM_NCPAINT, 1, 0);
  const std::string column = Column(dialog, 100, 0, 4), row = Row(dialog, 75, 0, 4);
  ASSERT_NE(column, "dwgd") << "the standard frame must differ for this test to mean anything";

  Ctl3dUnregister(caller_);
  ASSERT_FALSE(Ctl3dEnabled());
  Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
  EXPECT_EQ(Ctl3dDlgFramePaint(dialog, WM_NCPAINT, 1, 0), DefWindowProcA(dialog, WM_NCPAINT, 1, 0));
  EXPECT_EQ(Column(dialog, 100, 0, 4), column);
  EXPECT_EQ(Row(dialog, 75, 0, 4), row);
  EXPECT_EQ(Ctl3dDlgFramePaint(dialog, WM_NCACTIVATE, TRUE, 0), TRUE);
  EXPECT_EQ(Column(dialog, 100, 0, 3), column.substr(0, 3)) << "above the caption bar, which turns active";
  EXPECT_EQ(Pixel(dialog, 100, 10), GetSysColor(COLOR_ACTIVECAPTION));
}

// An outer subclass that looks after the library's own non-client destroy handling.
WNDPROC g_innerProc = nullptr;
bool g_propertyGoneAtDestroy = false;
LRESULT CALLBACK OuterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(g_innerProc, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) g_propertyGoneAtDestroy = GetPropA(window, KirnoPropertyName()) == nullptr;
  return result;
}

TEST_F(Dialogs, DestroyingRemovesThePropertyFromTheDialogAndItsControls) {
  struct Case {
    const char* name;
    bool control;
  };
  for (const Case& c : {Case{"dialog", false}, Case{"button", true}}) {
    SCOPED_TRACE(c.name);
    HWND dialog = MakeDialog();
    HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 20);
    ASSERT_TRUE(Ctl3dSubclassDlgEx(dialog, KIRNO_TYPE_ALL));
    HWND watched = c.control ? button : dialog;
    ASSERT_NE(GetPropA(watched, KirnoPropertyName()), nullptr);
    g_innerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(watched, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProc)));
    g_propertyGoneAtDestroy = false;
    EXPECT_TRUE(DestroyWindow(dialog));
    EXPECT_TRUE(g_propertyGoneAtDestroy);
  }
}

// WM_INITDIALOG invalidates the whole dialog, and through it the controls it paints over: the
// next repaint shows every control in its 3-D look.
TEST_F(Dialogs, InitDialogRepaintsTheControlsThroughTheRepaintCycle) {
  HWND dialog = MakeDialog(WS_POPUP | WS_VISIBLE, 200, 150);
  HWND button = MakeChild(dialog, "Button", WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 75, 23, 100, "OK");
  Ctl3dSubclassDlgEx(dialog, 0);
  UpdateWindow(dialog);  // nothing left to paint
  Win32Test_FillWindow(dialog, WIN32TEST_UNPAINTED);
  SendMessageA(dialog, WM_INITDIALOG, 0, 0);
  UpdateWindow(dialog);
  EXPECT_EQ(Row(dialog, 5, 0, 10), std::string(10, 'g')) << "the dialog's face";
  EXPECT_EQ(Row(button, 0, 0, 75), "g" + std::string(73, 'k') + "g");
  EXPECT_EQ(Row(button, 1, 0, 4), "kwww");
}

// The frame's side bands follow the dialog-frame width and its top and bottom bands the height,
// which differ here.
TEST_F(Dialogs, FrameBandsFollowTheirOwnMetric) {
  Ctl3dUnregister(caller_);
  Win32Test_SetSystemMetric(SM_CXDLGFRAME, 5);
  Win32Test_SetSystemMetric(SM_CYDLGFRAME, 3);
  Register();
  ASSERT_EQ(g_kirno.dialogFrameX, 4);
  ASSERT_EQ(g_kirno.dialogFrameY, 2);
  HWND dialog = PaintedDialog(WS_POPUP | WS_VISIBLE | WS_DLGFRAME | DS_MODALFRAME);
  EXPECT_EQ(Row(dialog, 75, 0, 7), "dwgggg.") << "side bands 4 wide";
  EXPECT_EQ(Row(dialog, 75, 193, 200), ".ggggdk");
  EXPECT_EQ(Column(dialog, 100, 0, 5), "dwgg.") << "top band 2 high";
  EXPECT_EQ(Column(dialog, 100, 145, 150), ".ggdk") << "bottom band 2 high";
}
