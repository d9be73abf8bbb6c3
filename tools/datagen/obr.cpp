// Writer of the .obr object format: little-endian int32 counts, an opaque block
// (left empty), interleaved x y z u v float32 vertices, int32 triangle indices.
#include "tools/datagen/obr.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

int SObrMesh::addVertex(float x, float y, float z, float u, float v)
{
    const float values[5] = {x, y, z, u, v};
    vertices.insert(vertices.end(), values, values + 5);
    return vertexCount() - 1;
}

void SObrMesh::addTriangle(int a, int b, int c)
{
    faces.push_back(a);
    faces.push_back(b);
    faces.push_back(c);
}

void SObrMesh::addQuad(int a, int b, int c, int d)
{
    addTriangle(a, b, c);
    addTriangle(a, c, d);
}

static void putInt(std::vector<unsigned char> &out, int32_t value)
{
    const uint32_t u = uint32_t(value);
    for (int i = 0; i < 4; ++i)
        out.push_back((u >> (8 * i)) & 0xff);
}

static void putFloat(std::vector<unsigned char> &out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    putInt(out, int32_t(bits));
}

bool writeObr(const std::string &path, const std::vector<SObrMesh> &meshes)
{
    std::vector<unsigned char> out;
    putInt(out, int32_t(meshes.size()));
    for (const SObrMesh &mesh : meshes) {
        putInt(out, mesh.vertexCount());
        putInt(out, mesh.faceCount());
        putInt(out, 0);
        for (float value : mesh.vertices)
            putFloat(out, value);
        for (int index : mesh.faces)
            putInt(out, index);
    }
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}
