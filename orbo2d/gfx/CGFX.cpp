// The renderer: window start-up, frame bracketing, batching by texture/blend/kind, texture access.
#include "gfx/CGFX.h"

#include <cmath>
#include <limits>

#include <SDL.h>

#include "gfx/PngWriter.h"
#include "gfx/TexturePixels.h"

namespace {

const int kQuads = 0;
const int kTriangles = 1;

// Truncation toward zero, kept inside int so absurd viewport values cannot overflow.
GLint TruncateToInt(float value)
{
    if (std::isnan(value)) {
        return 0;
    }
    const double limited = std::fmax(std::fmin(static_cast<double>(value), std::numeric_limits<GLint>::max()),
                                     std::numeric_limits<GLint>::min());
    return static_cast<GLint>(limited);
}

}  // namespace

CGFX::CGFX(int width, int height, int bpp, bool fullscreen, GLApi& gl, IClock& clock)
    : gl(gl),
      width(0),
      height(0),
      viewPort(0, 0, 0, 0),
      textureHandler(nullptr),
      fpsCounter(nullptr),
      primitive(kQuads),
      blendMode(1),
      vertexCount(0),
      boundTexture(0)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        // No window, no OpenGL state, no cache and no counter; the accessors cope with that.
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_SetVideoMode(width, height, bpp, SDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0));
    this->width = width;
    this->height = height;

    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    // Bottom is the height and top 0: pixels, origin top-left, y downward.
    gl.Ortho2D(0.0, width, height, 0.0);
    // Flat: a quad takes the colour of its last vertex, the top-right corner.
    gl.ShadeModel(GL_FLAT);
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    SetViewPort(SRect(0, 0, static_cast<float>(width), static_cast<float>(height)));

    textureHandler = new CTextureHandler(gl);
    fpsCounter = new CFpsCounter(clock);
    primitive = kQuads;
    vertexCount = 0;
    boundTexture = 0;
    // The recorded mode must be the one OpenGL is in, or a first draw in mode 1 would
    // skip the alpha test and show transparent texels.
    _SetBlend(1);
}

CGFX::~CGFX()
{
    delete textureHandler;
    delete fpsCounter;
}

void CGFX::SetViewPort(const SRect& rect)
{
    viewPort = rect;
    gl.Viewport(TruncateToInt(rect.x), TruncateToInt(rect.y), TruncateToInt(rect.w), TruncateToInt(rect.h));
}

SRect& CGFX::GetViewPort()
{
    return viewPort;
}

void CGFX::BeginScene(const SColor& color, bool clearDepth)
{
    gl.ClearColor(color.r, color.g, color.b, color.a);
    gl.Clear(GL_COLOR_BUFFER_BIT | (clearDepth ? GL_DEPTH_BUFFER_BIT : 0));
    gl.LoadIdentity();
    gl.EnableClientState(GL_VERTEX_ARRAY);
    gl.EnableClientState(GL_TEXTURE_COORD_ARRAY);
    gl.EnableClientState(GL_COLOR_ARRAY);
}

void CGFX::EndScene()
{
    _Render();
    gl.DisableClientState(GL_VERTEX_ARRAY);
    gl.DisableClientState(GL_TEXTURE_COORD_ARRAY);
    gl.DisableClientState(GL_COLOR_ARRAY);
    gl.SwapBuffers();
}

void CGFX::RenderTextureQuad(STexture* texture, SQuad& quad, int blend)
{
    _Queue(texture, quad.v, 4, kQuads, blend);
}

void CGFX::RenderTextureTriangle(STexture* texture, STriangle& triangle, int blend)
{
    _Queue(texture, triangle.v, 3, kTriangles, blend);
}

void CGFX::_Queue(STexture* texture, const SVertex* corners, int count, int kind, int blend)
{
    // Textures are compared by OpenGL name; a change of name, mode or kind ends the run.
    if (boundTexture != texture->id || blend != blendMode || primitive != kind) {
        _Render();
        if (blend != blendMode) {
            _SetBlend(blend);
        }
        primitive = kind;
        if (boundTexture != texture->id) {
            gl.BindTexture(GL_TEXTURE_2D, texture->id);
            boundTexture = texture->id;
        }
    }
    vertices.insert(vertices.end(), corners, corners + count);
    vertexCount += count;
}

void CGFX::_SetBlend(int mode)
{
    switch (mode) {
    case 0:
        gl.Disable(GL_ALPHA_TEST);
        gl.Disable(GL_BLEND);
        break;
    case 1:
        // Fully transparent texels are dropped, every other one is drawn opaque.
        gl.Disable(GL_BLEND);
        gl.Enable(GL_ALPHA_TEST);
        gl.AlphaFunc(GL_GREATER, 0.0f);
        break;
    case 2:
        gl.Disable(GL_ALPHA_TEST);
        gl.DepthMask(GL_TRUE);
        gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        gl.Enable(GL_BLEND);
        break;
    default:
        break;
    }
    blendMode = mode;
}

void CGFX::_Render()
{
    if (vertexCount <= 0) {
        return;
    }
    gl.Enable(GL_TEXTURE_2D);
    const GLsizei stride = sizeof(SVertex);
    gl.VertexPointer(2, GL_FLOAT, stride, &vertices[0].x);
    gl.TexCoordPointer(2, GL_FLOAT, stride, &vertices[0].u);
    gl.ColorPointer(4, GL_FLOAT, stride, &vertices[0].r);
    gl.DrawArrays(primitive == kTriangles ? GL_TRIANGLES : GL_QUADS, 0, vertexCount);
    vertexCount = 0;
    // clear() keeps the storage for the next batch.
    vertices.clear();
}

STexture* CGFX::GetTexture(std::string path)
{
    if (textureHandler == nullptr) {
        return nullptr;
    }
    const int before = textureHandler->GetTextureCount();
    STexture* texture = textureHandler->GetTexture(path);
    // A fresh upload left its texture bound; a cache hit or a failed load bound nothing.
    if (texture != nullptr && textureHandler->GetTextureCount() > before) {
        boundTexture = texture->id;
    }
    return texture;
}

void CGFX::FreeTexture(STexture*& texture)
{
    if (textureHandler == nullptr || texture == nullptr) {
        return;
    }
    const unsigned int id = texture->id;
    textureHandler->FreeTexture(texture);
    // Deleting the bound texture makes OpenGL fall back to name 0; a later texture may be
    // given the same name, and must then be bound again.
    if (texture == nullptr && boundTexture == id) {
        boundTexture = 0;
    }
}

int CGFX::GetTextureCount()
{
    return textureHandler != nullptr ? textureHandler->GetTextureCount() : 0;
}

void CGFX::UpdateFPS()
{
    if (fpsCounter != nullptr) {
        fpsCounter->Update();
    }
}

int CGFX::GetFPS()
{
    return fpsCounter != nullptr ? fpsCounter->GetFPS() : 0;
}

bool CGFX::SaveScreenshot(const std::string& path)
{
    // Without a video start-up there is no frame to read.
    if (textureHandler == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    const int rowBytes = AlignedRowBytes(width, 3);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height));
    gl.ReadBuffer(GL_FRONT);
    gl.ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    gl.ReadBuffer(GL_BACK);
    // OpenGL's rows run bottom to top.
    std::vector<const unsigned char*> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        rows[static_cast<std::size_t>(y)] = pixels.data() + static_cast<std::size_t>(height - 1 - y) * rowBytes;
    }
    return WriteRgbPng(path, width, height, rows.data());
}
