// The play screen's life: loading, the play loop, drawing a frame, and letting go of it all.
#include "game/GameScreen.h"

#include <SDL_image.h>

#include "game/BuildMenu.h"
#include "game/ElvesPanel.h"
#include "game/GameMenu.h"
#include "game/InfoPanel.h"
#include "game/PanelLook.h"
#include "game/SampleSounds.h"
#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"
#include "jwe/Utilities.h"
#include "scoreboard/ScoreBoard.h"

namespace wtrq {

namespace {

template <typename T, typename Make>
T& chosen(T* given, std::unique_ptr<T>& own, Make make)
{
    if (given != nullptr) {
        return *given;
    }
    own = make();
    return *own;
}

GameImages& chosenImages(GameImages* given, std::unique_ptr<PackageImages>& packages,
                         std::unique_ptr<CachedImages>& cache)
{
    if (given != nullptr) {
        return *given;
    }
    packages = std::make_unique<PackageImages>();
    cache = std::make_unique<CachedImages>(*packages);
    return *cache;
}

SDL_Surface* loadMember(Package& package, const std::string& member)
{
    package.extract(member);
    SDL_Surface* picture = loadImage(scratchPath("temp.tmp"));
    if (picture == nullptr) {
        throw FileLoadingFailed(member, IMG_GetError());
    }
    return picture;
}

}  // namespace

std::string timeLeftText(std::int32_t secondsLeft)
{
    return "Time left: " + toString(secondsLeft / 60) + ":" + toString(secondsLeft % 60);
}

GameScreen::GameScreen(FramePacer& pacer, GameOptions options, GameSeams seams)
    : pacer(pacer),
      options(options),
      clock(seams.clock != nullptr ? *seams.clock : sdlTicks()),
      input(seams.input != nullptr ? *seams.input : sdlInput()),
      random(seams.random != nullptr ? *seams.random : runtimeRandom()),
      sounds(chosen(seams.sounds, ownSounds, [] { return std::make_unique<SampleSounds>(); })),
      scoreBoard(chosen(seams.scoreBoard, ownScoreBoard,
                        [&] { return std::make_unique<ScoreBoard>(pacer, &input); })),
      status(clock),
      world(tileMap, chosenImages(seams.images, packageImages, cachedImages), clock, random)
{
}

GameScreen::~GameScreen()
{
    sounds.release();
    world.release();
    freeSurface(topBar);
    freeSurface(topBarDown);
    tileMap.clear();
}

void GameScreen::loadResources()
{
    tileMap.load(random);
    Package gui("data/gui.pjw");
    freeSurface(topBar);
    freeSurface(topBarDown);
    topBar = loadMember(gui, "topbar.png");
    topBarDown = loadMember(gui, "topbar_down.png");
    gui.close();
    buildMenuOpen = gameMenuOpen = false;
    buildMenuHover = gameMenuHover = -1;
    result = true;
    elvesTick = clock.now();
    secondsLeft = options.gameSeconds;
    sounds.load();
}

bool GameScreen::run()
{
    beginRun();
    while (runPass()) {
    }
    return endRun();
}

void GameScreen::beginRun()
{
    running = true;
    result = true;
    gameOver = false;
    secondTick = clock.now();
}

bool GameScreen::runPass()
{
    SDL_Event event;
    while (input.poll(&event)) {
        if (event.type == SDL_QUIT) {
            running = false;
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
            running = false;
            result = true;
        }
        handleEvent(event);
    }
    countDown();
    drawFrame(screen.surface());
    screen.flip();
    pacer.passDone();
    return running;
}

void GameScreen::countDown()
{
    if (!hasElapsed(clock.now(), secondTick, 1000)) {
        return;
    }
    --secondsLeft;
    if (secondsLeft <= 0) {
        running = false;
        gameOver = true;
    }
    // From now, not from the step's due time: a slow frame lengthens the second, never shortens it.
    secondTick = clock.now();
}

bool GameScreen::endRun()
{
    if (gameOver && !scoreBoard.showScoreBoard(world.finalScore())) {
        result = false;
    }
    return result;
}

void GameScreen::drawFrame(SDL_Surface* target)
{
    tileMap.draw(target);
    blit(gameMenuOpen ? topBarDown : topBar, target, 0, 0);
    drawStocks(target);
    world.produceAndDraw(target);
    if (hasElapsed(clock.now(), elvesTick, 500)) {
        world.updateElves();
        elvesTick = clock.now();
    }
    world.drawElves(target);
    if (!selectionWaits()) {
        const MousePosition mouse = input.mouse();
        drawElvesPanel(world, target, mouse.x, mouse.y);
        drawInfoPanel(world, target);
        drawBuildMenu(target);
        drawGameMenu(target);
        if (world.placing) {
            world.followMouse(mouse.x, mouse.y);
            world.drawPreview(target);
        }
    }
    drawTimeLeft(target);
    drawStatus(target);
}

bool GameScreen::selectionWaits() const
{
    return world.pendingHire != -1 || world.workerToAssign != -1 || world.carrierForMine != -1 ||
           world.carrierForFoundry != -1;
}

void GameScreen::drawStocks(SDL_Surface* target)
{
    drawGameText(target, 211, 8, toString(world.money), textColour);
    drawGameText(target, 336, 8, toString(world.wood), textColour);
    drawGameText(target, 449, 8, toString(world.steel), textColour);
    drawGameText(target, 583, 8, toString(world.plastic), textColour);
}

void GameScreen::drawBuildMenu(SDL_Surface* target)
{
    if (!buildMenuOpen) {
        return;
    }
    const MousePosition mouse = input.mouse();
    buildMenuHover = buildMenuItemAt(buildMenuX, buildMenuY, mouse.x, mouse.y);
    drawBuildMenuPanel(target, buildMenuX, buildMenuY, buildMenuHover);
}

void GameScreen::drawGameMenu(SDL_Surface* target)
{
    if (!gameMenuOpen) {
        return;
    }
    const MousePosition mouse = input.mouse();
    gameMenuHover = gameMenuItemAt(mouse.x, mouse.y);
    drawGameMenuPanel(target, gameMenuHover);
}

void GameScreen::drawTimeLeft(SDL_Surface* target)
{
    const std::string text = timeLeftText(secondsLeft);
    // Light copies around the black one make an outline that reads on any ground.
    drawGameText(target, 498, 40, text, textColour);
    drawGameText(target, 502, 40, text, textColour);
    drawGameText(target, 500, 38, text, textColour);
    drawGameText(target, 500, 42, text, textColour);
    drawGameText(target, 500, 40, text, SDL_Color{0, 0, 0, 0});
}

}  // namespace wtrq
