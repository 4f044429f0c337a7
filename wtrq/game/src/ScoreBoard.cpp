// The score board's loop, its exchange with the score server and its drawing.
#include "game/ScoreBoard.h"

#include <SDL_image.h>

#include <iostream>
#include <memory>

#include "game/PanelLook.h"
#include "jwe/Exceptions.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"
#include "jwe/Utilities.h"
#include "wtrq/board/ScoreExchange.h"

namespace wtrq {

namespace {

constexpr SDL_Color white{255, 255, 255, 0};

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

std::unique_ptr<SDL_Surface, SurfaceFree> loadBackground()
{
    Package gui("data/gui.pjw");
    gui.extract("scoreboard.png");
    SDL_Surface* picture = loadImage(scratchPath("temp.tmp"));
    gui.close();
    if (picture == nullptr) {
        throw FileLoadingFailed("scoreboard.png", IMG_GetError());
    }
    return std::unique_ptr<SDL_Surface, SurfaceFree>(picture);
}

// Keyboard repeat for typing the name, and off again however the board is left.
struct KeyRepeat {
    KeyRepeat() { SDL_EnableKeyRepeat(500, 30); }
    ~KeyRepeat() { SDL_EnableKeyRepeat(0, 0); }
};

}  // namespace

ScoreSettings scoreSettingsAtStartUp()
{
    std::vector<std::string> warnings;
    ScoreSettings settings = loadScoreSettings(processEnvironment(), warnings);
    for (const std::string& warning : warnings) {
        std::cerr << warning << '\n';
    }
    return settings;
}

ScoreBoard::ScoreBoard(FramePacer& pacer, InputSource* input, ScoreSettings settings)
    : pacer(pacer), input(input != nullptr ? *input : sdlInput()), settings(std::move(settings))
{
}

bool ScoreBoard::showScoreBoard(int score)
{
    const auto background = loadBackground();
    const KeyRepeat repeat;
    ScoreBoardState state;
    std::unique_ptr<ScoreExchange> exchange;
    while (!state.leave) {
        SDL_Event event;
        while (!state.leave && input.poll(&event)) {
            if (state.handleEvent(event) == BoardAction::StartExchange) {
                exchange = std::make_unique<ScoreExchange>(settings.server, state.playerName, score);
            }
        }
        // The exchange runs beside the loop, so a close request is still honoured while it waits.
        if (exchange && !state.leave && exchange->poll()) {
            state.showResults(exchange->outcome().failed, exchange->outcome().rows);
            exchange.reset();
        }
        drawBoard(screen.surface(), background.get(), state, score);
        screen.flip();
        pacer.passDone();
    }
    return !state.windowClosed;
}

void ScoreBoard::drawBoard(SDL_Surface* target, SDL_Surface* background, const ScoreBoardState& state,
                           std::int32_t score) const
{
    blit(background, target, 0, 0);
    drawGameText(target, 50, 435, "ESC: Return to main menu", white);
    switch (state.phase) {
    case BoardPhase::NameEntry:
        drawGameText(target, 40, 320, "You scored: " + toString(score), white);
        drawGameText(target, 40, 350, "Enter your name:", white);
        drawGameText(target, 40, 370, state.playerName + "_", white);
        break;
    case BoardPhase::AskUpload:
        drawGameText(target, 40, 320, "Send and fetch scores", white);
        drawGameText(target, 40, 340, "from the Internet?", white);
        drawGameText(target, 40, 370, state.uploadChoice == 0 ? "[ YES ]" : "  YES", white);
        drawGameText(target, 40, 390, state.uploadChoice == 0 ? "  NO" : "[ NO ]", white);
        break;
    case BoardPhase::Results:
        if (state.uploadFailed) {
            drawGameText(target, 40, 370, "Failure occured!", white);
        }
        for (std::size_t i = 0; i < state.rows.size(); ++i) {
            const int y = 75 + 20 * static_cast<int>(i);
            drawGameText(target, 330, y, state.rows[i].name, white);
            drawGameText(target, 520, y, state.rows[i].score, white);
        }
        break;
    }
    drawGameText(target, 400, 420, "To see all scores, visit:", white);
    drawGameText(target, 400, 440, settings.page, white);
}

}  // namespace wtrq
