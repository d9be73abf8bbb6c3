// Picture checks for whole-demo runs: kept frames, the flash veil over them,
// and region statistics.
#pragma once

#include <vector>

// One presented frame kept for later checks.
struct SKeptFrame {
    bool kept = false;
    float time = 0.0f;
    float veil = 1.0f;  // strength of the flash overlay on it
    std::vector<unsigned char> rgba;
};

// Pixel rectangle [x0, x1) x [y0, y1), y from the bottom.
struct SRect {
    int x0;
    int y0;
    int x1;
    int y1;
};

const int kFrameWidth = 800;
const int kFrameHeight = 600;

// The flash overlay's strength at demo time t, from the loaded flash list.
float flashVeil(float t);

// Keeps this frame in `slot` when it is the least flashed one seen so far.
void keepLeastFlashed(SKeptFrame &slot, const unsigned char *rgba, float t);

SRect clipToFrame(SRect r);
SRect shrink(SRect r, int by);
// Mean of (r + g + b) / 3 over the rectangle.
double meanLuma(const SKeptFrame &f, SRect r);
double meanChannel(const SKeptFrame &f, SRect r, int channel);
// Share of the rectangle's pixels whose largest channel difference exceeds threshold.
double changedShare(const SKeptFrame &a, const SKeptFrame &b, SRect r, int threshold);
// The same over every pixel outside all the given rectangles.
double changedShareOutside(const SKeptFrame &a, const SKeptFrame &b,
                           const std::vector<SRect> &inside, int threshold);
// Share of the rectangle's pixels with every channel at least `floor`.
double whiteShare(const SKeptFrame &f, SRect r, int floor);
