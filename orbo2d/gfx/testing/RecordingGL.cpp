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

void RecordingGL::MatrixMode(GLenum mode)
{
    if (keepLog) {
        calls.push_back("MatrixMode(" + GLEnumName(mode) + ")");
    }
}

void RecordingGL::LoadIdentity()
{
    if (keepLog) {
        calls.push_back("LoadIdentity()");
    }
}

void RecordingGL::Ortho2D(double left, double right, double bottom, double top)
{
    if (keepLog) {
        calls.push_back("Ortho2D(" + Join({Str(left), Str(right), Str(bottom), Str(top)}) + ")");
    }
}

void RecordingGL::ShadeModel(GLenum mode)
{
    if (keepLog) {
        calls.push_back("ShadeModel(" + GLEnumName(mode) + ")");
    }
}

void RecordingGL::Viewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    ++viewportCalls;
    viewport = Rect{x, y, width, height};
    if (keepLog) {
        calls.push_back("Viewport(" + Join({Str(x), Str(y), Str(width), Str(height)}) + ")");
    }
}

void RecordingGL::ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    if (keepLog) {
        calls.push_back("ClearColor(" + Join({Str(r), Str(g), Str(b), Str(a)}) + ")");
    }
}

void RecordingGL::Clear(GLbitfield mask)
{
    clears.push_back(mask);
    if (keepLog) {
        calls.push_back("Clear(" + Str(mask) + ")");
    }
}

void RecordingGL::SwapBuffers()
{
    ++swaps;
    if (keepLog) {
        calls.push_back("SwapBuffers()");
    }
}

void RecordingGL::Enable(GLenum cap)
{
    if (IsBlendCap(cap)) {
        ++blendStateChanges;
    }
    enabledCaps.insert(cap);
    if (keepLog) {
        calls.push_back("Enable(" + GLEnumName(cap) + ")");
    }
}

void RecordingGL::Disable(GLenum cap)
{
    if (IsBlendCap(cap)) {
        ++blendStateChanges;
    }
    enabledCaps.erase(cap);
    if (keepLog) {
        calls.push_back("Disable(" + GLEnumName(cap) + ")");
    }
}

void RecordingGL::AlphaFunc(GLenum func, GLclampf ref)
{
    ++blendStateChanges;
    if (keepLog) {
        calls.push_back("AlphaFunc(" + Join({GLEnumName(func), Str(ref)}) + ")");
    }
}

void RecordingGL::BlendFunc(GLenum sfactor, GLenum dfactor)
{
    ++blendStateChanges;
    if (keepLog) {
        calls.push_back("BlendFunc(" + Join({GLEnumName(sfactor), GLEnumName(dfactor)}) + ")");
    }
}

void RecordingGL::DepthMask(GLboolean flag)
{
    ++blendStateChanges;
    if (keepLog) {
        calls.push_back(std::string("DepthMask(") + (flag ? "true" : "false") + ")");
    }
}

void RecordingGL::EnableClientState(GLenum array)
{
    ++clientArrayToggles;
    enabledArrays.insert(array);
    if (keepLog) {
        calls.push_back("EnableClientState(" + GLEnumName(array) + ")");
    }
}

void RecordingGL::DisableClientState(GLenum array)
{
    ++clientArrayToggles;
    enabledArrays.erase(array);
    if (keepLog) {
        calls.push_back("DisableClientState(" + GLEnumName(array) + ")");
    }
}

void RecordingGL::VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    vertexPointer = static_cast<const unsigned char*>(pointer);
    vertexStride = stride;
    if (keepLog) {
        calls.push_back("VertexPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
    }
}

void RecordingGL::TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    texCoordPointer = static_cast<const unsigned char*>(pointer);
    if (keepLog) {
        calls.push_back("TexCoordPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
    }
}

void RecordingGL::ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer)
{
    colorPointer = static_cast<const unsigned char*>(pointer);
    if (keepLog) {
        calls.push_back("ColorPointer(" + Join({Str(size), GLEnumName(type), Str(stride)}) + ")");
    }
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
    if (keepLog) {
        calls.push_back("DrawArrays(" + Join({GLEnumName(mode), Str(first), Str(count)}) + ")");
    }
}

GLuint RecordingGL::GenTexture()
{
    const GLuint name = nextName++;
    if (keepLog) {
        calls.push_back("GenTexture() = " + Str(name));
    }
    return name;
}

void RecordingGL::DeleteTexture(GLuint name)
{
    deletedTextures.push_back(name);
    if (boundTexture == name) {
        boundTexture = 0;
    }
    if (keepLog) {
        calls.push_back("DeleteTexture(" + Str(name) + ")");
    }
}

void RecordingGL::BindTexture(GLenum target, GLuint name)
{
    binds.push_back(name);
    if (target == GL_TEXTURE_2D) {
        boundTexture = name;
    }
    if (keepLog) {
        calls.push_back("BindTexture(" + Str(name) + ")");
    }
}

void RecordingGL::TexEnvi(GLenum target, GLenum pname, GLint param)
{
    if (keepLog) {
        calls.push_back("TexEnvi(" +
                        Join({GLEnumName(target), GLEnumName(pname), GLEnumName(static_cast<GLenum>(param))}) + ")");
    }
}

void RecordingGL::TexParameteri(GLenum target, GLenum pname, GLint param)
{
    if (keepLog) {
        calls.push_back("TexParameteri(" +
                        Join({GLEnumName(target), GLEnumName(pname), GLEnumName(static_cast<GLenum>(param))}) + ")");
    }
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
    if (keepLog) {
        calls.push_back("TexImage2D(" +
                        Join({GLEnumName(target), Str(level), Str(internalFormat), Str(width), Str(height),
                              Str(border), GLEnumName(format), GLEnumName(type)}) +
                        ")");
    }
}

void RecordingGL::ReadBuffer(GLenum mode)
{
    readBuffer = mode;
    if (keepLog) {
        calls.push_back("ReadBuffer(" + GLEnumName(mode) + ")");
    }
}

void RecordingGL::ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                             void* pixels)
{
    if (keepLog) {
        calls.push_back("ReadPixels(" +
                        Join({Str(x), Str(y), Str(width), Str(height), GLEnumName(format), GLEnumName(type)}) + ")");
    }
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
