#include "image_out.h"

#include <png.h>

#include <cstdio>

namespace {
// Writes top row first, so the picture is upright in any viewer.
bool writeRgbPng(const std::string &path, const std::vector<unsigned char> &rgbTopDown, int width,
                 int height)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; y++)
        png_write_row(png, rgbTopDown.data() + static_cast<size_t>(y) * width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
}  // namespace

bool writeFramePng(const std::string &path, const unsigned char *rgba, int width, int height)
{
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; y++) {
        const unsigned char *src = rgba + static_cast<size_t>(height - 1 - y) * width * 4;
        unsigned char *dst = rgb.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; x++) {
            dst[x * 3 + 0] = src[x * 4 + 0];
            dst[x * 3 + 1] = src[x * 4 + 1];
            dst[x * 3 + 2] = src[x * 4 + 2];
        }
    }
    return writeRgbPng(path, rgb, width, height);
}

bool writeContactSheet(const std::string &path, const std::vector<std::vector<unsigned char>> &frames,
                       int width, int height, int shrink, int columns)
{
    const int cellW = width / shrink, cellH = height / shrink;
    const int count = static_cast<int>(frames.size());
    const int rows = (count + columns - 1) / columns;
    const int cols = count < columns ? count : columns;
    const int sheetW = cols * cellW, sheetH = rows * cellH;
    std::vector<unsigned char> sheet(static_cast<size_t>(sheetW) * sheetH * 3, 0);
    for (int i = 0; i < count; i++) {
        const unsigned char *rgba = frames[i].data();
        const int ox = (i % columns) * cellW, oy = (i / columns) * cellH;
        for (int cy = 0; cy < cellH; cy++) {
            for (int cx = 0; cx < cellW; cx++) {
                // Box filter over the shrink x shrink block; source rows are bottom first.
                unsigned sum[3] = {0, 0, 0};
                for (int sy = 0; sy < shrink; sy++) {
                    const int row = height - 1 - (cy * shrink + sy);
                    const unsigned char *p = rgba + (static_cast<size_t>(row) * width + cx * shrink) * 4;
                    for (int sx = 0; sx < shrink; sx++, p += 4)
                        for (int c = 0; c < 3; c++)
                            sum[c] += p[c];
                }
                unsigned char *dst = sheet.data() + (static_cast<size_t>(oy + cy) * sheetW + ox + cx) * 3;
                for (int c = 0; c < 3; c++)
                    dst[c] = static_cast<unsigned char>(sum[c] / (shrink * shrink));
            }
        }
    }
    return writeRgbPng(path, sheet, sheetW, sheetH);
}
