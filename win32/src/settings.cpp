// System colours, metrics, version and device capabilities with their defaults, and their Win32 readers.
#include "settings.h"

#include "reset.h"

#include "win32_test_control.h"

#include <cctype>
#include <vector>

namespace win32 {

namespace {

Settings g_settings;

// The classic Windows 3.x / NT 3.5 colour scheme.
constexpr COLORREF kDefaultColors[kSysColorCount] = {
    0xC0C0C0,  // scroll bar
    0x808000,  // background (teal)
    0x800000,  // active caption (navy)
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3-D dark shadow
    0xC0C0C0,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // 25: unused
    0xFF0000,  // hot light
    0xD1B499,  // gradient active caption
    0xDBCDBF,  // gradient inactive caption
    0x000000,  // menu highlight
    0xC0C0C0,  // menu bar
};

}  // namespace

Settings& settings() {
    ensureStarted();
    return g_settings;
}

void resetSettings() {
    Settings& s = g_settings;
    for (int i = 0; i < kSysColorCount; ++i) s.sysColors[i] = kDefaultColors[i];
    for (int& m : s.metrics) m = 0;
    s.metrics[SM_CXSCREEN] = 1024;
    s.metrics[SM_CYSCREEN] = 768;
    // The scroll-bar width (SM_CXVSCROLL, SM_CYHSCROLL) and the arrow size (SM_CYVSCROLL,
    // SM_CXHSCROLL) are two settings on Windows; they differ here so that a mix-up shows.
    s.metrics[SM_CXVSCROLL] = 16;
    s.metrics[SM_CYHSCROLL] = 16;
    s.metrics[SM_CYCAPTION] = 18;
    s.metrics[SM_CXBORDER] = 1;
    s.metrics[SM_CYBORDER] = 1;
    s.metrics[SM_CXDLGFRAME] = 3;
    s.metrics[SM_CYDLGFRAME] = 3;
    s.metrics[SM_CYVTHUMB] = 16;
    s.metrics[SM_CXHTHUMB] = 16;
    s.metrics[SM_CXICON] = 32;
    s.metrics[SM_CYICON] = 32;
    s.metrics[SM_CXCURSOR] = 32;
    s.metrics[SM_CYCURSOR] = 32;
    s.metrics[SM_CYMENU] = 18;
    s.metrics[SM_CXFULLSCREEN] = 1024;
    s.metrics[SM_CYFULLSCREEN] = 768 - 18;
    s.metrics[SM_MOUSEPRESENT] = 1;
    s.metrics[SM_CYVSCROLL] = 14;
    s.metrics[SM_CXHSCROLL] = 14;
    s.metrics[SM_CXMIN] = 100;
    s.metrics[SM_CYMIN] = 27;
    s.metrics[SM_CXSIZE] = 18;
    s.metrics[SM_CYSIZE] = 18;
    s.metrics[SM_CXFRAME] = 4;
    s.metrics[SM_CYFRAME] = 4;
    s.metrics[SM_CXMINTRACK] = 100;
    s.metrics[SM_CYMINTRACK] = 27;
    s.metrics[SM_CXDOUBLECLK] = 4;
    s.metrics[SM_CYDOUBLECLK] = 4;
    s.metrics[SM_DBCSENABLED] = 0;
    s.metrics[SM_CXEDGE] = 2;
    s.metrics[SM_CYEDGE] = 2;
    s.metrics[SM_CYSMCAPTION] = 15;
    s.version = 0x04213303;  // Windows NT 3.51, build 1057: major 3 in the low byte, minor 51 above it
    s.deviceCaps = {{DRIVERVERSION, 0x300}, {TECHNOLOGY, 1 /* raster display */},
                    {HORZSIZE, 320},        {VERTSIZE, 240},
                    {HORZRES, 1024},        {VERTRES, 768},
                    {BITSPIXEL, 32},        {PLANES, 1},
                    {NUMBRUSHES, -1},       {NUMPENS, -1},
                    {NUMFONTS, 0},          {NUMCOLORS, -1},
                    {RASTERCAPS, 0x7E99},   {LOGPIXELSX, 96},
                    {LOGPIXELSY, 96},       {SIZEPALETTE, 0},
                    {COLORRES, 24}};
    s.profile.clear();
    s.leadFirst = 1;
    s.leadLast = 0;
}

std::string lowerCase(const char* text) {
    std::string out;
    for (; text && *text; ++text) out += (char)std::tolower((unsigned char)*text);
    return out;
}

}  // namespace win32

using win32::settings;

extern "C" {

DWORD WINAPI GetSysColor(int index) {
    if (index < 0 || index >= win32::kSysColorCount) return 0;
    return settings().sysColors[index];
}

// Tells every top-level window, as the platform does; Win32Test_SetSysColor changes a colour silently.
BOOL WINAPI SetSysColors(int count, const INT* indices, const COLORREF* colors) {
    if (count < 0 || (count && (!indices || !colors))) return FALSE;
    for (int i = 0; i < count; ++i)
        if (indices[i] >= 0 && indices[i] < win32::kSysColorCount)
            settings().sysColors[indices[i]] = colors[i] & 0xFFFFFF;
    std::vector<HWND> topLevel;
    for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) topLevel.push_back(h);
    for (HWND h : topLevel) SendMessageA(h, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
    if (index < 0 || index >= SM_CMETRICS) return 0;
    return settings().metrics[index];
}

DWORD WINAPI GetVersion(void) { return settings().version; }

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    DWORD v = settings().version;
    info->dwMajorVersion = LOBYTE(LOWORD(v));
    info->dwMinorVersion = HIBYTE(LOWORD(v));
    bool nt = (v & 0x80000000u) == 0;
    info->dwBuildNumber = nt ? HIWORD(v) : (HIWORD(v) & 0x7FFF);
    info->dwPlatformId = nt ? VER_PLATFORM_WIN32_NT : VER_PLATFORM_WIN32_WINDOWS;
    info->szCSDVersion[0] = 0;
    return TRUE;
}

BOOL WINAPI IsDBCSLeadByte(BYTE byte) {
    const win32::Settings& s = settings();
    return s.leadFirst <= s.leadLast && byte >= s.leadFirst && byte <= s.leadLast;
}

void Win32Test_SetSysColor(int index, COLORREF color) {
    if (index >= 0 && index < win32::kSysColorCount) settings().sysColors[index] = color & 0xFFFFFF;
}

void Win32Test_SetSystemMetric(int index, int value) {
    if (index >= 0 && index < SM_CMETRICS) settings().metrics[index] = value;
}

void Win32Test_SetVersion(DWORD version) { settings().version = version; }

void Win32Test_SetDeviceCaps(int index, int value) { settings().deviceCaps[index] = value; }

void Win32Test_SetScreenSize(int width, int height) {
    settings().metrics[SM_CXSCREEN] = width;
    settings().metrics[SM_CYSCREEN] = height;
    settings().deviceCaps[HORZRES] = width;
    settings().deviceCaps[VERTRES] = height;
}

void Win32Test_SetDbcsLeadBytes(BYTE first, BYTE last) {
    settings().leadFirst = first;
    settings().leadLast = last;
}

}  // extern "C"
