// Setting, expiring and drawing the status message.
#include "game/StatusLine.h"

#include <SDL_ttf.h>

#include "game/PanelLook.h"
#include "jwe/Font.h"

namespace wtrq {

void StatusLine::set(const std::string& newText, std::int32_t lifetime)
{
    text = newText;
    duration = lifetime;
    setTick = clock.now();
}

void StatusLine::draw(SDL_Surface* target)
{
    if (text.empty()) {
        return;
    }
    if (duration != untilReplaced && hasElapsed(clock.now(), setTick, static_cast<Ticks>(duration))) {
        duration = untilReplaced;
        text.clear();
        return;
    }
    int width = 0;
    int height = 0;
    TTF_SizeText(font.ttfFont(), text.c_str(), &width, &height);
    const int x = 320 - width / 2;
    // Four light copies around the dark red one make its outline.
    drawGameText(target, x - 2, 64, text, textColour);
    drawGameText(target, x + 2, 64, text, textColour);
    drawGameText(target, x, 62, text, textColour);
    drawGameText(target, x, 66, text, textColour);
    drawGameText(target, x, 64, text, SDL_Color{128, 0, 0, 0});
}

}  // namespace wtrq
