// Start-up, the screen sequence and shut-down of wtrq.
#include "app/Application.h"

#include <SDL_ttf.h>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <stdexcept>

#include "app/DataLocation.h"
#include "app/StartupOptions.h"
#include "game/GameScreen.h"
#include "jwe/Exceptions.h"
#include "jwe/Font.h"
#include "jwe/Package.h"
#include "jwe/Report.h"
#include "jwe/ScratchFolder.h"
#include "jwe/Screen.h"
#include "screens/HelpPages.h"
#include "screens/IntroScreen.h"
#include "screens/MainMenu.h"

Application::Application(int argc, char** argv, FramePacer& pacer) : pacer(pacer)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    fullscreen = depth32 = false;
    try {
        startUp(argc, argv);
        started = true;
    } catch (const JWEException& failure) {
        reportFailure(failure, std::cerr);
    } catch (const std::exception& failure) {
        reportFailure(failure, std::cerr);
    }
}

void Application::startUp(int argc, char** argv)
{
    setWorkingDirectory();
    // The scratch folder comes first, so that its clean-up on Ctrl+C is in place before SDL
    // starts; SDL's own handlers would turn the signal into a quit event that help pages ignore.
    scratchPath("temp.tmp");
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    const StartupOptions options = parseOptions(argc, argv);
    fullscreen = options.fullscreen;
    depth32 = options.depth32;
    gameSeconds = options.gameSeconds;
    chooseVideoDriver(options);

    const VideoMode mode = videoModeFor(options);
    screen.init(SDL_INIT_VIDEO, 640, 480, mode.depth, mode.flags);
    SDL_WM_SetCaption("WTRQ", nullptr);
    FSOUND_Init(44100, 32, 0);

    Package sounds("data/sounds.pjw");
    sounds.extract("christmas.xm");
    song = FMUSIC_LoadSong(scratchPath("temp.tmp").c_str());
    sounds.close();
    if (song == nullptr) {
        throw std::runtime_error("Failed to load music!");
    }

    TTF_Init();
    // The font stays on disk: the main menu opens it again at its own size on every visit.
    Package gui("data/gui.pjw");
    gui.extractTo("palab.ttf", scratchPath("guifont.ttf"));
    gui.close();
    font.open(scratchPath("guifont.ttf"), 16);
}

Application::~Application()
{
    FMUSIC_FreeSong(song);
    song = nullptr;
    FSOUND_Close();
    font.close();
    scratchFolder().removeAll();
    if (TTF_WasInit()) {
        TTF_Quit();
    }
    SDL_Quit();
}

int Application::run()
{
    if (!started) {
        return 1;
    }
    FMUSIC_SetMasterVolume(song, 82);
    FMUSIC_PlaySong(song);
    try {
        runScreens();
    } catch (const JWEException& failure) {
        reportFailure(failure, std::cerr);
        return 1;
    } catch (const std::exception& failure) {
        reportFailure(failure, std::cerr);
        return 1;
    }
    return 0;
}

void Application::runScreens()
{
    showIntro(pacer);
    MainMenu menu(pacer);
    bool running = true;
    while (running) {
        menu.load();
        const int choice = menu.run();
        menu.unload();
        if (choice == MainMenu::quit) {
            running = false;
        } else if (choice == MainMenu::begin) {
            wtrq::GameScreen game(pacer, wtrq::GameOptions{gameSeconds});
            game.loadResources();
            running = game.run();
        } else if (choice == MainMenu::help) {
            showHelp();
        }
    }
}

void Application::showHelp()
{
    showHelpPages(pacer);
}
