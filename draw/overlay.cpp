// Pixel-space image quads and full-view tint quads. The scenes rely on the GL
// state each helper leaves behind, so every enable and disable here is deliberate.
#include "draw/overlay.h"

void beginOverlay(int width, int height)
{
    glPushMatrix();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}

void endOverlay()
{
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void drawImageQuad(int x, int y, int w, int h, GLuint texture)
{
    const float left = static_cast<float>(x);
    const float bottom = static_cast<float>(y);
    const float right = static_cast<float>(x + w);
    const float top = static_cast<float>(y + h);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, bottom, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, bottom, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, top, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, top, 0.0f);
    glEnd();
}

void drawBlendedImageQuad(int x, int y, int w, int h, GLuint texture)
{
    const float left = static_cast<float>(x);
    const float bottom = static_cast<float>(y);
    const float right = static_cast<float>(x + w);
    const float top = static_cast<float>(y + h);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, bottom, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, bottom, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, top, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, top, 0.0f);
    glEnd();
    glDisable(GL_BLEND);
}

void drawTintQuad(float r, float g, float b, float a, float halfWidth, float halfHeight)
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glColor4f(r, g, b, a);
    // Eye depth 1: exactly on the frame loop's near plane, which still draws it.
    glVertex3f(-halfWidth, -halfHeight, -1.0f);
    glVertex3f(halfWidth, -halfHeight, -1.0f);
    glVertex3f(halfWidth, halfHeight, -1.0f);
    glVertex3f(-halfWidth, halfHeight, -1.0f);
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}
