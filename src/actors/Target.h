#pragma once

#include "actors/Actor.h"

// Target: an actor that poop can hit, a pedestrian or a car. A hit turns it
// green for good and shrinks the points the next hit would be worth; the
// World scores only the first hit.
class Target : public Actor {
public:
    explicit Target(const float firstHitPoints) : points(firstHitPoints) {}

    // Green, one more hit, and the points divided by the hits so far.
    void OnHit();

    int GetHitCount() const { return hitCount; }
    float GetPoints() const { return points; }

protected:
    int hitCount = 0;
    float points;
};
