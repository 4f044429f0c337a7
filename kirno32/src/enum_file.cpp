// EnumFile: walks the files matching a pattern, depth-first, handing each full path to a callback.
#include "kirno_state.h"

namespace {

const DWORD kPathBuffer = 262;
const int kOutOfMemory = 0xFFFF;

int Length(const char* text) { return lstrlenA(text); }

// One directory: every matching file, in the order the search returns them.
int DirectoryPass(const char* pattern, ENUMFILEPROC callback) {
  WIN32_FIND_DATAA* found = static_cast<WIN32_FIND_DATAA*>(KirnoAlloc(sizeof(WIN32_FIND_DATAA)));
  if (!found) return 0;
  HANDLE search = FindFirstFileA(pattern, found);
  if (search == INVALID_HANDLE_VALUE) {
    KirnoFree(found);
    return 0;
  }

  int result = 0;
  char* path = static_cast<char*>(KirnoAlloc(kPathBuffer));
  if (path) {
    DWORD prefix = GetCurrentDirectoryA(kPathBuffer, path);
    if (prefix > 0 && prefix < kPathBuffer) {
      if (path[prefix - 1] != '\\') path[prefix++] = '\\';
      do {
        if (found->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // A path that would not fit the buffer is skipped: the caller never sees a
        // truncated name it might mistake for another file.
        int nameLength = Length(found->cFileName);
        if (prefix + static_cast<DWORD>(nameLength) + 1 > kPathBuffer) continue;
        lstrcpyA(path + prefix, found->cFileName);
        result = callback(path);
      } while (result == 0 && FindNextFileA(search, found));
    }
  }

  KirnoFree(path);
  FindClose(search);
  KirnoFree(found);
  return result;
}

// The files of this directory first, then each subdirectory in turn.
int RecursiveWalk(const char* pattern, ENUMFILEPROC callback) {
  int result = DirectoryPass(pattern, callback);
  if (result) return result;

  WIN32_FIND_DATAA* found = static_cast<WIN32_FIND_DATAA*>(KirnoAlloc(sizeof(WIN32_FIND_DATAA)));
  if (!found) return 0;
  HANDLE search = FindFirstFileA("*.*", found);
  if (search == INVALID_HANDLE_VALUE) {
    KirnoFree(found);
    return 0;
  }
  do {
    if (!(found->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (lstrcmpA(found->cFileName, ".") == 0 || lstrcmpA(found->cFileName, "..") == 0) continue;
    if (!SetCurrentDirectoryA(found->cFileName)) continue;  // unreadable: as if empty
    result = RecursiveWalk(pattern, callback);
    SetCurrentDirectoryA("..");
  } while (result == 0 && FindNextFileA(search, found));
  FindClose(search);
  KirnoFree(found);
  return result;
}

}  // namespace

// The walk moves by changing the process's current directory, which is restored at the end.
extern "C" int WINAPI EnumFile(const char* directory, const char* pattern, int recurse, ENUMFILEPROC callback) {
  char* ownPattern = static_cast<char*>(KirnoAlloc(static_cast<SIZE_T>(Length(pattern)) + 2));
  if (!ownPattern) return kOutOfMemory;
  lstrcpyA(ownPattern, pattern);
  char* saved = static_cast<char*>(KirnoAlloc(kPathBuffer));
  if (!saved) {
    KirnoFree(ownPattern);
    return kOutOfMemory;
  }

  int result = 0;
  DWORD savedLength = GetCurrentDirectoryA(kPathBuffer - 2, saved);
  BOOL haveSaved = savedLength > 0 && savedLength < kPathBuffer - 2;
  if (haveSaved && SetCurrentDirectoryA(directory))
    result = recurse ? RecursiveWalk(ownPattern, callback) : DirectoryPass(ownPattern, callback);
  if (haveSaved) SetCurrentDirectoryA(saved);

  KirnoFree(saved);
  KirnoFree(ownPattern);
  return result;
}
