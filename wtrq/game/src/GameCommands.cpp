// The command state machine: what a click does while an elf waits, and on the free screen.
#include <stdexcept>

#include "game/BuildMenu.h"
#include "game/ElvesPanel.h"
#include "game/GameMenu.h"
#include "game/GameScreen.h"
#include "game/InfoPanel.h"

namespace wtrq {

void GameScreen::handleEvent(const SDL_Event& event)
{
    if (event.type != SDL_MOUSEBUTTONDOWN) {
        return;
    }
    const MousePosition mouse = input.mouse();
    const bool left = event.button.button == SDL_BUTTON_LEFT;
    if (selectionWaits()) {
        if (left) {
            handleWaitingClick(mouse.x / tileSize, (mouse.y - topBarHeight) / tileSize);
        }
        return;
    }
    if (left) {
        handleLeftClick(mouse);
    } else if (event.button.button == SDL_BUTTON_RIGHT) {
        handleRightClick(mouse);
    }
}

void GameScreen::handleWaitingClick(int tx, int ty)
{
    if (world.pendingHire != -1) {
        if (world.placeNewElf(tx, ty)) {
            setStatus("New elf hired!", 3000);
            sounds.play(GameSound::Pop);
        } else {
            setStatus("This office is fully occupied, select another office...", untilReplaced);
        }
    } else if (world.workerToAssign != -1) {
        if (world.assignWorker(tx, ty)) {
            setStatus("Worker is on his way to his new job!", 3000);
            sounds.play(GameSound::Walk);
        } else {
            setStatus("Can't work here! Building is full or it's office (offices need no workers)!", 3000);
        }
    } else if (world.carrierForMine != -1) {
        if (world.chooseMine(tx, ty)) {
            setStatus("Choose foundry to supply it with iron ore...", untilReplaced);
        } else {
            setStatus("Either this mine's not working or you clicked something else!", 3000);
        }
    } else if (world.carrierForFoundry != -1) {
        if (world.chooseFoundry(tx, ty)) {
            setStatus("Carrier is now supplying foundry with iron ore!", 3000);
            sounds.play(GameSound::Walk);
        } else {
            setStatus("Either this foundry has no workers or you clicked something else!", 3000);
        }
    }
}

void GameScreen::handleRightClick(MousePosition mouse)
{
    if (gameMenuOpen || world.elvesPanelOpen) {
        return;
    }
    buildMenuOpen = !buildMenuOpen;
    if (buildMenuOpen) {
        const MousePosition corner = buildMenuCorner(mouse.x, mouse.y);
        buildMenuX = corner.x;
        buildMenuY = corner.y;
        world.cancelPlacement();
    }
}

void GameScreen::handleLeftClick(MousePosition mouse)
{
    // The menu's choice ends the game but the click still goes on, as a click anywhere would.
    if (gameMenuOpen && gameMenuHover == quitToMainMenu) {
        result = true;
        running = false;
    } else if (gameMenuOpen && gameMenuHover == quitToDesktop) {
        result = false;
        running = false;
    }
    if (6 < mouse.x && mouse.x < 139 && 3 < mouse.y && mouse.y < 25) {
        gameMenuOpen = !gameMenuOpen;
        buildMenuOpen = false;
        closeInfoPanel(world);
        world.cancelPlacement();
        return;
    }
    if (mouse.y <= 31) {
        return;
    }
    if (buildMenuOpen) {
        handleBuildMenuClick(mouse);
        return;
    }
    if (world.placing) {
        switch (world.buy()) {
        case Bought:
            setStatus("Building successfully bought!", 3000);
            world.cancelPlacement();
            sounds.play(GameSound::Build);
            break;
        case NotEnoughMoneyToBuy:
            setStatus("You don't have enough money!", 3000);
            break;
        case InvalidSpot:
            setStatus("Invalid spot for building!", 3000);
            break;
        default:
            break;
        }
        return;
    }
    if (gameMenuOpen) {
        return;
    }
    if (world.elvesPanelOpen) {
        handleElvesPanelClick(mouse);
        return;
    }
    if (infoPanelClick(world, mouse.x, mouse.y)) {
        return;
    }
    if (!openInfoPanel(world, mouse.x, mouse.y)) {
        openElvesPanel(world, mouse.x, mouse.y);
    }
}

void GameScreen::handleBuildMenuClick(MousePosition mouse)
{
    if (buildMenuHover == -1) {
        return;
    }
    if (buildMenuHover >= firstHireItem) {
        switch (world.hire(buildMenuHover)) {
        case NoOfficeWithRoom:
            setStatus("You don't have available upkeep in any office! Build more offices...", 3000);
            break;
        case NotEnoughMoneyToHire:
            setStatus("You don't have enough money!", 3000);
            break;
        case Hired:
            setStatus("Select office to upkeep new elf...", untilReplaced);
            break;
        default:
            throw std::runtime_error("Unhandled return value from hire-function!");
        }
        return;
    }
    world.startPlacement(static_cast<BuildingType>(buildMenuHover));
    world.followMouse(mouse.x, mouse.y);
    buildMenuOpen = false;
    buildMenuHover = -1;
}

void GameScreen::handleElvesPanelClick(MousePosition mouse)
{
    switch (elvesPanelClick(world, mouse.x, mouse.y)) {
    case ElvesPanelOutcome::WorkerPicked:
        setStatus("Select working place for worker...", untilReplaced);
        break;
    case ElvesPanelOutcome::CarrierPicked:
        setStatus("Select mine where carrier picks up iron ore...", untilReplaced);
        break;
    case ElvesPanelOutcome::CarrierRefused:
        setStatus("You must have both, mine and foundry to set up carrier's path!", 3000);
        break;
    case ElvesPanelOutcome::Nothing:
        break;
    }
}

}  // namespace wtrq
