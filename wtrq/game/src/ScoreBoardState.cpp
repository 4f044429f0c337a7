// The score board's keys in each phase.
#include "game/ScoreBoardState.h"

#include <cctype>

namespace wtrq {

BoardAction ScoreBoardState::handleEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) {
        windowClosed = true;
        leave = true;
        return BoardAction::None;
    }
    if (event.type != SDL_KEYDOWN) {
        return BoardAction::None;
    }
    const SDLKey key = event.key.keysym.sym;
    if (key == SDLK_ESCAPE) {
        leave = true;
        return BoardAction::None;
    }
    if (exchanging) {
        return BoardAction::None;
    }
    switch (phase) {
    case BoardPhase::NameEntry:
        if (key == SDLK_RETURN) {
            phase = BoardPhase::AskUpload;
        } else {
            typeKey(event.key.keysym);
        }
        break;
    case BoardPhase::AskUpload:
        if (key == SDLK_UP || key == SDLK_DOWN) {
            uploadChoice = 1 - uploadChoice;
        } else if (key == SDLK_RETURN && uploadChoice == 1) {
            leave = true;
        } else if (key == SDLK_RETURN) {
            exchanging = true;
            return BoardAction::StartExchange;
        }
        break;
    case BoardPhase::Results:
        break;
    }
    return BoardAction::None;
}

void ScoreBoardState::typeKey(const SDL_keysym& keysym)
{
    const SDLKey key = keysym.sym;
    const bool letterOrDigit = (key >= SDLK_a && key <= SDLK_z) || (key >= SDLK_0 && key <= SDLK_9);
    if (letterOrDigit && playerName.size() < maxNameLength) {
        char typed = SDL_GetKeyName(key)[0];
        if ((keysym.mod & KMOD_SHIFT) != 0) {
            typed = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
        }
        playerName += typed;
    } else if (key == SDLK_SPACE && playerName.size() < maxNameLength) {
        playerName += ' ';
    } else if (key == SDLK_BACKSPACE && !playerName.empty()) {
        playerName.pop_back();
    }
}

void ScoreBoardState::showResults(bool failed, std::vector<ScoreRow> fetched)
{
    exchanging = false;
    uploadFailed = failed;
    rows = failed ? std::vector<ScoreRow>{} : std::move(fetched);
    phase = BoardPhase::Results;
}

}  // namespace wtrq
