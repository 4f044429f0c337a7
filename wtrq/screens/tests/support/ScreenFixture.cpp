// The screen fixture: dummy display, interface font, fixture package and pushed events.
#include "ScreenFixture.h"

#include <SDL_ttf.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "jwe/Font.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"
#include "pjw/PackageWriter.h"

namespace fs = std::filesystem;

namespace screentest {

namespace {

std::vector<uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void push(SDL_Event event)
{
    if (SDL_PushEvent(&event) != 0) {
        throw std::runtime_error(std::string("SDL_PushEvent failed: ") + SDL_GetError());
    }
}

}  // namespace

std::vector<uint8_t> solidPicture(int width, int height, Rgb colour)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(surface, nullptr,
                 SDL_MapRGB(surface->format, static_cast<Uint8>(colour.r), static_cast<Uint8>(colour.g),
                            static_cast<Uint8>(colour.b)));
    char pattern[] = "/tmp/wtrq-picture-XXXXXX";
    const int descriptor = mkstemp(pattern);
    if (descriptor >= 0) {
        close(descriptor);
    }
    SDL_SaveBMP(surface, pattern);
    SDL_FreeSurface(surface);
    std::vector<uint8_t> bytes = fileBytes(pattern);
    fs::remove(pattern);
    return bytes;
}

void writeGuiPackage(const fs::path& folder, const std::set<std::string>& leaveOut, const std::set<std::string>& garble)
{
    std::vector<pjw::PackageMember> members = {
        {"palab.ttf", fileBytes(WTRQ_TEST_FONT)},
        {"start_menu.png", solidPicture(640, 480, menuBackground)},
        {"help1.png", solidPicture(640, 480, helpPageColours[0])},
        {"help2.png", solidPicture(640, 480, helpPageColours[1])},
        {"help3.png", solidPicture(640, 480, helpPageColours[2])},
    };
    std::vector<pjw::PackageMember> kept;
    for (pjw::PackageMember& member : members) {
        if (garble.count(member.name)) {
            member.data = {'n', 'o', 'p', 'e'};
        }
        if (!leaveOut.count(member.name)) {
            kept.push_back(std::move(member));
        }
    }
    fs::create_directories(folder / "data");
    pjw::writePackage((folder / "data" / "gui.pjw").string(), kept, 42);
}

void ScriptedPacer::passDone()
{
    ++passes;
    if (passes > 2000) {
        throw std::runtime_error("a screen loop went on for 2000 passes");
    }
    script(passes);
}

void pushKey(SDLKey key, bool pressed)
{
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    push(event);
}

void pushKeyStroke(SDLKey key)
{
    pushKey(key, true);
    pushKey(key, false);
}

void pushQuit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    push(event);
}

void pushMouseMotion(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    push(event);
}

void pushMouseClick(int x, int y, Uint8 button)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    push(event);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    push(event);
}

Rgb pixelAt(int x, int y)
{
    SDL_Surface* surface = screen.surface();
    lockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(getPixel(surface, x, y), surface->format, &r, &g, &b);
    unlockSurface(surface);
    return {r, g, b};
}

int countColour(int x, int y, int width, int height, Rgb colour)
{
    int count = 0;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            count += pixelAt(column, row) == colour;
        }
    }
    return count;
}

int highlightedMenuItem()
{
    int found = -1;
    for (int item = 0; item < 3; ++item) {
        const int y = 300 + 50 * item;
        const int bright = countColour(100, y, 120, 45, highlighted);
        const int dark = countColour(100, y, 120, 45, plain);
        if (bright > 20 && dark == 0) {
            if (found != -1) {
                return -1;
            }
            found = item;
        } else if (dark < 20 || bright != 0) {
            return -1;  // an item drawn neither way, or in both colours
        }
    }
    return found;
}

void ScreenFixture::SetUp()
{
    startFolder = fs::current_path();
    char pattern[] = "/tmp/wtrq-screens-XXXXXX";
    folder = mkdtemp(pattern);
    writeGuiPackage(folder);
    fs::current_path(folder);
    screen.init(SDL_INIT_VIDEO, 640, 480, 24, SDL_SWSURFACE);
    TTF_Init();
    fs::copy_file(WTRQ_TEST_FONT, scratchPath("guifont.ttf"), fs::copy_options::overwrite_existing);
    font.open(scratchPath("guifont.ttf"), 16);
}

void ScreenFixture::TearDown()
{
    font.close();
    TTF_Quit();
    SDL_Quit();
    fs::current_path(startFolder);
    fs::remove_all(folder);
    scratchFolder().removeAll();
}

}  // namespace screentest
