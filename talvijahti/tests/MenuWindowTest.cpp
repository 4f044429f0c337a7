// The menu in a real OpenGL window: the frame read back shows the title and both buttons
// pixel for pixel as their pictures say, over the snowy background; and the window the
// display answer asks for.
#include <SDL.h>
#include <SDL_image.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/CGame.h"
#include "engine/CEngine.h"
#include "gfx/CGFX.h"

namespace fs = std::filesystem;

namespace {

struct SRgb {
    int r, g, b;
};

std::uint32_t PixelAt(SDL_Surface* surface, int x, int y)
{
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    const std::uint8_t* p = row + x * surface->format->BytesPerPixel;
    std::uint32_t value = 0;
    for (int i = 0; i < surface->format->BytesPerPixel; ++i) {
        value |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    }
    return value;
}

SRgb RgbAt(SDL_Surface* surface, int x, int y, int* alpha = nullptr)
{
    Uint8 r = 0, g = 0, b = 0, a = 255;
    SDL_GetRGBA(PixelAt(surface, x, y), surface->format, &r, &g, &b, &a);
    if (alpha != nullptr) {
        *alpha = a;
    }
    return SRgb{r, g, b};
}

class MenuWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = fs::current_path();
        scratch = fs::temp_directory_path() / ("menu_window_" + std::to_string(::getpid()));
        fs::create_directories(scratch);
        for (const char* folder : {"data", "sfx", "levels"}) {
            fs::create_directory_symlink(fs::path(TALVIJAHTI_TEST_DATA) / folder, scratch / folder);
        }
        fs::current_path(scratch);
    }
    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(scratch);
    }

    // Every opaque texel of the picture, drawn at (left, top) and tinted by factor, shows as such.
    void ExpectPictureOnScreen(SDL_Surface* frame, const char* path, int left, int top, float factor)
    {
        SDL_Surface* picture = IMG_Load(path);
        ASSERT_NE(picture, nullptr) << path;
        int checked = 0;
        for (int y = 0; y < picture->h; y += 3) {
            for (int x = 0; x < picture->w; x += 3) {
                int alpha = 0;
                const SRgb texel = RgbAt(picture, x, y, &alpha);
                if (alpha != 255) {
                    continue;
                }
                const SRgb shown = RgbAt(frame, left + x, top + y);
                ASSERT_NEAR(shown.r, texel.r * factor, 3) << path << " texel " << x << "," << y;
                ASSERT_NEAR(shown.g, texel.g * factor, 3) << path << " texel " << x << "," << y;
                ASSERT_NEAR(shown.b, texel.b * factor, 3) << path << " texel " << x << "," << y;
                ++checked;
            }
        }
        SDL_FreeSurface(picture);
        EXPECT_GT(checked, 100) << path << " has too few opaque texels to check";
    }

    fs::path previous;
    fs::path scratch;
};

TEST_F(MenuWindowTest, ShowsTitleAndDimmedButtonsOverSnow)
{
    CGame game(DisplayChoice::Windowed);
    SDL_WarpMouse(5, 5);  // away from the buttons: both dimmed
    for (int frame = 0; frame < 5; ++frame) {
        ASSERT_TRUE(game.GetEngine()->Running());
        ASSERT_TRUE(game.RunFrame());
    }
    const std::string shot = (scratch / "menu.png").string();
    ASSERT_TRUE(game.GetEngine()->GetGFX()->SaveScreenshot(shot));
    SDL_Surface* frame = IMG_Load(shot.c_str());
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->w, 800);
    ASSERT_EQ(frame->h, 600);

    ExpectPictureOnScreen(frame, "data/title.png", 144, 10, 1.0f);
    ExpectPictureOnScreen(frame, "data/uusipeli.png", 272, 200, 0.6f);
    ExpectPictureOnScreen(frame, "data/lopeta.png", 272, 300, 0.6f);

    // Below the buttons only the snowy background shows: bright, never the black clear colour.
    for (const auto& [x, y] : {std::pair{10, 590}, std::pair{790, 590}, std::pair{400, 560}, std::pair{10, 300}}) {
        const SRgb snow = RgbAt(frame, x, y);
        EXPECT_GT(snow.r + snow.g + snow.b, 3 * 150) << "at " << x << "," << y;
    }
    SDL_FreeSurface(frame);
}

TEST_F(MenuWindowTest, TheDisplayAnswerChoosesFullScreenAndTheCaption)
{
    struct Case {
        DisplayChoice choice;
        bool fullscreen;
        const char* caption;  // full screen keeps the engine's default
    };
    const Case cases[] = {
        {DisplayChoice::Fullscreen, true, "Orbo2d App"},
        {DisplayChoice::Windowed, false, "Talvijahti"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        CGame game(c.choice);
        ASSERT_TRUE(game.Started());
        const SDL_Surface* screen = SDL_GetVideoSurface();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ((screen->flags & SDL_FULLSCREEN) != 0, c.fullscreen);
        EXPECT_EQ(screen->w, 800);
        EXPECT_EQ(screen->h, 600);
        char* title = nullptr;
        SDL_WM_GetCaption(&title, nullptr);
        ASSERT_NE(title, nullptr);
        EXPECT_STREQ(title, c.caption);
    }
}

}  // namespace
