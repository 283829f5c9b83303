#pragma once

#include "actors/Actor.h"

// Fries: a tall thin stick floating above a road. The bird eats it by flying
// into it; its kind decides what eating does (0 more poop, 1 the wide view,
// 2 the normal view again) and its value how much. The kind sets the colour.
class Fries : public Actor {
public:
    enum Kind { KindPoop = 0, KindWideView = 1, KindNormalView = 2 };
    static constexpr int kindCount = 3;

    Fries();
    void DrawGeometry() override;
    // Stores the kind and takes its colour; an unknown kind keeps the colour.
    void SetKind(int k);
    void SetValue(float v);
    int GetKind() const { return kind; }
    float GetValue() const { return value; }

private:
    int kind = KindPoop;
    float value = 0.0f;
};
