#pragma once

#include "actors/Actor.h"

#include <cstdint>
#include <memory>
#include <vector>

class TextureSet;

// Car: a textured car body of random pale colour and random speed that drives
// straight along the roads and turns at random where the road ends. Poop turns
// it green; it keeps driving as before.
class Car : public Actor {
public:
    static constexpr float firstHitPoints = 20.0f;
    static constexpr int walkOn = 8; // the road bit

    // Draws the speed and then the red, green and blue shades with rand().
    Car();
    void DrawGeometry() override;
    // Green, one more hit, and the points shrink for the next one.
    void OnHit();
    // Takes the eight car textures of the set, each into the field of its role.
    void SetTextures(const TextureSet& textures);
    // Draws every car of the list as Draw would, but the faces of all cars
    // that share a texture in one draw, placed on the CPU: a few draws for
    // the whole traffic instead of a matrix and a dozen draws per car.
    static void DrawAll(const std::vector<std::unique_ptr<Car>>& cars);

    int GetHitCount() const { return hitCount; }
    float GetPoints() const { return points; }

    // Texture roles of the body's faces.
    enum Role { Front, Back, Top, Windshield, Wheel, DoorPlusX, DoorMinusX, SideWindow, roleCount };

private:
    int hitCount = 0;
    float points = firstHitPoints;
    uint32_t textures[roleCount] = {};
};
