#pragma once

#include "bird/BodyCube.h"
#include "bird/Camera.h"
#include "bird/Dropping.h"
#include "bird/Light.h"
#include "bird/TargetMarker.h"
#include "geometry/Vector.h"

#include <list>
#include <memory>

// Bird: the player. It is the camera, so the screen always shows the city
// from the bird's eye, looking where it flies.
//
// Flight: the bird moves `speed` units per tick along its viewing direction;
// diving speeds it up and climbing slows it down (by the vertical part of the
// unnormalised eye-to-centre direction / 3000), the nose sinks by itself the
// more the slower it flies, and a box of air holds it inside the city. Speed
// changes that would leave (0, 100) are refused, not clamped.
//
// Status: health, the poop supply, the score, the falling droppings (owned by
// the bird until they pass below the ground or hit something) and the wide
// view that one kind of fries gives for 30 seconds of the game clock.
//
// Model: the spot light at the eye, the target marker on the ground below,
// a small cube under the eye, the droppings, and the second view that looks
// down on the first falling dropping.
class Bird : public Camera {
public:
    static constexpr float maxSpeed = 100.0f;
    static constexpr float maxHealth = 100.0f;
    static constexpr int maxPoop = 30;
    static constexpr int startPoop = 15;
    static constexpr float minHeight = 35.0f;
    static constexpr float maxHeight = 2200.0f;
    static constexpr float edgeMargin = 175.0f; // kept from every side of the city
    static constexpr double wideFieldOfView = 170.0;
    static constexpr unsigned int wideViewSeconds = 30;
    static constexpr float startEyeX = 5000.0f;
    static constexpr float startEyeY = 5000.0f;
    static constexpr float startEyeZ = 1500.0f;
    // The pitch input by which the nose sinks each tick at speed 0; it
    // shrinks to nothing at full speed.
    static constexpr float noseSinkAtRest = static_cast<float>(pi / 8.0);

    using DroppingList = std::list<std::unique_ptr<Dropping>>;

    Bird();
    ~Bird() override;
    Bird(const Bird&) = delete;
    Bird& operator=(const Bird&) = delete;

    // --- flight
    // speed += delta, unless the result would leave the open interval (0, 100).
    void Accelerate(float delta);
    // Rate of turn from the pointer's offset from the window centre (-1 .. 1 each).
    void Steer(float steerX, float steerY);
    void SetWorldSize(float width, float depth);
    // One tick: fly, then let the droppings fall.
    void Update();
    float GetSpeed() const { return speed; }
    const Vector& GetStep() const { return step; }
    // A new game: PlaceAtStart, then Reset. The angles stay as the last game
    // left them.
    void StartGame();
    // The eye over the middle of the city at (5000, 5000, 1500), looking at
    // the origin.
    void PlaceAtStart();

    // --- status
    bool IsAlive() const { return health > 0.0f; }
    // Both ignore the sign of amount and keep health within 0 .. 100.
    void Damage(float amount);
    void Heal(float amount);
    // Adds n droppings to the supply, never beyond 30.
    void AddPoop(int n);
    // Lets one dropping go from the eye, if any are left; true if one went.
    bool DropPoop();
    void AddScore(int n) { score += n; }
    void SetScore(int n) { score = n; }
    float GetHealth() const { return health; }
    int GetPoop() const { return poop; }
    int GetPoopInAir() const { return poopInAir; }
    int GetScore() const { return score; }
    // 170 degrees until 30 s of game clock after the latest call.
    void StartWideView();
    // Back to the field of view from before the wide view.
    void EndWideView();
    bool IsWideViewActive() const { return wideViewActive != 0; }
    // Health, supply, score and wide view as at the start; droppings destroyed.
    void Reset();

    // --- the dropping cursor, for passes that walk the falling droppings
    //
    // FirstPoop puts the cursor on the first dropping, NextPoop moves it on;
    // both return the dropping there, or nullptr past the end. RemovePoop
    // destroys a dropping; if the cursor was on it, the cursor moves to the
    // dropping that followed, which RemovePoop returns (as does CurrentPoop).
    // Otherwise the cursor stays where it was. A walk that removes droppings:
    //
    //     for (Dropping* d = bird.FirstPoop(); d != nullptr;) {
    //         d = HitsSomething(d) ? bird.RemovePoop(d) : bird.NextPoop();
    //     }
    //
    // A pointer the bird does not own is ignored.
    Dropping* FirstPoop();
    Dropping* NextPoop();
    Dropping* CurrentPoop() const;
    Dropping* RemovePoop(Dropping* dropping);
    const DroppingList& GetDroppings() const { return droppings; }

    // --- model
    // Light, marker, body cube and droppings; leaves the modelview matrix as it
    // found it and the colour at the neutral grey.
    void Draw();
    // While the second view is open: looks down on the first falling dropping
    // (or at the ground just ahead when none falls) and draws the bird's parts;
    // the bird's own camera is left exactly as it was.
    void ApplySecondView();
    const Light& GetLight() const { return light; }
    const BodyCube& GetBodyCube() const { return bodyCube; }
    const TargetMarker& GetMarker() const { return marker; }

    int secondViewOpen = 0;

private:
    void Fly();
    void KeepInsideAir();
    void CheckWideView();
    void FallDroppings();
    DroppingList::iterator Erase(DroppingList::iterator entry);

    // flight
    float speed = 0.0f;
    Vector step{0.0f, 0.0f, 0.0f};
    float worldWidth = 0.0f;
    float worldDepth = 0.0f;

    // status
    float health = maxHealth;
    int poop = startPoop;
    int poopInAir = 0;
    DroppingList droppings;
    DroppingList::iterator cursor = droppings.end();
    int score = 0;
    float wideViewEnd = 0.0f;
    double savedFieldOfView = fieldOfView;
    int wideViewActive = 0;

    // model
    TargetMarker marker;
    BodyCube bodyCube;
    Light light;
};
