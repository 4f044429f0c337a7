// Writes an 8-bit RGB picture to a PNG file through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height * 3 bytes, rows from the top. Returns false with a
// one-line message in `error` on failure.
bool WritePngRgb(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, std::string& error);
