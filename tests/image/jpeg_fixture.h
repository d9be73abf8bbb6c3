// Encodes small JPEG files with libjpeg for the reader's tests and the fuzz seeds.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

// components 1 (greyscale), 3 (RGB) or 4 (CMYK); pixel (x, y) gets a gradient so rows differ.
inline std::vector<unsigned char> makeJpeg(int width, int height, int components,
                                           int quality = 90)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * components);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[x * components + c] = static_cast<unsigned char>((x * 4 + y * 6 + c * 40) & 0xff);
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> file(out, out + outSize);
    free(out);
    return file;
}

// Rewrites the frame header's size: a few bytes can claim any image size.
inline void setJpegSize(std::vector<unsigned char> &file, int width, int height)
{
    for (size_t i = 0; i + 9 < file.size(); ++i) {
        if (file[i] == 0xff && (file[i + 1] == 0xc0 || file[i + 1] == 0xc2)) {
            file[i + 5] = static_cast<unsigned char>(height >> 8);
            file[i + 6] = static_cast<unsigned char>(height & 0xff);
            file[i + 7] = static_cast<unsigned char>(width >> 8);
            file[i + 8] = static_cast<unsigned char>(width & 0xff);
            return;
        }
    }
}
