// Where a picture of one size lands inside a target of another when its shape
// is kept: centred, with bars on the two sides that are too long.
#pragma once

struct SLetterbox {
    int x;
    int y;
    int width;
    int height;
};

SLetterbox letterboxRect(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);
