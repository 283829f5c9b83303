#include "menu/Slider.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

void Slider::Setup(const char* text, int16_t* target) {
    SetName(text);
    value = target;
}

void Slider::Setup(const char* text, uint16_t* target) {
    SetName(text);
    value = target;
}

void Slider::Setup(const char* text, int32_t* target) {
    SetName(text);
    value = target;
}

void Slider::SetName(const char* text) {
    SetLabel(text);
    std::snprintf(name, sizeof name, "%s", text != nullptr ? text : "");
}

long long Slider::GetValue() const {
    return std::visit(
        [](auto target) -> long long {
            if constexpr (std::is_same_v<decltype(target), std::monostate>) {
                return 0;
            } else {
                return target != nullptr ? static_cast<long long>(*target) : 0;
            }
        },
        value);
}

void Slider::Change(const long long delta) {
    std::visit(
        [this, delta](auto target) {
            if constexpr (!std::is_same_v<decltype(target), std::monostate>) {
                if (target == nullptr) {
                    return;
                }
                using T = std::remove_pointer_t<decltype(target)>;
                const long long lowest =
                    std::max(minimum, static_cast<long long>(std::numeric_limits<T>::min()));
                const long long highest = std::numeric_limits<T>::max();
                const long long wanted = static_cast<long long>(*target) + delta;
                // A click at a limit leaves the value where it is.
                if (wanted >= lowest && wanted <= highest) {
                    *target = static_cast<T>(wanted);
                }
            }
        },
        value);
}

void Slider::Activate(const float mouseX, float) {
    if (mouseX < x + static_cast<float>(endZone)) {
        Change(-step);
    }
    if (mouseX > x + width - static_cast<float>(endZone)) {
        Change(step);
    }
}

void Slider::FormatLabel(char* text, const std::size_t size) const {
    std::snprintf(text, size, "- | %s: %lld | +", name, GetValue());
}
