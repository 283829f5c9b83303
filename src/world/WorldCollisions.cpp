// The collision pass that opens every tick, on the positions the previous tick
// left: poop against peds and cars, cars against cars, the bird against the
// map object below it, and the bird against the fries. It only detects; the
// scoring and eating are the population's handlers and the health changes are
// the bird's.

#include "world/World.h"

#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/Settings.h"
#include "bird/Dropping.h"

namespace {

constexpr float buildingDamage = 2.0f;
constexpr float parkHealing = 1.0f;

// Walks the bird's falling droppings against one actor. A hit removes the
// dropping and leaves the bird's cursor on the one that followed it, so the
// walk goes on from there: none is skipped and no removed one is visited.
template <typename OnHit> void WalkPoops(Bird& bird, const SceneObject& actor, OnHit onHit) {
    Dropping* poop = bird.FirstPoop();
    while (poop != nullptr) {
        if (World::Collide(actor, *poop)) {
            onHit(poop);
            poop = bird.CurrentPoop();
        } else {
            poop = bird.NextPoop();
        }
    }
}

} // namespace

void World::CheckCollisions() {
    // Peds do not react to each other; a poop is gone at its first hit, and
    // peds come first.
    for (auto& ped : peds) {
        Ped* const target = ped.get();
        WalkPoops(bird, *target, [this, target](Dropping* poop) { OnPoopHitsPed(poop, target); });
    }

    for (std::size_t i = 0; i < cars.size(); ++i) {
        Car* const car = cars[i].get();
        // Each pair once; only the earlier car turns.
        if (settings.fastComputer != 0) {
            for (std::size_t j = i + 1; j < cars.size(); ++j) {
                if (Collide(*car, *cars[j])) {
                    OnCarsCollide(car, cars[j].get());
                }
            }
        }
        WalkPoops(bird, *car, [this, car](Dropping* poop) { OnPoopHitsCar(poop, car); });
    }

    const Point eye = bird.GetEye();
    const MapCell cell =
        cityMap.CellAtPosition(static_cast<int>(eye.GetX()) + 1, static_cast<int>(eye.GetY()) + 1);
    if (cell.object != nullptr && eye.GetZ() < cell.object->GetHeight()) {
        OnBirdInObject(cell.object);
    }

    // At most one meal per tick; eating erases the entry, so stop right there.
    for (auto& item : fries) {
        if (item->GetBoundingBox().Contains(eye)) {
            OnFriesEaten(item.get());
            break;
        }
    }
}

bool World::Collide(const SceneObject& a, const SceneObject& b) {
    return a.GetBoundingBox().Intersects(b.GetBoundingBox());
}

void World::OnPoopHitsPed(Dropping* poop, Ped* ped) {
    OnPedHit(ped);
    bird.RemovePoop(poop);
}

void World::OnPoopHitsCar(Dropping* poop, Car* car) {
    OnCarHit(car);
    bird.RemovePoop(poop);
}

void World::OnCarsCollide(Car* first, Car*) {
    first->Turn();
}

void World::OnBirdInObject(const MapObject* object) {
    events.push_back(GameEvent::InsideOf(object->GetKind(), bird.GetEye()));
    switch (object->GetKind()) {
    case MapObject::KindBuilding: {
        const bool wasAlive = bird.IsAlive();
        bird.Damage(buildingDamage);
        if (wasAlive && !bird.IsAlive()) {
            events.push_back(GameEvent::Died(bird.GetEye()));
        }
        break;
    }
    case MapObject::KindPark:
        bird.Heal(parkHealing);
        break;
    default:
        break;
    }
}
