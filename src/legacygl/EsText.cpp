// The raster position and GLUT's bitmap fonts through OpenGL ES 2: a glyph
// is a quad in window coordinates, textured from a font's atlas of the very
// glyphs GLUT draws (GlutGlyphs.h), in the colour the raster position took.
// The glyphs of a string are drawn together, before anything else is.

#include "legacygl/EsText.h"
#include "legacygl/EsContext.h"
#include "legacygl/GlutGlyphs.h"

#include <GLES2/gl2.h>

#include <cstring>
#include <vector>

namespace {

constexpr int atlasCells = 16; // glyphs a row, and rows
constexpr int cellSize = 16;   // pixels; every glyph fits
constexpr int atlasSize = atlasCells * cellSize;

const GlyphBits* GlyphsOf(const int font) {
    return font == glut::Helvetica12 ? helvetica12Glyphs : fixed8By13Glyphs;
}

// The font's glyphs as one alpha texture, each in its own cell.
unsigned int MakeAtlas(const int font) {
    std::vector<unsigned char> alpha(atlasSize * atlasSize, 0);
    const GlyphBits* glyphs = GlyphsOf(font);
    for (int c = 0; c < 256; ++c) {
        const GlyphBits& glyph = glyphs[c];
        const int cellX = (c % atlasCells) * cellSize;
        const int cellY = (c / atlasCells) * cellSize;
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                if ((glyph.rows[y] & (1 << x)) != 0) {
                    alpha[static_cast<size_t>((cellY + y) * atlasSize + cellX + x)] = 255;
                }
            }
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlasSize, atlasSize, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 alpha.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

void Viewport(GLint viewport[4]) {
    glGetIntegerv(GL_VIEWPORT, viewport);
    viewport[2] = viewport[2] > 0 ? viewport[2] : 1;
    viewport[3] = viewport[3] > 0 ? viewport[3] : 1;
}

} // namespace

void EsRasterPos(EsContext& context, const float x, const float y) {
    const float object[4] = {x, y, 0.0f, 1.0f};
    float eye[4];
    float clip[4];
    context.modelview.back().Transform(object, eye);
    context.projection.back().Transform(eye, clip);
    const float w = clip[3];
    // A position outside the view volume leaves nothing to draw from.
    context.rasterValid = w > 0.0f && clip[0] >= -w && clip[0] <= w && clip[1] >= -w &&
                          clip[1] <= w && clip[2] >= -w && clip[2] <= w;
    std::memcpy(context.rasterColor, context.current.color, sizeof context.rasterColor);
    if (!context.rasterValid) {
        return;
    }
    GLint viewport[4];
    Viewport(viewport);
    context.raster[0] = static_cast<float>(viewport[0]) +
                        (clip[0] / w + 1.0f) * 0.5f * static_cast<float>(viewport[2]);
    context.raster[1] = static_cast<float>(viewport[1]) +
                        (clip[1] / w + 1.0f) * 0.5f * static_cast<float>(viewport[3]);
    context.raster[2] = (clip[2] / w + 1.0f) * 0.5f;
}

void EsBitmapCharacter(EsContext& context, const int font, const int character) {
    if (!context.rasterValid || character < 0 || character > 255) {
        return;
    }
    if (context.pendingFont != font && !context.pendingGlyphs.empty()) {
        context.FlushGlyphs();
    }
    context.pendingFont = font;
    const GlyphBits& glyph = GlyphsOf(font)[character];
    if (glyph.width > 0) {
        GLint viewport[4];
        Viewport(viewport);
        // Window pixels to clip space, at the raster position's depth.
        const auto corner = [&](const float wx, const float wy, const float s, const float t) {
            EsVertex v{};
            v.position[0] =
                (wx - static_cast<float>(viewport[0])) / static_cast<float>(viewport[2]) * 2.0f -
                1.0f;
            v.position[1] =
                (wy - static_cast<float>(viewport[1])) / static_cast<float>(viewport[3]) * 2.0f -
                1.0f;
            v.position[2] = context.raster[2] * 2.0f - 1.0f;
            v.position[3] = 1.0f;
            std::memcpy(v.color, context.rasterColor, sizeof v.color);
            v.texCoord[0] = s / static_cast<float>(atlasSize);
            v.texCoord[1] = t / static_cast<float>(atlasSize);
            return v;
        };
        const float left = context.raster[0] + static_cast<float>(glyph.left);
        const float bottom = context.raster[1] + static_cast<float>(glyph.bottom);
        const float right = left + static_cast<float>(glyph.width);
        const float top = bottom + static_cast<float>(glyph.height);
        const float s0 = static_cast<float>((character % atlasCells) * cellSize);
        const float t0 = static_cast<float>((character / atlasCells) * cellSize);
        const float s1 = s0 + static_cast<float>(glyph.width);
        const float t1 = t0 + static_cast<float>(glyph.height);
        const EsVertex a = corner(left, bottom, s0, t0), b = corner(right, bottom, s1, t0);
        const EsVertex c = corner(right, top, s1, t1), d = corner(left, top, s0, t1);
        context.pendingGlyphs.insert(context.pendingGlyphs.end(), {a, b, c, a, c, d});
    }
    context.raster[0] += static_cast<float>(glyph.advance);
}

void EsContext::FlushGlyphs() {
    if (pendingGlyphs.empty()) {
        return;
    }
    const int font = pendingFont == glut::Helvetica12 ? 1 : 0;
    if (glyphTextures[font] == 0) {
        glyphTextures[font] = MakeAtlas(pendingFont);
        glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
    }
    glBindTexture(GL_TEXTURE_2D, glyphTextures[font]);
    EsDrawState state = DrawState();
    state.pretransformed = true;
    state.lighting = false;
    state.flat = false;
    state.texture = true;
    state.alphaTexture = true;
    state.alphaTest = true;
    state.alphaReference = 0.5f;
    state.clip = false;
    state.colorFromCurrent = false;
    state.texCoordFromCurrent = false;
    std::vector<EsVertex> glyphs;
    glyphs.swap(pendingGlyphs);
    Draw(GL_TRIANGLES, glyphs, state);
    glBindTexture(GL_TEXTURE_2D, boundTexture);
}
