// Three-float vector for positions, directions and normals.
#pragma once

class CVector {
public:
    CVector() : x(0.0f), y(0.0f), z(0.0f) {}
    CVector(float x, float y, float z) : x(x), y(y), z(z) {}
    // The vector pointing from `from` to `to`.
    CVector(const CVector &from, const CVector &to);

    float length() const;
    void normalize();
    CVector &operator+=(const CVector &v);
    CVector cross(const CVector &v) const;

    float x;
    float y;
    float z;
};
