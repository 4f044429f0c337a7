// FindFirstFile/FindNextFile over a Linux directory seen as a folder of drive Z:.
#include "handles.h"
#include "paths.h"
#include "wildcard.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

using namespace win32;

namespace {

struct Search {
    std::vector<WIN32_FIND_DATAA> entries;
    size_t next = 0;
};

HandleTable<Search> g_searches{0x60000000};

FILETIME fileTime(time_t t) {
    // 100-nanosecond steps since 1601-01-01.
    uint64_t v = ((uint64_t)t + 11644473600ull) * 10000000ull;
    return FILETIME{(DWORD)v, (DWORD)(v >> 32)};
}

bool describe(const std::string& dir, const std::string& name, WIN32_FIND_DATAA* data) {
    std::memset(data, 0, sizeof *data);
    std::string full = (dir == "/" ? "" : dir) + "/" + name;
    struct stat st;
    if (stat(full.c_str(), &st) != 0 && lstat(full.c_str(), &st) != 0) return false;
    DWORD a = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (!(st.st_mode & S_IWUSR)) a |= FILE_ATTRIBUTE_READONLY;
    if (name[0] == '.' && name != "." && name != "..") a |= FILE_ATTRIBUTE_HIDDEN;  // a Unix hidden file
    data->dwFileAttributes = a;
    data->ftCreationTime = fileTime(st.st_ctime);
    data->ftLastAccessTime = fileTime(st.st_atime);
    data->ftLastWriteTime = fileTime(st.st_mtime);
    uint64_t size = S_ISDIR(st.st_mode) ? 0 : (uint64_t)st.st_size;
    data->nFileSizeHigh = (DWORD)(size >> 32);
    data->nFileSizeLow = (DWORD)size;
    std::memcpy(data->cFileName, name.c_str(), name.size() + 1);
    return true;
}

// The order of the platform's file system: "." and ".." first, then by upper-cased name.
bool before(const WIN32_FIND_DATAA& a, const WIN32_FIND_DATAA& b) {
    auto rank = [](const char* n) { return std::strcmp(n, ".") == 0 ? 0 : (std::strcmp(n, "..") == 0 ? 1 : 2); };
    int ra = rank(a.cFileName), rb = rank(b.cFileName);
    if (ra != rb) return ra < rb;
    for (size_t i = 0;; ++i) {
        int ca = std::toupper((unsigned char)a.cFileName[i]), cb = std::toupper((unsigned char)b.cFileName[i]);
        if (ca != cb) return ca < cb;
        if (!ca) break;
    }
    return std::strcmp(a.cFileName, b.cFileName) < 0;
}

}  // namespace

namespace win32 {
void resetSearches() { g_searches.clear(); }
}  // namespace win32

extern "C" {

HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
    if (!pattern || !*pattern || !data) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string text = pattern;
    size_t slash = text.find_last_of("\\/");
    std::string dirPart, namePart;
    if (slash == std::string::npos) {
        if (text.size() >= 2 && text[1] == ':') {
            dirPart = text.substr(0, 2);
            namePart = text.substr(2);
        } else {
            dirPart = ".";
            namePart = text;
        }
    } else {
        dirPart = text.substr(0, slash + 1);
        namePart = text.substr(slash + 1);
    }
    if (namePart.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::optional<std::string> full = fullWindowsPath(dirPart);
    if (!full) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string dir = linuxFromWindows(*full);
    DIR* d = opendir(dir.c_str());
    if (!d) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_shared<Search>();
    const bool root = dir == "/";
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        // A drive root lists no "." or ".."; names Windows cannot spell are left out.
        if (root && (name == "." || name == "..")) continue;
        if (name.size() >= MAX_PATH || name.find('\\') != std::string::npos) continue;
        if (!matchesWildcard(namePart, name)) continue;
        WIN32_FIND_DATAA entry;
        if (describe(dir, name, &entry)) search->entries.push_back(entry);
    }
    closedir(d);
    if (search->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(search->entries.begin(), search->entries.end(), before);
    *data = search->entries[0];
    search->next = 1;
    return (HANDLE)g_searches.add(search);
}

BOOL WINAPI FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data) {
    Search* s = g_searches.find(find);
    if (!s || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (s->next >= s->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *data = s->entries[s->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE find) {
    if (!g_searches.find(find)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    g_searches.remove(find);
    return TRUE;
}

}  // extern "C"
