// JPEG reader over libjpeg (version 62 interface). A file the library cannot
// decode is refused through a recovery point instead of ending the process.
#include "image/jpeg.h"

#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include <jpeglib.h>

#include "platform/platform.h"

namespace {
const char *const kCaption = "Cjpeg::loadImage()";
// A few header bytes can claim any size; nothing the demo shows is near this.
const JDIMENSION kMaxSide = 16384;

struct SErrorManager {
    jpeg_error_mgr standard;
    jmp_buf recovery;
};

// Prints the library's message as its standard manager would, then returns to
// the recovery point in loadFromStream.
void exitToRecovery(j_common_ptr info)
{
    (*info->err->output_message)(info);
    longjmp(reinterpret_cast<SErrorManager *>(info->err)->recovery, 1);
}

void reportUndecodable(const char *path)
{
    std::string text = std::string("Unable to decode ") + path;
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK);
}
}  // namespace

Cjpeg::Cjpeg() : rowStride(0), width(0), height(0), bpp(0), data(nullptr) {}

Cjpeg::~Cjpeg()
{
    release();
}

void Cjpeg::release()
{
    free(data);
    data = nullptr;
}

bool Cjpeg::loadImage(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (!file) {
        std::string text = std::string("Unable to open ") + path;
        MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK);
        return false;
    }
    bool loaded = loadFromStream(file, path);
    fclose(file);
    if (loaded) {
        std::cout << "Loading " << path << std::endl;
        std::cout << "Width: " << width << std::endl;
        std::cout << "Height: " << height << std::endl;
        std::cout << "bpp: " << bpp << std::endl;
        std::cout << std::endl;
    }
    return loaded;
}

bool Cjpeg::loadFromStream(FILE *file, const char *path)
{
    jpeg_decompress_struct info;
    SErrorManager errors;
    // Both are reached after a longjmp, so they live in memory, not registers.
    JSAMPROW *volatile rows = nullptr;
    unsigned char *volatile pixels = nullptr;

    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = exitToRecovery;
    if (setjmp(errors.recovery)) {
        free(rows);
        free(pixels);
        jpeg_destroy_decompress(&info);
        reportUndecodable(path);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);

    const bool supported = info.num_components == 1 || info.num_components == 3;
    if (!supported || info.image_width > kMaxSide || info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        reportUndecodable(path);
        return false;
    }
    jpeg_start_decompress(&info);
    if (info.output_components != info.num_components) {
        jpeg_destroy_decompress(&info);
        reportUndecodable(path);
        return false;
    }

    const int stride = static_cast<int>(info.output_width) * info.num_components;
    const JDIMENSION rowCount = info.output_height;
    pixels = static_cast<unsigned char *>(malloc(static_cast<size_t>(stride) * rowCount));
    rows = static_cast<JSAMPROW *>(malloc(sizeof(JSAMPROW) * rowCount));
    if (!pixels || !rows) {
        free(rows);
        free(pixels);
        jpeg_destroy_decompress(&info);
        reportUndecodable(path);
        return false;
    }
    for (JDIMENSION i = 0; i < rowCount; ++i) rows[i] = pixels + static_cast<size_t>(i) * stride;

    JDIMENSION n = 0;
    while (info.output_scanline < info.output_height) {
        JDIMENSION got = jpeg_read_scanlines(&info, rows + n, info.output_height - n);
        if (got == 0) {
            // Only a suspending source returns no rows; ours never should.
            free(rows);
            free(pixels);
            jpeg_destroy_decompress(&info);
            reportUndecodable(path);
            return false;
        }
        n += got;
    }
    free(rows);
    rows = nullptr;
    const int decodedWidth = static_cast<int>(info.output_width);
    const int decodedBpp = 8 * info.output_components;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    release();
    data = pixels;
    rowStride = stride;
    width = decodedWidth;
    height = static_cast<int>(rowCount);
    bpp = decodedBpp;
    return true;
}
