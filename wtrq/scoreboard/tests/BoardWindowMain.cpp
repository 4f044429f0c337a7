// A window holding only the score board, so the board can be driven with real key presses.
// Arguments: the game data folder (holding data/) and the score to show. Prints "menu" or "quit".
#include <SDL.h>
#include <SDL_ttf.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "jwe/Exceptions.h"
#include "jwe/Font.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "scoreboard/ScoreBoard.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: wtrq_scoreboard_window DATA_FOLDER SCORE\n";
        return 2;
    }
    try {
        std::filesystem::current_path(argv[1]);
        screen.init(SDL_INIT_VIDEO, 640, 480, 0, SDL_SWSURFACE);
        SDL_WM_SetCaption("WTRQ", nullptr);
        TTF_Init();
        Package gui("data/gui.pjw");
        gui.extractTo("palab.ttf", scratchPath("guifont.ttf"));
        gui.close();
        font.open(scratchPath("guifont.ttf"), 16);
        wtrq::ScoreBoard board;
        const bool backToMenu = board.showScoreBoard(std::stoi(argv[2]));
        std::cout << (backToMenu ? "menu" : "quit") << std::endl;
        font.close();
        TTF_Quit();
        return 0;
    } catch (const JWEException& failure) {
        std::cerr << failure.what() << '\n' << failure.getDetail() << '\n';
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
    }
    return 1;
}
