// Float RGBA pictures and coverage masks the image makers paint into, with the
// few operations they share (blending, blur, resampling, value noise).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct SColor {
    float r, g, b, a;
};

// Coverage or height values, one float per pixel, row 0 at the top.
class CMask {
public:
    CMask(int w, int h);
    float &at(int x, int y) { return values[size_t(y) * width + x]; }
    float get(int x, int y) const;
    // Box blur repeated three times, close to a Gaussian of the given radius.
    void blur(int radius);

    int width;
    int height;
    std::vector<float> values;
};

// RGBA picture, straight (not premultiplied) alpha, row 0 at the top.
class CRaster {
public:
    CRaster(int w, int h, SColor fill = {0, 0, 0, 1});
    SColor &at(int x, int y) { return pixels[size_t(y) * width + x]; }
    const SColor &at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    // Lays colour c over pixel (x, y) with coverage k (ignored outside the picture).
    void blend(int x, int y, SColor c, float k);
    // Lays colour c over the whole picture through a mask placed at (x, y).
    void paintMask(const CMask &mask, int x, int y, SColor c, float strength = 1.0f);
    void fillRect(int x0, int y0, int x1, int y1, SColor c);
    // Bilinear resampling to another size: how 4:3 pictures are stored stretched.
    CRaster resized(int w, int h) const;

    int width;
    int height;
    std::vector<SColor> pixels;
};

struct SPoint {
    float x, y;
};

// Adds the antialiased coverage of a closed polygon (even-odd rule) to the mask.
void fillPolygon(CMask &mask, const std::vector<SPoint> &corners);
// A closed Catmull-Rom curve through the points, as a polygon of `steps` per span.
std::vector<SPoint> smoothOutline(const std::vector<SPoint> &points, int steps);

// Deterministic value noise in [0, 1] with the given period in cells (tiles).
float valueNoise(float x, float y, int period, uint32_t seed);
// Sum of octaves of value noise, still in [0, 1], tiling with the base period.
float fractalNoise(float x, float y, int period, int octaves, uint32_t seed);
// Integer hash in [0, 1) for scattering things deterministically.
float hash01(uint32_t a, uint32_t b, uint32_t seed);

float clamp01(float v);
SColor mix(SColor a, SColor b, float t);
