// State shared by the platform layer's own files. Every piece of state is
// built on first use and never destroyed (a function-local static pointer),
// because the demo's static objects call into the layer before main and
// again from their destructors at exit.
#pragma once

#include <cstdint>
#include <string>

#include <SDL.h>

#include "platform/host.h"
#include "platform/win32.h"

// What a host chose through host.h; hostReset keeps these.
struct SLayerSettings {
    bool virtualClock = false;
    double framePeriod = 0.0;
    int64_t virtualFrames = 0;
    bool offscreenVideo = false;
    bool stderrBoxes = false;
    HostSwapHook swapHook;
    HostMessageBoxSink boxSink;
    float soundVersion = -1.0f;
    bool soundOutput = true;
};
SLayerSettings &layerSettings();

// The one window the layer keeps, with its class and GL attachments.
struct SLayerWindow {
    HWND handle = nullptr;
    SDL_Window *sdl = nullptr;
    WNDPROC proc = nullptr;
    std::string className;
    bool fullscreen = false;  // created over the virtual display mode
    int clientWidth = 0;
    int clientHeight = 0;
    int pixelFormat = 0;
};
SLayerWindow &layerWindow();
// The live window for a handle, or null when it is not (or no longer) ours.
SLayerWindow *layerFindWindow(HWND handle);
HDC layerDcOf(HWND handle);
HWND layerWindowOfDc(HDC dc);

// Starts SDL's video subsystem with the driver the host asked for. False when
// there is no real display (the offscreen and dummy drivers do not count as
// one unless the host chose offscreen).
bool layerVideoReady();
// True when a dialog can be shown at all.
bool layerDialogPossible();

// The virtual full-screen mode requested through ChangeDisplaySettingsA;
// width 0 when none is active.
struct SLayerDisplay {
    int width = 0;
    int height = 0;
};
SLayerDisplay &layerDisplay();

// Messages sent synchronously to the window's procedure.
LRESULT layerSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Posted to the thread's queue.
void layerPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The off-screen framebuffer behind the virtual full-screen mode, in the
// current context. Create binds it as draw and read framebuffer; false when
// the context has no framebuffer objects.
bool layerFramebufferCreate(int width, int height);
bool layerFramebufferActive();
void layerFramebufferDestroy();
// Clears the target framebuffer to black and draws the off-screen frame into
// it, scaled and letterboxed to targetWidth x targetHeight.
void layerBlitFramebuffer(unsigned int target, int targetWidth, int targetHeight);
// The context holding the framebuffer was deleted with it.
void layerFramebufferForget();
// Hands the frame to the swap hook, then shows it on the window: scaled and
// letterboxed from the framebuffer, or as drawn when there is none. Leaves
// the demo's GL state as it found it.
void layerPresent(SDL_Window *window, int clientWidth, int clientHeight);

// Called while a window is destroyed: a context current on it is released
// (with its off-screen framebuffer) but lives on until wglDeleteContext.
void layerDetachContext(HWND window);

void layerAdvanceClock();

// Used by hostReset.
void layerResetMessages();
void layerResetWindows();
void layerResetContext();
void layerResetDisplay();
