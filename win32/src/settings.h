// The platform settings the tests control: system colours, metrics, version, device caps, profile, code page.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace win32 {

constexpr int kSysColorCount = 31;

struct Settings {
    COLORREF sysColors[kSysColorCount];
    int metrics[SM_CMETRICS];
    DWORD version;
    std::map<int, int> deviceCaps;
    // section -> key -> value, both names lower-cased
    std::map<std::string, std::map<std::string, std::string>> profile;
    BYTE leadFirst;
    BYTE leadLast;
};

Settings& settings();
void resetSettings();
std::string lowerCase(const char* text);

}  // namespace win32
