// Message routing: procedure replacement chains, default window and dialog processing, window longs.
#include "stand_in_test.h"

namespace {

std::vector<std::string> g_calls;
WNDPROC g_firstPrevious = nullptr;
WNDPROC g_secondPrevious = nullptr;

LRESULT CALLBACK FirstSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) g_calls.push_back("first");
    return CallWindowProcA(g_firstPrevious, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK SecondSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) {
        g_calls.push_back("second");
        return CallWindowProcA(g_secondPrevious, hwnd, msg, wParam, lParam) + 100;
    }
    return CallWindowProcA(g_secondPrevious, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) {
        g_calls.push_back("class");
        return (LRESULT)wParam + lParam;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
    switch (msg) {
    case WM_USER:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 42);
        return TRUE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: return (INT_PTR)GetStockObject(BLACK_BRUSH);  // the answer itself
    case WM_INITDIALOG: return 7;
    default: return FALSE;
    }
}

}  // namespace

class MessagesTest : public StandInTest {};

TEST_F(MessagesTest, SubclassChainRunsNewestFirstAndReachesTheClass) {
    Register("Chain", ClassProc);
    HWND w = TopLevel(10, 10, WS_POPUP, "Chain");
    g_firstPrevious = (WNDPROC)SetWindowLongPtrA(w, GWLP_WNDPROC, (LONG_PTR)FirstSubclass);
    g_secondPrevious = (WNDPROC)SetWindowLongPtrA(w, GWLP_WNDPROC, (LONG_PTR)SecondSubclass);
    EXPECT_EQ(g_firstPrevious, ClassProc);
    EXPECT_EQ(g_secondPrevious, FirstSubclass);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(w, GWLP_WNDPROC), SecondSubclass);
    EXPECT_EQ((WNDPROC)GetClassLongPtrA(w, GCLP_WNDPROC), ClassProc);  // the class keeps its own

    g_calls.clear();
    EXPECT_EQ(SendMessageA(w, WM_USER, 2, 3), 105);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"second", "first", "class"}));
    g_calls.clear();
    EXPECT_EQ(CallWindowProcA(FirstSubclass, w, WM_USER, 1, 1), 2);  // straight into the middle
    EXPECT_EQ(g_calls, (std::vector<std::string>{"first", "class"}));
}

TEST_F(MessagesTest, ThirtyTwoBitLongsRefusePointerSlots) {
    HWND w = TopLevel();
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(w, GWLP_WNDPROC), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), (LONG)(WS_POPUP | WS_VISIBLE));
}

TEST_F(MessagesTest, StyleChangesOnlyTheBits) {
    HWND top = TopLevel();
    HWND b = Child(top, "Button", WS_VISIBLE, 0, 0, 10, 10);
    LONG old = (LONG)SetWindowLongPtrA(b, GWL_STYLE, GetWindowLongPtrA(b, GWL_STYLE) & ~WS_VISIBLE);
    EXPECT_TRUE(old & WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(b));
    SetWindowLongPtrA(b, GWL_STYLE, old);
    EXPECT_TRUE(IsWindowVisible(b));
}

TEST_F(MessagesTest, ExtraBytesAreBoundsChecked) {
    Register("Extra", nullptr, nullptr, 16);
    HWND w = TopLevel(10, 10, WS_POPUP, "Extra");
    EXPECT_EQ(SetWindowLongPtrA(w, 8, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, 8), 1234);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(w, 9), 0);  // would read past the 16 bytes
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);
}

TEST_F(MessagesTest, DefaultTextHandlingTruncatesAndTerminates) {
    HWND w = CreateWindowExA(0, "Static", "Hello", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, module_, nullptr);
    char buffer[8];
    EXPECT_EQ(GetWindowTextLengthA(w), 5);
    EXPECT_EQ(GetWindowTextA(w, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Hel");
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 0, (LPARAM)buffer), 0);
    EXPECT_TRUE(SetWindowTextA(w, "Bye"));
    EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "Bye");
    EXPECT_TRUE(SetWindowTextA(w, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

TEST_F(MessagesTest, DefaultColourAnswersDependOnTheControlKind) {
    HWND w = TopLevel();
    HDC hdc = GetDC(w);
    struct Case {
        UINT msg;
        int brushColor;
        COLORREF bk;
    } cases[] = {
        {WM_CTLCOLOREDIT, COLOR_WINDOW, 0xFFFFFF},   {WM_CTLCOLORLISTBOX, COLOR_WINDOW, 0xFFFFFF},
        {WM_CTLCOLORMSGBOX, COLOR_WINDOW, 0xFFFFFF}, {WM_CTLCOLORBTN, COLOR_BTNFACE, 0xC0C0C0},
        {WM_CTLCOLORDLG, COLOR_BTNFACE, 0xC0C0C0},   {WM_CTLCOLORSTATIC, COLOR_BTNFACE, 0xC0C0C0},
    };
    for (const Case& c : cases) {
        SetBkColor(hdc, 0x123456);
        EXPECT_EQ((HBRUSH)DefWindowProcA(w, c.msg, (WPARAM)hdc, (LPARAM)w), GetSysColorBrush(c.brushColor));
        EXPECT_EQ(GetBkColor(hdc), c.bk) << std::hex << c.msg;
    }
    ReleaseDC(w, hdc);
}

TEST_F(MessagesTest, DialogProcedureAnswersThroughTheResultSlot) {
    HWND dlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, module_, nullptr);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(dlg, GWLP_WNDPROC), DefDlgProcA);
    char name[16];
    GetClassNameA(dlg, name, sizeof name);
    EXPECT_STREQ(name, "#32770");
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, (LONG_PTR)DialogProc);
    EXPECT_EQ(SendMessageA(dlg, WM_USER, 0, 0), 42);
    EXPECT_EQ(SendMessageA(dlg, WM_INITDIALOG, 0, 0), 7);
    EXPECT_EQ((HGDIOBJ)SendMessageA(dlg, WM_CTLCOLORBTN, 0, 0), GetStockObject(BLACK_BRUSH));
    // Not handled by the dialog procedure: default processing answers.
    HDC hdc = GetDC(dlg);
    EXPECT_EQ((HBRUSH)SendMessageA(dlg, WM_CTLCOLORSTATIC, (WPARAM)hdc, 0), GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(dlg, hdc);
}

// Windows documents that the slot may read back as a handle to be called through CallWindowProc.
TEST_F(MessagesTest, DialogProcedureSlotReadsBackAsAHandleForCallWindowProc) {
    HWND dlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, module_, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(dlg, DWLP_DLGPROC), 0) << "no procedure, no handle";
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, (LONG_PTR)DialogProc);
    LONG_PTR slot = GetWindowLongPtrA(dlg, DWLP_DLGPROC);
    ASSERT_NE(slot, 0);
    EXPECT_NE(slot, (LONG_PTR)DialogProc);
    EXPECT_EQ(GetWindowLongPtrA(dlg, DWLP_DLGPROC), slot) << "one handle per procedure";

    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, 0);
    EXPECT_EQ(CallWindowProcA((WNDPROC)slot, dlg, WM_INITDIALOG, 0, 0), 7);
    EXPECT_EQ(Win32Test_DirectProcedureHandleCalls(), 0);
    EXPECT_EQ(((WNDPROC)slot)(dlg, WM_INITDIALOG, 0, 0), 0) << "a direct call reaches nothing";
    EXPECT_EQ(Win32Test_DirectProcedureHandleCalls(), 1);

    // Storing the handle back keeps the procedure; the old value comes back as a handle too.
    EXPECT_EQ(SetWindowLongPtrA(dlg, DWLP_DLGPROC, slot), slot);
    EXPECT_EQ(SendMessageA(dlg, WM_USER, 0, 0), 42);
    EXPECT_EQ(SetWindowLongPtrA(dlg, DWLP_DLGPROC, 0), slot);
    EXPECT_EQ(SendMessageA(dlg, WM_USER, 0, 0), 0);

    // Other windows' extra bytes are plain data, even at the same offset.
    Register("Plain", nullptr, nullptr, DLGWINDOWEXTRA);
    HWND plain = TopLevel(10, 10, WS_POPUP, "Plain");
    SetWindowLongPtrA(plain, DWLP_DLGPROC, (LONG_PTR)DialogProc);
    EXPECT_EQ(GetWindowLongPtrA(plain, DWLP_DLGPROC), (LONG_PTR)DialogProc);
}

TEST_F(MessagesTest, DialogEraseUsesItsOwnColourAnswer) {
    HWND dlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, module_, nullptr);
    UpdateWindow(dlg);
    EXPECT_EQ(Win32Test_GetPixel(dlg, 5, 5), (COLORREF)0xC0C0C0);
    Win32Test_SetSysColor(COLOR_BTNFACE, 0x00FF00);  // the system-colour brush follows the colour
    InvalidateRect(dlg, nullptr, TRUE);
    UpdateWindow(dlg);
    EXPECT_EQ(Win32Test_GetPixel(dlg, 5, 5), (COLORREF)0x00FF00);
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, (LONG_PTR)DialogProc);
    InvalidateRect(dlg, nullptr, TRUE);
    UpdateWindow(dlg);
    EXPECT_EQ(Win32Test_GetPixel(dlg, 5, 5), (COLORREF)0x000000);
}

TEST_F(MessagesTest, GetClassInfoGivesTheSystemProcedures) {
    const char* names[] = {"Button", "Edit", "ListBox", "ComboBox", "ComboLBox", "Static", "#32770"};
    for (const char* n : names) {
        WNDCLASSA wc{};
        ASSERT_TRUE(GetClassInfoA(nullptr, n, &wc)) << n;
        EXPECT_NE(wc.lpfnWndProc, nullptr);
        EXPECT_EQ(wc.lpszClassName, n);
    }
    WNDCLASSA wc{};
    GetClassInfoA(nullptr, "button", &wc);  // class names ignore case
    HWND top = TopLevel();
    HWND b = Child(top, "BUTTON", 0, 0, 0, 1, 1);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(b, GWLP_WNDPROC), wc.lpfnWndProc);
    GetClassInfoA(nullptr, "#32770", &wc);
    EXPECT_EQ(wc.lpfnWndProc, DefDlgProcA);
    EXPECT_GE(wc.cbWndExtra, (int)DWLP_USER);
    EXPECT_FALSE(GetClassInfoA(nullptr, "Nope", &wc));
}

TEST_F(MessagesTest, FocusMovesWithKillAndSetMessages) {
    static std::vector<std::pair<UINT, WPARAM>> seen;
    struct Spy {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_SETFOCUS || m == WM_KILLFOCUS) seen.push_back({m, w});
            return DefWindowProcA(h, m, w, l);
        }
    };
    Register("Spy", Spy::Proc);
    HWND top = TopLevel();
    HWND a = CreateWindowExA(0, "Spy", "", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, top, nullptr, module_, nullptr);
    HWND b = CreateWindowExA(0, "Spy", "", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, top, nullptr, module_, nullptr);
    EXPECT_EQ(SetFocus(a), nullptr);
    seen.clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair((UINT)WM_KILLFOCUS, (WPARAM)b));
    EXPECT_EQ(seen[1], std::make_pair((UINT)WM_SETFOCUS, (WPARAM)a));
    DestroyWindow(b);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessagesTest, PostedMessagesWaitForDispatch) {
    static std::vector<UINT> got;
    struct Spy {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m >= WM_USER) got.push_back(m);
            return DefWindowProcA(h, m, w, l);
        }
    };
    Register("Spy", Spy::Proc);
    HWND w = TopLevel(10, 10, WS_POPUP, "Spy");
    EXPECT_TRUE(PostMessageA(w, WM_USER + 1, 0, 0));
    EXPECT_TRUE(PostMessageA(w, WM_USER + 2, 0, 0));
    EXPECT_TRUE(got.empty());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(got, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    DestroyWindow(w);
    EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
}

namespace {
RECT g_rectDuringCalcSize{};
RECT g_oldRectInRecord{};
LRESULT CALLBACK CalcSizeRecorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCALCSIZE && wParam) {
        GetWindowRect(hwnd, &g_rectDuringCalcSize);
        g_oldRectInRecord = ((NCCALCSIZE_PARAMS*)lParam)->rgrc[1];
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

// The record's rectangles are in the parent's client coordinates; the window's own rectangle
// changes only after the message.
TEST_F(MessagesTest, CalcSizeSeesTheOldWindowRectangle) {
    Register("CalcSize", CalcSizeRecorder);
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 100, nullptr, nullptr,
                                  module_, nullptr);
    HWND child = Child(parent, "CalcSize", WS_VISIBLE, 10, 20, 60, 30);
    SetWindowPos(child, nullptr, 0, 0, 60, 10, SWP_NOMOVE | SWP_NOZORDER);
    RECT screenOld{110, 70, 170, 100}, parentOld{10, 20, 70, 50};
    EXPECT_TRUE(EqualRect(&g_rectDuringCalcSize, &screenOld));
    EXPECT_TRUE(EqualRect(&g_oldRectInRecord, &parentOld));
    RECT now;
    GetWindowRect(child, &now);
    EXPECT_EQ(now.bottom, 80);
}

namespace {
struct FocusEvent {
    UINT message;
    HWND window;
    HWND other;  // wParam: the window gaining (kill) or losing (set) the focus
    HWND focusInside;
    bool operator==(const FocusEvent&) const = default;
};
std::vector<FocusEvent> g_focusEvents;
LRESULT CALLBACK FocusRecorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KILLFOCUS || msg == WM_SETFOCUS) g_focusEvents.push_back({msg, hwnd, (HWND)wParam, GetFocus()});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

// WM_KILLFOCUS comes just before the window loses the focus, WM_SETFOCUS just after the new one has it.
TEST_F(MessagesTest, FocusMessagesComeInOrderAndGetFocusAnswersAsDocumented) {
    Register("FocusRecorder", FocusRecorder);
    HWND parent = TopLevel(200, 100, WS_POPUP | WS_VISIBLE, "FocusRecorder");
    HWND a = Child(parent, "FocusRecorder", WS_VISIBLE, 0, 0, 20, 20);
    HWND b = Child(parent, "FocusRecorder", WS_VISIBLE, 30, 0, 20, 20);
    g_focusEvents.clear();
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(SetFocus(nullptr), b);
    const std::vector<FocusEvent> expected = {
        {WM_SETFOCUS, a, nullptr, a},
        {WM_KILLFOCUS, a, b, a},
        {WM_SETFOCUS, b, a, b},
        {WM_KILLFOCUS, b, nullptr, b},
    };
    EXPECT_EQ(g_focusEvents, expected);
    EXPECT_EQ(GetFocus(), nullptr);
}
