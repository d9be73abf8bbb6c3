// The thread's message queue: posted messages, the quit flag, messages sent
// straight to a window procedure, and SDL's events turned into messages.
#include <deque>

#include "platform/layer.h"

namespace {
struct SQueue {
    std::deque<MSG> posted;
    bool quitPending = false;
    int quitCode = 0;
    // The client size last reported with WM_SIZE, so that only real changes
    // are reported again.
    int reportedWidth = -1;
    int reportedHeight = -1;
};

SQueue &queue()
{
    static SQueue *messages = new SQueue;
    return *messages;
}

DWORD messageTime()
{
    return static_cast<DWORD>(SDL_WasInit(SDL_INIT_TIMER) || SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetTicks() : 0);
}

bool inFilter(UINT message, UINT filterMin, UINT filterMax)
{
    if (filterMin == 0 && filterMax == 0)
        return true;
    return message >= filterMin && message <= filterMax;
}

// Virtual keys: letters and digits are their upper-case ASCII, like Win32.
WPARAM virtualKeyOf(SDL_Keycode key)
{
    if (key >= 'a' && key <= 'z')
        return static_cast<WPARAM>(key - 'a' + 'A');
    if ((key >= '0' && key <= '9') || key == ' ')
        return static_cast<WPARAM>(key);
    switch (key) {
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_RETURN:
        return 0x0D;
    case SDLK_BACKSPACE:
        return 0x08;
    case SDLK_TAB:
        return 0x09;
    case SDLK_LEFT:
        return 0x25;
    case SDLK_UP:
        return 0x26;
    case SDLK_RIGHT:
        return 0x27;
    case SDLK_DOWN:
        return 0x28;
    default:
        // Anything else: a value clear of the keys above.
        return 0xFF;
    }
}

void postSize(HWND handle, int width, int height)
{
    SQueue &messages = queue();
    if (width == messages.reportedWidth && height == messages.reportedHeight)
        return;
    layerPost(handle, WM_SIZE, 0, MAKELPARAM(width, height));
}

void translateWindowEvent(const SDL_WindowEvent &event, HWND handle)
{
    const SLayerWindow *window = layerFindWindow(handle);
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        layerPost(handle, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // Over the virtual display mode the demo's client stays its size and
        // only the presentation is scaled.
        if (!window->fullscreen) {
            SLayerWindow *resized = layerFindWindow(handle);
            resized->clientWidth = event.data1;
            resized->clientHeight = event.data2;
        }
        postSize(handle, window->clientWidth, window->clientHeight);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        postSize(handle, 0, 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        postSize(handle, window->clientWidth, window->clientHeight);
        break;
    default:
        break;
    }
}

void translate(const SDL_Event &event)
{
    HWND handle = layerWindow().handle;
    if (!handle)
        return;  // nothing to tell
    switch (event.type) {
    case SDL_QUIT:
        // The window manager, SIGINT and SIGTERM all close the window.
        layerPost(handle, WM_CLOSE, 0, 0);
        break;
    case SDL_KEYDOWN:
        layerPost(handle, WM_KEYDOWN, virtualKeyOf(event.key.keysym.sym), 0);
        break;
    case SDL_WINDOWEVENT:
        if (SDL_GetWindowFromID(event.window.windowID) == layerWindow().sdl)
            translateWindowEvent(event.window, handle);
        break;
    default:
        break;
    }
}

bool takePosted(MSG *msg, UINT filterMin, UINT filterMax, bool remove)
{
    std::deque<MSG> &posted = queue().posted;
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!inFilter(it->message, filterMin, filterMax))
            continue;
        *msg = *it;
        if (remove)
            posted.erase(it);
        return true;
    }
    return false;
}
}  // namespace

void layerPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = messageTime();
    if (message == WM_SIZE) {
        queue().reportedWidth = LOWORD(lParam);
        queue().reportedHeight = HIWORD(lParam);
    }
    queue().posted.push_back(msg);
}

LRESULT layerSend(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    SLayerWindow *window = layerFindWindow(handle);
    if (!window || !window->proc)
        return 0;
    if (message == WM_SIZE) {
        queue().reportedWidth = LOWORD(lParam);
        queue().reportedHeight = HIWORD(lParam);
    }
    return window->proc(handle, message, wParam, lParam);
}

BOOL PeekMessageA(MSG *msg, HWND, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    if (!msg)
        return FALSE;
    const bool remove = (removeMsg & PM_REMOVE) != 0;
    if (takePosted(msg, filterMin, filterMax, remove))
        return TRUE;
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            translate(event);
        if (takePosted(msg, filterMin, filterMax, remove))
            return TRUE;
    }
    SQueue &messages = queue();
    if (messages.quitPending && inFilter(WM_QUIT, filterMin, filterMax)) {
        *msg = MSG();
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(messages.quitCode);
        msg->time = messageTime();
        if (remove)
            messages.quitPending = false;
        return TRUE;
    }
    return FALSE;
}

BOOL TranslateMessage(const MSG *msg)
{
    // Nothing here needs WM_CHAR, so no message is ever produced.
    (void)msg;
    return FALSE;
}

LRESULT DispatchMessageA(const MSG *msg)
{
    if (!msg || !msg->hwnd)
        return 0;
    return layerSend(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int exitCode)
{
    SQueue &messages = queue();
    messages.quitPending = true;
    messages.quitCode = exitCode;
}

void layerResetMessages()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SQueue &messages = queue();
    messages.posted.clear();
    messages.quitPending = false;
    messages.quitCode = 0;
    messages.reportedWidth = -1;
    messages.reportedHeight = -1;
}
