#include "bird/Light.h"

Light::Light() = default;
void Light::SetId(const GLenum lightName) { name = lightName; }
void Light::Enable() const {}
void Light::SetPosition(float, float, float) {}
void Light::SetDirection(float, float, float) {}
void Light::Apply() const {}
