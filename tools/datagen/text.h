// Text set with FreeType in a DejaVu font, drawn as coverage into masks.
#pragma once

#include <string>

#include "tools/datagen/raster.h"

const char *const kFontBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char *const kFontBook = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char *const kFontMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

class CFont {
public:
    explicit CFont(const char *path);
    ~CFont();
    CFont(const CFont &) = delete;
    CFont &operator=(const CFont &) = delete;

    bool ok() const { return face != nullptr; }
    // Advance width in pixels of the text at this pixel height.
    int measure(const std::string &text, int pixelSize, int tracking = 0);
    // Adds the text's coverage to the mask, baseline at y, starting at x.
    void draw(CMask &mask, const std::string &text, int pixelSize, int x, int y, int tracking = 0);
    // The same, centred horizontally on cx.
    void drawCentred(CMask &mask, const std::string &text, int pixelSize, int cx, int y, int tracking = 0);

private:
    void *library;
    void *face;
};
