#include "menu/MenuItem.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr float depthStep = 0.1f; // lifts outlines and text above their fill

} // namespace

void MenuItem::Draw() {
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (state == highlighted) {
        DrawHighlighted();
    } else {
        DrawNormal();
    }
    glDisable(GL_BLEND);
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
    glPushMatrix();
    glColor4f(fill.r, fill.g, fill.b, fill.a);
    glBegin(GL_POLYGON);
    glVertex2f(x, y);
    glVertex2f(x, y + height);
    glVertex2f(x + width, y + height);
    glVertex2f(x + width, y);
    glEnd();
    glTranslatef(0.0f, 0.0f, depthStep);
    glColor4f(border.r, border.g, border.b, border.a);
    glBegin(GL_LINE_LOOP);
    glVertex2f(x, y);
    glVertex2f(x + width, y);
    glVertex2f(x + width, y + height);
    glVertex2f(x, y + height);
    glEnd();
    glPopMatrix();
}

void MenuItem::DrawString(const float x, const float y, const char* text) {
    glRasterPos2f(x, y);
    for (const char* c = text; *c != '\0'; ++c) {
        glutBitmapCharacter(GLUT_BITMAP_8_BY_13, *c);
    }
}

void MenuItem::DrawBox(const Color& background, const Color& border) const {
    DrawFrame(x, y, width, height, background, border);
}

void MenuItem::DrawLabel(const Color& color) const {
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, depthStep);
    glColor4f(color.r, color.g, color.b, color.a);
    DrawString(x + margin, y + margin + charHeight, label);
    glPopMatrix();
}
