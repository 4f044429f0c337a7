// The board fixture: dummy display, font, fixture package, pushed keys and frame read-back.
#include "BoardFixture.h"

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
#include "LoopbackServer.h"
#include "pjw/PackageWriter.h"
#include "wtrq/board/ScoreExchange.h"

namespace fs = std::filesystem;

namespace boardtest {

namespace {

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void push(SDL_Event event)
{
    if (SDL_PushEvent(&event) != 0) {
        throw std::runtime_error(std::string("SDL_PushEvent failed: ") + SDL_GetError());
    }
}

// A BMP (SDL_image reads it whatever the member is called) of one colour.
std::vector<std::uint8_t> solidPicture(int width, int height, SDL_Color colour)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
    char pattern[] = "/tmp/wtrq-board-picture-XXXXXX";
    const int descriptor = mkstemp(pattern);
    if (descriptor >= 0) {
        close(descriptor);
    }
    SDL_SaveBMP(surface, pattern);
    SDL_FreeSurface(surface);
    std::vector<std::uint8_t> bytes = fileBytes(pattern);
    fs::remove(pattern);
    return bytes;
}

// An exchange the board left while it waited (Escape, a window close) ends by itself within one
// slice of its wait, and the next exchange's start and end reap its thread. A short probe
// exchange does that here, so the leak check sees only what the board itself keeps.
void reapLeftExchanges()
{
    SDL_Delay(120);
    wtrq::ScoreExchange probe({"127.0.0.1", closedLoopbackPort()}, "", 0, std::chrono::seconds(2));
    while (!probe.poll()) {
        SDL_Delay(5);
    }
}

}  // namespace

void pushKeys(const std::vector<KeyPress>& presses)
{
    for (const KeyPress& press : presses) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = press.key;
        event.key.keysym.mod = press.mod;
        push(event);
        event.type = SDL_KEYUP;
        event.key.state = SDL_RELEASED;
        push(event);
    }
}

void pushQuit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    push(event);
}

void drainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

std::vector<std::uint8_t> captureScreen()
{
    SDL_Surface* surface = screen.surface();
    lockSurface(surface);
    std::vector<std::uint8_t> bytes;
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    const int rowBytes = surface->w * surface->format->BytesPerPixel;
    for (int row = 0; row < surface->h; ++row) {
        bytes.insert(bytes.end(), pixels + row * surface->pitch, pixels + row * surface->pitch + rowBytes);
    }
    unlockSurface(surface);
    return bytes;
}

std::vector<std::uint8_t> frameWith(const std::vector<TextAt>& lines)
{
    SDL_Surface* target = screen.surface();
    const std::vector<std::uint8_t> shown = captureScreen();
    fill(target, backgroundColour.r, backgroundColour.g, backgroundColour.b);
    for (const TextAt& line : lines) {
        drawText(target, line.x, line.y, font.ttfFont(), line.text, SDL_Color{255, 255, 255, 0});
    }
    std::vector<std::uint8_t> expected = captureScreen();
    // Put back what the board drew, so a test may read the screen again.
    SDL_Surface* copy = SDL_CreateRGBSurfaceFrom(const_cast<std::uint8_t*>(shown.data()), target->w, target->h,
                                                 target->format->BitsPerPixel,
                                                 target->w * target->format->BytesPerPixel, target->format->Rmask,
                                                 target->format->Gmask, target->format->Bmask, 0);
    SDL_BlitSurface(copy, nullptr, target, nullptr);
    SDL_FreeSurface(copy);
    return expected;
}

std::vector<TextAt> boardLines(const std::string& page, std::vector<TextAt> phaseLines)
{
    phaseLines.push_back({50, 435, "ESC: Return to main menu"});
    phaseLines.push_back({400, 420, "To see all scores, visit:"});
    phaseLines.push_back({400, 440, page});
    return phaseLines;
}

ScriptedPacer::ScriptedPacer(std::function<void(int)> script, std::chrono::milliseconds bound)
    : script(std::move(script)), giveUp(std::chrono::steady_clock::now() + bound)
{
}

void ScriptedPacer::passDone()
{
    ++passes;
    if (std::chrono::steady_clock::now() > giveUp) {
        throw std::runtime_error("the board's loop went on long after the script was done");
    }
    script(passes);
    SDL_Delay(1);
}

void BoardFixture::SetUp()
{
    startFolder = fs::current_path();
    char pattern[] = "/tmp/wtrq-board-XXXXXX";
    folder = mkdtemp(pattern);
    fs::create_directories(folder / "data");
    pjw::writePackage((folder / "data" / "gui.pjw").string(),
                      {{"scoreboard.png", solidPicture(640, 480, backgroundColour)}}, 42);
    fs::current_path(folder);
    screen.init(SDL_INIT_VIDEO, 640, 480, 24, SDL_SWSURFACE);
    TTF_Init();
    font.open(WTRQ_BOARD_TEST_FONT, 16);
}

void BoardFixture::TearDown()
{
    reapLeftExchanges();
    font.close();
    TTF_Quit();
    SDL_Quit();
    fs::current_path(startFolder);
    fs::remove_all(folder);
    scratchFolder().removeAll();
}

}  // namespace boardtest
