#pragma once

#include "city/SceneObject.h"
#include "geometry/Point.h"
#include "geometry/Vector.h"

// Actor: anything that moves about the city or floats above it (peds, cars,
// fries, clouds). It has a position, a direction and a speed, steps along one
// of the four axis directions of the map, and picks a new one at random when
// the cell ahead is not one it may enter. The World decides when to step and
// when to turn; the actor only knows how.
class Actor : public SceneObject {
public:
    // One step: moves by direction times speed.
    virtual void Move();
    // A new random axis direction (one rand() draw) and the facing that goes
    // with it. The new direction may be the old one; the next tick tries again.
    virtual void Turn();

    const Point& GetPosition() const { return position; }
    void SetPosition(const Point& p) { position = p; }
    const Vector& GetDirection() const { return direction; }
    void SetDirection(const Vector& d) { direction = d; }
    float GetSpeed() const { return speed; }
    void SetSpeed(const float s) { speed = s; }
    int GetWalkMask() const { return walkMask; }
    int GetFacing() const { return facing; }

protected:
    Point position;
    Vector direction;
    float speed = 0.0f;
    int walkMask = 0;
    // Heading in degrees (0, 90, 180 or -90); turns the model when drawn.
    int facing = 0;
};
