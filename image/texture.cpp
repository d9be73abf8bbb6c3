// Image files to GL textures; the reader objects live only until the upload.
#include "image/texture.h"

#include <cstdlib>

#include "image/jpeg.h"
#include "image/tga.h"

namespace {
void setLinearRepeat()
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}
// A new texture, bound, with level 0 uploaded from packed rows. Both readers
// pack their rows; under GL's default of 4 an odd row length would be read
// past the end of the buffer.
GLuint newTexture(GLint components, int width, int height, GLenum format, const void *pixels)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    return name;
}
}  // namespace

GLuint loadJpegTexture(const char *path)
{
    Cjpeg *image = new Cjpeg();
    if (!image->loadImage(path)) {
        delete image;
        return 0;
    }
    const GLenum source = image->bpp == 8 ? GL_LUMINANCE : GL_RGB;
    GLuint name = newTexture(3, image->width, image->height, source, image->data);
    setLinearRepeat();
    delete image;
    return name;
}

GLuint loadTgaTexture(const char *path)
{
    CTGA *image = new CTGA();
    if (!image->loadImage(path)) {
        delete image;
        return 0;
    }
    GLuint name = newTexture(4, image->width, image->height, image->format, image->data);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    setLinearRepeat();
    delete image;
    return name;
}

GLuint createBlankTexture(int size)
{
    const size_t side = size > 0 ? static_cast<size_t>(size) : 0;
    unsigned char *black = static_cast<unsigned char *>(calloc(side * side * 3 + 1, 1));
    GLuint name = newTexture(3, size, size, GL_RGB, black);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    free(black);
    return name;
}

void bindTexture(GLuint name)
{
    glBindTexture(GL_TEXTURE_2D, name);
}
