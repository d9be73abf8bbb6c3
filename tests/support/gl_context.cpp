#include "gl_context.h"

#include <SDL.h>

CTestGLContext::CTestGLContext(int w, int h) : width(w), height(h), window(nullptr), context(nullptr)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    window = SDL_CreateWindow("test", 0, 0, w, h, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        return;
    context = SDL_GL_CreateContext(static_cast<SDL_Window *>(window));
    if (context)
        glViewport(0, 0, w, h);
}

CTestGLContext::~CTestGLContext()
{
    if (context)
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    if (window)
        SDL_DestroyWindow(static_cast<SDL_Window *>(window));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::vector<unsigned char> CTestGLContext::readPixels() const
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void CTestGLContext::pixel(int x, int y, unsigned char rgba[4]) const
{
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}
