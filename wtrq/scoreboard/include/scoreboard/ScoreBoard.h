// The score board after a game: the name, the question, and the best scores from the server.
//
// The game screen shows it when the time is over:
//   ScoreBoard board(pacer, &events);            // events: any EventSource, SDL's by default
//   if (!board.showScoreBoard(world.finalScore())) result = false;   // window closed: quit
#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>

#include "jwe/FramePacer.h"
#include "scoreboard/BoardSeams.h"
#include "scoreboard/ScoreBoardState.h"
#include "wtrq/board/ScoreExchange.h"
#include "wtrq/board/ScoreSettings.h"

namespace wtrq {

// Settings from wtrq.conf and the environment; unusable lines are reported on standard error.
ScoreSettings scoreSettingsAtStartUp();

class ScoreBoard final : public ScoreBoardRunner {
public:
    explicit ScoreBoard(FramePacer& pacer = defaultFramePacer(), EventSource* events = nullptr,
                        ScoreSettings settings = scoreSettingsAtStartUp(),
                        std::chrono::milliseconds exchangeLimit = ScoreExchange::defaultLimit);
    // Runs its own loop until Escape, NO or a window close; false after a window close.
    bool showScoreBoard(int score) override;

    // One frame of the board for a state and score, over its background.
    void drawBoard(SDL_Surface* target, SDL_Surface* background, const ScoreBoardState& state,
                   std::int32_t score) const;

private:
    FramePacer& pacer;
    EventSource& events;
    ScoreSettings settings;
    std::chrono::milliseconds exchangeLimit;
};

}  // namespace wtrq
