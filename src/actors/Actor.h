#pragma once

#include "city/SceneObject.h"
#include "geometry/Point.h"
#include "geometry/Vector.h"

// Actor: anything that moves about the city or floats above it. It steps
// along one of the four axis directions and picks a new one at random when
// the cell ahead is not one it may enter.
class Actor : public SceneObject {
public:
    // One step along the direction.
    virtual void Move();
    // A new random axis direction, and the facing that goes with it.
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
    int facing = 0;
};
