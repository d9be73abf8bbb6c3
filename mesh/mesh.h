// One triangle mesh with tightly packed arrays that GL draws in place.
#pragma once

#include "mesh/vector.h"
#include "platform/platform.h"

class CMesh {
public:
    CMesh();
    ~CMesh();

    void scale(float factor);
    void computeNormals();
    void invert();
    void setTexture(GLuint name);

    void draw();
    void drawImmediate();

    float *positions;
    int *faces;
    CVector *normals;
    float *texCoords;
    GLuint texture;
    int vertexCount;
    int faceCount;
    int normalCount;
    int texCoordCount;
};
