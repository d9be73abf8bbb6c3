// A window made through the layer the way the demo makes its own, over the
// offscreen driver, with a procedure that records every message it gets.
#pragma once

#include <vector>

#include "platform/host.h"
#include "platform/platform.h"

struct SRecordedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CTestWindow {
public:
    // Full screen: the virtual 800 x 600 mode and a pop-up window over it.
    explicit CTestWindow(bool fullscreen = true);
    ~CTestWindow();

    // Pixel format, context, made current.
    bool makeContext();
    // Messages the procedure got since the last call.
    std::vector<SRecordedMessage> takeMessages();

    HWND hwnd = nullptr;
    HDC hdc = nullptr;
    HGLRC hrc = nullptr;
};

extern const char *const kTestClass;
