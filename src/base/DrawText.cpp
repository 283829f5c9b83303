#include "base/DrawText.h"

#include <GL/freeglut.h>

void DrawText(const float x, const float y, const char* text) {
    // The raster colour is latched by glRasterPos, so the colour comes first.
    // Lighting and texturing would tint the text and the scene's depth would
    // hide it, so they are off meanwhile.
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2f(x, y);
    int line = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            ++line;
            glRasterPos2f(x, y + static_cast<float>(textLineHeight * line));
        } else {
            glutBitmapCharacter(GLUT_BITMAP_8_BY_13, *c);
        }
    }
    glPopAttrib();
}
