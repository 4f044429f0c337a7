// Texture cache: lookup by path, loading through SDL_image and upload through the GL table.
#include "gfx/CTextureHandler.h"

#include <SDL_image.h>

#include "gfx/TexturePixels.h"

CTextureHandler::CTextureHandler(GLApi& gl) : gl(gl), textureCount(0) {}

CTextureHandler::~CTextureHandler()
{
    FreeAllTextures();
}

STexture* CTextureHandler::GetTexture(std::string path)
{
    // Exact byte comparison: "A.png", "a.png" and "./a.png" are three textures.
    for (STexture* texture : textures) {
        if (texture->name == path) {
            return texture;
        }
    }
    STexture* texture = _Load(path);
    if (texture == nullptr) {
        return nullptr;
    }
    textures.push_back(texture);
    ++textureCount;
    return texture;
}

STexture* CTextureHandler::_Load(const std::string& path)
{
    SDL_Surface* image = IMG_Load(path.c_str());
    if (image == nullptr) {
        return nullptr;
    }
    STexture* texture = new STexture;
    texture->width = image->w;
    texture->height = image->h;
    texture->name = path;
    texture->components = 0;
    texture->id = gl.GenTexture();
    gl.BindTexture(GL_TEXTURE_2D, texture->id);
    // Modulate: a vertex's colour multiplies the texel, which gives tints and fades.
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    if (SDL_LockSurface(image) == 0) {
        const CTexturePixels pixels(image);
        if (pixels.Components() != 0) {
            const GLenum format = pixels.Components() == 4 ? GL_RGBA : GL_RGB;
            gl.TexImage2D(GL_TEXTURE_2D, 0, pixels.Components(), image->w, image->h, 0, format,
                          GL_UNSIGNED_BYTE, pixels.Data());
            texture->components = pixels.Components();
        }
        SDL_UnlockSurface(image);
    }
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Wrap modes stay at OpenGL's repeat: floors and level quads tile with coordinates above 1.
    SDL_FreeSurface(image);
    return texture;
}

void CTextureHandler::FreeTexture(STexture*& texture)
{
    if (texture == nullptr) {
        return;
    }
    for (auto entry = textures.begin(); entry != textures.end(); ++entry) {
        if ((*entry)->name == texture->name) {
            // The cached record is the one destroyed: a caller holding a copy with the same
            // name must not make the cache free memory it does not own.
            gl.DeleteTexture((*entry)->id);
            delete *entry;
            textures.erase(entry);
            texture = nullptr;
            --textureCount;
            return;
        }
    }
}

void CTextureHandler::FreeAllTextures()
{
    for (STexture* texture : textures) {
        gl.DeleteTexture(texture->id);
        delete texture;
    }
    textures.clear();
    textureCount = 0;
}

int CTextureHandler::GetTextureCount() const
{
    return textureCount;
}
