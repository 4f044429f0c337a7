// PNG output through libpng, written to a side file and renamed into place when complete.
#include "gfx/PngWriter.h"

#include <cstdio>

#include <png.h>

namespace {

// Kept apart from any C++ object with a destructor: libpng reports errors by longjmp.
bool WriteRows(std::FILE* file, int width, int height, const unsigned char* const* rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, rows[y]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WriteRgbPng(const std::string& path, int width, int height, const unsigned char* const* rows)
{
    if (width <= 0 || height <= 0 || path.empty()) {
        return false;
    }
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = WriteRows(file, width, height, rows);
    // A full disk shows up only when the buffered bytes are flushed.
    written = (std::fclose(file) == 0) && written;
    if (written && std::rename(partial.c_str(), path.c_str()) == 0) {
        return true;
    }
    std::remove(partial.c_str());
    return false;
}
