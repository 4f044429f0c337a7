// Conversion of every surface layout to red-first RGB/RGBA upload bytes.
#include <gtest/gtest.h>

#include <SDL.h>

#include "ImageFixtures.h"
#include "gfx/TexturePixels.h"

namespace {

struct SLayout {
    const char* label;
    int bits;
    Uint32 r, g, b, a;
    bool colorKey;      // key the magenta pixel out
    int components;
    bool direct;        // handed over without a copy
};

// Three wide, so every row of a 3-byte layout carries padding.
const SPixel kCanvas[6] = {
    {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255},
    {255, 255, 255, 255}, {255, 0, 255, 0}, {0, 0, 0, 255},
};

SDL_Surface* MakeSurface(const SLayout& layout)
{
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, layout.bits, layout.r, layout.g, layout.b, layout.a);
    if (surface == nullptr) {
        return nullptr;
    }
    if (layout.bits == 8) {
        SDL_Color colours[6];
        for (int i = 0; i < 6; ++i) {
            colours[i] = SDL_Color{kCanvas[i].r, kCanvas[i].g, kCanvas[i].b, 0};
        }
        SDL_SetColors(surface, colours, 0, 6);
    }
    SDL_LockSurface(surface);
    for (int i = 0; i < 6; ++i) {
        const SPixel& p = kCanvas[i];
        const Uint32 value = layout.bits == 8 ? static_cast<Uint32>(i) : SDL_MapRGBA(surface->format, p.r, p.g, p.b, p.a);
        Uint8* target = static_cast<Uint8*>(surface->pixels) + (i / 3) * surface->pitch +
                        (i % 3) * surface->format->BytesPerPixel;
        for (int byte = 0; byte < surface->format->BytesPerPixel; ++byte) {
            // Little-endian layout of the pixel value, as SDL stores it on this machine.
            target[byte] = static_cast<Uint8>(value >> (8 * byte));
        }
    }
    SDL_UnlockSurface(surface);
    if (layout.colorKey) {
        const Uint32 key = layout.bits == 8 ? 4u : SDL_MapRGB(surface->format, 255, 0, 255);
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
    }
    return surface;
}

SPixel PixelAt(const CTexturePixels& pixels, int x, int y)
{
    const int components = pixels.Components();
    const auto* row = static_cast<const Uint8*>(pixels.Data()) + y * AlignedRowBytes(3, components);
    const Uint8* p = row + x * components;
    return SPixel{p[0], p[1], p[2], components == 4 ? p[3] : static_cast<std::uint8_t>(255)};
}

class TexturePixelsTest : public ::testing::TestWithParam<SLayout> {};

TEST_P(TexturePixelsTest, LayoutComesOutRedFirst)
{
    const SLayout& layout = GetParam();
    SDL_Surface* surface = MakeSurface(layout);
    ASSERT_NE(surface, nullptr);
    SDL_LockSurface(surface);
    const CTexturePixels pixels(surface);
    EXPECT_EQ(pixels.Components(), layout.components);
    EXPECT_EQ(pixels.Converted(), !layout.direct);
    for (int i = 0; i < 6; ++i) {
        SPixel expected = kCanvas[i];
        if (layout.a == 0) {
            expected.a = 255;  // no alpha in the layout: every pixel is opaque ...
        }
        if (layout.colorKey && i == 4) {
            expected.a = 0;    // ... except the keyed one
        }
        if (layout.components == 3) {
            expected.a = 255;
        }
        EXPECT_EQ(PixelAt(pixels, i % 3, i / 3), expected) << "pixel " << i;
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TexturePixelsTest,
    ::testing::Values(
        SLayout{"Rgb24", 24, 0x0000FF, 0x00FF00, 0xFF0000, 0, false, 3, true},
        SLayout{"Rgba32", 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000, false, 4, true},
        SLayout{"Bgr24", 24, 0xFF0000, 0x00FF00, 0x0000FF, 0, false, 3, false},
        SLayout{"Bgra32", 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, false, 4, false},
        SLayout{"Argb32", 32, 0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF, false, 4, false},
        SLayout{"Rgbx32", 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, false, 3, false},
        SLayout{"Rgb565", 16, 0xF800, 0x07E0, 0x001F, 0, false, 3, false},
        SLayout{"Rgb555", 16, 0x7C00, 0x03E0, 0x001F, 0, false, 3, false},
        SLayout{"Argb1555", 16, 0x7C00, 0x03E0, 0x001F, 0x8000, false, 4, false},
        SLayout{"Palette8", 8, 0, 0, 0, 0, false, 3, false},
        SLayout{"Palette8Keyed", 8, 0, 0, 0, 0, true, 4, false},
        SLayout{"Rgb24Keyed", 24, 0x0000FF, 0x00FF00, 0xFF0000, 0, true, 4, false}),
    [](const ::testing::TestParamInfo<SLayout>& info) { return std::string(info.param.label); });

}  // namespace
