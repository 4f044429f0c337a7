// Writes 8-bit RGB images to PNG files.
#pragma once

#include <string>

// rows[0] is the top row; each holds width * 3 bytes. No time stamp or other metadata is
// written, so equal images give equal files. On failure nothing is left at path.
bool WriteRgbPng(const std::string& path, int width, int height, const unsigned char* const* rows);
