// The arithmetic that decides what the scenes draw: credit times, greeting
// rectangles, camera positions, glow copies, texture scroll. Pure functions,
// so the scenes and their tests share one definition.
#pragma once

#include <cmath>

#include "draw/camera.h"
#include "mesh/vector.h"

// Intro credits: inclusive, against the double value of the bound (a float
// 8.7 lies below the double 8.7).
inline bool creditShown(float t, double from)
{
    return static_cast<double>(t) >= from;
}

// One greeting image in overlay pixels; shown is false outside its window.
struct SGreetingRect {
    bool shown;
    int x;
    int y;
    int w;
    int h;
};

// Greetings A to D (index 0 to 3) at scene time t. Products with t are taken
// in double precision and truncated toward zero; 25.6 and 51.2 are floats.
inline SGreetingRect greetingRect(int index, float t)
{
    const double td = t;
    SGreetingRect r = {false, 0, 0, 0, 0};
    switch (index) {
    case 0:
        if (td > 2.0 && td < 5.0)
            r = {true, 85, 350, static_cast<int>(60.0 * td - 2.0), 256};
        break;
    case 1:
        if (td > 4.0 && t < 7.0f) {
            const int g = static_cast<int>(60.0 * td - 4.0);
            r = {true, 534 - g, 170, 256 - static_cast<int>(4.0 - 60.0 * td), 256};
        }
        break;
    case 2:
        if (td > 6.0 && t < 9.0f)
            r = {true, 220, 440, static_cast<int>(60.0 * td - 6.0),
                 static_cast<int>(static_cast<double>(25.6f) * td)};
        break;
    case 3:
        if (td > 8.0 && t < 11.0f)
            r = {true, 10, -75, static_cast<int>(60.0 * td - 8.0),
                 static_cast<int>(static_cast<double>(51.2f) * td)};
        break;
    default:
        break;
    }
    return r;
}

// Barrel corridor camera at scene time L: the Bezier flight before 9.2 s
// (looking back at (p.x, p.x, p.x + 1)), the pull-back after it.
inline void barrelCamera(float L, CVector &eye, CVector &centre)
{
    if (static_cast<double>(L) < 9.2) {
        const CVector p = bezierPathPoint(g_barrelCameraPath, 0.09f * L);
        eye = p;
        centre = CVector(p.x, p.x, p.x + 1.0f);
    } else {
        eye = CVector(2.0f, 1.0f, 40.0f * L - 8.0f);
        centre = CVector(2.2f, 1.2f, 20.0f * L - 2.0f);
    }
}

// Alpha of the pulsing tunnel overlay of the barrel corridor: 0.1 to 0.5.
inline float barrelOverlayAlpha(float L)
{
    return static_cast<float>(0.3 + 0.2 * std::sin(3.0 * L));
}

// The finale's camera row for demo time t (strict windows), or -1 for none.
inline int roomWaypointRow(float t)
{
    const double td = t;
    if (td > 0.0 && td < 122.9)
        return 0;
    if (td > 122.9 && td < 126.7)
        return 1;
    if (td > 126.7 && td < 130.6)
        return 2;
    if (td > 130.6 && td < 134.5)
        return 3;
    if (td > 134.5 && td < 138.3)
        return 4;
    if (td > 138.3 && td < 142.1)
        return 5;
    if (td > 142.1)
        return 6;
    return -1;
}

// The finale's waypoint eye for demo time t and scene time R; false when no
// row holds t (the view then stays the identity).
inline bool roomWaypointEye(float t, float R, CVector &eye)
{
    switch (roomWaypointRow(t)) {
    case 0:
        eye = CVector(0.0f, -50.0f, -99.0f);
        rotateAboutY(eye, 0.1f * R);
        return true;
    case 1:
        eye = CVector(10.0f, -60.0f, -69.0f);
        rotateAboutY(eye, 0.5f * R);
        return true;
    case 2:
        eye = CVector(15.0f, -70.0f, -139.0f);
        rotateAboutY(eye, 0.5f * R);
        return true;
    case 3:
        eye = CVector(2.0f, 2.0f, -149.0f);
        rotateAboutZ(eye, 0.1f * R);
        return true;
    case 4:
        eye = CVector(4.0f, -50.0f, -50.0f);
        rotateAboutY(eye, 0.5f * R);
        rotateAboutZ(eye, 0.01f * R);
        return true;
    case 5:
        eye = CVector(12.0f, -40.0f, -59.0f);
        rotateAboutY(eye, 0.3f * R);
        return true;
    case 6:
        eye = CVector(0.0f, -50.0f, -79.0f);
        rotateAboutY(eye, 0.7f * R);
        return true;
    default:
        return false;
    }
}

// The finale's glow spread, between 1 and 11.
inline float roomGlowSpread(float time)
{
    return static_cast<float>(6.0 + 5.0 * std::sin(13.3 * time));
}

// Upper bound on glow copies; the spread (1 to 11) gives five or six.
const int kMaxGlowCopies = 16;

// Offsets k of the glow copies for spread s, in drawing order; returns how
// many. Single-precision steps of 0.2 s from 0 while below s.
inline int glowCopyOffsets(float s, int offsets[kMaxGlowCopies])
{
    int count = 0;
    const float d = 0.2f * s;
    for (float h = 0.0f; h < s && count < kMaxGlowCopies; h = h + d)
        offsets[count++] = static_cast<int>(h * s);
    return count;
}

// Scrolls one tunnel texture coordinate (s, tc) by one frame of delta at
// demo time t: both directions after 54.5 s, only the second before.
inline void tunnelScroll(float t, float delta, float &s, float &tc)
{
    if (static_cast<double>(t) > 54.5) {
        s = s + delta;
        tc = tc + delta;
    } else {
        tc = static_cast<float>(tc + 0.85 * delta);
    }
}

// The tunnel camera's aim point x: swings after 62.2 s.
inline double tunnelAimX(float t)
{
    return static_cast<double>(t) > 62.2 ? std::sin(10.0 * t) : 0.0;
}
