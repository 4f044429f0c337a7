// Making an image of a picture file through the engine's texture cache and image handler.
#pragma once

#include <string>

class CEngine;
class CImage;
struct STexture;

// The image handler's new image on the renderer's texture of path.
CImage* CreateImageOfFile(CEngine* engine, const std::string& path);
// The renderer's texture of path (cached).
STexture* TextureOfFile(CEngine* engine, const std::string& path);
