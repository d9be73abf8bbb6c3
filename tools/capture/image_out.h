// PNG output of captured frames (RGBA, bottom row first, as GL reads them).
#pragma once

#include <string>
#include <vector>

bool writeFramePng(const std::string &path, const unsigned char *rgba, int width, int height);

// Several frames, each scaled down by `shrink`, side by side in rows of `columns`.
bool writeContactSheet(const std::string &path, const std::vector<std::vector<unsigned char>> &frames,
                       int width, int height, int shrink, int columns);
