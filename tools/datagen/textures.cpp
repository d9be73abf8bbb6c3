// Mesh textures. All tile where the meshes repeat them (walls, floor, ceiling,
// tunnel), so their edges match.
#include <cmath>

#include "tools/datagen/pictures.h"
#include <algorithm>

namespace {

const float kPi = 3.14159265358979f;

// Light grey, not white: the finale adds its sphere front and back at full
// strength, and a white one saturates into a flat blob.
CRaster blank()
{
    CRaster r(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const float n = fractalNoise(x / 16.0f, y / 16.0f, 4, 3, 11) - 0.5f;
            r.at(x, y) = {0.42f + 0.03f * n, 0.42f + 0.03f * n, 0.41f + 0.03f * n, 1};
        }
    return r;
}

// Wooden staves running along the barrel, with iron hoops around it.
CRaster tonne()
{
    const int w = 512, h = 256, kStaves = 12;
    CRaster r(w, h);
    for (int y = 0; y < h; ++y) {
        const float v = (y + 0.5f) / h;
        for (int x = 0; x < w; ++x) {
            const float u = (x + 0.5f) / w;
            const float staveF = u * kStaves;
            const int stave = int(staveF);
            const float across = staveF - stave;
            const float grain = fractalNoise(across * 3.0f + stave * 7.0f, v * 40.0f, 1 << 10, 4, 21 + stave);
            const float rings = 0.5f + 0.5f * std::sin((across * 9.0f + grain * 6.0f) * kPi);
            const float tone = 0.75f + 0.25f * hash01(uint32_t(stave), 3, 5);
            SColor c = {(0.50f + 0.18f * rings) * tone, (0.30f + 0.10f * rings) * tone, (0.14f + 0.05f * rings) * tone, 1};
            // Dark seams between staves, rounded stave edges.
            const float edge = std::fmin(across, 1.0f - across);
            const float shade = clamp01(edge * 14.0f);
            c = {c.r * (0.35f + 0.65f * shade), c.g * (0.35f + 0.65f * shade), c.b * (0.35f + 0.65f * shade), 1};
            // Iron hoops.
            const float hoops[4] = {0.10f, 0.30f, 0.70f, 0.90f};
            for (float hv : hoops) {
                const float d = std::fabs(v - hv);
                if (d < 0.035f) {
                    const float rim = 1.0f - d / 0.035f;
                    const float rust = fractalNoise(u * 30.0f, v * 8.0f, 30, 3, 77);
                    const float lit = 0.25f + 0.45f * std::sqrt(rim);
                    c = {lit * (0.75f + 0.3f * rust), lit * (0.72f + 0.1f * rust), lit * 0.70f, 1};
                    if (std::fmod(u * 48.0f, 1.0f) < 0.18f && d < 0.012f)
                        c = {0.85f, 0.82f, 0.75f, 1}; // rivets
                }
            }
            r.at(x, y) = c;
        }
    }
    return r;
}

// Brick wall: four courses of two bricks, offset course by course.
CRaster bricks(int w, int h, bool tiled)
{
    CRaster r(w, h);
    const int kCourses = 4 * h / 256, kBricks = 2 * w / 256;
    for (int y = 0; y < h; ++y) {
        const float fy = float(y) / h * kCourses;
        const int course = int(fy);
        const float inCourse = fy - course;
        for (int x = 0; x < w; ++x) {
            float fx = float(x) / w * kBricks + (course % 2) * 0.5f;
            const int brick = int(std::floor(fx));
            const float inBrick = fx - brick;
            const int wrapped = tiled ? ((brick % kBricks) + kBricks) % kBricks : brick;
            const float tone = 0.8f + 0.25f * hash01(uint32_t(wrapped), uint32_t(course), 9);
            const float n = fractalNoise(x / 32.0f, y / 32.0f, tiled ? w / 32 : 1 << 12, 4, 31);
            SColor c = {(0.62f + 0.2f * n) * tone, (0.30f + 0.1f * n) * tone, (0.22f + 0.08f * n) * tone, 1};
            const float mx = std::fmin(inBrick, 1 - inBrick) * 256.0f / kBricks * kBricks / 2.0f;
            const float my = std::fmin(inCourse, 1 - inCourse) * 64.0f;
            const float mortar = std::fmin(mx / 4.0f, my / 4.0f);
            if (mortar < 1.0f) {
                const float m = 0.55f + 0.1f * n;
                c = mix({m, m * 0.97f, m * 0.9f, 1}, c, clamp01(mortar * mortar));
            }
            r.at(x, y) = c;
        }
    }
    return r;
}

// The screen wall: bricks with a television showing colour bars.
CRaster tvegg()
{
    CRaster r = bricks(512, 256, false);
    const int x0 = 136, x1 = 376, y0 = 50, y1 = 196; // the cabinet
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float edge = std::fmin(std::fmin(x - x0, x1 - 1 - x), std::fmin(y - y0, y1 - 1 - y));
            const float shade = 0.08f + 0.1f * clamp01(edge / 10.0f);
            r.at(x, y) = {shade, shade, shade * 1.1f, 1};
        }
    const SColor bars[7] = {{0.9f, 0.9f, 0.9f, 1}, {0.9f, 0.9f, 0.1f, 1}, {0.1f, 0.9f, 0.9f, 1}, {0.1f, 0.9f, 0.1f, 1},
                            {0.9f, 0.1f, 0.9f, 1}, {0.9f, 0.1f, 0.1f, 1}, {0.1f, 0.1f, 0.9f, 1}};
    const int sx0 = x0 + 14, sx1 = x1 - 14, sy0 = y0 + 12, sy1 = y1 - 14;
    for (int y = sy0; y < sy1; ++y)
        for (int x = sx0; x < sx1; ++x) {
            const float fx = float(x - sx0) / (sx1 - sx0), fy = float(y - sy0) / (sy1 - sy0);
            SColor c = bars[std::min(6, int(fx * 7))];
            if (fy > 0.72f) {
                const float g = fy > 0.86f ? 0.08f : fx;
                c = {g, g, g, 1};
            }
            const float scan = 0.85f + 0.15f * std::sin(y * kPi * 0.5f);
            r.at(x, y) = {c.r * scan, c.g * scan, c.b * scan, 1};
        }
    // A stand under the set.
    r.fillRect(236, 196, 276, 214, {0.12f, 0.12f, 0.13f, 1});
    r.fillRect(196, 214, 316, 222, {0.15f, 0.15f, 0.16f, 1});
    return r;
}

// Acoustic ceiling tiles in a metal grid, one of them a light panel.
CRaster tak()
{
    const int n = 256;
    CRaster r(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int cx = x / 128, cy = y / 128;
            const int ix = x % 128, iy = y % 128;
            const float dots = hash01(uint32_t(x), uint32_t(y), 41) > 0.93f ? 0.82f : 1.0f;
            float g = (0.78f + 0.06f * fractalNoise(x / 16.0f, y / 16.0f, 16, 3, 43)) * dots;
            SColor c = {g, g, g * 0.97f, 1};
            if (cx == 1 && cy == 0 && ix > 10 && ix < 118 && iy > 10 && iy < 118) {
                const float glow = 0.92f + 0.08f * std::sin(ix * kPi / 8.0f);
                c = {glow, glow, 1.0f, 1};
            }
            if (ix < 4 || ix > 123 || iy < 4 || iy > 123)
                c = {0.55f, 0.56f, 0.58f, 1};
            r.at(x, y) = c;
        }
    return r;
}

// Black and white marble checks.
CRaster gulv()
{
    const int n = 256;
    CRaster r(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool white = ((x / 64) + (y / 64)) % 2 == 0;
            const float vein = fractalNoise(x / 32.0f, y / 32.0f, 8, 5, white ? 51 : 52);
            const float marble = 0.5f + 0.5f * std::sin((x + y) / 20.0f + vein * 9.0f);
            const float g = white ? 0.82f + 0.12f * marble : 0.08f + 0.1f * marble;
            SColor c = {g, g * 0.98f, g * 0.95f, 1};
            if (x % 64 < 1 || y % 64 < 1)
                c = {0.3f, 0.3f, 0.3f, 1};
            r.at(x, y) = c;
        }
    return r;
}

SColor hue(float h)
{
    h = h - std::floor(h);
    const float r = clamp01(std::fabs(h * 6 - 3) - 1), g = clamp01(2 - std::fabs(h * 6 - 2)),
                b = clamp01(2 - std::fabs(h * 6 - 4));
    return {r, g, b, 1};
}

// Plasma of whole periods, so it tiles, laced with a glowing grid.
CRaster tunnel()
{
    const int n = 256;
    CRaster r(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float u = float(x) / n, v = float(y) / n;
            const float p = std::sin(2 * kPi * u) + std::sin(2 * kPi * (2 * v + u)) +
                            std::sin(2 * kPi * (u - v) * 3) * 0.5f + std::cos(2 * kPi * 2 * u) * std::sin(2 * kPi * v);
            SColor c = hue(p * 0.18f + 0.6f);
            const float gx = std::fabs(std::fmod(u * 4.0f, 1.0f) - 0.5f), gy = std::fabs(std::fmod(v * 4.0f, 1.0f) - 0.5f);
            const float line = std::pow(clamp01((std::fmax(gx, gy) - 0.40f) / 0.1f), 2.0f);
            const float dark = 0.55f + 0.45f * (0.5f + 0.5f * std::sin(p * 2.5f));
            c = {c.r * dark, c.g * dark, c.b * dark, 1};
            c = mix(c, {1, 1, 1, 1}, line * 0.85f);
            r.at(x, y) = c;
        }
    return r;
}

// Sphere map of a dark chrome world: sky above, a bright horizon, black ground.
CRaster svarting()
{
    const int n = 256;
    CRaster r(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float px = (x + 0.5f) / n * 2 - 1, py = 1 - (y + 0.5f) / n * 2;
            const float d2 = px * px + py * py;
            // Reflected direction for this point of the map.
            const float nz = std::sqrt(std::fmax(0.0f, 1 - d2));
            const float ry = 2 * nz * py; // up component of the reflection
            SColor c;
            if (ry > 0) {
                const float t = std::pow(ry, 0.6f);
                c = mix({0.85f, 0.9f, 1.0f, 1}, {0.08f, 0.12f, 0.3f, 1}, t);
            } else {
                const float t = std::pow(-ry, 0.4f);
                c = mix({0.35f, 0.3f, 0.28f, 1}, {0.02f, 0.02f, 0.03f, 1}, t);
            }
            const float band = std::exp(-ry * ry * 300.0f);
            c = mix(c, {1, 0.95f, 0.85f, 1}, band);
            const float hx = px - 0.35f, hy = py - 0.45f;
            c = mix(c, {1, 1, 1, 1}, std::exp(-(hx * hx + hy * hy) * 80.0f));
            const float h2x = px + 0.5f, h2y = py - 0.2f;
            c = mix(c, {0.7f, 0.85f, 1.0f, 1}, 0.8f * std::exp(-(h2x * h2x + h2y * h2y) * 200.0f));
            if (d2 > 1)
                c = {0.03f, 0.03f, 0.04f, 1};
            r.at(x, y) = c;
        }
    return r;
}

} // namespace

std::vector<SPicture> makeTextures()
{
    std::vector<SPicture> out;
    out.push_back({"data/textures/blank.jpg", blank(), EImageFormat::Jpeg});
    out.push_back({"data/textures/tonne.jpg", tonne(), EImageFormat::Jpeg});
    out.push_back({"data/textures/tvegg.jpg", tvegg(), EImageFormat::Jpeg});
    out.push_back({"data/textures/vegg.jpg", bricks(256, 256, true), EImageFormat::Jpeg});
    out.push_back({"data/textures/tak.jpg", tak(), EImageFormat::Jpeg});
    out.push_back({"data/textures/gulv.jpg", gulv(), EImageFormat::Jpeg});
    out.push_back({"data/textures/tunnel.jpg", tunnel(), EImageFormat::Jpeg});
    out.push_back({"data/textures/svarting.jpg", svarting(), EImageFormat::Jpeg});
    return out;
}
