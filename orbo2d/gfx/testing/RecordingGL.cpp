// The recording GLApi: keeps a log, counters and a model of the little state the renderer uses.
#include "gfx/testing/RecordingGL.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace {

std::string Join(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += ", ";
        }
        text += part;
    }
    return text;
}

template <typename T>
std::string Str(T value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

bool IsBlendCap(GLenum cap)
{
    return cap == GL_BLEND || cap == GL_ALPHA_TEST;
}

}  // namespace

std::string GLEnumName(GLenum value)
{
    switch (value) {
#define NAME(e) \
    case e:     \
        return #e
        NAME(GL_PROJECTION);
        NAME(GL_MODELVIEW);
        NAME(GL_FLAT);
        NAME(GL_SMOOTH);
        NAME(GL_BLEND);
        NAME(GL_ALPHA_TEST);
        NAME(GL_TEXTURE_2D);
        NAME(GL_DEPTH_TEST);
        NAME(GL_GREATER);
        NAME(GL_SRC_ALPHA);
        NAME(GL_ONE_MINUS_SRC_ALPHA);
        NAME(GL_VERTEX_ARRAY);
        NAME(GL_TEXTURE_COORD_ARRAY);
        NAME(GL_COLOR_ARRAY);
        NAME(GL_QUADS);
        NAME(GL_TRIANGLES);
        NAME(GL_FLOAT);
        NAME(GL_RGB);
        NAME(GL_RGBA);
        NAME(GL_UNSIGNED_BYTE);
        NAME(GL_TEXTURE_ENV);
        NAME(GL_TEXTURE_ENV_MODE);
        NAME(GL_MODULATE);
        NAME(GL_TEXTURE_MAG_FILTER);
        NAME(GL_TEXTURE_MIN_FILTER);
        NAME(GL_LINEAR);
        NAME(GL_FRONT);
        NAME(GL_BACK);
#undef NAME
    default: {
        std::ostringstream out;
        out << "0x" << std::hex << value;
        return out.str();
    }
    }
}

void RecordingGL::ClearRecords()
{
    calls.clear();
    draws.clear();
    binds.clear();
    uploads.clear();
    deletedTextures.clear();
    clears.clear();
    swaps = 0;
    blendStateChanges = 0;
    clientArrayToggles = 0;
    viewportCalls = 0;
}

void RecordingGL::_Log(const std::string& call)
{
    if (keepLog) {
        calls.push_back(call);
    }
}

void RecordingGL::MatrixMode(GLenum mode)
{
    _Log("MatrixMode(" + GLEnumName(mode) + ")");
}

void RecordingGL::LoadIdentity()
{
    _Log("LoadIdentity()");
}

void RecordingGL::Ortho2D(double left, double right, double bottom, double top)
{
    _Log("Ortho2D(" + Join({Str(left), Str(right), Str(bottom), Str(top)}) + ")");
}

void RecordingGL::ShadeModel(GLenum mode)
{
    _Log("ShadeModel(" + GLEnumName(mode) + ")");
}

void RecordingGL::Viewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    ++viewportCalls;
    viewport = Rect{x, y, width, height};
    _Log("Viewport(" + Join({Str(x), Str(y), Str(width), Str(height)}) + ")");
}

void RecordingGL::ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    _Log("ClearColor(" + Join({Str(r), Str(g), Str(b), Str(a)}) + ")");
}

void RecordingGL::Clear(GLbitfield mask)
{
    clears.push_back(mask);
    _Log("Clear(" + Str(mask) + ")");
}

void RecordingGL::SwapBuffers()
{
    ++swaps;
    _Log("SwapBuffers()");
}

void RecordingGL::Enable(GLenum cap)
{
    if (IsBlendCap(cap)) {
        ++blendStateChanges;
    }
    enabledCaps.insert(cap);
    _Log("Enable(" + GLEnumName(cap) + ")");
}

void RecordingGL::Disable(GLenum cap)
{
    if (IsBlendCap(cap)) {
        ++blendStateChanges;
    }
    enabledCaps.erase(cap);
    _Log("Disable(" + GLEnumName(cap) + ")");
}

void RecordingGL::AlphaFunc(GLenum func, GLclampf ref)
{
    ++blendStateChanges;
    _Log("AlphaFunc(" + Join({GLEnumName(func), Str(ref)}) + ")");
}

void RecordingGL::BlendFunc(GLenum sfactor, GLenum dfactor)
{
    ++blendStateChanges;
    _Log("BlendFunc(" + Join({GLEnumName(sfactor), GLEnumName(dfactor)}) + ")");
}

void RecordingGL::DepthMask(GLboolean flag)
{
    ++blendStateChanges;
    _Log(std::string("DepthMask(") + (flag ? "true" : "false") + ")");
}

void RecordingGL::EnableClientState(GLenum array)
{
    ++clientArrayToggles;
    enabledArrays.insert(array);
    _Log("EnableClientState(" + GLEnumName(array) + ")");
}

void RecordingGL::DisableClientState(GLenum array)
{
    ++clientArrayToggles;
    enabledArrays.erase(array);
    _Log("DisableClientState(" + GLEnumName(array) + ")");
}

void RecordingGL::VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    vertexPointer = static_cast<const unsigned char*>(pointer);
    vertexStride = stride;
    _Log("VertexPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
}

void RecordingGL::TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    texCoordPointer = static_cast<const unsigned char*>(pointer);
    _Log("TexCoordPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
}

void RecordingGL::ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    colorPointer = static_cast<const unsigned char*>(pointer);
    _Log("ColorPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
}

void RecordingGL::DrawArrays(GLenum mode, GLint first, GLsizei count)
{
    DrawCall draw;
    draw.mode = mode;
    draw.first = first;
    draw.count = count;
    draw.texture = boundTexture;
    draw.blend = IsEnabled(GL_BLEND);
    draw.alphaTest = IsEnabled(GL_ALPHA_TEST);
    draw.texturing = IsEnabled(GL_TEXTURE_2D);
    draw.arraysEnabled = enabledArrays.count(GL_VERTEX_ARRAY) && enabledArrays.count(GL_TEXTURE_COORD_ARRAY) &&
                         enabledArrays.count(GL_COLOR_ARRAY);
    draw.stride = vertexStride;
    draw.texCoordOffset = texCoordPointer - vertexPointer;
    draw.colorOffset = colorPointer - vertexPointer;
    if (keepVertices && vertexPointer != nullptr && vertexStride == static_cast<GLsizei>(sizeof(SVertex)) &&
        count > 0) {
        draw.vertices.resize(static_cast<std::size_t>(count));
        std::memcpy(draw.vertices.data(), vertexPointer + static_cast<std::ptrdiff_t>(first) * vertexStride,
                    sizeof(SVertex) * static_cast<std::size_t>(count));
    }
    draws.push_back(std::move(draw));
    _Log("DrawArrays(" + Join({GLEnumName(mode), Str(first), Str(count)}) + ")");
}

GLuint RecordingGL::GenTexture()
{
    const GLuint name = nextName++;
    _Log("GenTexture() = " + Str(name));
    return name;
}

void RecordingGL::DeleteTexture(GLuint name)
{
    deletedTextures.push_back(name);
    if (boundTexture == name) {
        boundTexture = 0;
    }
    _Log("DeleteTexture(" + Str(name) + ")");
}

void RecordingGL::BindTexture(GLenum target, GLuint name)
{
    binds.push_back(name);
    if (target == GL_TEXTURE_2D) {
        boundTexture = name;
    }
    _Log("BindTexture(" + Str(name) + ")");
}

void RecordingGL::TexEnvi(GLenum target, GLenum pname, GLint param)
{
    _Log("TexEnvi(" + Join({GLEnumName(target), GLEnumName(pname), GLEnumName(static_cast<GLenum>(param))}) + ")");
}

void RecordingGL::TexParameteri(GLenum target, GLenum pname, GLint param)
{
    _Log("TexParameteri(" + Join({GLEnumName(target), GLEnumName(pname), GLEnumName(static_cast<GLenum>(param))}) +
         ")");
}

void RecordingGL::TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                             GLint border, GLenum format, GLenum type, const void* pixels)
{
    Upload upload{boundTexture, internalFormat, width, height, format, type, {}};
    const int bytesPerPixel = format == GL_RGBA ? 4 : 3;
    const std::size_t rowBytes = static_cast<std::size_t>((width * bytesPerPixel + 3) & ~3);
    if (pixels != nullptr && width > 0 && height > 0) {
        // The last row needs no padding, exactly as OpenGL reads it.
        const std::size_t size = rowBytes * static_cast<std::size_t>(height - 1) +
                                 static_cast<std::size_t>(width * bytesPerPixel);
        const unsigned char* bytes = static_cast<const unsigned char*>(pixels);
        upload.pixels.assign(bytes, bytes + size);
    }
    uploads.push_back(std::move(upload));
    _Log("TexImage2D(" + Join({GLEnumName(target), Str(level), Str(internalFormat), Str(width), Str(height),
                               Str(border), GLEnumName(format), GLEnumName(type)}) +
         ")");
}

void RecordingGL::ReadBuffer(GLenum mode)
{
    readBuffer = mode;
    _Log("ReadBuffer(" + GLEnumName(mode) + ")");
}

void RecordingGL::ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                             void* pixels)
{
    _Log("ReadPixels(" + Join({Str(x), Str(y), Str(width), Str(height), GLEnumName(format), GLEnumName(type)}) +
         ")");
    if (format != GL_RGB || type != GL_UNSIGNED_BYTE) {
        return;
    }
    unsigned char* out = static_cast<unsigned char*>(pixels);
    const std::size_t rowBytes = static_cast<std::size_t>((width * 3 + 3) & ~3);
    for (GLsizei row = 0; row < height; ++row) {
        for (GLsizei column = 0; column < width; ++column) {
            const int fx = x + column;
            const int fy = y + row;
            unsigned char* target = out + row * rowBytes + static_cast<std::size_t>(column) * 3;
            if (fx >= 0 && fy >= 0 && fx < frameWidth && fy < frameHeight) {
                std::memcpy(target, &frame[(static_cast<std::size_t>(fy) * frameWidth + fx) * 3], 3);
            } else {
                std::memset(target, 0, 3);
            }
        }
    }
}
