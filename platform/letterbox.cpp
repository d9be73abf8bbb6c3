// The letterbox rectangle used when presenting the virtual full-screen mode.
#include "platform/letterbox.h"

SLetterbox letterboxRect(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight)
{
    if (sourceWidth <= 0 || sourceHeight <= 0 || targetWidth <= 0 || targetHeight <= 0)
        return {0, 0, 0, 0};
    // Integer cross-multiplication: exact for 4:3 into 16:9 and friends.
    const long long wide = static_cast<long long>(targetWidth) * sourceHeight;
    const long long tall = static_cast<long long>(targetHeight) * sourceWidth;
    SLetterbox box;
    if (wide > tall) {
        box.height = targetHeight;
        box.width = static_cast<int>((static_cast<long long>(targetHeight) * sourceWidth +
                                      sourceHeight / 2) / sourceHeight);
    } else {
        box.width = targetWidth;
        box.height = static_cast<int>((static_cast<long long>(targetWidth) * sourceHeight +
                                       sourceWidth / 2) / sourceWidth);
    }
    box.x = (targetWidth - box.width) / 2;
    box.y = (targetHeight - box.height) / 2;
    return box;
}
