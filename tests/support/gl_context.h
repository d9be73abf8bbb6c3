// An 800 x 600 GL context on SDL's offscreen driver for tests that draw.
#pragma once

#include <vector>

#include "platform/platform.h"

class CTestGLContext {
public:
    CTestGLContext(int width = 800, int height = 600);
    ~CTestGLContext();

    bool ok() const { return context != nullptr; }
    // RGBA of the whole back buffer, bottom row first.
    std::vector<unsigned char> readPixels() const;
    // RGBA of one pixel (x from the left, y from the bottom).
    void pixel(int x, int y, unsigned char rgba[4]) const;

    int width;
    int height;

private:
    void *window;
    void *context;
};
