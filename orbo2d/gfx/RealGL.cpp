// GLApi over the real OpenGL, GLU and SDL entry points.
#include "gfx/RealGL.h"

#include <GL/glu.h>
#include <SDL.h>

namespace {

class CRealGL final : public GLApi {
public:
    void MatrixMode(GLenum mode) override { glMatrixMode(mode); }
    void LoadIdentity() override { glLoadIdentity(); }
    void Ortho2D(double left, double right, double bottom, double top) override
    {
        gluOrtho2D(left, right, bottom, top);
    }
    void ShadeModel(GLenum mode) override { glShadeModel(mode); }
    void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) override
    {
        glViewport(x, y, width, height);
    }

    void ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) override { glClearColor(r, g, b, a); }
    void Clear(GLbitfield mask) override { glClear(mask); }
    void SwapBuffers() override { SDL_GL_SwapBuffers(); }

    void Enable(GLenum cap) override { glEnable(cap); }
    void Disable(GLenum cap) override { glDisable(cap); }
    void AlphaFunc(GLenum func, GLclampf ref) override { glAlphaFunc(func, ref); }
    void BlendFunc(GLenum sfactor, GLenum dfactor) override { glBlendFunc(sfactor, dfactor); }
    void DepthMask(GLboolean flag) override { glDepthMask(flag); }

    void EnableClientState(GLenum array) override { glEnableClientState(array); }
    void DisableClientState(GLenum array) override { glDisableClientState(array); }
    void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override
    {
        glVertexPointer(size, type, stride, pointer);
    }
    void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override
    {
        glTexCoordPointer(size, type, stride, pointer);
    }
    void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override
    {
        glColorPointer(size, type, stride, pointer);
    }
    void DrawArrays(GLenum mode, GLint first, GLsizei count) override { glDrawArrays(mode, first, count); }

    GLuint GenTexture() override
    {
        GLuint name = 0;
        glGenTextures(1, &name);
        return name;
    }
    void DeleteTexture(GLuint name) override { glDeleteTextures(1, &name); }
    void BindTexture(GLenum target, GLuint name) override { glBindTexture(target, name); }
    void TexEnvi(GLenum target, GLenum pname, GLint param) override { glTexEnvi(target, pname, param); }
    void TexParameteri(GLenum target, GLenum pname, GLint param) override
    {
        glTexParameteri(target, pname, param);
    }
    void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                    GLint border, GLenum format, GLenum type, const void* pixels) override
    {
        glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
    }

    void ReadBuffer(GLenum mode) override { glReadBuffer(mode); }
    void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                    void* pixels) override
    {
        glReadPixels(x, y, width, height, format, type, pixels);
    }
};

}  // namespace

GLApi& RealGL()
{
    static CRealGL gl;
    return gl;
}
