// The World's population: spawning the peds, cars, fries and clouds of a
// level, moving them once per tick on the city map, drawing them, and what a
// poop hit or a meal does to the bird and the mission.

#include "world/World.h"

#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/Settings.h"

#include <cstdlib>

namespace {

constexpr float groundClearance = 1.0f;
// Random tries before a spot search falls back to scanning the map once.
constexpr int spotAttempts = 1000;
constexpr int friesHeightChoices = 800;
constexpr int friesLowest = 50;
constexpr int friesValueChoices = 10;
constexpr int cloudHeightChoices = 2000;
constexpr int cloudLowest = 500;
constexpr float friesSpinDegrees = 3.0f;

// The city's extent in whole world units along x and y.
int ExtentX(const CityMap& map) {
    return static_cast<int>(static_cast<float>(map.GetWidth()) * map.GetCellSize());
}

int ExtentY(const CityMap& map) {
    return static_cast<int>(static_cast<float>(map.GetHeight()) * map.GetCellSize());
}

// A random spot (whole world units) on a cell carrying any bit of mask. Random
// tries come first, x before y; if they all miss, the map is scanned once and
// one of the matching cells is picked at random, at its centre. Returns false
// when no cell carries the mask, so a city without such cells cannot hang the
// game.
bool PickSpot(const CityMap& map, const int mask, int& x, int& y) {
    const int extentX = ExtentX(map);
    const int extentY = ExtentY(map);
    if (extentX <= 0 || extentY <= 0) {
        return false;
    }
    for (int attempt = 0; attempt < spotAttempts; ++attempt) {
        x = std::rand() % extentX;
        y = std::rand() % extentY;
        if ((map.FlagsAtPosition(x, y) & mask) != 0) {
            return true;
        }
    }
    int matches = 0;
    for (int i = 0; i < map.GetWidth(); ++i) {
        for (int j = 0; j < map.GetHeight(); ++j) {
            matches += (map.FlagsAt(i, j) & mask) != 0 ? 1 : 0;
        }
    }
    if (matches == 0) {
        return false;
    }
    int chosen = std::rand() % matches;
    const float cell = map.GetCellSize();
    for (int i = 0; i < map.GetWidth(); ++i) {
        for (int j = 0; j < map.GetHeight(); ++j) {
            if ((map.FlagsAt(i, j) & mask) != 0 && chosen-- == 0) {
                x = static_cast<int>((static_cast<float>(i) + 0.5f) * cell);
                y = static_cast<int>((static_cast<float>(j) + 0.5f) * cell);
                return true;
            }
        }
    }
    return false;
}

// The flags of the cell that one more step would reach.
int FlagsAhead(const CityMap& map, const Actor& actor) {
    const Point next = actor.GetPosition() + actor.GetDirection() * actor.GetSpeed();
    return map.FlagsAtPosition(static_cast<int>(next.GetX()), static_cast<int>(next.GetY()));
}

// Moves a new actor from the origin to its place.
void PlaceAt(Actor& actor, const float x, const float y, const float z) {
    actor.Translate(x, y, z);
    actor.SetPosition(Point(x, y, z));
}

// Puts a new ped or car on a random spot that its walk mask allows, just
// above the ground; false when the city has no such spot.
bool StandOnASpot(const CityMap& map, Actor& actor) {
    int x = 0;
    int y = 0;
    if (!PickSpot(map, actor.GetWalkMask(), x, y)) {
        return false;
    }
    PlaceAt(actor, static_cast<float>(x), static_cast<float>(y), groundClearance);
    return true;
}

template <typename List> void DrawAll(List& list) {
    for (auto& actor : list) {
        actor->Draw();
    }
}

// Only the first hit of a target scores and counts for the mission; returns
// whether this one did.
template <typename CountForMission>
bool ScoreHit(Bird& bird, Target& target, CountForMission countForMission) {
    const bool first = target.GetHitCount() == 0;
    if (first) {
        bird.AddScore(static_cast<int>(target.GetPoints()));
        countForMission();
    }
    target.OnHit();
    return first;
}

} // namespace

void World::SpawnPed() {
    auto ped = std::make_unique<Ped>();
    ped->SetTextures(pedSet);
    if (!StandOnASpot(cityMap, *ped)) {
        return;
    }
    // Diagonal until the first turn.
    ped->SetDirection(Vector(1.0f, 1.0f, 0.0f));
    peds.push_back(std::move(ped));
}

void World::SpawnCar() {
    auto car = std::make_unique<Car>();
    car->SetTextures(carSet);
    if (!StandOnASpot(cityMap, *car)) {
        return;
    }
    car->Turn();
    cars.push_back(std::move(car));
}

void World::SpawnFries() {
    auto item = std::make_unique<Fries>();
    int x = 0;
    int y = 0;
    if (!PickSpot(cityMap, CityMap::Road, x, y)) {
        return;
    }
    const float height = static_cast<float>(std::rand() % friesHeightChoices + friesLowest);
    const int kind = std::rand() % Fries::kindCount;
    const float value = static_cast<float>(std::rand() % friesValueChoices + 1);
    item->SetKind(kind);
    item->SetValue(value);
    PlaceAt(*item, static_cast<float>(x), static_cast<float>(y), height);
    fries.push_back(std::move(item));
}

void World::SpawnCloud() {
    const int extentX = ExtentX(cityMap);
    const int extentY = ExtentY(cityMap);
    if (extentX <= 0 || extentY <= 0) {
        return; // no city to float over
    }
    auto cloud = std::make_unique<Cloud>();
    const float x = static_cast<float>(std::rand() % extentX);
    const float y = static_cast<float>(std::rand() % extentY);
    const float z = static_cast<float>(std::rand() % cloudHeightChoices + cloudLowest);
    // A full sky takes no more clouds; the draws are made all the same, so
    // that the same seed still gives the same population at every level.
    if (clouds.size() >= maxClouds) {
        return;
    }
    PlaceAt(*cloud, x, y, z);
    clouds.push_back(std::move(cloud));
}

void World::ClearPeds() {
    peds.clear();
}
void World::ClearCars() {
    cars.clear();
}
void World::ClearFries() {
    fries.clear();
}
void World::ClearClouds() {
    clouds.clear();
}

void World::UpdatePeds() {
    // Any one bit of the mask is enough for a ped.
    for (auto& ped : peds) {
        if ((FlagsAhead(cityMap, *ped) & ped->GetWalkMask()) != 0) {
            ped->Move();
        } else {
            ped->Turn();
        }
    }
}

void World::UpdateCars() {
    // A car needs every bit of its mask: seed cells without the road bit stop it.
    for (auto& car : cars) {
        const int mask = car->GetWalkMask();
        if ((FlagsAhead(cityMap, *car) & mask) == mask) {
            car->Move();
        } else {
            car->Turn();
        }
    }
}

void World::UpdateFries() {
    if (settings.fastComputer == 0) {
        return;
    }
    for (auto& item : fries) {
        item->RotateZ(friesSpinDegrees);
    }
}

void World::UpdateClouds() {
    for (auto& cloud : clouds) {
        cloud->Move();
    }
}

void World::DrawPeds() {
    DrawAll(peds);
}
void World::DrawCars() {
    DrawAll(cars);
}
void World::DrawFries() {
    DrawAll(fries);
}
void World::DrawClouds() {
    DrawAll(clouds);
}

void World::AnimatePeds() {
    for (auto& ped : peds) {
        ped->AnimateFrame();
    }
}

void World::OnPedHit(Ped* ped) {
    const bool scored = ScoreHit(bird, *ped, [this] { mission.PedHit(); });
    events.push_back(GameEvent::PedHitAt(ped->GetPosition(), scored));
}

void World::OnCarHit(Car* car) {
    const bool scored = ScoreHit(bird, *car, [this] { mission.CarHit(); });
    events.push_back(GameEvent::CarHitAt(car->GetPosition(), scored));
}

void World::OnFriesEaten(Fries* eaten) {
    const int kind = eaten->GetKind();
    const float value = eaten->GetValue();
    events.push_back(GameEvent::Eaten(kind, eaten->GetPosition()));
    switch (kind) {
    case Fries::KindPoop:
        bird.AddPoop(static_cast<int>(value));
        break;
    case Fries::KindWideView:
        bird.StartWideView();
        break;
    case Fries::KindNormalView:
        bird.EndWideView();
        break;
    default:
        break;
    }
    // Erasing the owning entry deletes the fries.
    std::erase_if(fries,
                  [eaten](const std::unique_ptr<Fries>& item) { return item.get() == eaten; });
    mission.FriesEaten();
}
