#pragma once

#include "city/MapObject.h"

// Park: a grass quad over a rectangle of lot cells with a few random trees,
// each a brown trunk under a coarse green crown. The trees are drawn anew
// each time the list is compiled, so every window gets its own.
class Park : public MapObject {
public:
    Park() { kind = KindPark; }
    void SetupDisplaylist() override;

private:
    void DrawTree(float size, float xFraction, float yFraction) const;

    float dx = 0.0f;
    float dy = 0.0f;
    float dh = 0.0f;
};
