#include "render/OverlayText.h"

#include "base/DrawText.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int glyphWidth = 8;
constexpr int margin = 4; // room for the glyphs' descent and offsets

} // namespace

void OverlayText::Prepare(const float x, const float y, const char* text, const int viewWidth,
                          const int viewHeight) {
    const int currentWindow = glutGetWindow();
    if (texture != 0 && window == currentWindow && width == viewWidth && height == viewHeight) {
        return;
    }
    if (texture != 0 && window == currentWindow) {
        glDeleteTextures(1, &texture);
    }
    texture = 0;
    window = currentWindow;
    width = viewWidth;
    height = viewHeight;
    if (currentWindow == 0 || viewWidth <= 0 || viewHeight <= 0) {
        return;
    }

    // The block of window pixels the text can touch: overlay y grows
    // downwards from the vertical middle, window y upwards from the bottom.
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            ++lines;
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    const int top = viewHeight / 2 - static_cast<int>(y) + textLineHeight + margin;
    left = std::max(static_cast<int>(x) - margin, 0);
    bottom = std::max(top - textLineHeight * (lines + 1) - 2 * margin, 0);
    columns = std::min(static_cast<int>(x) + glyphWidth * longest + margin, viewWidth) - left;
    rows = std::min(top, viewHeight) - bottom;
    if (columns <= 0 || rows <= 0) {
        return;
    }

    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, viewWidth, 0.0, viewHeight);
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -static_cast<float>(viewHeight) / 2.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    DrawText(x, y, text);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    // Lit pixels become opaque texels, the rest clear ones.
    std::vector<GLubyte> red(static_cast<size_t>(columns * rows));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, bottom, columns, rows, GL_RED, GL_UNSIGNED_BYTE, red.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    for (GLubyte& texel : red) {
        texel = texel > 127 ? 255 : 0;
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, columns, rows, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 red.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

bool OverlayText::Draw() const {
    if (texture == 0 || window != glutGetWindow()) {
        return false;
    }
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor3f(1.0f, 1.0f, 1.0f);
    // The block's window pixels in overlay coordinates, texel for pixel.
    const float x0 = static_cast<float>(left);
    const float x1 = static_cast<float>(left + columns);
    const float y0 = static_cast<float>(height) / 2.0f - static_cast<float>(bottom);
    const float y1 = y0 - static_cast<float>(rows);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x0, y0);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x1, y0);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x1, y1);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x0, y1);
    glEnd();
    glPopAttrib();
    return true;
}
