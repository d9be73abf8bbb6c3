// Vector maths for positions, directions and normals.
#include "mesh/vector.h"

#include <cmath>

CVector::CVector(const CVector &from, const CVector &to)
    : x(to.x - from.x), y(to.y - from.y), z(to.z - from.z)
{
}

float CVector::length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

void CVector::normalize()
{
    const float len = length();
    // A zero vector (an unused or degenerate vertex's normal) has no direction.
    if (len == 0.0f) return;
    const float f = 1.0f / len;
    x *= f;
    y *= f;
    z *= f;
}

CVector &CVector::operator+=(const CVector &v)
{
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

CVector CVector::cross(const CVector &v) const
{
    return CVector(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
}
