// Every OpenGL call the renderer and its texture cache make, plus SDL's buffer swap:
// the whole surface a backend (real OpenGL, or a recorder in tests) must provide.
#pragma once

#include <GL/gl.h>

class GLApi {
public:
    virtual ~GLApi() = default;

    // matrices, shading and the viewport
    virtual void MatrixMode(GLenum mode) = 0;
    virtual void LoadIdentity() = 0;
    // gluOrtho2D
    virtual void Ortho2D(double left, double right, double bottom, double top) = 0;
    virtual void ShadeModel(GLenum mode) = 0;
    virtual void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) = 0;

    // frame
    virtual void ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) = 0;
    virtual void Clear(GLbitfield mask) = 0;
    // SDL_GL_SwapBuffers
    virtual void SwapBuffers() = 0;

    // fixed-function state
    virtual void Enable(GLenum cap) = 0;
    virtual void Disable(GLenum cap) = 0;
    virtual void AlphaFunc(GLenum func, GLclampf ref) = 0;
    virtual void BlendFunc(GLenum sfactor, GLenum dfactor) = 0;
    virtual void DepthMask(GLboolean flag) = 0;

    // client vertex arrays and drawing
    virtual void EnableClientState(GLenum array) = 0;
    virtual void DisableClientState(GLenum array) = 0;
    virtual void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
    virtual void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
    virtual void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
    virtual void DrawArrays(GLenum mode, GLint first, GLsizei count) = 0;

    // textures
    virtual GLuint GenTexture() = 0;
    virtual void DeleteTexture(GLuint name) = 0;
    virtual void BindTexture(GLenum target, GLuint name) = 0;
    virtual void TexEnvi(GLenum target, GLenum pname, GLint param) = 0;
    virtual void TexParameteri(GLenum target, GLenum pname, GLint param) = 0;
    // Rows of the source are padded to the unpack alignment, which stays at OpenGL's 4.
    virtual void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                            GLsizei height, GLint border, GLenum format, GLenum type,
                            const void* pixels) = 0;

    // reading the frame back (screenshots)
    virtual void ReadBuffer(GLenum mode) = 0;
    // Rows are written padded to the pack alignment, which stays at OpenGL's 4.
    virtual void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                            GLenum type, void* pixels) = 0;
};
