#include "bird/Bird.h"

#include "base/GameClock.h"

#include <algorithm>
#include <cmath>

namespace {

// Climbing and diving change the speed by the direction's vertical part / 3000.
constexpr float climbDrag = 3000.0f;
// How far the second view looks from above a dropping, and how far the
// ground point it looks at without one lies toward the heading.
constexpr float secondViewHeight = 100.0f;
constexpr float secondViewOffset = 0.001f;
constexpr float secondViewLead = 10000.0f;

float GameSeconds() {
    return static_cast<float>(GameClock::TickTime() / GameClock::millisecondsPerSecond);
}

} // namespace

Bird::Bird() {
    light.SetId(GL_LIGHT0);
    light.Enable();
}

Bird::~Bird() = default;

void Bird::Accelerate(const float delta) {
    const float next = speed + delta;
    if (next > 0.0f && next < maxSpeed) {
        speed = next;
    }
}

void Bird::Steer(const float steerX, const float steerY) {
    Turn(steerX, steerY);
}

void Bird::SetWorldSize(const float width, const float depth) {
    worldWidth = width;
    worldDepth = depth;
}

void Bird::Update() {
    Fly();
    FallDroppings();
}

void Bird::StartGame() {
    PlaceAtStart();
    Reset();
}

void Bird::PlaceAtStart() {
    SetEye(startEyeX, startEyeY, startEyeZ);
    SetCenter(0.0f, 0.0f, 0.0f);
}

void Bird::Fly() {
    Accelerate(-GetDirection().GetZ() / climbDrag);
    // The nose sinks by (pi / 8)(1 - speed / 100) as a pitch input each tick.
    Turn(0.0f, noseSinkAtRest - speed / maxSpeed * noseSinkAtRest);
    CheckWideView();
    KeepInsideAir();
    // Normalized gives the zero vector for a bird whose eye sits on its centre.
    step = GetDirection().Normalized() * speed;
    Move(step.GetX(), step.GetY(), step.GetZ());
    // A fast step can carry the eye out of the box again, below the ground in
    // a dive; the frame and the next collision pass must see it inside.
    KeepInsideAir();
    light.SetPosition(eye.GetX(), eye.GetY(), eye.GetZ());
    light.SetDirection(center.GetX(), center.GetY(), center.GetZ());
    bodyCube.PlaceAt(eye.GetX(), eye.GetY(), eye.GetZ() - BodyCube::belowEye);
}

void Bird::KeepInsideAir() {
    // Each correction moves eye and centre together: the heading stays and the
    // bird slides along the limit.
    if (eye.GetZ() > maxHeight) {
        Move(0.0f, 0.0f, maxHeight - eye.GetZ());
    }
    if (eye.GetZ() < minHeight) {
        Move(0.0f, 0.0f, minHeight - eye.GetZ());
    }
    if (eye.GetX() < edgeMargin) {
        Move(edgeMargin - eye.GetX(), 0.0f, 0.0f);
    }
    if (eye.GetY() < edgeMargin) {
        Move(0.0f, edgeMargin - eye.GetY(), 0.0f);
    }
    if (eye.GetX() > worldWidth - edgeMargin) {
        Move(worldWidth - edgeMargin - eye.GetX(), 0.0f, 0.0f);
    }
    if (eye.GetY() > worldDepth - edgeMargin) {
        Move(0.0f, worldDepth - edgeMargin - eye.GetY(), 0.0f);
    }
}

void Bird::CheckWideView() {
    if (GameSeconds() > wideViewEnd) {
        EndWideView();
    }
}

void Bird::FallDroppings() {
    for (auto entry = droppings.begin(); entry != droppings.end();) {
        Dropping& dropping = **entry;
        if (dropping.GetBoundingBox().GetCenter().GetZ() < 0.0f) {
            entry = Erase(entry);
        } else {
            dropping.Fall();
            ++entry;
        }
    }
}

void Bird::Damage(const float amount) {
    health = std::max(health - std::fabs(amount), 0.0f);
}

void Bird::Heal(const float amount) {
    health = std::min(health + std::fabs(amount), maxHealth);
}

void Bird::AddPoop(const int n) {
    poop = poop + n < maxPoop ? poop + n : maxPoop;
}

bool Bird::DropPoop() {
    if (poop <= 0) {
        return false;
    }
    auto dropping = std::make_unique<Dropping>();
    dropping->Launch(eye);
    droppings.push_back(std::move(dropping));
    ++poopInAir;
    --poop;
    return true;
}

void Bird::StartWideView() {
    if (wideViewActive == 0) {
        savedFieldOfView = fieldOfView;
    }
    fieldOfView = wideFieldOfView;
    wideViewActive = 1;
    wideViewEnd = GameSeconds() + static_cast<float>(wideViewSeconds);
}

void Bird::EndWideView() {
    wideViewActive = 0;
    fieldOfView = savedFieldOfView;
}

void Bird::Reset() {
    health = maxHealth;
    poop = startPoop;
    poopInAir = 0;
    droppings.clear();
    cursor = droppings.end();
    score = 0;
    speed = 0.0f;
    EndWideView();
}

Dropping* Bird::FirstPoop() {
    cursor = droppings.begin();
    return CurrentPoop();
}

Dropping* Bird::NextPoop() {
    if (cursor != droppings.end()) {
        ++cursor;
    }
    return CurrentPoop();
}

Dropping* Bird::CurrentPoop() const {
    return cursor != droppings.end() ? cursor->get() : nullptr;
}

Dropping* Bird::RemovePoop(Dropping* const dropping) {
    const auto entry =
        std::find_if(droppings.begin(), droppings.end(),
                     [dropping](const auto& owned) { return owned.get() == dropping; });
    if (entry != droppings.end()) {
        Erase(entry);
    }
    return CurrentPoop();
}

Bird::DroppingList::iterator Bird::Erase(const DroppingList::iterator entry) {
    if (cursor == entry) {
        ++cursor;
    }
    --poopInAir;
    return droppings.erase(entry);
}

void Bird::Draw() {
    light.Apply();
    marker.PlaceAt(eye.GetX(), eye.GetY(), TargetMarker::height);
    marker.Draw();
    bodyCube.Draw();
    for (const auto& dropping : droppings) {
        dropping->Draw();
    }
}

void Bird::ApplySecondView() {
    if (secondViewOpen == 0) {
        return;
    }
    const Point savedEye = eye;
    const Point savedCenter = center;
    // The first dropping is read directly, so that drawing never moves the
    // cursor of a walk.
    if (!droppings.empty()) {
        const Point c = droppings.front()->GetBoundingBox().GetCenter();
        SetEye(c.GetX(), c.GetY(), c.GetZ() + secondViewHeight);
        SetCenter(c.GetX() - secondViewOffset, c.GetY(), c.GetZ() - 1.0f);
    } else {
        const float dx = (center.GetX() - eye.GetX()) / secondViewLead;
        const float dy = (center.GetY() - eye.GetY()) / secondViewLead;
        SetCenter(eye.GetX() + dx, eye.GetY() + dy, 0.0f);
    }
    Apply();
    Draw();
    eye = savedEye;
    center = savedCenter;
}
