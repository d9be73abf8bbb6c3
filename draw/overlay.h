// Pixel-space image quads and full-view tint quads over the 3D picture.
#pragma once

#include "platform/platform.h"

void beginOverlay(int width, int height);
void endOverlay();
// For images stored top row first (JPEG).
void drawImageQuad(int x, int y, int w, int h, GLuint texture);
// Alpha-blended, in white; for images stored bottom row first (TGA).
void drawBlendedImageQuad(int x, int y, int w, int h, GLuint texture);
// Translucent untextured quad at eye depth 1.
void drawTintQuad(float r, float g, float b, float a, float halfWidth = 0.6f,
                  float halfHeight = 0.42f);
