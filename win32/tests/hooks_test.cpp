// Window-creation hooks: the create event, chain order, vetoes, removal, and per-thread installation.
#include "stand_in_test.h"

#include <thread>

namespace {

struct Seen {
    HWND hwnd;
    std::string className;
    std::string name;
    HWND parent;
    LONG style;
    int cx;
    HWND insertAfter;
    bool linkedToParent;
};
std::vector<Seen> g_seen;
std::vector<std::string> g_order;
bool g_veto = false;

LRESULT CALLBACK Recorder(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        auto* cbt = (CBT_CREATEWNDA*)lParam;
        const CREATESTRUCTA* cs = cbt->lpcs;
        std::string cls = IS_INTRESOURCE(cs->lpszClass) ? "#" + std::to_string(LOWORD((ULONG_PTR)cs->lpszClass))
                                                        : cs->lpszClass;
        HWND hwnd = (HWND)wParam;
        bool linked = cs->hwndParent && GetWindow(cs->hwndParent, GW_CHILD) != nullptr && GetParent(hwnd) == cs->hwndParent;
        g_seen.push_back({hwnd, cls, cs->lpszName ? cs->lpszName : "", cs->hwndParent, cs->style, cs->cx,
                          cbt->hwndInsertAfter, linked});
        g_order.push_back("recorder");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Newer(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        g_order.push_back("newer");
        // A hook may change the size before the window hears of it.
        ((CBT_CREATEWNDA*)lParam)->lpcs->cx = 77;
        if (g_veto) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

class HooksTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        g_seen.clear();
        g_order.clear();
        g_veto = false;
    }
};

TEST_F(HooksTest, CreationEventCarriesTheCreateStructBeforeWindowMessages) {
    HHOOK h = SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId());
    ASSERT_NE(h, nullptr);
    HWND dlg = CreateWindowExA(0, WC_DIALOG, "Setup", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr, module_, nullptr);
    HWND button = Child(dlg, "Button", WS_VISIBLE | BS_CHECKBOX, 5, 5, 50, 14, 7, "Check");
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].hwnd, dlg);
    EXPECT_EQ(g_seen[0].className, "#32770");  // the dialog class as its atom
    EXPECT_EQ(g_seen[0].name, "Setup");
    EXPECT_EQ(g_seen[0].insertAfter, HWND_TOP);
    EXPECT_EQ(g_seen[1].hwnd, button);
    EXPECT_EQ(g_seen[1].className, "Button");
    EXPECT_EQ(g_seen[1].parent, dlg);
    EXPECT_TRUE(g_seen[1].style & WS_VISIBLE);  // as asked, although not yet shown
    EXPECT_EQ(g_seen[1].cx, 50);
    EXPECT_EQ(g_seen[1].insertAfter, HWND_BOTTOM);
    EXPECT_TRUE(g_seen[1].linkedToParent);
    EXPECT_TRUE(UnhookWindowsHookEx(h));
    Child(dlg, "Button", 0, 0, 0, 1, 1);
    EXPECT_EQ(g_seen.size(), 2u);
    EXPECT_FALSE(UnhookWindowsHookEx(h));
}

TEST_F(HooksTest, NewestHookRunsFirstAndPassesOnThroughTheChain) {
    SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId());
    SetWindowsHookExA(WH_CBT, Newer, module_, GetCurrentThreadId());
    HWND w = TopLevel();
    EXPECT_EQ(g_order, (std::vector<std::string>{"newer", "recorder"}));
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].cx, 77);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 77);
}

TEST_F(HooksTest, NonZeroAnswerCancelsTheCreation) {
    SetWindowsHookExA(WH_CBT, Newer, module_, GetCurrentThreadId());
    g_veto = true;
    EXPECT_EQ(TopLevel(), nullptr);
    g_veto = false;
    EXPECT_NE(TopLevel(), nullptr);
}

TEST_F(HooksTest, ThreadHookSeesOnlyItsThreadsWindows) {
    DWORD main = GetCurrentThreadId();
    DWORD other = 0;
    HHOOK otherHook = nullptr;
    std::thread t([&] {
        other = GetCurrentThreadId();
        otherHook = SetWindowsHookExA(WH_CBT, Recorder, module_, other);
    });
    t.join();
    EXPECT_NE(other, main);
    ASSERT_NE(otherHook, nullptr);
    TopLevel();
    EXPECT_TRUE(g_seen.empty());
    std::thread t2([&] {
        // A thread's id stays its own; windows created there reach its hook.
        CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, module_, nullptr);
    });
    t2.join();
    EXPECT_TRUE(g_seen.empty()) << "a new thread has an id of its own";
    EXPECT_EQ(GetCurrentThreadId(), main);
}

TEST_F(HooksTest, InstallationErrors) {
    EXPECT_EQ(SetWindowsHookExA(WH_CBT, Recorder, nullptr, 0), nullptr);  // a global hook needs its module
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_HOOK_NEEDS_HMOD);
    EXPECT_EQ(SetWindowsHookExA(99, Recorder, module_, 0), nullptr);
    Win32Test_FailAfter(WIN32TEST_FAIL_HOOK, 1);
    EXPECT_NE(SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId()), nullptr);
    EXPECT_EQ(SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId()), nullptr);
    EXPECT_NE(SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId()), nullptr);
}

TEST_F(HooksTest, HookMayRemoveItselfWhileRunning) {
    static HHOOK self;
    struct Once {
        static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
            g_order.push_back("once");
            UnhookWindowsHookEx(self);
            return CallNextHookEx(self, code, w, l);
        }
    };
    SetWindowsHookExA(WH_CBT, Recorder, module_, GetCurrentThreadId());
    self = SetWindowsHookExA(WH_CBT, Once::Proc, module_, GetCurrentThreadId());
    TopLevel();
    TopLevel();
    EXPECT_EQ(g_order, (std::vector<std::string>{"once", "recorder", "recorder"}));
}
