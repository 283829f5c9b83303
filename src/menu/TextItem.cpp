#include "menu/TextItem.h"

namespace {

constexpr Color highlightedTextColor{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Color normalTextColor{0.75f, 0.75f, 0.75f, 1.0f};

} // namespace

TextItem::TextItem() {
    normalBackground.Set(1.0f, 1.0f, 1.0f, 0.5f);
    normalText.Set(0.5f, 0.5f, 0.5f, 0.5f);
}

void TextItem::DrawWithText(const Color& color) {
    // Room for the longest name and value; SetLabel cuts it to the label field.
    char text[2 * labelSize];
    FormatLabel(text, sizeof text);
    SetLabel(text);
    normalText = color;
    DrawLabel(normalText);
}

void TextItem::DrawHighlighted() {
    DrawWithText(highlightedTextColor);
}

void TextItem::DrawNormal() {
    DrawWithText(normalTextColor);
}
