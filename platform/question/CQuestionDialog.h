// The question window itself: layout, drawing and event handling over an SDL software surface.
#pragma once

#include <SDL.h>

#include <optional>
#include <set>
#include <string>

#include "AskYesNo.h"

struct _TTF_Font;

class CQuestionDialog {
public:
    CQuestionDialog(SDL_Surface* screen, _TTF_Font* font, const std::string& text);

    void Draw();
    // Handles one event; an answer once the user has given one.
    std::optional<Answer> Handle(const SDL_Event& event);

private:
    struct SButton {
        SDL_Rect box;
        const char* label;
        Answer answer;
    };

    void _DrawButton(const SButton& button, bool focused);
    void _DrawText(const char* utf8, int x, int y, SDL_Color colour, bool centredIn = false, const SDL_Rect* box = nullptr);
    void _DrawIcon(int x, int y);
    Uint32 _Rgb(Uint8 r, Uint8 g, Uint8 b);

    SDL_Surface* screen;
    _TTF_Font* font;
    std::string text;
    SButton buttons[2];
    int focus = 0;  // Yes has the focus first, as in the platform's message box
    int pressedButton = -1;
    std::set<SDLKey> keysDown;  // pressed while the dialog was showing, not yet released
};
