#include "input/RumbleRules.h"

#include "city/MapObject.h"

bool RumbleRules::Take(const GameEvents& events, const unsigned int now, Effect& start) {
    Effect wanted;
    for (const GameEvent& event : events) {
        Effect effect;
        switch (event.kind) {
        case GameEvent::Kind::PedHit:
        case GameEvent::Kind::CarHit:
            effect = hit;
            break;
        case GameEvent::Kind::Inside:
            if (event.objectKind == MapObject::KindBuilding) {
                effect = inside;
            }
            break;
        case GameEvent::Kind::BirdDied:
            effect = death;
            break;
        default:
            break;
        }
        if (effect.strength > wanted.strength) {
            wanted = effect;
        }
    }
    if (wanted.strength == 0) {
        return false;
    }
    if (now < runningUntil && wanted.strength < runningStrength) {
        return false;
    }
    runningStrength = wanted.strength;
    runningUntil = now + wanted.milliseconds;
    start = wanted;
    return true;
}
