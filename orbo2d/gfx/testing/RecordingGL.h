// A GLApi backend that draws nothing and records every call, for tests and benchmarks that
// count draw calls, binds and state changes or look at the vertices and pixels submitted.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "core/SVertex.h"
#include "gfx/GLApi.h"

class RecordingGL : public GLApi {
public:
    struct DrawCall {
        GLenum mode;
        GLint first;
        GLsizei count;
        GLuint texture;           // bound when drawn
        bool blend;               // GL_BLEND enabled when drawn
        bool alphaTest;           // GL_ALPHA_TEST enabled when drawn
        bool texturing;           // GL_TEXTURE_2D enabled when drawn
        bool arraysEnabled;       // vertex, texture-coordinate and colour arrays all enabled
        GLsizei stride;           // of the vertex pointer
        long texCoordOffset;      // bytes from the vertex pointer to the texture-coordinate pointer
        long colorOffset;         // bytes from the vertex pointer to the colour pointer
        std::vector<SVertex> vertices;  // copied when keepVertices is set and the stride is an SVertex
    };
    struct Upload {
        GLuint texture;
        GLint internalFormat;
        GLsizei width;
        GLsizei height;
        GLenum format;
        GLenum type;
        std::vector<unsigned char> pixels;  // rows padded to 4 bytes, as OpenGL reads them
    };
    struct Rect {
        GLint x, y;
        GLsizei width, height;
    };

    // Every call in order, e.g. "Enable(GL_BLEND)", "BindTexture(3)". Off: keepLog = false.
    std::vector<std::string> calls;
    std::vector<DrawCall> draws;
    std::vector<GLuint> binds;
    std::vector<Upload> uploads;
    std::vector<GLuint> deletedTextures;
    std::vector<GLbitfield> clears;
    int swaps = 0;
    // Enable/Disable of GL_BLEND or GL_ALPHA_TEST, AlphaFunc, BlendFunc, DepthMask.
    int blendStateChanges = 0;
    int clientArrayToggles = 0;
    int viewportCalls = 0;
    Rect viewport{0, 0, 0, 0};

    // Current state as OpenGL would hold it.
    GLuint boundTexture = 0;
    std::set<GLenum> enabledCaps;
    std::set<GLenum> enabledArrays;

    // What ReadPixels returns: tightly packed RGB rows, bottom row first, frameWidth x frameHeight.
    std::vector<unsigned char> frame;
    int frameWidth = 0;
    int frameHeight = 0;
    GLenum readBuffer = GL_BACK;

    bool keepVertices = true;
    bool keepLog = true;

    // Forgets the recorded calls and counts; the current OpenGL state stays.
    void ClearRecords();
    // Draw calls since the last ClearRecords.
    int DrawCount() const { return static_cast<int>(draws.size()); }
    bool IsEnabled(GLenum cap) const { return enabledCaps.count(cap) != 0; }

    void MatrixMode(GLenum mode) override;
    void LoadIdentity() override;
    void Ortho2D(double left, double right, double bottom, double top) override;
    void ShadeModel(GLenum mode) override;
    void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) override;
    void ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) override;
    void Clear(GLbitfield mask) override;
    void SwapBuffers() override;
    void Enable(GLenum cap) override;
    void Disable(GLenum cap) override;
    void AlphaFunc(GLenum func, GLclampf ref) override;
    void BlendFunc(GLenum sfactor, GLenum dfactor) override;
    void DepthMask(GLboolean flag) override;
    void EnableClientState(GLenum array) override;
    void DisableClientState(GLenum array) override;
    void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
    void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
    void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
    void DrawArrays(GLenum mode, GLint first, GLsizei count) override;
    GLuint GenTexture() override;
    void DeleteTexture(GLuint name) override;
    void BindTexture(GLenum target, GLuint name) override;
    void TexEnvi(GLenum target, GLenum pname, GLint param) override;
    void TexParameteri(GLenum target, GLenum pname, GLint param) override;
    void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                    GLint border, GLenum format, GLenum type, const void* pixels) override;
    void ReadBuffer(GLenum mode) override;
    void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                    void* pixels) override;

private:
    GLuint nextName = 1;
    const unsigned char* vertexPointer = nullptr;
    const unsigned char* texCoordPointer = nullptr;
    const unsigned char* colorPointer = nullptr;
    GLsizei vertexStride = 0;
};

// The usual name of an OpenGL constant ("GL_BLEND"), or its value in hex.
std::string GLEnumName(GLenum value);
