// Pixel operations shared by the image makers.
#include "tools/datagen/raster.h"

#include <algorithm>
#include <cmath>

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

SColor mix(SColor a, SColor b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

CMask::CMask(int w, int h) : width(w), height(h), values(size_t(w) * h, 0.0f) {}

float CMask::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0.0f;
    return values[size_t(y) * width + x];
}

static void boxPass(std::vector<float> &v, int w, int h, int radius, bool horizontal)
{
    std::vector<float> out(v.size());
    const int lines = horizontal ? h : w, length = horizontal ? w : h;
    for (int line = 0; line < lines; ++line) {
        auto idx = [&](int i) { return horizontal ? size_t(line) * w + i : size_t(i) * w + line; };
        double sum = 0;
        for (int i = -radius; i <= radius; ++i)
            if (i >= 0 && i < length)
                sum += v[idx(i)];
        for (int i = 0; i < length; ++i) {
            out[idx(i)] = float(sum / (2 * radius + 1));
            const int add = i + radius + 1, drop = i - radius;
            if (add < length)
                sum += v[idx(add)];
            if (drop >= 0)
                sum -= v[idx(drop)];
        }
    }
    v.swap(out);
}

void CMask::blur(int radius)
{
    if (radius <= 0)
        return;
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(values, width, height, r, true);
        boxPass(values, width, height, r, false);
    }
}

CRaster::CRaster(int w, int h, SColor fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}

void CRaster::blend(int x, int y, SColor c, float k)
{
    if (x < 0 || y < 0 || x >= width || y >= height || k <= 0)
        return;
    SColor &d = at(x, y);
    const float a = clamp01(k * c.a);
    const float outA = a + d.a * (1 - a);
    if (outA <= 0) {
        d = {0, 0, 0, 0};
        return;
    }
    d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
    d.a = outA;
}

void CRaster::paintMask(const CMask &mask, int x, int y, SColor c, float strength)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            const float k = mask.values[size_t(my) * mask.width + mx] * strength;
            if (k > 0)
                blend(x + mx, y + my, c, std::min(k, 1.0f));
        }
}

void CRaster::fillRect(int x0, int y0, int x1, int y1, SColor c)
{
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
            blend(x, y, c, 1.0f);
}

CRaster CRaster::resized(int w, int h) const
{
    CRaster out(w, h);
    for (int y = 0; y < h; ++y) {
        const float sy = std::max(0.0f, (y + 0.5f) * height / h - 0.5f);
        const int y0 = std::min(int(sy), height - 1), y1 = std::min(y0 + 1, height - 1);
        const float fy = sy - y0;
        for (int x = 0; x < w; ++x) {
            const float sx = std::max(0.0f, (x + 0.5f) * width / w - 0.5f);
            const int x0 = std::min(int(sx), width - 1), x1 = std::min(x0 + 1, width - 1);
            const float fx = sx - x0;
            const SColor top = mix(at(x0, y0), at(x1, y0), fx);
            const SColor bottom = mix(at(x0, y1), at(x1, y1), fx);
            out.at(x, y) = mix(top, bottom, fy);
        }
    }
    return out;
}

static uint32_t hash3(uint32_t a, uint32_t b, uint32_t seed)
{
    uint32_t h = a * 0x8da6b343u ^ b * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

float hash01(uint32_t a, uint32_t b, uint32_t seed) { return (hash3(a, b, seed) >> 8) * (1.0f / 16777216.0f); }

float valueNoise(float x, float y, int period, uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto corner = [&](int cx, int cy) {
        const int px = ((cx % period) + period) % period, py = ((cy % period) + period) % period;
        return hash01(uint32_t(px), uint32_t(py), seed);
    };
    const float a = corner(ix, iy), b = corner(ix + 1, iy), c = corner(ix, iy + 1), d = corner(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractalNoise(float x, float y, int period, int octaves, uint32_t seed)
{
    float sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x, y, period, seed + o) * amplitude;
        weight += amplitude;
        amplitude *= 0.5f;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / weight;
}

void fillPolygon(CMask &mask, const std::vector<SPoint> &corners)
{
    const int kSub = 4; // sub-rows per pixel row
    const size_t n = corners.size();
    std::vector<float> crossings;
    for (int sy = 0; sy < mask.height * kSub; ++sy) {
        const float y = (sy + 0.5f) / kSub;
        crossings.clear();
        for (size_t i = 0; i < n; ++i) {
            const SPoint a = corners[i], b = corners[(i + 1) % n];
            if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y))
                crossings.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        const int row = sy / kSub;
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const float x0 = std::max(0.0f, crossings[i]), x1 = std::min(float(mask.width), crossings[i + 1]);
            for (int x = int(x0); x < int(std::ceil(x1)) && x < mask.width; ++x) {
                const float covered = std::min(x1, x + 1.0f) - std::max(x0, float(x));
                if (covered > 0)
                    mask.at(x, row) = std::min(1.0f, mask.at(x, row) + covered / kSub);
            }
        }
    }
}

std::vector<SPoint> smoothOutline(const std::vector<SPoint> &points, int steps)
{
    std::vector<SPoint> out;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const SPoint p0 = points[(i + n - 1) % n], p1 = points[i], p2 = points[(i + 1) % n],
                     p3 = points[(i + 2) % n];
        for (int s = 0; s < steps; ++s) {
            const float t = float(s) / steps, t2 = t * t, t3 = t2 * t;
            auto blend = [&](float a, float b, float c, float d) {
                return 0.5f * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    return out;
}
