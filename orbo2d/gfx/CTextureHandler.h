// The texture cache: loads image files, uploads them and hands out one shared record per path.
#pragma once

#include <string>
#include <vector>

#include "core/STexture.h"
#include "gfx/GLApi.h"
#include "gfx/RealGL.h"

class CTextureHandler {
public:
    explicit CTextureHandler(GLApi& gl = RealGL());
    ~CTextureHandler();
    CTextureHandler(const CTextureHandler&) = delete;
    CTextureHandler& operator=(const CTextureHandler&) = delete;

    // The record already loaded from exactly this path (byte for byte), or a new one.
    // Null when the file cannot be read. A new upload leaves its texture bound.
    STexture* GetTexture(std::string path);
    // Careful: this ends the texture for every holder of the record, not just the caller.
    void FreeTexture(STexture*& texture);
    void FreeAllTextures();
    int GetTextureCount() const;

private:
    STexture* _Load(const std::string& path);

    GLApi& gl;
    int textureCount;
    std::vector<STexture*> textures;
};
