// Fixture writers over libpng and SDL's BMP support.
#include "ImageFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include <SDL.h>
#include <png.h>

namespace {

const int kWidth = 3;
const int kHeight = 2;

// Pure colours that survive every layout, 5-6-5 included.
const std::vector<SPixel> kOpaque = {
    {255, 0, 0, 255}, {0, 255, 0, 255},     {0, 0, 255, 255},
    {255, 255, 255, 255}, {0, 0, 0, 255}, {255, 255, 0, 255},
};

struct SPng {
    int colorType;
    int bitDepth;
    std::vector<unsigned char> rows;  // packed, top to bottom
    std::vector<png_color> palette;
    std::vector<png_byte> paletteAlpha;
    bool keyColour = false;
    png_color_16 key{};
    int width = kWidth;
    int height = kHeight;
};

bool WritePng(const std::string& path, const SPng& image)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!image.palette.empty()) {
        png_set_PLTE(png, info, image.palette.data(), static_cast<int>(image.palette.size()));
    }
    if (!image.paletteAlpha.empty()) {
        png_set_tRNS(png, info, image.paletteAlpha.data(), static_cast<int>(image.paletteAlpha.size()), nullptr);
    }
    if (image.keyColour) {
        png_set_tRNS(png, info, nullptr, 0, const_cast<png_color_16*>(&image.key));
    }
    png_write_info(png, info);
    const std::size_t rowBytes = image.rows.size() / static_cast<std::size_t>(image.height);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, image.rows.data() + y * rowBytes);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

SPng PaletteImage(const std::vector<SPixel>& pixels)
{
    SPng image{PNG_COLOR_TYPE_PALETTE, 8, {}, {}, {}};
    for (const SPixel& p : pixels) {
        image.rows.push_back(static_cast<unsigned char>(image.palette.size()));
        image.palette.push_back(png_color{p.r, p.g, p.b});
        image.paletteAlpha.push_back(p.a);
    }
    return image;
}

std::vector<SPixel> Grey()
{
    return {{0, 0, 0, 255}, {64, 64, 64, 255}, {128, 128, 128, 255},
            {192, 192, 192, 255}, {255, 255, 255, 255}, {32, 32, 32, 255}};
}

bool WriteBmp16(const std::string& path, const std::vector<SPixel>& pixels)
{
    // BITMAPFILEHEADER + BITMAPINFOHEADER with BI_BITFIELDS and its three masks.
    const int rowBytes = (kWidth * 2 + 3) & ~3;
    const int dataOffset = 14 + 40 + 12;
    const int fileSize = dataOffset + rowBytes * kHeight;
    std::vector<unsigned char> bytes;
    auto put16 = [&](unsigned v) { bytes.push_back(v & 0xFF); bytes.push_back((v >> 8) & 0xFF); };
    auto put32 = [&](unsigned v) { put16(v & 0xFFFF); put16(v >> 16); };
    bytes.push_back('B');
    bytes.push_back('M');
    put32(fileSize);
    put32(0);
    put32(dataOffset);
    put32(40);
    put32(kWidth);
    put32(kHeight);
    put16(1);
    put16(16);
    put32(3);  // BI_BITFIELDS
    put32(rowBytes * kHeight);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    put32(0xF800);
    put32(0x07E0);
    put32(0x001F);
    // Rows bottom to top.
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            const SPixel& p = pixels[static_cast<std::size_t>(y * kWidth + x)];
            put16(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
        }
        for (int pad = kWidth * 2; pad < rowBytes; ++pad) {
            bytes.push_back(0);
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool WriteBmp24(const std::string& path, const std::vector<SPixel>& pixels)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, kWidth, kHeight, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (surface == nullptr) {
        return false;
    }
    SDL_LockSurface(surface);
    for (int y = 0; y < kHeight; ++y) {
        Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < kWidth; ++x) {
            const SPixel& p = pixels[static_cast<std::size_t>(y * kWidth + x)];
            row[x * 3 + 0] = p.r;
            row[x * 3 + 1] = p.g;
            row[x * 3 + 2] = p.b;
        }
    }
    SDL_UnlockSurface(surface);
    const bool written = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

}  // namespace

CTempDir::CTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orbo2d-gfx-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path = pattern;
}

CTempDir::~CTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::vector<SPixel> FixturePixels(EFixtureKind kind)
{
    std::vector<SPixel> pixels = kOpaque;
    switch (kind) {
    case EFixtureKind::PngRgba:
        pixels[1].a = 0;
        pixels[2].a = 128;
        pixels[5].a = 200;
        break;
    case EFixtureKind::PngPaletteKey:
    case EFixtureKind::PngRgbKeyColour:
        pixels[1].a = 0;  // the green pixel is the transparent one
        break;
    case EFixtureKind::PngPaletteAlpha:
        pixels[2].a = 128;
        break;
    case EFixtureKind::PngGrey:
        pixels = Grey();
        break;
    case EFixtureKind::PngGreyAlpha:
        pixels = Grey();
        pixels[0].a = 0;
        pixels[3].a = 100;
        break;
    default:
        break;
    }
    return pixels;
}

bool WriteFixture(const std::string& path, EFixtureKind kind)
{
    const std::vector<SPixel> pixels = FixturePixels(kind);
    SPng image{PNG_COLOR_TYPE_RGB, 8, {}, {}, {}};
    switch (kind) {
    case EFixtureKind::PngRgb:
    case EFixtureKind::PngRgbKeyColour:
        for (const SPixel& p : pixels) {
            image.rows.insert(image.rows.end(), {p.r, p.g, p.b});
        }
        if (kind == EFixtureKind::PngRgbKeyColour) {
            image.keyColour = true;
            image.key.red = 0;
            image.key.green = 255;
            image.key.blue = 0;
        }
        return WritePng(path, image);
    case EFixtureKind::PngRgba:
        image.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
        for (const SPixel& p : pixels) {
            image.rows.insert(image.rows.end(), {p.r, p.g, p.b, p.a});
        }
        return WritePng(path, image);
    case EFixtureKind::PngRgb16:
        image.bitDepth = 16;
        // Big-endian 16-bit samples; the low byte differs from the high one so a loader
        // that keeps the wrong half shows wrong colours.
        for (const SPixel& p : pixels) {
            for (std::uint8_t c : {p.r, p.g, p.b}) {
                image.rows.insert(image.rows.end(), {c, static_cast<unsigned char>(c ^ 0x5A)});
            }
        }
        return WritePng(path, image);
    case EFixtureKind::PngPalette:
    case EFixtureKind::PngPaletteKey:
    case EFixtureKind::PngPaletteAlpha: {
        SPng palette = PaletteImage(pixels);
        if (kind == EFixtureKind::PngPalette) {
            palette.paletteAlpha.clear();
        }
        return WritePng(path, palette);
    }
    case EFixtureKind::PngGrey:
        image.colorType = PNG_COLOR_TYPE_GRAY;
        for (const SPixel& p : pixels) {
            image.rows.push_back(p.r);
        }
        return WritePng(path, image);
    case EFixtureKind::PngGreyAlpha:
        image.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
        for (const SPixel& p : pixels) {
            image.rows.insert(image.rows.end(), {p.r, p.a});
        }
        return WritePng(path, image);
    case EFixtureKind::Bmp24:
        return WriteBmp24(path, pixels);
    case EFixtureKind::Bmp16:
        return WriteBmp16(path, pixels);
    }
    return false;
}

const std::vector<SFixture>& AllFixtures()
{
    static const std::vector<SFixture> fixtures = {
        {"PngRgb", EFixtureKind::PngRgb, 3},
        {"PngRgba", EFixtureKind::PngRgba, 4},
        {"PngRgb16", EFixtureKind::PngRgb16, 3},
        {"PngPalette", EFixtureKind::PngPalette, 3},
        {"PngPaletteKey", EFixtureKind::PngPaletteKey, 4},
        {"PngPaletteAlpha", EFixtureKind::PngPaletteAlpha, 4},
        {"PngGrey", EFixtureKind::PngGrey, 3},
        {"PngGreyAlpha", EFixtureKind::PngGreyAlpha, 4},
        {"PngRgbKeyColour", EFixtureKind::PngRgbKeyColour, 4},
        {"Bmp24", EFixtureKind::Bmp24, 3},
        {"Bmp16", EFixtureKind::Bmp16, 3},
    };
    return fixtures;
}

bool WriteRgbaPng(const std::string& path, int width, int height, const std::vector<SPixel>& pixels)
{
    SPng image{PNG_COLOR_TYPE_RGB_ALPHA, 8, {}, {}, {}};
    image.width = width;
    image.height = height;
    const auto* bytes = reinterpret_cast<const unsigned char*>(pixels.data());
    image.rows.assign(bytes, bytes + pixels.size() * sizeof(SPixel));
    return WritePng(path, image);
}
