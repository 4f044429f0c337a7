// What the score board is doing: the typed name, the YES/NO question, the fetched rows.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>
#include <vector>

#include "wtrq/board/ScoreReply.h"

namespace wtrq {

enum class BoardPhase { NameEntry = 0, AskUpload = 1, Results = 2 };

inline constexpr std::size_t maxNameLength = 15;

// What the board's loop does after an event.
enum class BoardAction { None, StartExchange };

struct ScoreBoardState {
    BoardPhase phase = BoardPhase::NameEntry;
    std::string playerName;
    int uploadChoice = 0;  // 0 YES, 1 NO
    bool uploadFailed = false;
    bool exchanging = false;
    bool leave = false;
    bool windowClosed = false;
    std::vector<ScoreRow> rows;

    BoardAction handleEvent(const SDL_Event& event);
    // The exchange's outcome moves the board on to its results.
    void showResults(bool failed, std::vector<ScoreRow> fetched);

private:
    void typeKey(const SDL_keysym& key);
};

}  // namespace wtrq
