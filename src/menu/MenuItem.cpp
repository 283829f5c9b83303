#include "menu/MenuItem.h"

#include "legacygl/Gl.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr float depthStep = 0.1f; // lifts outlines and text above their fill

} // namespace

void MenuItem::Draw() {
    gl::Disable(GL_LIGHTING);
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (state == highlighted) {
        DrawHighlighted();
    } else {
        DrawNormal();
    }
    gl::Disable(GL_BLEND);
}

void MenuItem::SetLabel(const char* text) {
    std::snprintf(label, sizeof label, "%s", text != nullptr ? text : "");
    width = static_cast<float>(std::strlen(label)) * charWidth + 2.0f * margin;
    height = 4.0f * margin + charHeight;
}

void MenuItem::SetToolTip(const char* text) {
    std::snprintf(toolTip, sizeof toolTip, "%s", text != nullptr ? text : "");
}

void MenuItem::DrawFrame(const float x, const float y, const float width, const float height,
                         const Color& fill, const Color& border) {
    gl::PushMatrix();
    gl::Color4f(fill.r, fill.g, fill.b, fill.a);
    gl::Begin(GL_POLYGON);
    gl::Vertex2f(x, y);
    gl::Vertex2f(x, y + height);
    gl::Vertex2f(x + width, y + height);
    gl::Vertex2f(x + width, y);
    gl::End();
    gl::Translatef(0.0f, 0.0f, depthStep);
    gl::Color4f(border.r, border.g, border.b, border.a);
    gl::Begin(GL_LINE_LOOP);
    gl::Vertex2f(x, y);
    gl::Vertex2f(x + width, y);
    gl::Vertex2f(x + width, y + height);
    gl::Vertex2f(x, y + height);
    gl::End();
    gl::PopMatrix();
}

void MenuItem::DrawString(const float x, const float y, const char* text) {
    gl::RasterPos2f(x, y);
    for (const char* c = text; *c != '\0'; ++c) {
        glut::BitmapCharacter(glut::Fixed8By13, *c);
    }
}

void MenuItem::DrawBox(const Color& background, const Color& border) const {
    DrawFrame(x, y, width, height, background, border);
}

void MenuItem::DrawLabel(const Color& color) const {
    gl::PushMatrix();
    gl::Translatef(0.0f, 0.0f, depthStep);
    gl::Color4f(color.r, color.g, color.b, color.a);
    DrawString(x + margin, y + margin + charHeight, label);
    gl::PopMatrix();
}
