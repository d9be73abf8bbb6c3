// Window classes and the one window: creation, showing, destruction and the
// default window procedure.
#include <map>

#include "platform/layer.h"

namespace {
struct SWindowClass {
    WNDPROC proc;
    ATOM atom;
};

std::map<std::string, SWindowClass> &classes()
{
    static std::map<std::string, SWindowClass> *registered = new std::map<std::string, SWindowClass>;
    return *registered;
}

// Handles count up and never repeat, so a stale one is never taken for the
// current window. A window's DC is its handle with the low bit set.
uintptr_t &lastSerial()
{
    static uintptr_t serial = 0;
    return serial;
}

HWND handleForSerial(uintptr_t serial)
{
    return reinterpret_cast<HWND>(serial << 4);
}

int dummyResource;
char moduleMarker;
}  // namespace

SLayerWindow &layerWindow()
{
    static SLayerWindow *window = new SLayerWindow;
    return *window;
}

SLayerWindow *layerFindWindow(HWND handle)
{
    SLayerWindow &window = layerWindow();
    if (!handle || window.handle != handle)
        return nullptr;
    return &window;
}

HDC layerDcOf(HWND handle)
{
    if (!layerFindWindow(handle))
        return nullptr;
    return reinterpret_cast<HDC>(reinterpret_cast<uintptr_t>(handle) | 1);
}

HWND layerWindowOfDc(HDC dc)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(dc);
    if ((value & 1) == 0)
        return nullptr;
    HWND handle = reinterpret_cast<HWND>(value & ~static_cast<uintptr_t>(1));
    return layerFindWindow(handle) ? handle : nullptr;
}

HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    if (moduleName)
        return nullptr;  // only the program itself is known
    return reinterpret_cast<HMODULE>(&moduleMarker);
}

HICON LoadIconA(HINSTANCE, LPCSTR)
{
    return reinterpret_cast<HICON>(&dummyResource);
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR)
{
    return reinterpret_cast<HCURSOR>(&dummyResource);
}

ATOM RegisterClassExA(const WNDCLASSEXA *windowClass)
{
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc)
        return 0;
    std::map<std::string, SWindowClass> &registered = classes();
    if (registered.count(windowClass->lpszClassName))
        return 0;
    static ATOM nextAtom = 0xC000;
    ATOM atom = nextAtom++;
    registered[windowClass->lpszClassName] = {windowClass->lpfnWndProc, atom};
    // SDL reads the X11 class of its windows when video starts, which the
    // demo does after registering: window managers (and xdotool) then find
    // the window by this class.
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        SDL_setenv("SDL_VIDEO_X11_WMCLASS", windowClass->lpszClassName, 1);
    return atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    if (!className)
        return FALSE;
    const SLayerWindow &window = layerWindow();
    if (window.handle && window.className == className)
        return FALSE;  // still in use
    return classes().erase(className) ? TRUE : FALSE;
}

BOOL AdjustWindowRect(RECT *rect, DWORD, BOOL)
{
    // SDL sizes the client area and the window manager adds its own frame, so
    // the client rectangle is already the window's size here.
    return rect ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND, HMENU, HINSTANCE, LPVOID)
{
    if (!className)
        return nullptr;
    auto found = classes().find(className);
    if (found == classes().end())
        return nullptr;
    SLayerWindow &window = layerWindow();
    if (window.handle || width <= 0 || height <= 0)
        return nullptr;  // one window at a time
    if (!layerVideoReady())
        return nullptr;

    const SLayerDisplay &display = layerDisplay();
    const bool offscreen = layerSettings().offscreenVideo;
    const bool fullscreen = (style & WS_POPUP) && display.width > 0 && x == 0 && y == 0 &&
                            width == display.width && height == display.height;

    // GL attributes only count when set before the window exists.
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

    Uint32 flags = SDL_WINDOW_OPENGL;
    if (fullscreen && !offscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    else if (!fullscreen && (style & WS_THICKFRAME))
        flags |= SDL_WINDOW_RESIZABLE;
    if (!(style & WS_VISIBLE))
        flags |= SDL_WINDOW_HIDDEN;
    if (style & WS_POPUP)
        flags |= SDL_WINDOW_BORDERLESS;
    // Over the virtual mode the window covers the whole desktop from the start,
    // so that it does so even where no window manager applies full screen.
    int windowWidth = width;
    int windowHeight = height;
    SDL_DisplayMode desktop;
    if ((flags & SDL_WINDOW_FULLSCREEN_DESKTOP) && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        windowWidth = desktop.w;
        windowHeight = desktop.h;
    }
    SDL_Window *sdl = SDL_CreateWindow(windowName ? windowName : "", x, y, windowWidth,
                                       windowHeight, flags);
    if (!sdl)
        return nullptr;

    window.handle = handleForSerial(++lastSerial());
    window.sdl = sdl;
    window.proc = found->second.proc;
    window.className = className;
    window.fullscreen = fullscreen;
    window.clientWidth = width;
    window.clientHeight = height;
    window.pixelFormat = 0;

    HWND handle = window.handle;
    layerSend(handle, WM_SIZE, 0, MAKELPARAM(width, height));
    return layerFindWindow(handle) ? handle : nullptr;
}

BOOL ShowWindow(HWND handle, int)
{
    SLayerWindow *window = layerFindWindow(handle);
    if (!window)
        return FALSE;
    const bool wasVisible = (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_SHOWN) != 0;
    SDL_ShowWindow(window->sdl);
    layerSend(handle, WM_SIZE, 0, MAKELPARAM(window->clientWidth, window->clientHeight));
    return wasVisible ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND handle)
{
    return layerFindWindow(handle) ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND handle)
{
    SLayerWindow *window = layerFindWindow(handle);
    if (!window)
        return FALSE;
    SDL_RaiseWindow(window->sdl);
    return TRUE;
}

HWND SetFocus(HWND handle)
{
    static HWND focused = nullptr;
    if (handle && !layerFindWindow(handle))
        return nullptr;
    HWND previous = layerFindWindow(focused) ? focused : nullptr;
    focused = handle;
    return previous;
}

BOOL DestroyWindow(HWND handle)
{
    SLayerWindow *window = layerFindWindow(handle);
    if (!window)
        return FALSE;
    // The procedure still sees a live window while it handles WM_DESTROY.
    layerSend(handle, WM_DESTROY, 0, 0);
    window = layerFindWindow(handle);
    if (!window)
        return TRUE;  // destroyed again from inside WM_DESTROY
    layerDetachContext(handle);
    SDL_DestroyWindow(window->sdl);
    *window = SLayerWindow();
    return TRUE;
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow(handle);
    return 0;
}

void layerResetWindows()
{
    SLayerWindow &window = layerWindow();
    if (window.handle)
        SDL_DestroyWindow(window.sdl);
    window = SLayerWindow();
    classes().clear();
}
