#include "world/World.h"

#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/Settings.h"
#include "base/TimeStats.h"
#include "legacygl/Gl.h"

#include <algorithm>

World::World() {
    // The World is a global built before any window: nothing here may need a
    // GL context.
    bird.Reset();
    freezeActors = 0;
    width = 0;
    depth = 0;
    SetupHud();
    textureSlot = 0;
}

World::~World() {
    ClearPeds();
    ClearCars();
    ClearFries();
    ClearClouds();
}

void World::Init(const int widthCells, const int depthCells, const float cellSizeUnits) {
    width = widthCells;
    depth = depthCells;
    cellSize = cellSizeUnits;
    carSet.LoadCarTextures();
    pedSet.LoadPedTextures();
    cityMap.Init(width, depth, cellSize);
    cityMap.Generate(settings.seed);
    cityMap.MarkRoadDirections();
    cityMap.CreateObjects(mapObjects, citySets[textureSlot]);
    bird.SetWorldSize(WidthInUnits(), DepthInUnits());
}

void World::SetupLevel(const int newLevel) {
    level = newLevel;
    // Clouds are not cleared: they stay from level to level.
    ClearPeds();
    ClearCars();
    ClearFries();
    for (int i = 0; i < actorsPerLevel; ++i) {
        SpawnPed();
    }
    for (int i = 0; i < actorsPerLevel; ++i) {
        SpawnCar();
    }
    for (int i = 0; i < actorsPerLevel; ++i) {
        SpawnFries();
    }
    if (settings.showClouds != 0) {
        for (int i = 0; i < cloudsPerLevel; ++i) {
            SpawnCloud();
        }
    }
    mission.SetupLevel(level);
}

int World::NextLevel() {
    ++level;
    SetupLevel(level);
    return level;
}

void World::Update() {
    // Collisions see the positions of the previous tick, before anything moves.
    CheckCollisions();
    if (freezeActors == 0) {
        UpdatePeds();
        UpdateCars();
        UpdateFries();
        UpdateClouds();
    }
    bird.Update();
    UpdateHUD();
}

void World::TakeEvents(GameEvents& into) {
    into.insert(into.end(), events.begin(), events.end());
    events.clear();
}

void World::Draw() {
    // The sky is drawn before the camera is set, with last frame's projection.
    timeStats.Timed(TimeStats::Atmosphere, [this] { DrawAtmosphere(); });
    timeStats.Timed(TimeStats::Camera, [this] { SetupCamera(); });
    timeStats.Timed(TimeStats::MapObjects, [this] { DrawMapObjs(); });
    timeStats.Timed(TimeStats::Peds, [this] { DrawPeds(); });
    timeStats.Timed(TimeStats::Cars, [this] { DrawCars(); });
    timeStats.Timed(TimeStats::Fries, [this] { DrawFries(); });
    timeStats.Timed(TimeStats::Clouds, [this] { DrawClouds(); });
    timeStats.Timed(TimeStats::BirdGeometry, [this] { bird.Draw(); });
    timeStats.Timed(TimeStats::Osd, [this] { DrawOSD(); });
}

void World::DrawSecondView() {
    DrawAtmosphere();
    bird.ApplySecondView();
    DrawMapObjs();
    DrawPeds();
    DrawCars();
}

void World::SetupCamera() {
    bird.Apply();
}

void World::Begin2D() {
    // A window shrunk to nothing still gets a valid projection.
    const float overlayWidth = std::max(viewWidth, 1.0f);
    const float overlayHeight = std::max(viewHeight, 1.0f);
    gl::MatrixMode(GL_PROJECTION);
    gl::PushMatrix();
    gl::LoadIdentity();
    glu::Ortho2D(0.0, overlayWidth, 0.0, overlayHeight);
    // x from the left edge, y from the vertical middle, growing downwards.
    gl::Scalef(1.0f, -1.0f, 1.0f);
    gl::Translatef(0.0f, -overlayHeight / 2.0f, 0.0f);
    gl::MatrixMode(GL_MODELVIEW);
}

void World::End2D() {
    gl::MatrixMode(GL_PROJECTION);
    gl::PopMatrix();
    gl::MatrixMode(GL_MODELVIEW);
}

void World::SetViewSize(const float widthPixels, const float heightPixels) {
    viewWidth = widthPixels;
    viewHeight = heightPixels;
}
