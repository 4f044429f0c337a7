// Dialogs made from in-memory templates: order of creation, messages, units and class ordinals.
#include "stand_in_test.h"

namespace {

// Writes a DLGTEMPLATE the way the resource compiler lays it out.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, short cx, short cy, const char* title) {
        DLGTEMPLATE t{style, 0, 0, 0, 0, cx, cy};
        append(&t, sizeof t);
        word(0);  // no menu
        word(0);  // the dialog class
        text(title);
        if (style & DS_SETFONT) {
            word(8);
            text("MS Sans Serif");
        }
    }
    void item(WORD classOrdinal, DWORD style, short x, short y, short cx, short cy, WORD id, const char* title) {
        while (bytes_.size() % 4) bytes_.push_back(0);
        DLGITEMTEMPLATE it{style, 0, x, y, cx, cy, id};
        append(&it, sizeof it);
        word(0xFFFF);
        word(classOrdinal);
        text(title);
        word(0);  // no creation data
        ((DLGTEMPLATE*)bytes_.data())->cdit++;
    }
    LPCDLGTEMPLATEA get() const { return (LPCDLGTEMPLATEA)bytes_.data(); }

private:
    void append(const void* p, size_t n) { bytes_.insert(bytes_.end(), (const char*)p, (const char*)p + n); }
    void word(WORD w) { append(&w, 2); }
    void text(const char* s) {
        for (; *s; ++s) word((WORD)(unsigned char)*s);
        word(0);
    }
    std::vector<char> bytes_;
};

std::vector<std::string> g_events;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        LPCSTR cls = ((CBT_CREATEWNDA*)lParam)->lpcs->lpszClass;
        g_events.push_back(std::string("create ") + (IS_INTRESOURCE(cls) ? "#" + std::to_string(LOWORD((ULONG_PTR)cls)) : cls));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CALLBACK RecordingDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETFONT) g_events.push_back("setfont");
    if (msg == WM_INITDIALOG) {
        g_events.push_back("initdialog param=" + std::to_string(lParam) + " focus=" + std::to_string(GetDlgCtrlID((HWND)wParam)));
        (void)hwnd;
        return TRUE;
    }
    return FALSE;
}

}  // namespace

class DialogTemplateTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        g_events.clear();
    }
};

TEST_F(DialogTemplateTest, WindowFontControlsThenInitDialog) {
    TemplateBuilder t(WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE, 100, 40, "Setup");
    t.item(0x0082, WS_VISIBLE, 4, 4, 40, 8, 10, "Folder:");
    t.item(0x0081, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 4, 14, 60, 12, 11, "");
    t.item(0x0080, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 68, 14, 28, 12, IDOK, "OK");
    SetWindowsHookExA(WH_CBT, RecordCreation, module_, GetCurrentThreadId());
    HWND dlg = CreateDialogIndirectParamA(module_, t.get(), nullptr, RecordingDialogProc, 42);
    ASSERT_NE(dlg, nullptr);
    std::vector<std::string> expected{"create #32770", "setfont", "create Static", "create Edit", "create Button",
                                      "initdialog param=42 focus=11"};
    EXPECT_EQ(g_events, expected);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 11);  // TRUE from WM_INITDIALOG gives the first tab stop the focus
    EXPECT_TRUE(IsWindowVisible(dlg));

    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, 150);  // 100 dialog units of a 6-pixel average character
    EXPECT_EQ(client.bottom, 65);  // 40 units of a 13-pixel line
    RECT edit;
    GetWindowRect(GetDlgItem(dlg, 11), &edit);
    POINT origin{0, 0};
    ClientToScreen(dlg, &origin);
    EXPECT_EQ(edit.left - origin.x, 6);
    EXPECT_EQ(edit.top - origin.y, 23);  // 14 * 13 / 8 rounded
    EXPECT_EQ(edit.right - edit.left, 90);
    char text[16];
    GetWindowTextA(dlg, text, sizeof text);
    EXPECT_STREQ(text, "Setup");
    GetDlgItemTextA(dlg, IDOK, text, sizeof text);
    EXPECT_STREQ(text, "OK");
    EXPECT_TRUE(GetWindowLongA(dlg, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(DialogTemplateTest, FailedControlDestroysTheDialogUnlessAllowed) {
    TemplateBuilder t(WS_POPUP, 50, 20, "");
    t.item(0x0099, WS_VISIBLE, 0, 0, 10, 10, 1, "");  // no such predefined class
    EXPECT_EQ(CreateDialogIndirectParamA(module_, t.get(), nullptr, nullptr, 0), nullptr);
    TemplateBuilder tolerant(WS_POPUP | DS_NOFAILCREATE, 50, 20, "");
    tolerant.item(0x0099, WS_VISIBLE, 0, 0, 10, 10, 1, "");
    tolerant.item(0x0082, WS_VISIBLE, 0, 0, 10, 10, 2, "");
    HWND dlg = CreateDialogIndirectParamA(module_, tolerant.get(), nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetWindow(GetWindow(dlg, GW_CHILD), GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgCtrlID(GetWindow(dlg, GW_CHILD)), 2);
}

TEST_F(DialogTemplateTest, WindowRectangleAddsTheFrame) {
    RECT r{0, 0, 100, 50};
    AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION, FALSE, 0);
    EXPECT_EQ(r.left, -3);
    EXPECT_EQ(r.top, -21);
    EXPECT_EQ(r.right, 103);
    EXPECT_EQ(r.bottom, 53);
    r = RECT{0, 0, 10, 10};
    AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER | WS_VSCROLL, FALSE, 0);  // scroll bars not counted
    EXPECT_EQ(r.right, 11);
}
