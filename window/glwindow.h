// The demo's one window and its GL context, and the window procedure that
// turns Escape and closing into the quit message.
#pragma once

#include "platform/platform.h"

class CGLWindow {
public:
    CGLWindow();

    bool initWindow(int width, int height, bool fullscreen, HINSTANCE instance);
    bool setupGL();
    void resize(int width, int height);
    void killWindow();

    HWND hWnd;
    WNDCLASSEXA windowClass;
    HGLRC hRC;
    HDC hDC;
    int width;
    int height;
};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

extern CGLWindow *g_window;
