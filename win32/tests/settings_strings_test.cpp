// Settable platform facts (colours, metrics, version, device caps, profile) and the string helpers.
#include "stand_in_test.h"

class SettingsTest : public StandInTest {};

TEST_F(SettingsTest, DefaultsAndOverrides) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), (DWORD)0xC0C0C0);
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), (DWORD)0x808080);
    Win32Test_SetSysColor(COLOR_BTNFACE, 0x808080);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), (DWORD)0x808080);
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), 3);
    // Bar thickness and arrow size are separate settings and differ by default.
    const struct {
        int index, value;
    } scroll[] = {{SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16}, {SM_CYVSCROLL, 14}, {SM_CXHSCROLL, 14}};
    for (const auto& m : scroll) EXPECT_EQ(GetSystemMetrics(m.index), m.value) << "metric " << m.index;
    Win32Test_SetSystemMetric(SM_DBCSENABLED, 1);
    EXPECT_EQ(GetSystemMetrics(SM_DBCSENABLED), 1);
    EXPECT_EQ(GetVersion() & 0x80000000u, 0u);  // NT 3.51
    EXPECT_EQ(LOBYTE(LOWORD(GetVersion())), 3);
    EXPECT_EQ(HIBYTE(LOWORD(GetVersion())), 51);
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwMajorVersion, 3u);
    EXPECT_EQ(info.dwMinorVersion, 51u);
    EXPECT_EQ(info.dwPlatformId, (DWORD)VER_PLATFORM_WIN32_NT);
    Win32Test_SetVersion(0x80000004);             // 4.0, not NT
    EXPECT_EQ(LOBYTE(LOWORD(GetVersion())), 4);
    HDC screen = GetDC(nullptr);
    EXPECT_GE(GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL), 4);
    Win32Test_SetScreenSize(640, 350);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 350);
    ReleaseDC(nullptr, screen);
    Win32Test_Reset();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), (DWORD)0xC0C0C0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
}

TEST_F(SettingsTest, SystemColourBrushFollowsTheColour) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    Win32Test_SetSysColor(COLOR_BTNFACE, 0x00FF00);
    LOGBRUSH lb;
    GetObjectA(face, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, (COLORREF)0x00FF00);
}

TEST_F(SettingsTest, ProfileStringsWithDefaultsAndTruncation) {
    char buffer[9];
    EXPECT_EQ(GetProfileStringA("windows", "kanjimenu", "roman", buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "roman");
    Win32Test_SetProfileString("Windows", "KanjiMenu", "kanji");
    EXPECT_EQ(GetProfileStringA("windows", "kanjimenu", "roman", buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "kanji");
    Win32Test_SetProfileString("windows", "hangeulmenu", "a-very-long-value");
    EXPECT_EQ(GetProfileStringA("windows", "hangeulmenu", "english", buffer, sizeof buffer), 8u);
    EXPECT_STREQ(buffer, "a-very-l");
    Win32Test_SetProfileString("windows", "hangeulmenu", nullptr);
    GetProfileStringA("windows", "hangeulmenu", "english  ", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "english");  // trailing blanks of the default are dropped
}

class StringsTest : public StandInTest {};

TEST_F(StringsTest, ComparisonsCopiesAndLengths) {
    struct Case {
        const char* a;
        const char* b;
        int exact;
        int noCase;
    } cases[] = {{"ComboBox", "ComboBox", 0, 0}, {"ComboBox", "combobox", -1, 0}, {"Edit", "Edit1", -1, -1},
                 {"b", "A", 1, 1},              {"", "", 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(lstrcmpA(c.a, c.b), c.exact) << c.a << " " << c.b;
        EXPECT_EQ(lstrcmpiA(c.a, c.b), c.noCase) << c.a << " " << c.b;
    }
    char buffer[6];
    lstrcpynA(buffer, "Button", sizeof buffer);
    EXPECT_STREQ(buffer, "Butto");
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("abc"), 3);
    EXPECT_STREQ(lstrcpyA(buffer, "ok"), "ok");
}

TEST_F(StringsTest, CharNextStepsOverDoubleByteCharacters) {
    const char text[] = "a\x81\x40" "b";
    EXPECT_EQ(CharNextA(text + 1), text + 2);  // no lead bytes by default
    Win32Test_SetDbcsLeadBytes(0x81, 0x9F);
    EXPECT_TRUE(IsDBCSLeadByte(0x81));
    EXPECT_EQ(CharNextA(text), text + 1);
    EXPECT_EQ(CharNextA(text + 1), text + 3);
    EXPECT_EQ(CharNextA(text + 4), text + 4);  // stays on the terminator
    const char broken[] = "\x81";
    EXPECT_EQ(CharNextA(broken), broken + 1);  // a lead byte before the end is one byte
}

TEST_F(SettingsTest, SetSysColorsTellsTopLevelWindows) {
    static int told = 0;
    struct Spy {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_SYSCOLORCHANGE) ++told;
            return DefWindowProcA(h, m, w, l);
        }
    };
    Register("Spy", Spy::Proc);
    HWND top = TopLevel(10, 10, WS_POPUP, "Spy");
    CreateWindowExA(0, "Spy", "", WS_CHILD, 0, 0, 1, 1, top, nullptr, module_, nullptr);  // children are not told
    INT index = COLOR_BTNFACE;
    COLORREF color = 0x123456;
    told = 0;
    EXPECT_TRUE(SetSysColors(1, &index, &color));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), (DWORD)0x123456);
    EXPECT_EQ(told, 1);
}
