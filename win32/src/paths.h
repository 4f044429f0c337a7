// The Linux file system presented as drive Z: — path conversion both ways and the current directory.
#pragma once

#include <optional>
#include <string>

namespace win32 {

// "Z:\tmp\x" for "/tmp/x" and "Z:\" for "/".
std::string windowsFromLinux(const std::string& linuxPath);
// The full Windows path of a path given to a file call: absolute, drive-relative, rooted or relative
// to the current directory, with "." and ".." folded as text. Empty for other drives and UNC names.
std::optional<std::string> fullWindowsPath(const std::string& path);
// The Linux path of a full Windows path on Z:, each component found without case where the exact
// name does not exist.
std::string linuxFromWindows(const std::string& fullPath);
// The current directory as Windows text.
std::string currentDirectory();

}  // namespace win32
