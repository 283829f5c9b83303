#include "flight/StateChecksum.h"

#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "world/World.h"

namespace {

void AddPoint(StateChecksum& sum, const Point& p) {
    sum.Add(p.GetX());
    sum.Add(p.GetY());
    sum.Add(p.GetZ());
}

void AddActor(StateChecksum& sum, const Actor& actor) {
    AddPoint(sum, actor.GetPosition());
    sum.Add(actor.GetDirection().GetX());
    sum.Add(actor.GetDirection().GetY());
    sum.Add(actor.GetDirection().GetZ());
    sum.Add(actor.GetSpeed());
    sum.Add(actor.GetFacing());
}

} // namespace

void StateChecksum::AddWorld(const World& world) {
    const Bird& bird = world.GetBird();
    AddPoint(*this, bird.GetEye());
    AddPoint(*this, bird.GetCenter());
    Add(bird.GetSpeed());
    Add(bird.GetHealth());
    Add(bird.GetPoop());
    Add(bird.GetScore());
    Add(bird.GetFieldOfView());
    for (const auto& dropping : bird.GetDroppings()) {
        AddPoint(*this, dropping->GetBoundingBox().GetCenter());
    }
    const Mission& mission = world.GetMission();
    Add(mission.GetPedsLeft());
    Add(mission.GetCarsLeft());
    Add(mission.GetFriesLeft());
    Add(mission.GetDeadline());
    Add(world.GetLevel());
    Add(world.freezeActors);
    for (const auto& ped : world.GetPeds()) {
        AddActor(*this, *ped);
        Add(ped->GetHitCount());
        Add(ped->GetSwing());
        Add(ped->GetFrameCounter());
    }
    for (const auto& car : world.GetCars()) {
        AddActor(*this, *car);
        Add(car->GetHitCount());
    }
    for (const auto& fries : world.GetFries()) {
        AddActor(*this, *fries);
        Add(fries->GetKind());
    }
    Add(world.GetClouds().size());
}
