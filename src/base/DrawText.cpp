#include "base/DrawText.h"

#include "legacygl/Gl.h"

void DrawText(const float x, const float y, const char* text) {
    // The raster colour is latched by glRasterPos, so the colour comes first.
    // Lighting and texturing would tint the text and the scene's depth would
    // hide it, so they are off meanwhile.
    gl::PushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    gl::Disable(GL_LIGHTING);
    gl::Disable(GL_TEXTURE_2D);
    gl::Disable(GL_DEPTH_TEST);
    gl::Color3f(1.0f, 1.0f, 1.0f);
    gl::RasterPos2f(x, y);
    int line = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            ++line;
            gl::RasterPos2f(x, y + static_cast<float>(textLineHeight * line));
        } else {
            glut::BitmapCharacter(glut::Fixed8By13, *c);
        }
    }
    gl::PopAttrib();
}
