// AskYesNo: opens the question window, waits for an answer and shuts video down again.
#include "AskYesNo.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "CQuestionDialog.h"
#include "display/VisibleDisplay.h"

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 130;

// Keeps SDL video and the TTF engine up for the dialog's lifetime only, so the game
// can open its own OpenGL window afterwards.
class CDialogVideo {
public:
    CDialogVideo() { videoUp = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }
    ~CDialogVideo()
    {
        if (font != nullptr) {
            TTF_CloseFont(font);
        }
        if (ttfUp) {
            TTF_Quit();
        }
        if (videoUp) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
    CDialogVideo(const CDialogVideo&) = delete;
    CDialogVideo& operator=(const CDialogVideo&) = delete;

    bool Open(const std::string& title)
    {
        if (!videoUp) {
            return false;
        }
        // An invisible display shows nothing to anyone: asking there would wait forever.
        if (!VideoReachesAScreen()) {
            return false;
        }
        ttfUp = TTF_Init() == 0;
        if (!ttfUp) {
            return false;
        }
        font = TTF_OpenFont(QUESTION_FONT_PATH, 15);
        if (font == nullptr) {
            return false;
        }
        SDL_WM_SetCaption(title.c_str(), nullptr);
        screen = SDL_SetVideoMode(kWidth, kHeight, 0, SDL_SWSURFACE);
        return screen != nullptr;
    }

    SDL_Surface* screen = nullptr;
    TTF_Font* font = nullptr;

private:
    bool videoUp = false;
    bool ttfUp = false;
};

}  // namespace

Answer AskYesNo(const std::string& title, const std::string& text)
{
    CDialogVideo video;
    if (!video.Open(title)) {
        return Answer::Unavailable;
    }
    CQuestionDialog dialog(video.screen, video.font, text);
    dialog.Draw();
    SDL_Event event;
    while (SDL_WaitEvent(&event) == 1) {
        if (event.type == SDL_VIDEOEXPOSE) {
            dialog.Draw();
        }
        if (std::optional<Answer> answer = dialog.Handle(event)) {
            return *answer;
        }
    }
    return Answer::Unavailable;
}
