// Creates the engine's images and owns them until they are freed.
#pragma once

#include <vector>

#include "core/STexture.h"
#include "gfx/CImage.h"

class CGFX;

class CImageHandler {
public:
    explicit CImageHandler(CGFX* gfx);
    ~CImageHandler();
    CImageHandler(const CImageHandler&) = delete;
    CImageHandler& operator=(const CImageHandler&) = delete;

    // An image of the whole texture.
    CImage* CreateImage(STexture* texture);
    // A pointer this handler does not hold is ignored.
    void FreeImage(CImage* image);
    void FreeAllImages();
    int GetImageCount();

private:
    std::vector<CImage*> images;
    int imageCount;
    CGFX* gfx;
};
