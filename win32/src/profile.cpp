// The user's profile (WIN.INI) strings, kept by the tests per section and key.
#include "settings.h"

#include "win32_test_control.h"

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace win32;

namespace {

// Copies text into the caller's buffer as the profile calls do: at most size - 1 bytes and a terminator.
DWORD copyOut(const std::string& text, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    DWORD n = (DWORD)text.size() < size - 1 ? (DWORD)text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return n;
}

// A list of names, each terminated, the list ended by a second terminator; truncated lists end in two.
DWORD copyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    if (!buffer || size < 2) return 0;
    std::string all;
    for (const std::string& n : names) all += n + '\0';
    if (all.size() + 1 > size) {
        std::memcpy(buffer, all.data(), size - 2);
        buffer[size - 2] = buffer[size - 1] = 0;
        return size - 2;
    }
    std::memcpy(buffer, all.data(), all.size());
    buffer[all.size()] = 0;
    return (DWORD)all.size();
}

}  // namespace

extern "C" {

DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) {
    auto& profile = settings().profile;
    if (!section) {
        std::vector<std::string> names;
        for (auto& [name, keys] : profile) names.push_back(name);
        return copyList(names, buffer, size);
    }
    auto s = profile.find(lowerCase(section));
    if (!key) {
        std::vector<std::string> names;
        if (s != profile.end())
            for (auto& [name, value] : s->second) names.push_back(name);
        return copyList(names, buffer, size);
    }
    if (s != profile.end()) {
        auto k = s->second.find(lowerCase(key));
        if (k != s->second.end()) return copyOut(k->second, buffer, size);
    }
    // The platform drops trailing blanks from the default.
    std::string fallback = defaultValue ? defaultValue : "";
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
    return copyOut(fallback, buffer, size);
}

UINT WINAPI GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue) {
    char text[32];
    if (!GetProfileStringA(section, key, "", text, sizeof text)) return (UINT)defaultValue;
    return (UINT)std::strtol(text, nullptr, 10);
}

void Win32Test_SetProfileString(LPCSTR section, LPCSTR key, LPCSTR value) {
    if (!section || !key) return;
    auto& keys = settings().profile[lowerCase(section)];
    if (value)
        keys[lowerCase(key)] = value;
    else
        keys.erase(lowerCase(key));
}

}  // extern "C"
