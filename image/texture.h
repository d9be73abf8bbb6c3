// Image files to GL textures. 0 means the load failed.
#pragma once

#include "platform/platform.h"

GLuint loadJpegTexture(const char *path);
GLuint loadTgaTexture(const char *path);
GLuint createBlankTexture(int size);
void bindTexture(GLuint name);
