#pragma once

#include "menu/TextItem.h"

#include <cstdint>

// CheckBox: a menu item that switches an integer setting owned by someone
// else between an "on" and an "off" value. The box shows ticked exactly when
// the setting holds the on value; any other value counts as off.
class CheckBox : public TextItem {
public:
    static constexpr int nameSize = 80;

    void Setup(const char* text, int32_t* target);
    void SetOnValue(const int32_t v) { onValue = v; }
    bool IsTicked() const { return value != nullptr && *value == onValue; }
    const char* GetName() const { return name; }

    void Activate(float mouseX, float mouseY) override;

protected:
    void FormatLabel(char* text, std::size_t size) const override;

private:
    int32_t* value = nullptr;
    char name[nameSize] = "";
    int32_t onValue = 1;
    int32_t offValue = 0;
};
