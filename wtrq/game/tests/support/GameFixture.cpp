// Shared set-up of the game screen tests.
#include "support/GameFixture.h"

#include <SDL_ttf.h>

#include "jwe/Events.h"
#include "jwe/Font.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "support/WorldFixture.h"

namespace wtrq::test {

namespace {

void push(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

SDL_Surface* solidSurface(Uint32 rgb)
{
    SDL_Surface* surface = makeMemorySurface(640, 32);
    SDL_FillRect(surface, nullptr, rgb);
    return surface;
}

}  // namespace

int TestInput::poll(SDL_Event* event)
{
    return pollEvent(event);
}

void pushButton(Uint8 button, bool pressed)
{
    SDL_Event event{};
    event.type = pressed ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    push(event);
}

void pushKey(SDLKey key, SDLMod mod)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    push(event);
}

void pushQuit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    push(event);
}

void SdlFixture::SetUp()
{
    screen.init(SDL_INIT_VIDEO, 640, 480, 32, SDL_SWSURFACE);
    TTF_Init();
    font.open(WTRQ_GAME_TEST_FONT, 16);
}

void SdlFixture::TearDown()
{
    font.close();
    TTF_Quit();
    SDL_Quit();
    scratchFolder().removeAll();
}

void GameFixture::SetUp()
{
    SdlFixture::SetUp();
    GameSeams seams;
    seams.clock = &clock;
    seams.input = &input;
    seams.sounds = &sounds;
    seams.random = &random;
    seams.images = &images;
    seams.scoreBoard = &board;
    game = std::make_unique<GameScreen>(pacer, GameOptions{}, seams);
    std::vector<TileType> types(2);
    types[0].image = adoptSurface(makeMemorySurface(32, 32));
    types[1].isGround = false;
    types[1].image = adoptSurface(makeMemorySurface(32, 32));
    game->tileMap.useTileTypes(std::move(types));
    scriptMapWithObstacles(random, {{19, 0}});
    game->tileMap.generate(random);
    random.fallBackTo(0);
    game->topBar = solidSurface(0x203040);
    game->topBarDown = solidSurface(0x405060);
    game->beginRun();
    frame = makeMemorySurface(640, 480);
}

void GameFixture::TearDown()
{
    SDL_FreeSurface(frame);
    game.reset();
    SdlFixture::TearDown();
}

void GameFixture::drawOnce()
{
    game->drawFrame(frame);
}

void GameFixture::click(int x, int y, Uint8 button)
{
    input.position = {x, y};
    drawOnce();
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = button;
    press.button.state = SDL_PRESSED;
    game->handleEvent(press);
}

void GameFixture::chooseFromBuildMenu(int item, int x, int y)
{
    click(x, y, SDL_BUTTON_RIGHT);
    ASSERT_TRUE(game->buildMenuOpen);
    click(game->buildMenuX + 100, game->buildMenuY + 14 + 24 * (item - 1));
}

void GameFixture::buyAt(BuildingType type, int tx, int ty)
{
    chooseFromBuildMenu(static_cast<int>(type));
    clickTile(tx, ty);
    ASSERT_EQ(game->statusLine().currentText(), "Building successfully bought!");
}

}  // namespace wtrq::test
