// File-name wildcard matching with the platform's rules for '*', '?' and dots.
#pragma once

#include <string>

namespace win32 {

// True when the name matches the pattern as FindFirstFile matches it (without case).
bool matchesWildcard(const std::string& pattern, const std::string& name);

}  // namespace win32
