// Drive Z: over the Linux root: path folding, case-insensitive lookup, and the current directory calls.
#include "paths.h"

#include <windows.h>

#include "win32_test_control.h"

#include <cctype>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace win32 {

namespace {

// The current directory as the program set it, so that its spelling is kept; valid while the
// process's real directory is still the one it names.
std::string g_currentText;
std::string g_currentLinux;

std::string processDirectory() {
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return "/";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : text) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool exists(const std::string& linuxPath) {
    struct stat st;
    return lstat(linuxPath.c_str(), &st) == 0;
}

}  // namespace

std::string windowsFromLinux(const std::string& linuxPath) {
    std::string out = "Z:";
    for (const std::string& part : split(linuxPath)) out += "\\" + part;
    if (out == "Z:") out += "\\";
    return out;
}

std::string currentDirectory() {
    std::string real = processDirectory();
    if (!g_currentText.empty() && real == g_currentLinux) return g_currentText;
    g_currentText = windowsFromLinux(real);
    g_currentLinux = real;
    return g_currentText;
}

std::optional<std::string> fullWindowsPath(const std::string& path) {
    std::string rest;
    std::vector<std::string> parts;
    if (path.size() >= 2 && path[1] == ':') {
        if (std::toupper((unsigned char)path[0]) != 'Z') return std::nullopt;
        rest = path.substr(2);
        if (rest.empty() || !isSeparator(rest[0])) parts = split(currentDirectory().substr(2));  // drive-relative
    } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        return std::nullopt;  // UNC names have no server here
    } else if (!path.empty() && isSeparator(path[0])) {
        rest = path;
    } else {
        parts = split(currentDirectory().substr(2));
        rest = path;
    }
    for (const std::string& part : split(rest)) {
        if (part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out = "Z:";
    for (const std::string& part : parts) out += "\\" + part;
    if (parts.empty()) out += "\\";
    return out;
}

std::string linuxFromWindows(const std::string& fullPath) {
    std::string out;
    bool found = true;
    for (const std::string& part : split(fullPath.substr(2))) {
        std::string exact = out + "/" + part;
        if (!found || exists(exact)) {
            out = exact;
            continue;
        }
        // The platform's file system ignores case: look for the one spelling that exists.
        std::string match;
        if (DIR* d = opendir(out.empty() ? "/" : out.c_str())) {
            while (dirent* e = readdir(d))
                if (strcasecmp(e->d_name, part.c_str()) == 0) {
                    match = e->d_name;
                    break;
                }
            closedir(d);
        }
        if (match.empty()) {
            found = false;
            out = exact;
        } else {
            out += "/" + match;
        }
    }
    return out.empty() ? "/" : out;
}

}  // namespace win32

using namespace win32;

extern "C" {

// The length without the terminator when it fits; otherwise the size needed, terminator included.
DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
    std::string text = currentDirectory();
    if (!buffer || size <= text.size()) return (DWORD)text.size() + 1;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return (DWORD)text.size();
}

BOOL WINAPI SetCurrentDirectoryA(LPCSTR path) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::optional<std::string> full = fullWindowsPath(path);
    if (!full) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    // The current directory, with the backslash it is kept with, must fit in MAX_PATH.
    const bool root = full->size() == 3;
    if (full->size() + (root ? 0 : 1) >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    std::string hostPath = linuxFromWindows(*full);
    struct stat st;
    if (stat(hostPath.c_str(), &st) != 0) {
        std::string parent = hostPath.substr(0, hostPath.rfind('/'));
        SetLastError(stat(parent.empty() ? "/" : parent.c_str(), &st) == 0 ? ERROR_FILE_NOT_FOUND
                                                                           : ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (!S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }
    if (chdir(hostPath.c_str()) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    g_currentText = *full;
    g_currentLinux = processDirectory();
    return TRUE;
}

DWORD WINAPI GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::optional<std::string> full = fullWindowsPath(path);
    if (!full) {
        SetLastError(ERROR_INVALID_DRIVE);
        return 0;
    }
    // A trailing separator is kept, as the platform keeps it.
    char last = path[std::strlen(path) - 1];
    if ((last == '\\' || last == '/') && full->back() != '\\') *full += '\\';
    if (!buffer || size <= full->size()) return (DWORD)full->size() + 1;
    std::memcpy(buffer, full->c_str(), full->size() + 1);
    if (filePart) {
        char* slash = std::strrchr(buffer, '\\');
        *filePart = (slash && slash[1]) ? slash + 1 : nullptr;
    }
    return (DWORD)full->size();
}

DWORD WINAPI GetFileAttributesA(LPCSTR path) {
    if (!path) return INVALID_FILE_ATTRIBUTES;
    std::optional<std::string> full = fullWindowsPath(path);
    if (!full) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    struct stat st;
    if (stat(linuxFromWindows(*full).c_str(), &st) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD a = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (!(st.st_mode & S_IWUSR)) a |= FILE_ATTRIBUTE_READONLY;
    return a;
}

DWORD Win32Test_ToWindowsPath(const char* linuxPath, LPSTR buffer, DWORD size) {
    if (!linuxPath || linuxPath[0] != '/') return 0;
    std::string text = windowsFromLinux(linuxPath);
    if (!buffer || size <= text.size()) return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return (DWORD)text.size();
}

DWORD Win32Test_ToLinuxPath(LPCSTR windowsPath, char* buffer, DWORD size) {
    if (!windowsPath) return 0;
    std::optional<std::string> full = fullWindowsPath(windowsPath);
    if (!full) return 0;
    std::string text = linuxFromWindows(*full);
    if (!buffer || size <= text.size()) return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return (DWORD)text.size();
}

}  // extern "C"
