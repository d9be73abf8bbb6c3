// JPEG reader over libjpeg: top row first, rows packed, with a short report
// of every decoded file on the standard output stream.
#pragma once

#include <cstdio>

class Cjpeg {
public:
    Cjpeg();
    ~Cjpeg();

    bool loadImage(const char *path);
    // Decodes an already open file; the path is used for messages and the report.
    bool loadFromStream(FILE *file, const char *path);
    void release();

    int rowStride;
    int width;
    int height;
    int bpp;
    unsigned char *data;
};
