// Meshes as the generator builds them, and the writer of the .obr object format.
#pragma once

#include <string>
#include <vector>

struct SObrMesh {
    std::vector<float> vertices; // x, y, z, u, v per vertex
    std::vector<int> faces;      // three corner indices per triangle

    int addVertex(float x, float y, float z, float u, float v);
    void addTriangle(int a, int b, int c);
    // Corners a, b, c, d counter-clockwise seen from the front.
    void addQuad(int a, int b, int c, int d);
    int vertexCount() const { return int(vertices.size() / 5); }
    int faceCount() const { return int(faces.size() / 3); }
};

// Writes the meshes in order, each with an empty block; false if the file fails.
bool writeObr(const std::string &path, const std::vector<SObrMesh> &meshes);
