#pragma once

#include "menu/MenuItem.h"

// Button: a menu item that runs a function when clicked. Normal it is a dark
// translucent box with white text, under the mouse an opaque white box with
// red text.
class Button : public MenuItem {
public:
    using Callback = void (*)();

    Button();

    // Labels the button, stores its action and gives it the menu's look.
    void Setup(const char* text, Callback action);

    void Activate(float mouseX, float mouseY) override;
    void DrawHighlighted() override;
    void DrawNormal() override;

private:
    Callback callback = nullptr;
};
