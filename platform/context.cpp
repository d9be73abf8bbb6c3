// Device contexts, the pixel format and the one GL rendering context.
#include "platform/layer.h"

#include <GL/gl.h>

namespace {
struct SContext {
    SDL_GLContext sdl = nullptr;
    HWND currentOn = nullptr;  // window it is current on, or null
};

SContext &glContext()
{
    static SContext *context = new SContext;
    return *context;
}

bool isOurs(HGLRC context)
{
    return context && reinterpret_cast<SDL_GLContext>(context) == glContext().sdl;
}

void setContextAttributes()
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

// No framebuffer objects: change the real mode instead, as the demo asked.
void switchRealMode(SLayerWindow &window)
{
    if (layerSettings().offscreenVideo)
        return;
    SDL_DisplayMode wanted = {};
    wanted.w = window.clientWidth;
    wanted.h = window.clientHeight;
    SDL_DisplayMode closest;
    if (!SDL_GetClosestDisplayMode(SDL_GetWindowDisplayIndex(window.sdl), &wanted, &closest))
        return;
    SDL_SetWindowDisplayMode(window.sdl, &closest);
    SDL_SetWindowFullscreen(window.sdl, SDL_WINDOW_FULLSCREEN);
}

void releaseCurrent()
{
    SContext &context = glContext();
    if (!context.currentOn)
        return;
    SDL_GL_MakeCurrent(nullptr, nullptr);
    context.currentOn = nullptr;
}
}  // namespace

HDC GetDC(HWND window)
{
    return layerDcOf(window);
}

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR *descriptor)
{
    const DWORD needed = PFD_SUPPORT_OPENGL | PFD_DRAW_TO_WINDOW;
    if (!layerWindowOfDc(dc) || !descriptor || (descriptor->dwFlags & needed) != needed)
        return 0;
    // One format: RGBA, double buffered, 16-bit depth.
    return 1;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR *descriptor)
{
    SLayerWindow *window = layerFindWindow(layerWindowOfDc(dc));
    if (!window || format != 1 || !descriptor)
        return FALSE;
    if (window->pixelFormat != 0)
        return window->pixelFormat == format ? TRUE : FALSE;
    setContextAttributes();
    window->pixelFormat = format;
    return TRUE;
}

HGLRC wglCreateContext(HDC dc)
{
    SLayerWindow *window = layerFindWindow(layerWindowOfDc(dc));
    SContext &context = glContext();
    if (!window || window->pixelFormat == 0 || context.sdl)
        return nullptr;
    SDL_GLContext created = SDL_GL_CreateContext(window->sdl);
    if (!created)
        return nullptr;
    // SDL makes the new context current; WGL leaves that to wglMakeCurrent.
    SDL_GL_MakeCurrent(nullptr, nullptr);
    context.sdl = created;
    context.currentOn = nullptr;
    return reinterpret_cast<HGLRC>(created);
}

BOOL wglMakeCurrent(HDC dc, HGLRC handle)
{
    if (!handle) {
        releaseCurrent();
        return TRUE;
    }
    HWND windowHandle = layerWindowOfDc(dc);
    SLayerWindow *window = layerFindWindow(windowHandle);
    if (!window || window->pixelFormat == 0 || !isOurs(handle))
        return FALSE;
    SContext &context = glContext();
    if (SDL_GL_MakeCurrent(window->sdl, context.sdl) != 0)
        return FALSE;
    context.currentOn = windowHandle;
    if (window->fullscreen && !layerFramebufferActive()) {
        if (layerFramebufferCreate(window->clientWidth, window->clientHeight)) {
            // What a fresh context on a window of the mode's size starts with.
            glViewport(0, 0, window->clientWidth, window->clientHeight);
            glScissor(0, 0, window->clientWidth, window->clientHeight);
        } else {
            switchRealMode(*window);
        }
    }
    return TRUE;
}

BOOL wglDeleteContext(HGLRC handle)
{
    if (!isOurs(handle))
        return FALSE;
    SContext &context = glContext();
    if (context.currentOn) {
        layerFramebufferDestroy();
        releaseCurrent();
    }
    SDL_GL_DeleteContext(context.sdl);
    layerFramebufferForget();
    context = SContext();
    return TRUE;
}

BOOL SwapBuffers(HDC dc)
{
    HWND windowHandle = layerWindowOfDc(dc);
    SLayerWindow *window = layerFindWindow(windowHandle);
    if (!window)
        return FALSE;
    if (glContext().currentOn == windowHandle)
        layerPresent(window->sdl, window->clientWidth, window->clientHeight);
    else
        SDL_GL_SwapWindow(window->sdl);
    layerAdvanceClock();
    return TRUE;
}

void layerDetachContext(HWND window)
{
    SContext &context = glContext();
    if (context.currentOn != window)
        return;
    layerFramebufferDestroy();
    releaseCurrent();
}

void layerResetContext()
{
    SContext &context = glContext();
    if (!context.sdl)
        return;
    if (context.currentOn)
        layerFramebufferDestroy();
    releaseCurrent();
    SDL_GL_DeleteContext(context.sdl);
    layerFramebufferForget();
    context = SContext();
}
