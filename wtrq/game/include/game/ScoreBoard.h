// The score board after a game: the name, the question, and the best scores from the server.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "game/GameSeams.h"
#include "game/ScoreBoardState.h"
#include "jwe/FramePacer.h"
#include "wtrq/board/ScoreSettings.h"

namespace wtrq {

// Settings from wtrq.conf and the environment; unusable lines are reported on standard error.
ScoreSettings scoreSettingsAtStartUp();

class ScoreBoard final : public ScoreBoardRunner {
public:
    explicit ScoreBoard(FramePacer& pacer = defaultFramePacer(), InputSource* input = nullptr,
                        ScoreSettings settings = scoreSettingsAtStartUp());
    // Runs until Escape, NO or a window close; false after a window close.
    bool showScoreBoard(int score) override;

    // One frame of the board for a state and score, over its background.
    void drawBoard(SDL_Surface* target, SDL_Surface* background, const ScoreBoardState& state,
                   std::int32_t score) const;

private:
    FramePacer& pacer;
    InputSource& input;
    ScoreSettings settings;
};

}  // namespace wtrq
