// One object file (.obr) in memory: its meshes in file order.
#pragma once

#include <cstdio>
#include <vector>

#include "mesh/mesh.h"

class COLVBrush {
public:
    COLVBrush();
    ~COLVBrush();

    bool loadFromFile(const char *path);
    // Reads an already open file; refuses a corrupt one whole.
    bool loadFromStream(FILE *file);

    void draw();
    void drawImmediate();

    std::vector<CMesh *> meshes;
    int meshCount;
};
