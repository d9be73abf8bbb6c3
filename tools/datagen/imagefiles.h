// Writers of the two image formats the demo reads.
#pragma once

#include <string>

#include "tools/datagen/raster.h"

// Baseline colour JPEG, top row first; false if the file cannot be written.
bool writeJpeg(const std::string &path, const CRaster &image, int quality = 90);
// Uncompressed TGA, bottom row first (descriptor origin bit clear), 24 or 32 bits.
bool writeTga(const std::string &path, const CRaster &image, bool withAlpha);
