// CQuestionDialog: a message-box look-alike drawn with SDL and SDL_ttf.
#include "CQuestionDialog.h"

#include <SDL_ttf.h>

namespace {
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
}  // namespace

CQuestionDialog::CQuestionDialog(SDL_Surface* screen, TTF_Font* font, const std::string& text)
    : screen(screen), font(font), text(text)
{
    const int y = static_cast<Sint16>(screen->h - kButtonHeight - 14);
    const int gap = 12;
    const int left = (screen->w - 2 * kButtonWidth - gap) / 2;
    buttons[0] = {SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(y), kButtonWidth, kButtonHeight}, "Kyllä",
                  Answer::Yes};
    buttons[1] = {SDL_Rect{static_cast<Sint16>(left + kButtonWidth + gap), static_cast<Sint16>(y), kButtonWidth,
                           kButtonHeight},
                  "Ei", Answer::No};
}

Uint32 CQuestionDialog::_Rgb(Uint8 r, Uint8 g, Uint8 b)
{
    return SDL_MapRGB(screen->format, r, g, b);
}

void CQuestionDialog::_DrawText(const char* utf8, int x, int y, SDL_Color colour, bool centredIn, const SDL_Rect* box)
{
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8, colour);
    if (rendered == nullptr) {
        return;
    }
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    if (centredIn && box != nullptr) {
        at.x = static_cast<Sint16>(box->x + (box->w - rendered->w) / 2);
        at.y = static_cast<Sint16>(box->y + (box->h - rendered->h) / 2);
    }
    SDL_BlitSurface(rendered, nullptr, screen, &at);
    SDL_FreeSurface(rendered);
}

void CQuestionDialog::_DrawIcon(int x, int y)
{
    // A blue disc with a question mark, like the platform's question icon.
    const int radius = 16;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius) {
                SDL_Rect dot{static_cast<Sint16>(x + dx), static_cast<Sint16>(y + dy), 1, 1};
                SDL_FillRect(screen, &dot, _Rgb(40, 90, 200));
            }
        }
    }
    SDL_Rect disc{static_cast<Sint16>(x - radius), static_cast<Sint16>(y - radius), 2 * radius, 2 * radius};
    _DrawText("?", 0, 0, SDL_Color{255, 255, 255, 0}, true, &disc);
}

void CQuestionDialog::_DrawButton(const SButton& button, bool focused)
{
    SDL_Rect border = button.box;
    SDL_FillRect(screen, &border, focused ? _Rgb(0, 90, 200) : _Rgb(120, 120, 120));
    SDL_Rect face{static_cast<Sint16>(border.x + (focused ? 2 : 1)), static_cast<Sint16>(border.y + (focused ? 2 : 1)),
                  static_cast<Uint16>(border.w - (focused ? 4 : 2)), static_cast<Uint16>(border.h - (focused ? 4 : 2))};
    SDL_FillRect(screen, &face, _Rgb(225, 225, 225));
    _DrawText(button.label, 0, 0, SDL_Color{0, 0, 0, 0}, true, &button.box);
}

void CQuestionDialog::Draw()
{
    SDL_FillRect(screen, nullptr, _Rgb(240, 240, 240));
    _DrawIcon(36, 40);
    _DrawText(text.c_str(), 66, 30, SDL_Color{0, 0, 0, 0});
    for (int i = 0; i < 2; ++i) {
        _DrawButton(buttons[i], i == focus);
    }
    SDL_Flip(screen);
}

std::optional<Answer> CQuestionDialog::Handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        return Answer::No;
    case SDL_KEYDOWN:
        switch (event.key.keysym.sym) {
        case SDLK_TAB:
        case SDLK_LEFT:
        case SDLK_RIGHT:
            focus = 1 - focus;
            Draw();
            return std::nullopt;
        default:
            keysDown.insert(event.key.keysym.sym);
            return std::nullopt;
        }
    case SDL_KEYUP:
        // A key answers when it is released, and only after it was pressed while the
        // dialog was showing: a key still held from before the dialog opened answers nothing.
        if (keysDown.erase(event.key.keysym.sym) == 0) {
            return std::nullopt;
        }
        switch (event.key.keysym.sym) {
        case SDLK_k:
        case SDLK_y:      return Answer::Yes;
        case SDLK_e:
        case SDLK_n:
        case SDLK_ESCAPE: return Answer::No;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_SPACE:  return buttons[focus].answer;
        default:          return std::nullopt;
        }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (event.button.button != SDL_BUTTON_LEFT) {
            return std::nullopt;
        }
        for (int i = 0; i < 2; ++i) {
            const SDL_Rect& box = buttons[i].box;
            const bool inside = event.button.x >= box.x && event.button.x < box.x + box.w &&
                                event.button.y >= box.y && event.button.y < box.y + box.h;
            if (!inside) {
                continue;
            }
            // Like a real button: it answers when released over the button it was pressed on.
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                pressedButton = i;
                focus = i;
                Draw();
            } else if (pressedButton == i) {
                return buttons[i].answer;
            }
        }
        if (event.type == SDL_MOUSEBUTTONUP) {
            pressedButton = -1;
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}
