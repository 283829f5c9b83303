#pragma once

#include "base/GameEvent.h"
#include "bird/Bird.h"
#include "bird/Camera.h"
#include "bird/Light.h"
#include "city/CityMap.h"
#include "city/MapObject.h"
#include "city/TextureSet.h"
#include "geometry/Point.h"
#include "hud/Gauge.h"
#include "hud/Radar.h"
#include "mission/Mission.h"

#include <memory>
#include <vector>

class Ped;
class Car;
class Fries;
class Cloud;
class Dropping;

// World: the one container of a running game. It owns the bird, the city and
// its map objects, the four lists of actors, the mission, the texture sets and
// the HUD, updates them once per tick in a fixed order and draws them once per
// frame. The shell calls it for everything.
//
// It calls nobody back: what happens in a tick (hits, meals, the bird inside
// a building or over a park, its death) is kept as events in the order it
// happened, and the shell takes them after the update and hands them on.
//
// Its implementation is split by concern: World.cpp (container, tick and
// frame), WorldScenery.cpp (textures, sky, map objects), WorldPopulation.cpp
// (spawning and moving actors, hit handlers), WorldCollisions.cpp (the
// collision pass) and WorldHud.cpp (gauges and radar).
class World {
public:
    using PedList = std::vector<std::unique_ptr<Ped>>;
    using CarList = std::vector<std::unique_ptr<Car>>;
    using FriesList = std::vector<std::unique_ptr<Fries>>;
    using CloudList = std::vector<std::unique_ptr<Cloud>>;
    using MapObjectList = std::vector<std::unique_ptr<MapObject>>;

    static constexpr int actorsPerLevel = 40;
    static constexpr int cloudsPerLevel = 10;
    // The sky of 30 set-ups: clouds pile up from level to level and from
    // restart to restart, and past this many no more are added.
    static constexpr size_t maxClouds = 300;

    // No GL call here may need a context: the World is built before the window.
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // --- container, tick and frame (World.cpp)
    void Init(int widthCells, int depthCells, float cellSizeUnits);
    void SetupLevel(int newLevel);
    int NextLevel();
    void Update();
    void Draw();
    void DrawSecondView();
    void SetupCamera();
    void Begin2D();
    void End2D();
    void SetViewSize(float width, float height);
    float WidthInUnits() const { return static_cast<float>(width) * cellSize; }
    float DepthInUnits() const { return static_cast<float>(depth) * cellSize; }

    // --- scenery (WorldScenery.cpp)
    void LoadTextures();
    void CompileMapObjects();
    // The sky box.
    void DrawAtmosphere();
    // What the sky leaves for the rest of the frame: culling and depth test
    // on, texturing off, filled faces, lighting as set.
    void SetSceneState();
    void DrawMapObjs();

    // --- population (WorldPopulation.cpp)
    void SpawnPed();
    void SpawnCar();
    void SpawnFries();
    void SpawnCloud();
    void ClearPeds();
    void ClearCars();
    void ClearFries();
    void ClearClouds();
    void UpdatePeds();
    void UpdateCars();
    void UpdateFries();
    void UpdateClouds();
    void DrawPeds();
    void DrawCars();
    void DrawFries();
    void DrawClouds();
    // What one frame's drawing does to the peds, without drawing: each
    // animates once, in the order they are drawn.
    void AnimatePeds();
    void OnPedHit(Ped* ped);
    void OnCarHit(Car* car);
    void OnFriesEaten(Fries* fries);

    // --- collisions (WorldCollisions.cpp)
    void CheckCollisions();
    static bool Collide(const SceneObject& a, const SceneObject& b);
    void OnPoopHitsPed(Dropping* poop, Ped* ped);
    void OnPoopHitsCar(Dropping* poop, Car* car);
    void OnCarsCollide(Car* first, Car* second);
    void OnBirdInObject(const MapObject* object);

    // --- HUD (WorldHud.cpp)
    void SetupHud();
    void UpdateHUD();
    // The gauges and the radar over the scene; the style says how the bars
    // send their slices.
    void DrawOSD(Gauge::BarStyle barStyle = Gauge::BarStyle::PolygonPerSlice);

    // --- what happened since the events were last taken: appended to `into`
    void TakeEvents(GameEvents& into);

    // --- parts, for the shell, the HUD and tests
    Bird& GetBird() { return bird; }
    const Bird& GetBird() const { return bird; }
    Mission& GetMission() { return mission; }
    const Mission& GetMission() const { return mission; }
    Radar& GetRadar() { return radar; }
    CityMap& GetCityMap() { return cityMap; }
    PedList& GetPeds() { return peds; }
    const PedList& GetPeds() const { return peds; }
    CarList& GetCars() { return cars; }
    const CarList& GetCars() const { return cars; }
    FriesList& GetFries() { return fries; }
    const FriesList& GetFries() const { return fries; }
    CloudList& GetClouds() { return clouds; }
    const CloudList& GetClouds() const { return clouds; }
    MapObjectList& GetMapObjects() { return mapObjects; }
    TextureSet& GetCityTextures() { return citySets[textureSlot]; }
    Gauge& GetHitFlash() { return hitFlash; }
    const Gauge& GetSpeedGauge() const { return speedGauge; }
    const Gauge& GetScoreGauge() const { return scoreGauge; }
    const Gauge& GetFrameRateGauge() const { return frameRateGauge; }
    const Gauge& GetTimerLine() const { return timerLine; }
    const Gauge& GetLevelLine() const { return levelLine; }
    int GetLevel() const { return level; }
    float GetViewWidth() const { return viewWidth; }
    float GetViewHeight() const { return viewHeight; }

    // Written directly by the shell.
    int freezeActors = 0;
    int textureSlot = 0;
    Point mousePosition;

private:
    Radar radar;
    Bird bird;
    Light light;
    Camera spareCamera;
    Mission mission;
    int width = 0;
    int depth = 0;
    float cellSize = 0.0f;
    int level = 0;
    CityMap cityMap;
    PedList peds;
    CarList cars;
    FriesList fries;
    CloudList clouds;
    MapObjectList mapObjects;
    TextureSet citySets[2];
    TextureSet eyesSet;
    TextureSet carSet;
    TextureSet pedSet;
    Gauge heightGauge;
    Gauge poopGauge;
    Gauge hitFlash;
    Gauge healthGauge;
    Gauge scoreGauge;
    Gauge frameRateGauge;
    Gauge speedGauge;
    Gauge steeringCone;
    Gauge timerLine;
    Gauge levelLine;
    float viewWidth = 0.0f;
    float viewHeight = 0.0f;
    GameEvents events;
};
