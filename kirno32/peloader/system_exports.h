// Binds a DLL's USER32, GDI32 and KERNEL32 imports to the Win32 stand-in built for 32 bits.
#pragma once

#include <cstdint>
#include <string>

// The stand-in's function for `name` in `library` (case-insensitive library name), or null.
void* StandInExport(const std::string& library, const std::string& name, uint16_t ordinal);
