// Opening, closing and drawing with a Font.
#include "jwe/Font.h"

#include "jwe/Exceptions.h"
#include "jwe/Surfaces.h"

Font font;

Font::~Font()
{
    close();
}

void Font::open(const std::string& fileName, int size)
{
    close();
    openedFile = fileName;
    pointSize = size;
    handle = TTF_OpenFont(fileName.c_str(), size);
    if (handle == nullptr) {
        throw FileLoadingFailed(fileName, SDL_GetError());
    }
}

void Font::close()
{
    // A font left open at exit must not outlive the library it came from.
    if (handle != nullptr && TTF_WasInit()) {
        TTF_CloseFont(handle);
    }
    handle = nullptr;
}

void Font::draw(SDL_Surface* target, int x, int y, const std::string& text, SDL_Color colour) const
{
    drawText(target, x, y, handle, text, colour);
}

void Font::draw(SDL_Surface* target, int x, int y, const std::string& text, int red, int green, int blue) const
{
    SDL_Color colour{static_cast<Uint8>(red), static_cast<Uint8>(green), static_cast<Uint8>(blue), 0};
    draw(target, x, y, text, colour);
}
