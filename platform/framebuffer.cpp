// The off-screen framebuffer behind the virtual full-screen mode, and the
// presentation of each frame: swap hook, letterboxed blit, buffer swap.
#include <cstdlib>
#include <vector>

#include "platform/layer.h"
#include "platform/letterbox.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace {
struct SFramebufferApi {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
};

struct SFramebuffer {
    SFramebufferApi api;
    GLuint framebuffer = 0;
    GLuint color = 0;
    GLuint depth = 0;
    int width = 0;
    int height = 0;
};

SFramebuffer &framebuffer()
{
    static SFramebuffer *state = new SFramebuffer;
    return *state;
}

template <typename T>
bool load(T &entry, const char *name)
{
    entry = reinterpret_cast<T>(SDL_GL_GetProcAddress(name));
    return entry != nullptr;
}

bool loadApi(SFramebufferApi &api, const char *suffix)
{
    const std::string s = suffix;
    return load(api.genFramebuffers, ("glGenFramebuffers" + s).c_str()) &&
           load(api.deleteFramebuffers, ("glDeleteFramebuffers" + s).c_str()) &&
           load(api.bindFramebuffer, ("glBindFramebuffer" + s).c_str()) &&
           load(api.framebufferRenderbuffer, ("glFramebufferRenderbuffer" + s).c_str()) &&
           load(api.checkFramebufferStatus, ("glCheckFramebufferStatus" + s).c_str()) &&
           load(api.genRenderbuffers, ("glGenRenderbuffers" + s).c_str()) &&
           load(api.deleteRenderbuffers, ("glDeleteRenderbuffers" + s).c_str()) &&
           load(api.bindRenderbuffer, ("glBindRenderbuffer" + s).c_str()) &&
           load(api.renderbufferStorage, ("glRenderbufferStorage" + s).c_str()) &&
           load(api.blitFramebuffer, ("glBlitFramebuffer" + s).c_str());
}

// Entry points can be returned for functions the context lacks, so the
// version and extensions decide, not the pointers.
bool loadApiForCurrentContext(SFramebufferApi &api)
{
    const char *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
    if (!version)
        return false;
    if (std::atoi(version) >= 3 || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object"))
        return loadApi(api, "");
    if (SDL_GL_ExtensionSupported("GL_EXT_framebuffer_object") &&
        SDL_GL_ExtensionSupported("GL_EXT_framebuffer_blit"))
        return loadApi(api, "EXT");
    return false;
}

void sendFrameToHook(int width, int height)
{
    const HostSwapHook &hook = layerSettings().swapHook;
    if (!hook || width <= 0 || height <= 0)
        return;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_PACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_PACK_LSB_FIRST, GL_FALSE);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPopClientAttrib();
    hook(pixels.data(), width, height);
}

}  // namespace

bool layerFramebufferCreate(int width, int height)
{
    SFramebuffer &state = framebuffer();
    if (state.framebuffer)
        return true;
    if (width <= 0 || height <= 0 || !loadApiForCurrentContext(state.api))
        return false;
    SFramebufferApi &api = state.api;
    GLint previousRenderbuffer = 0;
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &previousRenderbuffer);
    api.genRenderbuffers(1, &state.color);
    api.bindRenderbuffer(GL_RENDERBUFFER, state.color);
    api.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    api.genRenderbuffers(1, &state.depth);
    api.bindRenderbuffer(GL_RENDERBUFFER, state.depth);
    api.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    api.bindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(previousRenderbuffer));
    api.genFramebuffers(1, &state.framebuffer);
    api.bindFramebuffer(GL_FRAMEBUFFER, state.framebuffer);
    api.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, state.color);
    api.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, state.depth);
    if (api.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        layerFramebufferDestroy();
        return false;
    }
    state.width = width;
    state.height = height;
    // Start as a fresh window would: cleared.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return true;
}

bool layerFramebufferActive()
{
    return framebuffer().framebuffer != 0;
}

void layerFramebufferDestroy()
{
    SFramebuffer &state = framebuffer();
    if (state.framebuffer || state.color || state.depth) {
        state.api.bindFramebuffer(GL_FRAMEBUFFER, 0);
        if (state.framebuffer)
            state.api.deleteFramebuffers(1, &state.framebuffer);
        if (state.color)
            state.api.deleteRenderbuffers(1, &state.color);
        if (state.depth)
            state.api.deleteRenderbuffers(1, &state.depth);
    }
    layerFramebufferForget();
}

void layerFramebufferForget()
{
    SFramebuffer &state = framebuffer();
    state.framebuffer = 0;
    state.color = 0;
    state.depth = 0;
    state.width = 0;
    state.height = 0;
}

void layerBlitFramebuffer(unsigned int target, int targetWidth, int targetHeight)
{
    SFramebuffer &state = framebuffer();
    if (!state.framebuffer)
        return;
    const SLetterbox box = letterboxRect(state.width, state.height, targetWidth, targetHeight);

    // The clear and the blit obey the scissor test and the colour mask: lift
    // both for them, and give the demo its state back afterwards.
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    GLboolean colorMask[4];
    glGetBooleanv(GL_COLOR_WRITEMASK, colorMask);
    GLfloat clearColor[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);

    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    state.api.bindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    state.api.bindFramebuffer(GL_READ_FRAMEBUFFER, state.framebuffer);
    glClear(GL_COLOR_BUFFER_BIT);
    if (box.width > 0 && box.height > 0)
        state.api.blitFramebuffer(0, 0, state.width, state.height, box.x, box.y,
                                  box.x + box.width, box.y + box.height, GL_COLOR_BUFFER_BIT,
                                  GL_LINEAR);
    state.api.bindFramebuffer(GL_FRAMEBUFFER, state.framebuffer);

    if (scissor)
        glEnable(GL_SCISSOR_TEST);
    glColorMask(colorMask[0], colorMask[1], colorMask[2], colorMask[3]);
    glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
}

void layerPresent(SDL_Window *window, int clientWidth, int clientHeight)
{
    SFramebuffer &state = framebuffer();
    if (!state.framebuffer) {
        sendFrameToHook(clientWidth, clientHeight);
        SDL_GL_SwapWindow(window);
        return;
    }
    sendFrameToHook(state.width, state.height);
    int targetWidth = 0;
    int targetHeight = 0;
    SDL_GL_GetDrawableSize(window, &targetWidth, &targetHeight);
    layerBlitFramebuffer(0, targetWidth, targetHeight);
    // The window's buffer must be the draw target while it is swapped.
    state.api.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    SDL_GL_SwapWindow(window);
    state.api.bindFramebuffer(GL_FRAMEBUFFER, state.framebuffer);
}
