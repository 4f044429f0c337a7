// The score board's loop, its exchange with the score server and its drawing.
#include "scoreboard/ScoreBoard.h"

#include <SDL_image.h>

#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "jwe/Exceptions.h"
#include "jwe/Font.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "jwe/Surfaces.h"
#include "jwe/Utilities.h"

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

void drawWhite(SDL_Surface* target, int x, int y, const std::string& text)
{
    drawText(target, x, y, font.ttfFont(), text, white);
}

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

ScoreBoard::ScoreBoard(FramePacer& pacer, EventSource* events, ScoreSettings settings,
                       std::chrono::milliseconds exchangeLimit)
    : pacer(pacer),
      events(events != nullptr ? *events : sdlEvents()),
      settings(std::move(settings)),
      exchangeLimit(exchangeLimit)
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
        while (!state.leave && events.poll(&event)) {
            if (state.handleEvent(event) == BoardAction::StartExchange) {
                exchange = std::make_unique<ScoreExchange>(settings.server, state.playerName, score, exchangeLimit);
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
    drawWhite(target, 50, 435, "ESC: Return to main menu");
    switch (state.phase) {
    case BoardPhase::NameEntry:
        drawWhite(target, 40, 320, "You scored: " + toString(score));
        drawWhite(target, 40, 350, "Enter your name:");
        drawWhite(target, 40, 370, state.playerName + "_");
        break;
    case BoardPhase::AskUpload:
        drawWhite(target, 40, 320, "Send and fetch scores");
        drawWhite(target, 40, 340, "from the Internet?");
        drawWhite(target, 40, 370, state.uploadChoice == 0 ? "[ YES ]" : "  YES");
        drawWhite(target, 40, 390, state.uploadChoice == 0 ? "  NO" : "[ NO ]");
        break;
    case BoardPhase::Results:
        if (state.uploadFailed) {
            drawWhite(target, 40, 370, "Failure occured!");
        }
        for (std::size_t i = 0; i < state.rows.size(); ++i) {
            const int y = 75 + 20 * static_cast<int>(i);
            drawWhite(target, 330, y, state.rows[i].name);
            drawWhite(target, 520, y, state.rows[i].score);
        }
        break;
    }
    drawWhite(target, 400, 420, "To see all scores, visit:");
    drawWhite(target, 400, 440, settings.page);
}

}  // namespace wtrq
