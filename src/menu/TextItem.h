#pragma once

#include "menu/MenuItem.h"

#include <cstddef>

// TextItem: a menu item drawn as text alone, no box: the label it formats
// from its current state, white under the mouse and light grey otherwise.
// Sliders and check boxes are text items.
class TextItem : public MenuItem {
public:
    TextItem();

    void DrawHighlighted() override;
    void DrawNormal() override;

protected:
    // Writes the label the item shows now; it is cut to the label field.
    virtual void FormatLabel(char* text, std::size_t size) const = 0;

private:
    void DrawWithText(const Color& color);
};
