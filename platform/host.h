// Seams of the platform layer for tests and the offline renderer. The demo
// code never includes this; a host sets these up before calling WinMain.
#pragma once

#include <functional>
#include <string>

// Counter source: the monotonic clock by default; the virtual clock stands
// still and advances by framePeriod seconds on every SwapBuffers.
void hostUseVirtualClock(double framePeriod);
void hostUseRealClock();

// SDL's "offscreen" video driver (EGL, no X server) instead of the desktop's.
void hostUseOffscreenVideo(bool offscreen);

// Called on every SwapBuffers with the presented 800 x 600 (client size)
// frame, RGBA, bottom row first. An empty function removes the hook.
using HostSwapHook = std::function<void(const unsigned char *rgba, int width, int height)>;
void hostSetSwapHook(HostSwapHook hook);

// Where MessageBoxA goes: null restores the default (a dialog where one can
// be shown, otherwise the standard error stream).
using HostMessageBoxSink = std::function<void(const std::string &text, const std::string &caption)>;
void hostSetMessageBoxSink(HostMessageBoxSink sink);
// Sends message boxes to the standard error stream and never to a dialog.
void hostUseStderrMessageBoxes();

// Overrides what FSOUND_GetVersion reports; a negative value restores it.
void hostSetSoundVersion(float version);
// With output off, FSOUND_Init fails as if there were no device.
void hostSetSoundOutput(bool enabled);

// Drops every window, queued message and GL state of the layer, so that a
// test can run WinMain again in the same process.
void hostReset();
