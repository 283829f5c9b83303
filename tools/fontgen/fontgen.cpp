// fontgen: writes the glyphs of GLUT's two bitmap fonts that the game writes
// with (8 by 13 and Helvetica 12) as a C++ header, src/legacygl/GlutGlyphs.h,
// so that the layer that draws the game through OpenGL ES 2 shows the very
// glyphs that the desktop's GLUT draws, on every platform. It draws each
// glyph with GLUT in a hidden window and reads back the pixels it set, so it
// needs an X display (run it under Xvfb); the header is kept in the sources.
//
// Usage: fontgen OUTPUT_HEADER

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int glyphCount = 256;
constexpr int windowSize = 64;
// Where a glyph is drawn from, and how far round it its pixels are looked for.
constexpr int rasterX = 16;
constexpr int rasterY = 24;

struct Glyph {
    int advance = 0;
    int left = 0; // the box of its pixels, from the raster position
    int bottom = 0;
    int width = 0;
    int height = 0;
    std::vector<int> rows; // bit x of row y set: pixel (left + x, bottom + y)
};

Glyph Capture(void* font, const int character) {
    glClear(GL_COLOR_BUFFER_BIT);
    glRasterPos2i(rasterX, rasterY);
    glutBitmapCharacter(font, character);
    std::vector<unsigned char> pixels(windowSize * windowSize);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, windowSize, windowSize, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    Glyph glyph;
    glyph.advance = glutBitmapWidth(font, character);
    int minX = windowSize, minY = windowSize, maxX = -1, maxY = -1;
    for (int y = 0; y < windowSize; ++y) {
        for (int x = 0; x < windowSize; ++x) {
            if (pixels[static_cast<size_t>(y * windowSize + x)] > 127) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    if (maxX < 0) {
        return glyph;
    }
    glyph.left = minX - rasterX;
    glyph.bottom = minY - rasterY;
    glyph.width = maxX - minX + 1;
    glyph.height = maxY - minY + 1;
    for (int y = minY; y <= maxY; ++y) {
        int row = 0;
        for (int x = minX; x <= maxX; ++x) {
            if (pixels[static_cast<size_t>(y * windowSize + x)] > 127) {
                row |= 1 << (x - minX);
            }
        }
        glyph.rows.push_back(row);
    }
    return glyph;
}

void Write(std::FILE* out, const char* id, void* font) {
    std::fprintf(out, "constexpr GlyphBits %s[%d] = {\n", id, glyphCount);
    for (int c = 0; c < glyphCount; ++c) {
        const Glyph glyph = Capture(font, c);
        std::fprintf(out, "    {%d, %d, %d, %d, %d, {", glyph.advance, glyph.left, glyph.bottom,
                     glyph.width, glyph.height);
        for (size_t r = 0; r < glyph.rows.size(); ++r) {
            std::fprintf(out, "%s%d", r == 0 ? "" : ", ", glyph.rows[r]);
        }
        std::fprintf(out, "}},\n");
    }
    std::fprintf(out, "};\n\n");
}

void Nothing() {}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_HEADER\n", argv[0]);
        return EXIT_FAILURE;
    }
    int glutArgc = 1;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(windowSize, windowSize);
    glutCreateWindow("fontgen");
    glutDisplayFunc(Nothing);
    glutHideWindow();
    glViewport(0, 0, windowSize, windowSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, windowSize, 0, windowSize, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glColor3f(1, 1, 1);

    const std::string temporary = std::string(argv[1]) + ".part";
    std::FILE* out = std::fopen(temporary.c_str(), "w");
    if (out == nullptr) {
        std::perror(temporary.c_str());
        return EXIT_FAILURE;
    }
    std::fprintf(
        out, "#pragma once\n\n"
             "// The glyphs of GLUT's 8 by 13 and Helvetica 12 bitmap fonts, as GLUT draws them:\n"
             "// made by tools/fontgen (run it under Xvfb to make this file anew).\n\n"
             "// A glyph: how far it moves the raster position, the box of its pixels from\n"
             "// the raster position (left, bottom, width, height) and its rows, bottom first,\n"
             "// bit x set for a pixel x from the box's left.\n"
             "struct GlyphBits {\n    int advance;\n    int left;\n    int bottom;\n"
             "    int width;\n    int height;\n    int rows[16];\n};\n\n");
    Write(out, "fixed8By13Glyphs", GLUT_BITMAP_8_BY_13);
    Write(out, "helvetica12Glyphs", GLUT_BITMAP_HELVETICA_12);
    if (std::fclose(out) != 0 || std::rename(temporary.c_str(), argv[1]) != 0) {
        std::remove(temporary.c_str());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
