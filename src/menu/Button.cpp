#include "menu/Button.h"

#include "legacygl/Gl.h"

Button::Button() {
    normalBackground.Set(1.0f, 1.0f, 1.0f, 0.5f);
    cursor = GLUT_CURSOR_CROSSHAIR;
}

void Button::Setup(const char* text, const Callback action) {
    SetLabel(text);
    callback = action;
    cursor = GLUT_CURSOR_CROSSHAIR;
    highlightText.Set(1.0f, 0.0f, 0.0f, 1.0f);
    normalBackground.Set(0.2f, 0.2f, 0.2f, 0.3f);
}

void Button::Activate(float, float) {
    if (callback != nullptr) {
        callback();
    }
}

void Button::DrawHighlighted() {
    DrawBox(highlightBackground, highlightBorder);
    DrawLabel(highlightText);
}

void Button::DrawNormal() {
    DrawBox(normalBackground, normalBorder);
    DrawLabel(normalText);
}
