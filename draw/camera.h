// Camera-path maths: cubic Bezier points and rotations about an axis.
#pragma once

#include "mesh/vector.h"

// t = 0 gives p3, t = 1 gives p0.
CVector bezierPoint(const CVector &p0, const CVector &p1, const CVector &p2, const CVector &p3,
                    float t);
CVector bezierPathPoint(const CVector path[4], float t);
void rotateAboutY(CVector &v, float angle);
void rotateAboutZ(CVector &v, float angle);

extern const CVector g_barrelCameraPath[4];
