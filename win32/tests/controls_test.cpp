// The system controls' own behaviour: button state, fonts, combo box parts, list and edit basics.
#include "stand_in_test.h"

class ControlsTest : public StandInTest {};

TEST_F(ControlsTest, CheckStateIsClampedToWhatTheKindAllows) {
    HWND top = TopLevel();
    struct Case {
        DWORD kind;
        WPARAM asked;
        LRESULT kept;
    } cases[] = {
        {BS_CHECKBOX, BST_CHECKED, BST_CHECKED},           {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_AUTO3STATE, BST_INDETERMINATE, BST_INDETERMINATE}, {BS_3STATE, 5, BST_INDETERMINATE},
        {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED},    {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
    };
    for (const Case& c : cases) {
        HWND b = Child(top, "Button", c.kind, 0, 0, 50, 14);
        SendMessageA(b, BM_SETCHECK, c.asked, 0);
        EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), c.kept) << "kind " << c.kind;
        EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & 3, c.kept);
    }
}

TEST_F(ControlsTest, StateCombinesMarkPushAndFocus) {
    HWND top = TopLevel();
    HWND b = Child(top, "Button", BS_AUTOCHECKBOX | WS_VISIBLE, 0, 0, 50, 14);
    SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(b, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_CHECKED | BST_PUSHED);
    SetFocus(b);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_CHECKED | BST_PUSHED | BST_FOCUS);
    SendMessageA(b, BM_SETSTATE, FALSE, 0);
    SetFocus(nullptr);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_CHECKED);
    SendMessageA(b, BM_CLICK, 0, 0);  // an automatic check box toggles
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, ButtonPaintsStateChangesOnlyWhileVisible) {
    HWND top = TopLevel();
    HWND b = Child(top, "Button", BS_CHECKBOX | WS_VISIBLE, 0, 0, 50, 14);
    Win32Test_FillWindow(b, 0x123456);
    LONG style = GetWindowLongA(b, GWL_STYLE);
    SetWindowLongA(b, GWL_STYLE, style & ~WS_VISIBLE);
    SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Win32Test_GetPixel(b, 30, 1), (COLORREF)0x123456);
    SetWindowLongA(b, GWL_STYLE, style);
    SendMessageA(b, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(Win32Test_GetPixel(b, 30, 1), (COLORREF)0xC0C0C0);  // the parent's button colour
}

TEST_F(ControlsTest, FontIsKeptByEachControl) {
    HWND top = TopLevel();
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    for (LPCSTR cls : {"Button", "Edit", "ListBox", "Static", "ComboBox"}) {
        HWND c = Child(top, cls, 0, 0, 0, 50, 50);
        EXPECT_EQ(SendMessageA(c, WM_GETFONT, 0, 0), 0) << cls;
        SendMessageA(c, WM_SETFONT, (WPARAM)font, FALSE);
        EXPECT_EQ((HFONT)SendMessageA(c, WM_GETFONT, 0, 0), font) << cls;
    }
    EXPECT_EQ(DefWindowProcA(top, WM_GETFONT, 0, 0), 0);
}

TEST_F(ControlsTest, ComboBoxPartsByKind) {
    HWND top = TopLevel(300, 300);
    char cls[16];

    HWND simple = Child(top, "ComboBox", CBS_SIMPLE | WS_VISIBLE, 0, 0, 100, 120, 10);
    HWND list = GetWindow(simple, GW_CHILD);
    ASSERT_NE(list, nullptr);
    GetClassNameA(list, cls, sizeof cls);
    EXPECT_STREQ(cls, "ComboLBox");
    EXPECT_EQ(GetDlgCtrlID(list), 1000);
    HWND edit = GetWindow(list, GW_HWNDNEXT);
    ASSERT_NE(edit, nullptr);
    GetClassNameA(edit, cls, sizeof cls);
    EXPECT_STREQ(cls, "Edit");
    EXPECT_EQ(GetDlgCtrlID(edit), 1001);
    EXPECT_EQ(GetWindow(edit, GW_HWNDNEXT), nullptr);

    HWND dropDown = Child(top, "ComboBox", CBS_DROPDOWN | WS_VISIBLE, 0, 150, 100, 120, 11);
    HWND first = GetWindow(dropDown, GW_CHILD);
    ASSERT_NE(first, nullptr);
    GetClassNameA(first, cls, sizeof cls);
    EXPECT_STREQ(cls, "Edit");  // the drop-down list is a pop-up, not a child
    EXPECT_EQ(GetDlgCtrlID(first), 1001);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), nullptr);
    RECT r;
    GetWindowRect(dropDown, &r);
    EXPECT_EQ(r.bottom - r.top, 21);  // the closed box is one line high

    HWND dropList = Child(top, "ComboBox", CBS_DROPDOWNLIST | WS_VISIBLE, 0, 200, 100, 120, 12);
    EXPECT_EQ(GetWindow(dropList, GW_CHILD), nullptr);

    SendMessageA(dropDown, CB_ADDSTRING, 0, (LPARAM)"beta");
    SendMessageA(dropDown, CB_ADDSTRING, 0, (LPARAM)"alpha");
    EXPECT_EQ(SendMessageA(dropDown, CB_GETCOUNT, 0, 0), 2);
    SendMessageA(dropDown, CB_SETCURSEL, 1, 0);
    char text[16];
    GetWindowTextA(dropDown, text, sizeof text);
    EXPECT_STREQ(text, "alpha");  // the edit field shows the selection
    DestroyWindow(dropDown);
    EXPECT_FALSE(IsWindow(first));
}

TEST_F(ControlsTest, EditCaretExistsWhileFocused) {
    HWND top = TopLevel();
    HWND edit = Child(top, "Edit", WS_VISIBLE | WS_BORDER, 0, 0, 60, 20);
    EXPECT_FALSE(HideCaret(edit));
    SetFocus(edit);
    EXPECT_TRUE(HideCaret(edit));
    EXPECT_EQ(Win32Test_CaretHideLevel(), 1);
    EXPECT_TRUE(ShowCaret(edit));
    EXPECT_EQ(Win32Test_CaretHideLevel(), 0);
    EXPECT_EQ(Win32Test_CaretHideCalls(), 1);
    EXPECT_EQ(Win32Test_CaretShowCalls(), 1);
    SetFocus(nullptr);
    EXPECT_FALSE(HideCaret(edit));
}

TEST_F(ControlsTest, ListBoxKeepsItemsAndSelection) {
    HWND top = TopLevel();
    HWND list = Child(top, "ListBox", LBS_SORT, 0, 0, 60, 60);
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)"b");
    SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)"a");
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    char text[8];
    SendMessageA(list, LB_GETTEXT, 0, (LPARAM)text);
    EXPECT_STREQ(text, "a");
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 5, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
}

TEST_F(ControlsTest, StaticTextPaintsOnTheParentsStaticColour) {
    HWND top = TopLevel();
    HWND s = Child(top, "Static", SS_LEFT | WS_VISIBLE, 0, 0, 30, 13, 0, "Hi");
    UpdateWindow(top);
    EXPECT_EQ(Win32Test_GetPixel(s, 1, 2), (COLORREF)0x000000);   // ink of "H"
    EXPECT_EQ(Win32Test_GetPixel(s, 0, 0), (COLORREF)0xC0C0C0);   // face background
    EXPECT_EQ(Win32Test_GetPixel(s, 20, 5), (COLORREF)0xC0C0C0);  // beyond the text
}
