#include "menu/CheckBox.h"

#include <cstdio>

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

void CheckBox::FormatLabel(char* text, const std::size_t size) const {
    std::snprintf(text, size, IsTicked() ? "%s | X |" : "%s |   |", name);
}
