// Small image files of every layout SDL_image hands back, written by the tests themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SPixel {
    std::uint8_t r, g, b, a;
    bool operator==(const SPixel&) const = default;
};

// A directory of its own under the system's temporary folder, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    std::string Path(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

// The layouts a fixture file can be written in.
enum class EFixtureKind {
    PngRgb,              // 8-bit RGB
    PngRgba,             // 8-bit RGBA
    PngRgb16,            // 16 bits per channel RGB
    PngPalette,          // 8-bit palette, no transparency
    PngPaletteKey,       // palette with one fully transparent entry
    PngPaletteAlpha,     // palette with a half-transparent entry
    PngGrey,             // 8-bit grey
    PngGreyAlpha,        // 8-bit grey with alpha
    PngRgbKeyColour,     // 8-bit RGB with a tRNS colour
    Bmp24,               // 24-bit BMP, stored blue first
    Bmp16,               // 16-bit 5-6-5 BMP
};

struct SFixture {
    const char* label;
    EFixtureKind kind;
    int components;  // what the upload must come out as
};

// Writes a 3 x 2 image (odd width, so rows need padding) of FixturePixels(kind) in the layout
// of kind. Returns whether the file was written.
bool WriteFixture(const std::string& path, EFixtureKind kind);
// The colours the fixture shows, row by row; alpha 255 where the layout has no transparency.
std::vector<SPixel> FixturePixels(EFixtureKind kind);
const std::vector<SFixture>& AllFixtures();

// Writes an RGBA PNG of any size, rows top to bottom.
bool WriteRgbaPng(const std::string& path, int width, int height, const std::vector<SPixel>& pixels);
