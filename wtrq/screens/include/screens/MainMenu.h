// The keyboard main menu over its picture: Begin, Help, Quit.
#pragma once

#include <SDL.h>

#include "jwe/Font.h"
#include "jwe/FramePacer.h"

class MainMenu {
public:
    enum Item { begin = 0, help = 1, quit = 2 };

    explicit MainMenu(FramePacer& pacer = defaultFramePacer());
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // Opens the menu font and the picture anew and highlights Begin; a picture that cannot be
    // decoded leaves the menu without a background, a missing package or font throws.
    void load();
    // The chosen item; a request to close the window counts as Quit.
    int run();
    void unload();

    int selectedItem() const { return selected; }

private:
    void draw() const;

    FramePacer& pacer;
    SDL_Surface* background = nullptr;
    Font menuFont;
    int selected = begin;
};
