#include "render/OverlayText.h"

#include "base/DrawText.h"
#include "legacygl/Gl.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int glyphWidth = 8;
constexpr int margin = 4; // room for the glyphs' descent and offsets

} // namespace

void OverlayText::Prepare(const float x, const float y, const char* text, const int viewWidth,
                          const int viewHeight) {
    const int currentWindow = glut::GetWindow();
    if (texture != 0 && window == currentWindow && width == viewWidth && height == viewHeight) {
        return;
    }
    if (texture != 0 && window == currentWindow) {
        gl::DeleteTextures(1, &texture);
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

    gl::PushAttrib(GL_COLOR_BUFFER_BIT);
    gl::ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    gl::PopAttrib();
    gl::MatrixMode(GL_PROJECTION);
    gl::PushMatrix();
    gl::LoadIdentity();
    glu::Ortho2D(0.0, viewWidth, 0.0, viewHeight);
    gl::Scalef(1.0f, -1.0f, 1.0f);
    gl::Translatef(0.0f, -static_cast<float>(viewHeight) / 2.0f, 0.0f);
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::LoadIdentity();
    DrawText(x, y, text);
    gl::PopMatrix();
    gl::MatrixMode(GL_PROJECTION);
    gl::PopMatrix();
    gl::MatrixMode(GL_MODELVIEW);

    // Lit pixels become opaque texels, the rest clear ones.
    std::vector<GLubyte> red(static_cast<size_t>(columns * rows));
    gl::ReadBuffer(GL_BACK);
    gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl::ReadPixels(left, bottom, columns, rows, GL_RED, GL_UNSIGNED_BYTE, red.data());
    gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
    for (GLubyte& texel : red) {
        texel = texel > 127 ? 255 : 0;
    }
    gl::GenTextures(1, &texture);
    gl::BindTexture(GL_TEXTURE_2D, texture);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, columns, rows, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                   red.data());
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

bool OverlayText::Draw() const {
    if (texture == 0 || window != glut::GetWindow()) {
        return false;
    }
    gl::PushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    gl::Disable(GL_LIGHTING);
    gl::Disable(GL_DEPTH_TEST);
    gl::Disable(GL_BLEND);
    gl::Enable(GL_ALPHA_TEST);
    gl::AlphaFunc(GL_GREATER, 0.5f);
    gl::Enable(GL_TEXTURE_2D);
    gl::BindTexture(GL_TEXTURE_2D, texture);
    gl::TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl::Color3f(1.0f, 1.0f, 1.0f);
    // The block's window pixels in overlay coordinates, texel for pixel.
    const float x0 = static_cast<float>(left);
    const float x1 = static_cast<float>(left + columns);
    const float y0 = static_cast<float>(height) / 2.0f - static_cast<float>(bottom);
    const float y1 = y0 - static_cast<float>(rows);
    gl::Begin(GL_QUADS);
    gl::TexCoord2f(0.0f, 0.0f);
    gl::Vertex2f(x0, y0);
    gl::TexCoord2f(1.0f, 0.0f);
    gl::Vertex2f(x1, y0);
    gl::TexCoord2f(1.0f, 1.0f);
    gl::Vertex2f(x1, y1);
    gl::TexCoord2f(0.0f, 1.0f);
    gl::Vertex2f(x0, y1);
    gl::End();
    gl::PopAttrib();
    return true;
}
