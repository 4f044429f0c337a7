// Ownership of the engine's images.
#include "gfx/CImageHandler.h"

#include <algorithm>

CImageHandler::CImageHandler(CGFX* gfx) : imageCount(0), gfx(gfx) {}

CImageHandler::~CImageHandler()
{
    FreeAllImages();
}

CImage* CImageHandler::CreateImage(STexture* texture)
{
    CImage* image = new CImage(gfx, texture);
    images.push_back(image);
    ++imageCount;
    return image;
}

void CImageHandler::FreeImage(CImage* image)
{
    auto entry = std::find(images.begin(), images.end(), image);
    if (entry == images.end()) {
        return;
    }
    delete *entry;
    images.erase(entry);
    --imageCount;
}

void CImageHandler::FreeAllImages()
{
    for (CImage* image : images) {
        delete image;
    }
    images.clear();
    imageCount = 0;
}

int CImageHandler::GetImageCount()
{
    return imageCount;
}
