// Uncompressed 24/32-bit TGA reader: rows in file order, pixels as RGB(A).
#pragma once

#include <cstdio>
#include <string>

#include "platform/platform.h"

class CTGA {
public:
    CTGA();
    ~CTGA();

    bool loadImage(const char *path);
    // Reads an already open file; the path is only used for fileName.
    bool loadFromStream(FILE *file, const char *path);

    unsigned char *data;
    int bpp;
    int width;
    int height;
    GLenum format;
    std::string fileName;
};
