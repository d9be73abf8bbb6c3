// FreeType glyph rendering into coverage masks (8-bit antialiased bitmaps).
#include "tools/datagen/text.h"

#include <algorithm>

#include <ft2build.h>
#include FT_FREETYPE_H

CFont::CFont(const char *path) : library(nullptr), face(nullptr)
{
    FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0)
        return;
    library = lib;
    FT_Face f;
    if (FT_New_Face(lib, path, 0, &f) == 0)
        face = f;
}

CFont::~CFont()
{
    if (face)
        FT_Done_Face(FT_Face(face));
    if (library)
        FT_Done_FreeType(FT_Library(library));
}

int CFont::measure(const std::string &text, int pixelSize, int tracking)
{
    if (!face)
        return 0;
    FT_Face f = FT_Face(face);
    FT_Set_Pixel_Sizes(f, 0, FT_UInt(pixelSize));
    long width = 0;
    FT_UInt previous = 0;
    for (unsigned char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(f, ch);
        if (previous && FT_HAS_KERNING(f)) {
            FT_Vector kern;
            FT_Get_Kerning(f, previous, glyph, FT_KERNING_DEFAULT, &kern);
            width += kern.x >> 6;
        }
        if (FT_Load_Glyph(f, glyph, FT_LOAD_DEFAULT) == 0)
            width += (f->glyph->advance.x >> 6) + tracking;
        previous = glyph;
    }
    return int(width - (text.empty() ? 0 : tracking));
}

void CFont::draw(CMask &mask, const std::string &text, int pixelSize, int x, int y, int tracking)
{
    if (!face)
        return;
    FT_Face f = FT_Face(face);
    FT_Set_Pixel_Sizes(f, 0, FT_UInt(pixelSize));
    long penX = x;
    FT_UInt previous = 0;
    for (unsigned char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(f, ch);
        if (previous && FT_HAS_KERNING(f)) {
            FT_Vector kern;
            FT_Get_Kerning(f, previous, glyph, FT_KERNING_DEFAULT, &kern);
            penX += kern.x >> 6;
        }
        previous = glyph;
        if (FT_Load_Glyph(f, glyph, FT_LOAD_RENDER) != 0)
            continue;
        const FT_Bitmap &bitmap = f->glyph->bitmap;
        const int left = int(penX) + f->glyph->bitmap_left, top = y - f->glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int mx = left + int(col), my = top + int(row);
                if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height)
                    continue;
                const float k = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                float &m = mask.at(mx, my);
                m = std::min(1.0f, m + k);
            }
        }
        penX += (f->glyph->advance.x >> 6) + tracking;
    }
}

void CFont::drawCentred(CMask &mask, const std::string &text, int pixelSize, int cx, int y, int tracking)
{
    draw(mask, text, pixelSize, cx - measure(text, pixelSize, tracking) / 2, y, tracking);
}
