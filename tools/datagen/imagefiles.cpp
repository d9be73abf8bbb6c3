// JPEG through libjpeg's compressor, TGA by hand.
#include "tools/datagen/imagefiles.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>

static unsigned char toByte(float v)
{
    const float c = v < 0 ? 0 : (v > 1 ? 1 : v);
    return (unsigned char)(c * 255.0f + 0.5f);
}

bool writeJpeg(const std::string &path, const CRaster &image, int quality)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(image.width) * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const SColor &c = image.at(x, y);
            row[x * 3] = toByte(c.r);
            row[x * 3 + 1] = toByte(c.g);
            row[x * 3 + 2] = toByte(c.b);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

bool writeTga(const std::string &path, const CRaster &image, bool withAlpha)
{
    const int depth = withAlpha ? 4 : 3;
    std::vector<unsigned char> out(18, 0);
    out[2] = 2; // uncompressed true colour
    out[12] = image.width & 0xff;
    out[13] = (image.width >> 8) & 0xff;
    out[14] = image.height & 0xff;
    out[15] = (image.height >> 8) & 0xff;
    out[16] = (unsigned char)(depth * 8);
    out[17] = withAlpha ? 8 : 0; // alpha bits; origin bottom left
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const SColor &c = image.at(x, y);
            out.push_back(toByte(c.b));
            out.push_back(toByte(c.g));
            out.push_back(toByte(c.r));
            if (withAlpha)
                out.push_back(toByte(c.a));
        }
    }
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}
