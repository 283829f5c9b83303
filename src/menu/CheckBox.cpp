#include "menu/CheckBox.h"

#include <cstdio>

namespace {

constexpr Color highlightedTextColor{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Color normalTextColor{0.75f, 0.75f, 0.75f, 1.0f};

} // namespace

CheckBox::CheckBox() {
    normalBackground.Set(1.0f, 1.0f, 1.0f, 0.5f);
    normalText.Set(0.5f, 0.5f, 0.5f, 0.5f);
}

void CheckBox::Setup(const char* text, int32_t* target) {
    std::snprintf(name, sizeof name, "%s", text != nullptr ? text : "");
    value = target;
}

void CheckBox::Activate(float, float) {
    if (value == nullptr) {
        return;
    }
    *value = IsTicked() ? offValue : onValue;
}

void CheckBox::DrawWithText(const Color& color) {
    char text[labelSize];
    std::snprintf(text, sizeof text, IsTicked() ? "%s | X |" : "%s |   |", name);
    SetLabel(text);
    normalText = color;
    DrawLabel(normalText);
}

void CheckBox::DrawHighlighted() {
    DrawWithText(highlightedTextColor);
}

void CheckBox::DrawNormal() {
    DrawWithText(normalTextColor);
}
