// The renderer: the OpenGL window, the per-frame vertex batch, the texture cache and the frame counter.
#pragma once

#include <string>
#include <vector>

#include "core/IClock.h"
#include "core/SColor.h"
#include "core/SRect.h"
#include "core/STexture.h"
#include "core/SVertex.h"
#include "gfx/CFpsCounter.h"
#include "gfx/CTextureHandler.h"
#include "gfx/GLApi.h"
#include "gfx/RealGL.h"

class CGFX {
public:
    // Opens the window through SDL and sets up a pixel projection with the origin top-left.
    // Tests pass a recording GL table and a fake clock; the game uses the defaults.
    CGFX(int width, int height, int bpp, bool fullscreen, GLApi& gl = RealGL(), IClock& clock = SdlClock());
    ~CGFX();
    CGFX(const CGFX&) = delete;
    CGFX& operator=(const CGFX&) = delete;

    void SetViewPort(const SRect& rect);
    SRect& GetViewPort();

    void BeginScene(const SColor& color, bool clearDepth);
    // Draws what is pending and shows the frame.
    void EndScene();

    // The vertices are copied, so the caller may reuse its quad or triangle at once.
    void RenderTextureQuad(STexture* texture, SQuad& quad, int blend);
    void RenderTextureTriangle(STexture* texture, STriangle& triangle, int blend);

    // Load textures outside BeginScene/EndScene: an upload binds without flushing the batch.
    STexture* GetTexture(std::string path);
    void FreeTexture(STexture*& texture);
    int GetTextureCount();

    void UpdateFPS();
    int GetFPS();

    // Writes the frame last shown (the front buffer) to a PNG file, rows top to bottom.
    // Returns false, leaving nothing at path, when it cannot.
    bool SaveScreenshot(const std::string& path);

private:
    void _SetBlend(int mode);
    void _Render();
    void _Queue(STexture* texture, const SVertex* corners, int count, int kind, int blend);

    GLApi& gl;
    int width;
    int height;
    SRect viewPort;
    CTextureHandler* textureHandler;
    CFpsCounter* fpsCounter;
    int primitive;
    int blendMode;
    int vertexCount;
    unsigned int boundTexture;
    std::vector<SVertex> vertices;
};
