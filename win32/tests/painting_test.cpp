// Device contexts over window pixels: fills, opaque text fills, focus rectangles, clipping, update regions, objects.
#include "stand_in_test.h"

namespace {

constexpr COLORREF kSentinel = 0x010203;

// The pixels of a row as letters: '#' for the colour asked, '.' for the sentinel, '?' otherwise.
std::string Row(HWND w, int y, int x0, int x1, COLORREF ink) {
    std::string s;
    for (int x = x0; x < x1; ++x) {
        COLORREF c = Win32Test_GetPixel(w, x, y);
        s += c == ink ? '#' : (c == kSentinel ? '.' : '?');
    }
    return s;
}

}  // namespace

class PaintingTest : public StandInTest {
protected:
    HWND Canvas(DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER) {
        HWND w = TopLevel(20, 12, style);
        Win32Test_FillWindow(w, kSentinel);
        return w;
    }
};

TEST_F(PaintingTest, ClientDcIsOffsetByTheFrameAndClippedToTheClientArea) {
    HWND w = Canvas();  // one-pixel border: client (1,1)-(19,11)
    HDC hdc = GetDC(w);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(hdc, red);
    EXPECT_TRUE(PatBlt(hdc, -5, -5, 8, 8, PATCOPY));
    SelectObject(hdc, old);
    ReleaseDC(w, hdc);
    EXPECT_EQ(Row(w, 0, 0, 6, 0x0000FF), "......");  // the frame row is outside the client DC
    EXPECT_EQ(Row(w, 1, 0, 6, 0x0000FF), ".###..");
    EXPECT_EQ(Row(w, 3, 0, 6, 0x0000FF), ".###..");
    EXPECT_EQ(Row(w, 4, 0, 6, 0x0000FF), "......");
    EXPECT_TRUE(DeleteObject(red));
}

TEST_F(PaintingTest, WindowDcCoversTheFrame) {
    HWND w = Canvas();
    HDC hdc = GetWindowDC(w);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 3, 1, PATCOPY);
    ReleaseDC(w, hdc);
    EXPECT_EQ(Row(w, 0, 0, 5, 0), "###..");
}

TEST_F(PaintingTest, PatBltOperationsAndNegativeSizes) {
    HWND w = Canvas(WS_POPUP | WS_VISIBLE);
    HDC hdc = GetDC(w);
    HBRUSH b = CreateSolidBrush(0x00FF00);
    SelectObject(hdc, b);
    PatBlt(hdc, 4, 0, -2, 1, PATCOPY);  // columns 2 and 3
    EXPECT_EQ(Row(w, 0, 0, 6, 0x00FF00), "..##..");
    PatBlt(hdc, 0, 1, 2, 1, DSTINVERT);
    EXPECT_EQ(Win32Test_GetPixel(w, 0, 1), (COLORREF)(~kSentinel & 0xFFFFFF));
    PatBlt(hdc, 2, 0, 1, 1, PATINVERT);  // green ^ green
    EXPECT_EQ(Win32Test_GetPixel(w, 2, 0), (COLORREF)0);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    PatBlt(hdc, 0, 2, 5, 1, PATCOPY);  // a null brush paints nothing
    EXPECT_EQ(Row(w, 2, 0, 5, 0), ".....");
    ReleaseDC(w, hdc);
    DeleteObject(b);
}

TEST_F(PaintingTest, OpaqueTextOutputFillsWithTheBackgroundColourInEitherMode) {
    HWND w = Canvas(WS_POPUP | WS_VISIBLE);
    HDC hdc = GetDC(w);
    SetBkColor(hdc, 0x0000FF);
    SetBkMode(hdc, TRANSPARENT);
    RECT r{1, 1, 4, 3};
    EXPECT_TRUE(ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr));
    ReleaseDC(w, hdc);
    EXPECT_EQ(Row(w, 0, 0, 5, 0x0000FF), ".....");
    EXPECT_EQ(Row(w, 1, 0, 5, 0x0000FF), ".###.");
    EXPECT_EQ(Row(w, 2, 0, 5, 0x0000FF), ".###.");
    EXPECT_EQ(Row(w, 3, 0, 5, 0x0000FF), ".....");
}

TEST_F(PaintingTest, FocusRectangleInvertsDotsAndUndoesItself) {
    HWND w = Canvas(WS_POPUP | WS_VISIBLE);
    const COLORREF inverted = ~kSentinel & 0xFFFFFF;
    HDC hdc = GetDC(w);
    RECT r{2, 1, 8, 5};
    DrawFocusRect(hdc, &r);
    // Outline pixels whose x + y is even are inverted.
    EXPECT_EQ(Row(w, 0, 0, 10, inverted), "..........");
    EXPECT_EQ(Row(w, 1, 0, 10, inverted), "...#.#.#..");
    EXPECT_EQ(Row(w, 2, 0, 10, inverted), "..#.......");
    EXPECT_EQ(Row(w, 3, 0, 10, inverted), ".......#..");
    EXPECT_EQ(Row(w, 4, 0, 10, inverted), "..#.#.#...");
    EXPECT_EQ(Row(w, 5, 0, 10, inverted), "..........");
    // The corners are inverted once, so a second call restores every pixel.
    DrawFocusRect(hdc, &r);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(Win32Test_GetPixel(w, x, y), kSentinel) << x << "," << y;
    RECT thin{3, 3, 4, 4};  // a single pixel
    DrawFocusRect(hdc, &thin);
    EXPECT_EQ(Win32Test_GetPixel(w, 3, 3), inverted);
    ReleaseDC(w, hdc);
}

TEST_F(PaintingTest, ClippingNarrowsAndSaveRestoreBringsItBack) {
    HWND w = Canvas(WS_POPUP | WS_VISIBLE);
    HDC hdc = GetDC(w);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    int saved = SaveDC(hdc);
    EXPECT_EQ(IntersectClipRect(hdc, 2, 0, 6, 12), SIMPLEREGION);
    EXPECT_EQ(IntersectClipRect(hdc, 4, 0, 10, 12), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(hdc, 0, 0, 20, 1), SIMPLEREGION);
    RECT box;
    GetClipBox(hdc, &box);
    EXPECT_EQ(box.left, 4);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(box.top, 1);
    PatBlt(hdc, 0, 0, 20, 2, PATCOPY);
    EXPECT_EQ(Row(w, 0, 0, 8, 0), "........");
    EXPECT_EQ(Row(w, 1, 0, 8, 0), "....##..");
    EXPECT_EQ(IntersectClipRect(hdc, 30, 30, 40, 40), NULLREGION);
    EXPECT_TRUE(RestoreDC(hdc, saved));
    PatBlt(hdc, 0, 3, 3, 1, PATCOPY);
    EXPECT_EQ(Row(w, 3, 0, 4, 0), "###.");
    EXPECT_FALSE(RestoreDC(hdc, -1));  // nothing left to restore
    ReleaseDC(w, hdc);
}

TEST_F(PaintingTest, ExcludeUpdateRgnLeavesPendingAreasAlone) {
    HWND w = Canvas(WS_POPUP | WS_VISIBLE);
    ValidateRect(w, nullptr);
    RECT pending{0, 0, 3, 12};
    InvalidateRect(w, &pending, FALSE);
    HDC hdc = GetDC(w);
    EXPECT_EQ(ExcludeUpdateRgn(hdc, w), SIMPLEREGION);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 6, 1, PATCOPY);
    ReleaseDC(w, hdc);
    EXPECT_EQ(Row(w, 0, 0, 6, 0), "...###");
}

// A hidden window has no place on the screen: what lies where it would be stays as it was.
TEST_F(PaintingTest, HiddenWindowsDrawNothing) {
    HWND below = TopLevel(40, 40, WS_POPUP | WS_VISIBLE);
    Win32Test_FillWindow(below, kSentinel);
    HWND top = TopLevel(40, 40, WS_POPUP);  // not visible
    HWND kid = Child(top, "Static", WS_VISIBLE, 0, 0, 10, 10);
    HDC hdc = GetDC(kid);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(PatBlt(hdc, 0, 0, 10, 10, PATCOPY));
    EXPECT_EQ(GetPixel(hdc, 0, 0), CLR_INVALID);
    ReleaseDC(kid, hdc);
    EXPECT_EQ(Win32Test_GetPixel(below, 0, 0), kSentinel);
    Win32Test_FillWindow(kid, 0);  // nor does the test's own fill reach the screen
    EXPECT_EQ(Win32Test_GetPixel(below, 5, 5), kSentinel);
}

TEST_F(PaintingTest, ClipChildrenLeavesChildAreasOut) {
    HWND top = TopLevel(20, 10, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    Child(top, "Static", WS_VISIBLE, 2, 0, 3, 10);
    Child(top, "Static", 0, 8, 0, 3, 10);  // hidden children do not count
    Win32Test_FillWindow(top, kSentinel);
    HDC hdc = GetDC(top);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 12, 1, PATCOPY);
    ReleaseDC(top, hdc);
    EXPECT_EQ(Row(top, 0, 0, 12, 0), "##...#######");
}

TEST_F(PaintingTest, BeginPaintErasesOnceAndClipsToTheUpdateRegion) {
    Register("Erasing", nullptr, GetSysColorBrush(COLOR_WINDOW));
    HWND w = CreateWindowExA(0, "Erasing", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 5, nullptr, nullptr, module_, nullptr);
    UpdateWindow(w);
    EXPECT_EQ(Win32Test_GetPixel(w, 9, 4), (COLORREF)0xFFFFFF);
    Win32Test_FillWindow(w, kSentinel);
    RECT part{0, 0, 2, 5};
    InvalidateRect(w, &part, FALSE);
    EXPECT_FALSE(Win32Test_UpdateNeedsErase(w));
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(w, &ps);
    EXPECT_FALSE(ps.fErase);
    EXPECT_EQ(ps.rcPaint.right, 2);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 10, 1, PATCOPY);
    EndPaint(w, &ps);
    EXPECT_EQ(Row(w, 0, 0, 4, 0), "##..");
    RECT update;
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));  // validated by BeginPaint
    EXPECT_EQ(Win32Test_OpenDCs(), 0);
}

TEST_F(PaintingTest, CallerInvalidationsAreRecorded) {
    HWND w = Canvas();
    Win32Test_ClearInvalidations();
    RECT r{1, 2, 3, 4};
    InvalidateRect(w, &r, TRUE);
    InvalidateRect(w, nullptr, FALSE);
    Win32TestInvalidation log[4];
    ASSERT_EQ(Win32Test_GetInvalidations(w, log, 4), 2);
    EXPECT_EQ(log[0].rect.left, 1);
    EXPECT_EQ(log[0].rect.bottom, 4);
    EXPECT_TRUE(log[0].erase);
    EXPECT_EQ(log[1].rect.right, 18);  // the whole client area
    EXPECT_FALSE(log[1].erase);
    EXPECT_TRUE(Win32Test_UpdateNeedsErase(w));
}

TEST_F(PaintingTest, ObjectsAreCountedAndSelectedOnesSurviveDeletion) {
    HWND w = Canvas();
    int created = Win32Test_CreatedGdiObjects();
    HBRUSH b = CreateSolidBrush(0x112233);
    EXPECT_EQ(Win32Test_CreatedGdiObjects(), created + 1);
    EXPECT_EQ(Win32Test_LiveGdiObjects(), 1);
    HDC hdc = GetDC(w);
    HGDIOBJ old = SelectObject(hdc, b);
    EXPECT_EQ(old, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(b));  // still selected
    SelectObject(hdc, old);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_EQ(Win32Test_LiveGdiObjects(), 0);
    EXPECT_FALSE(DeleteObject(b));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));  // stock objects ignore deletion
    EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_EQ(Win32Test_CreatedGdiObjects(), created + 1);
    EXPECT_EQ(ReleaseDC(w, hdc), 1);
    EXPECT_EQ(ReleaseDC(w, hdc), 0);
}

TEST_F(PaintingTest, DcAndBrushCreationCanFail) {
    HWND w = Canvas();
    Win32Test_FailAfter(WIN32TEST_FAIL_DC, 0);
    EXPECT_EQ(GetDC(w), nullptr);
    HDC hdc = GetDC(w);
    EXPECT_NE(hdc, nullptr);
    Win32Test_FailAfter(WIN32TEST_FAIL_GDI_OBJECT, 1);
    HBRUSH first = CreateSolidBrush(0);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(CreateSolidBrush(0), nullptr);
    DeleteObject(first);
    ReleaseDC(w, hdc);
}

TEST_F(PaintingTest, DefaultFrameAndCaption) {
    HWND w = CreateWindowExA(0, "Static", "Cap", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 60, 40, nullptr,
                             nullptr, module_, nullptr);
    UpdateWindow(w);
    EXPECT_EQ(Win32Test_GetPixel(w, 0, 0), (COLORREF)0x000000);   // outline
    EXPECT_EQ(Win32Test_GetPixel(w, 1, 30), (COLORREF)0xC0C0C0);  // dialog frame band
    EXPECT_EQ(Win32Test_GetPixel(w, 40, 4), (COLORREF)0x808080);  // inactive caption
    SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(Win32Test_GetPixel(w, 40, 4), (COLORREF)0x800000);  // active caption
}

TEST_F(PaintingTest, HidingMovingAndShowingInvalidateWhatThePlatformWould) {
    HWND top = TopLevel(100, 100);
    HWND kid = Child(top, "Static", WS_VISIBLE, 10, 10, 20, 20);
    UpdateWindow(top);
    RECT r;
    ASSERT_FALSE(GetUpdateRect(top, &r, FALSE));

    MoveWindow(kid, 20, 10, 20, 20, TRUE);  // uncovers columns 10..19 of the parent
    ASSERT_TRUE(GetUpdateRect(top, &r, FALSE));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.bottom, 30);
    EXPECT_FALSE(GetUpdateRect(kid, nullptr, FALSE));  // moved, not resized: nothing to repaint
    ValidateRect(top, nullptr);

    ShowWindow(kid, SW_HIDE);
    ASSERT_TRUE(GetUpdateRect(top, &r, FALSE));
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.right, 40);
    EXPECT_TRUE(Win32Test_UpdateNeedsErase(top));
    ValidateRect(top, nullptr);

    ShowWindow(kid, SW_SHOW);
    EXPECT_TRUE(GetUpdateRect(kid, &r, FALSE));
    EXPECT_EQ(r.right, 20);
    EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
    EXPECT_EQ(Win32Test_GetInvalidations(top, nullptr, 0), 0);  // none of these were the caller's
}

TEST_F(PaintingTest, UpdateWindowPaintsTheFrameThenTheWindowThenItsChildren) {
    static std::vector<std::string> order;
    struct Spy {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            char name[8] = "";
            DefWindowProcA(h, WM_GETTEXT, sizeof name, (LPARAM)name);
            if (m == WM_NCPAINT) order.push_back(std::string("frame ") + name);
            if (m == WM_PAINT) order.push_back(std::string("paint ") + name);
            return DefWindowProcA(h, m, w, l);
        }
    };
    Register("Spy", Spy::Proc);
    HWND top = CreateWindowExA(0, "Spy", "top", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 50, 50, nullptr, nullptr,
                               module_, nullptr);
    CreateWindowExA(0, "Spy", "kid", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, top, nullptr, module_, nullptr);
    UpdateWindow(top);
    EXPECT_EQ(order, (std::vector<std::string>{"frame top", "paint top", "frame kid", "paint kid"}));
    order.clear();
    UpdateWindow(top);  // nothing left to paint
    EXPECT_TRUE(order.empty());
}

TEST_F(PaintingTest, BeginPaintHidesTheWindowsCaretUntilEndPaint) {
    HWND w = Canvas();
    CreateCaret(w, nullptr, 1, 10);
    ShowCaret(w);
    EXPECT_EQ(Win32Test_CaretHideLevel(), 0);
    PAINTSTRUCT ps;
    BeginPaint(w, &ps);
    EXPECT_EQ(Win32Test_CaretHideLevel(), 1);
    EndPaint(w, &ps);
    EXPECT_EQ(Win32Test_CaretHideLevel(), 0);
    EXPECT_EQ(Win32Test_CaretHideCalls(), 0);  // only the caller's own calls are counted
}

TEST_F(PaintingTest, ChildShowsOnlyInsideItsParentsClientArea) {
    HWND top = TopLevel(20, 10, WS_POPUP | WS_VISIBLE | WS_BORDER);  // client (1, 1)-(19, 9)
    HWND kid = Child(top, "Static", WS_VISIBLE, 14, 5, 10, 10);      // at (15, 6) of the top window
    Win32Test_FillWindow(top, kSentinel);
    HDC hdc = GetDC(kid);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 10, 10, PATCOPY);
    ReleaseDC(kid, hdc);
    EXPECT_EQ(Row(top, 6, 13, 20, 0), "..####.");
    EXPECT_EQ(Row(top, 8, 13, 20, 0), "..####.");
    EXPECT_EQ(Row(top, 9, 13, 20, 0), ".......") << "the frame row stays the parent's";
    EXPECT_EQ(Row(kid, 0, 0, 5, 0), "####.") << "the child's pixels read the screen: the parent's frame";
}

// One screen: a later drawing wins unless the window tree clips it. A sibling lower in the z-order
// stays out of the one above it only with WS_CLIPSIBLINGS.
TEST_F(PaintingTest, ScreenShowsWhatWasDrawnLastWhereTheTreeAllowsIt) {
    struct Case {
        const char* name;
        DWORD secondStyle;
        const char* topRow;
    };
    const Case cases[] = {
        {"without WS_CLIPSIBLINGS the lower sibling paints over", 0, "123331"},
        {"with WS_CLIPSIBLINGS it stays below", WS_CLIPSIBLINGS, "122331"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND top = TopLevel(6, 2, WS_POPUP | WS_VISIBLE);
        HWND first = Child(top, "Static", WS_VISIBLE, 1, 0, 2, 2);
        HWND second = Child(top, "Static", WS_VISIBLE | c.secondStyle, 2, 0, 3, 2);  // below the first
        HWND hidden = Child(top, "Static", 0, 5, 0, 1, 2);
        Win32Test_FillWindow(top, 0x000001);
        Win32Test_FillWindow(first, 0x000002);
        Win32Test_FillWindow(second, 0x000003);
        Win32Test_FillWindow(hidden, 0x000004);
        std::string path = testing::TempDir() + "screen-" +
                           std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".bmp";
        ASSERT_TRUE(Win32Test_SaveCompositeBitmap(top, path.c_str()));
        FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        // Rows of 6 pixels pad to 20 bytes and are stored bottom-up.
        std::vector<unsigned char> bytes(40);
        std::fseek(f, 54, SEEK_SET);
        ASSERT_EQ(std::fread(bytes.data(), 1, 40, f), 40u);
        std::fclose(f);
        std::remove(path.c_str());
        std::string row;
        for (int x = 0; x < 6; ++x) row += (char)('0' + bytes[20 + (size_t)x * 3 + 2]);
        EXPECT_EQ(row, c.topRow);
        EXPECT_EQ(Win32Test_GetPixel(first, 1, 0), (COLORREF)(c.secondStyle ? 2 : 3)) << "a window reads the screen";
        DestroyWindow(top);
    }
}

// Top-level windows always clip one another: the one below cannot draw over the one above.
TEST_F(PaintingTest, TopLevelWindowsClipEachOther) {
    HWND below = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 4, nullptr, nullptr, module_,
                                 nullptr);
    HWND above = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 5, 0, 10, 4, nullptr, nullptr, module_,
                                 nullptr);
    Win32Test_FillWindow(above, kSentinel);
    HDC hdc = GetDC(below);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 10, 4, PATCOPY);
    ReleaseDC(below, hdc);
    EXPECT_EQ(Row(below, 1, 0, 10, 0), "#####.....");
    EXPECT_EQ(Row(above, 1, 0, 10, 0), "..........");
    // Once the upper one is gone, the lower one's repaint covers the whole of it.
    DestroyWindow(above);
    InvalidateRect(below, nullptr, TRUE);
    hdc = GetDC(below);
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    PatBlt(hdc, 0, 0, 10, 4, PATCOPY);
    ReleaseDC(below, hdc);
    EXPECT_EQ(Row(below, 1, 0, 10, 0), "##########");
}

namespace {
// The update rectangle of a window as text, "-" when it has nothing to paint.
std::string UpdateOf(HWND w) {
    RECT r;
    if (!GetUpdateRect(w, &r, FALSE)) return "-";
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
}  // namespace

// A parent that does not clip its children paints over them, so invalidating it invalidates the
// part of each child beneath, and so on down; WS_CLIPCHILDREN and RDW_NOCHILDREN keep them out.
TEST_F(PaintingTest, InvalidatingAParentInvalidatesTheChildrenItPaintsOver) {
    struct Case {
        const char* name;
        DWORD parentStyle;
        bool redrawNoChildren;
        const char* kid;
        const char* grandchild;
        const char* far;
    };
    const Case cases[] = {
        {"no clipping: the overlapped parts", 0, false, "0,0,5,6", "0,0,3,4", "-"},
        {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, false, "-", "-", "-"},
        {"RDW_NOCHILDREN", 0, true, "-", "-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND top = TopLevel(100, 50, WS_POPUP | WS_VISIBLE | c.parentStyle);
        HWND kid = Child(top, "Static", WS_VISIBLE, 10, 10, 20, 20);
        HWND grandchild = Child(kid, "Static", WS_VISIBLE, 2, 2, 5, 5);
        HWND far = Child(top, "Static", WS_VISIBLE, 60, 10, 20, 20);
        UpdateWindow(top);
        ASSERT_EQ(UpdateOf(kid), "-");
        RECT r{0, 0, 15, 16};
        if (c.redrawNoChildren)
            RedrawWindow(top, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
        else
            InvalidateRect(top, &r, TRUE);
        EXPECT_EQ(UpdateOf(top), "0,0,15,16");
        EXPECT_EQ(UpdateOf(kid), c.kid);
        EXPECT_EQ(UpdateOf(grandchild), c.grandchild);
        EXPECT_EQ(UpdateOf(far), c.far);
        if (*c.kid != '-') {
            EXPECT_TRUE(Win32Test_UpdateNeedsErase(kid));
        }
        DestroyWindow(top);
    }
}

// What a hidden or moved window uncovers is repainted by the windows that show there now,
// top-level windows beneath included.
TEST_F(PaintingTest, UncoveredAreasAreRepaintedByWhatLiesBeneath) {
    HWND below = TopLevel(100, 50);
    HWND kid = Child(below, "Static", WS_VISIBLE, 0, 0, 40, 40);
    HWND above = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 20, 10, 30, 20, nullptr, nullptr,
                                 module_, nullptr);
    UpdateWindow(below);
    UpdateWindow(above);
    ASSERT_EQ(UpdateOf(below), "-");
    ShowWindow(above, SW_HIDE);
    EXPECT_EQ(UpdateOf(below), "20,10,50,30");
    EXPECT_EQ(UpdateOf(kid), "20,10,40,30");
    UpdateWindow(below);
    ShowWindow(above, SW_SHOW);
    UpdateWindow(above);
    MoveWindow(above, 30, 10, 30, 20, TRUE);
    EXPECT_EQ(UpdateOf(below), "20,10,30,30") << "only the strip the move uncovered";
}
