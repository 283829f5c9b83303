#pragma once

#include "legacygl/Gl.h"

// OverlayText: a text of the 2D overlay drawn once with GLUT's bitmap font
// and kept as a texture, so that each frame shows it with one textured quad
// instead of one bitmap draw per character. Mesa's software renderer pays a
// whole-tile draw for every few bitmap characters, which made the intro text
// cost as much as the city.
//
// The texture holds, texel for pixel, what DrawText lays down, and the quad
// keeps only those pixels, so the picture is the same. It is made again when
// the view size or the GL window changes.
class OverlayText {
public:
    // Makes the texture if needed. Call before the frame is cleared: it
    // draws the text into the back buffer to read it back.
    void Prepare(float x, float y, const char* text, int viewWidth, int viewHeight);
    // Draws the prepared text inside Begin2D and End2D; false if there is
    // none for this window and view size (then use DrawText).
    bool Draw() const;

private:
    GLuint texture = 0;
    int window = 0;
    int width = 0; // of the view it was made for
    int height = 0;
    int left = 0; // the block of window pixels it covers
    int bottom = 0;
    int columns = 0;
    int rows = 0;
};
