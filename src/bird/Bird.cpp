#include "bird/Bird.h"

Bird::Bird() = default;
Bird::~Bird() = default;
void Bird::Accelerate(float) {}
void Bird::Steer(const float steerX, const float steerY) { Turn(steerX, steerY); }
void Bird::SetWorldSize(float, float) {}
void Bird::Update() {}
float Bird::GetSpeed() const { return 0.0f; }
bool Bird::IsAlive() const { return true; }
void Bird::Damage(float) {}
void Bird::Heal(float) {}
void Bird::AddPoop(int) {}
void Bird::DropPoop() {}
void Bird::AddScore(int) {}
void Bird::SetScore(int) {}
float Bird::GetHealth() const { return maxHealth; }
int Bird::GetPoop() const { return 0; }
int Bird::GetScore() const { return 0; }
void Bird::StartWideView() {}
void Bird::EndWideView() {}
void Bird::Reset() {}
Dropping* Bird::FirstPoop() { return nullptr; }
Dropping* Bird::NextPoop() { return nullptr; }
void Bird::RemovePoop(Dropping*) {}
void Bird::Draw() {}
void Bird::ApplySecondView() {}
