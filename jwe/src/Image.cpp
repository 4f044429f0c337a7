// Loading, drawing and releasing an Image.
#include "jwe/Image.h"

#include "jwe/Exceptions.h"
#include "jwe/Surfaces.h"

Image::~Image()
{
    free();
}

void Image::load(const std::string& fileName)
{
    free();
    picture = loadImage(fileName);
    if (picture == nullptr) {
        throw FileLoadingFailed(fileName, SDL_GetError());
    }
}

void Image::draw(SDL_Surface* target, int x, int y) const
{
    if (picture != nullptr) {
        blit(picture, target, x, y);
    }
}

void Image::free()
{
    freeSurface(picture);
}
