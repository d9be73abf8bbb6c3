// Uncompressed 24/32-bit TGA reader. Sizes are checked in 64 bits against the
// bytes left in the file before the pixel buffer is allocated.
#include "image/tga.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
const char *const kCaption = "CTGA::loadImage()";
const long kHeaderSize = 18;

void reportCorrupt()
{
    MessageBoxA(nullptr, "Corrupt TGA file", kCaption, MB_OK);
}

// Bytes between the current position and the end, or -1 if the stream cannot seek.
long long bytesLeft(FILE *file)
{
    long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0) return -1;
    long end = ftell(file);
    if (end < 0 || fseek(file, here, SEEK_SET) != 0) return -1;
    return static_cast<long long>(end) - here;
}
}  // namespace

CTGA::CTGA() : data(nullptr), bpp(0), width(0), height(0), format(0) {}

CTGA::~CTGA()
{
    free(data);
}

bool CTGA::loadImage(const char *path)
{
    fileName = path;
    FILE *file = fopen(path, "rb");
    if (!file) return false;
    bool loaded = loadFromStream(file, path);
    fclose(file);
    return loaded;
}

bool CTGA::loadFromStream(FILE *file, const char *path)
{
    fileName = path;
    long long left = bytesLeft(file);

    unsigned char skipped[12];
    unsigned char header[6];
    if (fread(skipped, 1, sizeof skipped, file) != sizeof skipped ||
        fread(header, 1, sizeof header, file) != sizeof header) {
        reportCorrupt();
        return false;
    }
    width = header[0] | (header[1] << 8);
    height = header[2] | (header[3] << 8);
    bpp = header[4];

    GLenum pixelFormat;
    if (bpp == 24) {
        pixelFormat = GL_RGB;
    } else if (bpp == 32) {
        pixelFormat = GL_RGBA;
    } else {
        MessageBoxA(nullptr, "Unsupported TGA depth", kCaption, MB_OK);
        return false;
    }

    const int pixelSize = bpp / 8;
    const uint64_t size = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * pixelSize;
    const bool sizeFits = size <= UINT32_MAX;
    // A stream that cannot tell its size cannot bound the allocation: refused too.
    const bool bytesThere = left >= 0 && static_cast<uint64_t>(left) >= kHeaderSize + size;
    if (width == 0 || height == 0 || !sizeFits || !bytesThere) {
        reportCorrupt();
        return false;
    }

    unsigned char *pixels = static_cast<unsigned char *>(malloc(size));
    if (!pixels || fread(pixels, 1, size, file) != size) {
        free(pixels);
        reportCorrupt();
        return false;
    }
    for (uint64_t i = 0; i < size; i += pixelSize) {
        unsigned char blue = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = blue;
    }

    free(data);
    data = pixels;
    format = pixelFormat;
    return true;
}
