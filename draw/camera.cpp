// Camera-path maths for the barrel corridor's flight and the room's orbits.
#include "draw/camera.h"

#include <cmath>

const CVector g_barrelCameraPath[4] = {
    CVector(3.0f, 3.0f, -25.0f),
    CVector(-6.0f, -6.0f, 0.0f),
    CVector(3.0f, 2.0f, 700.0f),
    CVector(0.0f, 0.0f, 710.0f),
};

// The first point carries t cubed, so the curve runs from p3 at t = 0 to p0 at t = 1.
CVector bezierPoint(const CVector &p0, const CVector &p1, const CVector &p2, const CVector &p3,
                    float t)
{
    const float u = 1.0f - t;
    const float w0 = t * t * t;
    const float w1 = 3.0f * t * t * u;
    const float w2 = 3.0f * t * u * u;
    const float w3 = u * u * u;
    return CVector(w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x,
                   w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y,
                   w0 * p0.z + w1 * p1.z + w2 * p2.z + w3 * p3.z);
}

CVector bezierPathPoint(const CVector path[4], float t)
{
    return bezierPoint(path[0], path[1], path[2], path[3], t);
}

// Positive angles turn +X toward +Z.
void rotateAboutY(CVector &v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float x = v.x;
    const float z = v.z;
    v.x = x * c - z * s;
    v.z = x * s + z * c;
}

// Positive angles turn +X toward -Y.
void rotateAboutZ(CVector &v, float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float x = v.x;
    const float y = v.y;
    v.x = x * c + y * s;
    v.y = y * c - x * s;
}
