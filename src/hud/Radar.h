#pragma once

#include "geometry/Point.h"
#include "geometry/Vector.h"

#include <memory>
#include <vector>

class Camera;
class Ped;
class Car;
class Fries;

// Radar: the round map in the lower right of the HUD. A translucent disc
// centred on the bird shows every pedestrian, car and portion of fries near
// it as a dot, turned so that the bird's flying direction points up the
// screen. It reads the World's actor lists without owning them.
class Radar {
public:
    using PedList = std::vector<std::unique_ptr<Ped>>;
    using CarList = std::vector<std::unique_ptr<Car>>;
    using FriesList = std::vector<std::unique_ptr<Fries>>;

    static constexpr int textSize = 100;
    static constexpr float minZoomFactor = 1.0f; // both limits excluded
    static constexpr float maxZoomFactor = 5.0f;

    // Takes the lists to show and the bird's ground position and heading.
    void UpdateRadar(const PedList& pedList, const CarList& carList, const FriesList& friesList,
                     const Camera& bird);
    void SetRadarSize(const float size) { zoomDistance = size; }
    void SetRadarX(const int v) { x = static_cast<float>(v); }
    void SetRadarY(const int v) { y = static_cast<float>(v); }
    void SetMapExtent(const float extentX, const float extentY) {
        mapExtentX = extentX;
        mapExtentY = extentY;
    }
    void SetName(const char* text);
    // Kept only when strictly between 1 and 5.
    void SetZoomFactor(float z);
    void IncreaseZoomFactor(float d) { SetZoomFactor(zoomFactor + d); }
    void DecreaseZoomFactor(float d) { SetZoomFactor(zoomFactor - d); }
    void IncreaseZoomDistance(float d) { zoomDistance += d; }
    // Refused when it would not leave a positive distance.
    void DecreaseZoomDistance(float d);

    float GetX() const { return x; }
    float GetY() const { return y; }
    float GetZoomFactor() const { return zoomFactor; }
    float GetZoomDistance() const { return zoomDistance; }
    // The disc's radius on screen in pixels.
    float Radius() const { return zoomDistance / zoomFactor; }
    const char* GetName() const { return name; }

    // Where a world point shows on the radar; false when it lies outside the
    // disc and is not drawn.
    bool BlipPosition(const Point& position, float& screenX, float& screenY) const;

    void DrawRadar() const;

private:
    void DrawBlip(const Point& position, float r, float g, float b) const;
    void DrawDisc() const;

    char name[textSize] = " :";
    float x = -2000.0f;
    float y = 0.0f;
    Vector centre;
    Vector heading;
    float zoomDistance = 300.0f;
    float zoomFactor = 5.0f;
    float mapExtentX = 10000.0f;
    float mapExtentY = 10000.0f;
    const PedList* peds = nullptr;
    const CarList* cars = nullptr;
    const FriesList* fries = nullptr;
};
