// Builds TGA files byte by byte for the reader's tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <vector>

// An 18-byte header with the given size and depth, then `pixels` as they are.
inline std::vector<unsigned char> makeTga(int width, int height, int depth,
                                          const std::vector<unsigned char> &pixels)
{
    std::vector<unsigned char> file(18 + pixels.size(), 0);
    file[2] = 2;
    file[12] = static_cast<unsigned char>(width & 0xff);
    file[13] = static_cast<unsigned char>((width >> 8) & 0xff);
    file[14] = static_cast<unsigned char>(height & 0xff);
    file[15] = static_cast<unsigned char>((height >> 8) & 0xff);
    file[16] = static_cast<unsigned char>(depth);
    for (size_t i = 0; i < pixels.size(); ++i) file[18 + i] = pixels[i];
    return file;
}

// A width x height image whose pixel k holds the bytes k*depth/8 + 0, 1, 2 (, 3).
inline std::vector<unsigned char> makeCountingTga(int width, int height, int depth)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * (depth / 8));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i);
    return makeTga(width, height, depth, pixels);
}
