// Geometry operations on one mesh and its two drawing paths.
#include "mesh/mesh.h"

CMesh::CMesh()
    : positions(nullptr), faces(nullptr), normals(nullptr), texCoords(nullptr), texture(0),
      vertexCount(0), faceCount(0), normalCount(0), texCoordCount(0)
{
}

CMesh::~CMesh()
{
    delete[] positions;
    delete[] faces;
    delete[] normals;
    delete[] texCoords;
}

void CMesh::scale(float factor)
{
    for (int k = 0; k < vertexCount * 3; ++k) positions[k] *= factor;
}

void CMesh::computeNormals()
{
    for (int k = 0; k < vertexCount; ++k) normals[k] = CVector();
    for (int f = 0; f < faceCount; ++f) {
        const int *corner = faces + f * 3;
        const CVector p0(positions[corner[0] * 3], positions[corner[0] * 3 + 1],
                         positions[corner[0] * 3 + 2]);
        const CVector p1(positions[corner[1] * 3], positions[corner[1] * 3 + 1],
                         positions[corner[1] * 3 + 2]);
        const CVector p2(positions[corner[2] * 3], positions[corner[2] * 3 + 1],
                         positions[corner[2] * 3 + 2]);
        const CVector e1(p0, p1);
        const CVector e2(p0, p2);
        // Not normalised: twice the triangle's area, so larger triangles weigh more.
        const CVector n = e1.cross(e2);
        normals[corner[0]] += n;
        normals[corner[1]] += n;
        normals[corner[2]] += n;
    }
    for (int k = 0; k < vertexCount; ++k) normals[k].normalize();
}

void CMesh::invert()
{
    for (int k = 0; k < vertexCount * 3; ++k) positions[k] = -positions[k];
}

void CMesh::setTexture(GLuint name)
{
    texture = name;
}

void CMesh::draw()
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glNormalPointer(GL_FLOAT, 0, normals);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawElements(GL_TRIANGLES, faceCount * 3, GL_UNSIGNED_INT, faces);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void CMesh::drawImmediate()
{
    for (int f = 0; f < faceCount; ++f) {
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; ++c) {
            const int i = faces[f * 3 + c];
            glTexCoord2f(texCoords[i * 2], texCoords[i * 2 + 1]);
            glNormal3f(normals[i].x, normals[i].y, normals[i].z);
            glVertex3f(positions[i * 3], positions[i * 3 + 1], positions[i * 3 + 2]);
        }
        glEnd();
    }
}
