#pragma once

#include "menu/TextItem.h"

#include <cstdint>
#include <limits>
#include <variant>

// Slider: a menu item that steps an integer setting owned by someone else.
// A click on its left end ("-") lowers the setting by one step, on its right
// end ("+") raises it; the label shows the name and the current value. The
// setting is read and written at its own width, and never leaves the range
// of its type or the minimum the owner asks for (the game speed stays >= 1).
class Slider : public TextItem {
public:
    static constexpr int nameSize = 80;

    void Setup(const char* text, int16_t* target);
    void Setup(const char* text, uint16_t* target);
    void Setup(const char* text, int32_t* target);
    // Lowest value a click may leave; the type's own lowest value by default.
    void SetMinimum(const long long lowest) { minimum = lowest; }

    // The setting's current value (0 when the slider edits nothing).
    long long GetValue() const;
    const char* GetName() const { return name; }

    void Activate(float mouseX, float mouseY) override;

protected:
    void FormatLabel(char* text, std::size_t size) const override;

private:
    void SetName(const char* text);
    void Change(long long delta);

    std::variant<std::monostate, int16_t*, uint16_t*, int32_t*> value;
    int step = 1;
    char name[nameSize] = "";
    int endZone = 20; // clickable width at each end, in pixels
    long long minimum = std::numeric_limits<long long>::min();
};
