#pragma once

// FourFloats: the x, y, z and w that Point and Vector both are, with the
// accessors they share. Every write goes through Store, which is how a Vector
// snaps tiny components to 0 while a Point keeps what it is given.
template <float (*Store)(float)> class FourFloats {
public:
    static constexpr float outOfRange = -99999.0f;

    void SetX(const float v) { x = Store(v); }
    void SetY(const float v) { y = Store(v); }
    void SetZ(const float v) { z = Store(v); }
    void SetW(const float v) { w = Store(v); }
    float GetX() const { return x; }
    float GetY() const { return y; }
    float GetZ() const { return z; }
    float GetW() const { return w; }

    // Component i for 0..3; any other index reads as -99999 and writes nothing.
    float operator[](const int i) const {
        switch (i) {
        case 0: return x;
        case 1: return y;
        case 2: return z;
        case 3: return w;
        default: return outOfRange;
        }
    }
    void SetComponent(const int i, const float value) {
        switch (i) {
        case 0: x = Store(value); break;
        case 1: y = Store(value); break;
        case 2: z = Store(value); break;
        case 3: w = Store(value); break;
        default: break;
        }
    }

protected:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
};
