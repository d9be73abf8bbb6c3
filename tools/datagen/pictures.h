// Every picture of the data set, as painted rasters with their path and format.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/raster.h"

enum class EImageFormat { Jpeg, Tga32 };

struct SPicture {
    std::string path; // relative to the data folder's parent, e.g. "data/textures/tak.jpg"
    CRaster image;    // at its stored size
    EImageFormat format;
};

// Mesh textures: blank, tonne, tvegg, vegg, tak, gulv, tunnel, svarting.
std::vector<SPicture> makeTextures();
// Full-screen pictures and overlays: loading, logo, jente, the three overlays.
std::vector<SPicture> makeScreens();
// The five credits and the four greetings.
std::vector<SPicture> makeLabels();

// Size full-screen pictures are painted at (the screen's 4:3) and stored at.
const int kScreenWidth = 1024, kScreenHeight = 768;
const int kStoredWidth = 1024, kStoredHeight = 512;
