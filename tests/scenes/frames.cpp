// Picture checks for whole-demo runs.
#include "frames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "timer/timer.h"

float flashVeil(float t)
{
    double sum = 0.0;
    for (float p : g_timer.flashPoints) {
        const int m = std::abs(static_cast<int>((static_cast<double>(t) - p) * 100.0));
        if (m == 0)
            return 1.0f;
        sum += 1.0 / m;
    }
    return static_cast<float>(std::min(sum, 1.0));
}

void keepLeastFlashed(SKeptFrame &slot, const unsigned char *rgba, float t)
{
    const float veil = flashVeil(t);
    if (slot.kept && veil >= slot.veil)
        return;
    slot.kept = true;
    slot.time = t;
    slot.veil = veil;
    slot.rgba.assign(rgba, rgba + static_cast<size_t>(kFrameWidth) * kFrameHeight * 4);
}

SRect clipToFrame(SRect r)
{
    return {std::max(r.x0, 0), std::max(r.y0, 0), std::min(r.x1, kFrameWidth),
            std::min(r.y1, kFrameHeight)};
}

SRect shrink(SRect r, int by)
{
    return {r.x0 + by, r.y0 + by, r.x1 - by, r.y1 - by};
}

namespace {

const unsigned char *at(const SKeptFrame &f, int x, int y)
{
    return f.rgba.data() + (static_cast<size_t>(y) * kFrameWidth + x) * 4;
}

int largestDifference(const unsigned char *p, const unsigned char *q)
{
    int d = 0;
    for (int c = 0; c < 3; ++c)
        d = std::max(d, std::abs(p[c] - q[c]));
    return d;
}

bool contains(SRect r, int x, int y)
{
    return x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1;
}

} // namespace

double meanLuma(const SKeptFrame &f, SRect r)
{
    return (meanChannel(f, r, 0) + meanChannel(f, r, 1) + meanChannel(f, r, 2)) / 3.0;
}

double meanChannel(const SKeptFrame &f, SRect r, int channel)
{
    r = clipToFrame(r);
    double sum = 0.0;
    long count = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x, ++count)
            sum += at(f, x, y)[channel];
    return count ? sum / count : 0.0;
}

double changedShare(const SKeptFrame &a, const SKeptFrame &b, SRect r, int threshold)
{
    r = clipToFrame(r);
    long changed = 0;
    long count = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x, ++count)
            changed += largestDifference(at(a, x, y), at(b, x, y)) > threshold ? 1 : 0;
    return count ? static_cast<double>(changed) / count : 0.0;
}

double changedShareOutside(const SKeptFrame &a, const SKeptFrame &b,
                           const std::vector<SRect> &inside, int threshold)
{
    long changed = 0;
    long count = 0;
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) {
            bool skip = false;
            for (const SRect &r : inside)
                skip = skip || contains(r, x, y);
            if (skip)
                continue;
            ++count;
            changed += largestDifference(at(a, x, y), at(b, x, y)) > threshold ? 1 : 0;
        }
    return count ? static_cast<double>(changed) / count : 0.0;
}

double whiteShare(const SKeptFrame &f, SRect r, int floor)
{
    r = clipToFrame(r);
    long white = 0;
    long count = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x, ++count) {
            const unsigned char *p = at(f, x, y);
            white += (p[0] >= floor && p[1] >= floor && p[2] >= floor) ? 1 : 0;
        }
    return count ? static_cast<double>(white) / count : 0.0;
}
