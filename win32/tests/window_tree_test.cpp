// Window tree, geometry and lifetime: sibling order, relations, rectangles and destruction order.
#include "stand_in_test.h"

namespace {

std::vector<std::string> g_log;

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    char name[32] = "";
    if (msg == WM_DESTROY || msg == WM_NCDESTROY) DefWindowProcA(hwnd, WM_GETTEXT, sizeof name, (LPARAM)name);
    if (msg == WM_DESTROY) g_log.push_back(std::string("destroy ") + name);
    if (msg == WM_NCDESTROY) g_log.push_back(std::string("ncdestroy ") + name);
    if (msg == WM_NCCREATE) g_log.push_back("nccreate");
    if (msg == WM_NCCALCSIZE) g_log.push_back("nccalcsize");
    if (msg == WM_CREATE) g_log.push_back(std::string("create visible=") + ((GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) ? "1" : "0"));
    if (msg == WM_SHOWWINDOW) g_log.push_back("showwindow");
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

class WindowTreeTest : public StandInTest {};

TEST_F(WindowTreeTest, ChildrenFollowCreationOrderAndRelationsHold) {
    HWND parent = TopLevel();
    HWND a = Child(parent, "Button", 0, 0, 0, 10, 10, 1);
    HWND b = Child(parent, "Edit", 0, 0, 20, 10, 10, 2);
    HWND c = Child(parent, "Static", 0, 0, 40, 10, 10, 3);
    HWND grandchild = Child(b, "Static", 0, 0, 0, 5, 5, 4);

    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
    EXPECT_EQ(GetParent(grandchild), b);
    EXPECT_EQ(GetParent(parent), nullptr);  // a pop-up without owner
    EXPECT_TRUE(IsChild(parent, grandchild));
    EXPECT_TRUE(IsChild(b, grandchild));
    EXPECT_FALSE(IsChild(a, grandchild));
    EXPECT_FALSE(IsChild(grandchild, parent));
    EXPECT_EQ(GetDlgItem(parent, 2), b);
    EXPECT_EQ(GetDlgItem(parent, 4), nullptr);  // only direct children
    EXPECT_EQ(GetDlgCtrlID(c), 3);
    EXPECT_EQ(GetWindowLongPtrA(c, GWLP_ID), 3);

    char name[64];
    EXPECT_EQ(GetClassNameA(b, name, sizeof name), 4);
    EXPECT_STREQ(name, "Edit");
    EXPECT_EQ(GetClassNameA(b, name, 3), 2);  // truncated, terminated
    EXPECT_STREQ(name, "Ed");
}

TEST_F(WindowTreeTest, PopupParentIsItsOwner) {
    HWND owner = TopLevel();
    HWND popup = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, owner, nullptr, module_, nullptr);
    EXPECT_EQ(GetParent(popup), owner);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetWindow(owner, GW_CHILD), nullptr);
}

TEST_F(WindowTreeTest, ChildWithoutParentIsRefused) {
    EXPECT_EQ(CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, module_, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_TLW_WITH_WSCHILD);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, module_, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(WindowTreeTest, ClientRectangleFollowsFrameStyles) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        RECT client;  // in window coordinates, for a 100 x 80 window
    } cases[] = {
        {WS_POPUP, 0, {0, 0, 100, 80}},
        {WS_POPUP | WS_BORDER, 0, {1, 1, 99, 79}},
        {WS_POPUP | WS_DLGFRAME, 0, {3, 3, 97, 77}},
        {WS_POPUP | WS_CAPTION, 0, {3, 21, 97, 77}},
        {WS_POPUP | WS_THICKFRAME, 0, {4, 4, 96, 76}},
        {WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 98, 78}},
        {WS_POPUP | WS_VSCROLL, 0, {0, 0, 84, 80}},
        {WS_POPUP | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, {1, 1, 83, 63}},
    };
    for (const Case& c : cases) {
        HWND w = CreateWindowExA(c.exStyle, "Static", "", c.style, 10, 20, 100, 80, nullptr, nullptr, module_, nullptr);
        RECT window, client;
        GetWindowRect(w, &window);
        GetClientRect(w, &client);
        POINT origin{0, 0};
        ClientToScreen(w, &origin);
        SCOPED_TRACE(testing::Message() << "style " << std::hex << c.style << " ex " << c.exStyle);
        EXPECT_EQ(window.left, 10);
        EXPECT_EQ(window.bottom, 100);
        EXPECT_EQ(origin.x - window.left, c.client.left);
        EXPECT_EQ(origin.y - window.top, c.client.top);
        EXPECT_EQ(client.right, c.client.right - c.client.left);
        EXPECT_EQ(client.bottom, c.client.bottom - c.client.top);
    }
}

TEST_F(WindowTreeTest, PointsMapBetweenNestedClientAreas) {
    HWND top = CreateWindowExA(0, "Static", "", WS_POPUP | WS_BORDER, 100, 50, 300, 200, nullptr, nullptr, module_, nullptr);
    HWND child = Child(top, "Static", WS_BORDER, 10, 20, 50, 40);
    HWND inner = Child(child, "Static", 0, 5, 6, 10, 10);

    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 111);  // 100 + border 1 + 10
    EXPECT_EQ(r.top, 71);
    EXPECT_EQ(r.right, 161);
    POINT p{0, 0};
    ClientToScreen(inner, &p);
    EXPECT_EQ(p.x, 111 + 1 + 5);
    EXPECT_EQ(p.y, 71 + 1 + 6);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10 + 1 + 5);

    POINT pts[2] = {{0, 0}, {3, 4}};
    int offset = MapWindowPoints(inner, top, pts, 2);
    EXPECT_EQ(pts[0].x, 16);
    EXPECT_EQ(pts[0].y, 27);
    EXPECT_EQ(pts[1].x, 19);
    EXPECT_EQ((short)LOWORD(offset), 16);
    EXPECT_EQ((short)HIWORD(offset), 27);
    RECT rr{0, 0, 2, 2};
    MapWindowPoints(top, inner, (LPPOINT)&rr, 2);  // a rectangle is two points
    EXPECT_EQ(rr.left, -16);
    EXPECT_EQ(rr.bottom, -25);
}

TEST_F(WindowTreeTest, CreationSendsMessagesInOrderAndShowsLast) {
    Register("Logging", LoggingProc);
    g_log.clear();
    HWND w = CreateWindowExA(0, "Logging", "w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, module_, nullptr);
    ASSERT_NE(w, nullptr);
    std::vector<std::string> expected{"nccreate", "nccalcsize", "create visible=0", "showwindow"};
    ASSERT_GE(g_log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(g_log.begin(), g_log.begin() + 4), expected);
    EXPECT_TRUE(IsWindowVisible(w));
}

TEST_F(WindowTreeTest, DestroySendsDestroyTopDownAndNcDestroyBottomUp) {
    Register("Logging", LoggingProc);
    HWND top = CreateWindowExA(0, "Logging", "top", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, module_, nullptr);
    HWND kid = CreateWindowExA(0, "Logging", "kid", WS_CHILD, 0, 0, 5, 5, top, nullptr, module_, nullptr);
    SetPropA(kid, "X", (HANDLE)1);
    g_log.clear();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::string> expected{"destroy top", "destroy kid", "ncdestroy kid", "ncdestroy top"};
    EXPECT_EQ(g_log, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(kid));
    EXPECT_EQ(GetPropA(kid, "X"), nullptr);
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTreeTest, VisibilityNeedsEveryAncestorAndEnableSendsMessage) {
    HWND top = TopLevel(100, 100, WS_POPUP);
    HWND kid = Child(top, "Button", WS_VISIBLE, 0, 0, 10, 10);
    EXPECT_FALSE(IsWindowVisible(kid));
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(kid));
    EXPECT_TRUE(IsWindowEnabled(kid));
    EXPECT_FALSE(EnableWindow(kid, FALSE));  // was enabled
    EXPECT_FALSE(IsWindowEnabled(kid));
    EXPECT_TRUE(EnableWindow(kid, TRUE));  // was disabled
}

TEST_F(WindowTreeTest, RedundantMoveIsMarkedBeforeTheWindowHearsOfIt) {
    static WINDOWPOS seen;
    struct Spy {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_WINDOWPOSCHANGING) seen = *(WINDOWPOS*)l;
            return DefWindowProcA(h, m, w, l);
        }
    };
    Register("Spy", Spy::Proc);
    HWND top = TopLevel();
    HWND w = CreateWindowExA(0, "Spy", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 40, top, nullptr, module_, nullptr);
    MoveWindow(w, 10, 10, 50, 30, TRUE);  // same place, lower
    EXPECT_TRUE(seen.flags & SWP_NOMOVE);
    EXPECT_FALSE(seen.flags & SWP_NOSIZE);
    EXPECT_EQ(seen.cx, 50);
    EXPECT_EQ(seen.cy, 30);
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(r.bottom, 30);
}

TEST_F(WindowTreeTest, StaleHandlesStayInvalidAfterReset) {
    HWND w = TopLevel();
    Win32Test_Reset();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 0);
}
