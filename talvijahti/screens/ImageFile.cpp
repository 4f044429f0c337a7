// Images and textures of picture files, for the screens.
#include "ImageFile.h"

#include "engine/CEngine.h"
#include "gfx/CGFX.h"
#include "gfx/CImageHandler.h"

STexture* TextureOfFile(CEngine* engine, const std::string& path)
{
    return engine->GetGFX()->GetTexture(path);
}

CImage* CreateImageOfFile(CEngine* engine, const std::string& path)
{
    return engine->GetImageHandler()->CreateImage(TextureOfFile(engine, path));
}
