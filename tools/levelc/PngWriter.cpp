// libpng output for the level overviews.
#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

bool WritePngRgb(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, std::string& error)
{
    if (width <= 0 || height <= 0 || rgb.size() != std::size_t(width) * std::size_t(height) * 3)
    {
        error = path + ": picture size does not match its pixels";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        error = path + ": cannot create the file";
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        // libpng reports its errors by jumping back here.
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        error = path + ": cannot write the picture";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, rgb.data() + std::size_t(y) * std::size_t(width) * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0)
    {
        error = path + ": cannot finish the file";
        return false;
    }
    return true;
}
