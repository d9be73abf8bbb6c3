// Builds object (.obr) files byte by byte for the loader's tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

struct SObrVertex {
    float x, y, z, u, v;
};

struct SObrMesh {
    std::vector<SObrVertex> vertices;
    std::vector<int32_t> indices;  // three per triangle
    std::vector<unsigned char> block;
};

class CObrWriter {
public:
    void putInt(int32_t value)
    {
        uint32_t u;
        memcpy(&u, &value, sizeof u);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<unsigned char>((u >> shift) & 0xff));
    }

    void putFloat(float value)
    {
        int32_t bits;
        memcpy(&bits, &value, sizeof bits);
        putInt(bits);
    }

    void putMesh(const SObrMesh &mesh)
    {
        putInt(static_cast<int32_t>(mesh.vertices.size()));
        putInt(static_cast<int32_t>(mesh.indices.size() / 3));
        putInt(static_cast<int32_t>(mesh.block.size()));
        bytes.insert(bytes.end(), mesh.block.begin(), mesh.block.end());
        for (const SObrVertex &v : mesh.vertices) {
            putFloat(v.x);
            putFloat(v.y);
            putFloat(v.z);
            putFloat(v.u);
            putFloat(v.v);
        }
        for (int32_t index : mesh.indices) putInt(index);
    }

    std::vector<unsigned char> bytes;
};

inline std::vector<unsigned char> makeObr(const std::vector<SObrMesh> &meshes)
{
    CObrWriter writer;
    writer.putInt(static_cast<int32_t>(meshes.size()));
    for (const SObrMesh &mesh : meshes) writer.putMesh(mesh);
    return writer.bytes;
}

// One triangle (0,0,0) (1,0,0) (0,1,0) with texture coordinates (0.25,0.75) (1,0) (0,1).
inline SObrMesh makeTriangleMesh()
{
    SObrMesh mesh;
    mesh.vertices = {{0, 0, 0, 0.25f, 0.75f}, {1, 0, 0, 1, 0}, {0, 1, 0, 0, 1}};
    mesh.indices = {0, 1, 2};
    return mesh;
}
