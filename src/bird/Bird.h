#pragma once

#include "bird/Camera.h"

class Dropping;

// Bird: placeholder declaration of the player's bird, completed with the
// bird's flight, status and model.
class Bird : public Camera {
public:
    static constexpr float maxSpeed = 100.0f;
    static constexpr float maxHealth = 100.0f;
    static constexpr int maxPoop = 30;

    Bird();
    ~Bird() override;

    void Accelerate(float delta);
    void Steer(float steerX, float steerY);
    void SetWorldSize(float width, float depth);
    void Update();
    float GetSpeed() const;

    bool IsAlive() const;
    void Damage(float amount);
    void Heal(float amount);
    void AddPoop(int n);
    void DropPoop();
    void AddScore(int n);
    void SetScore(int n);
    float GetHealth() const;
    int GetPoop() const;
    int GetScore() const;
    void StartWideView();
    void EndWideView();
    void Reset();

    Dropping* FirstPoop();
    Dropping* NextPoop();
    void RemovePoop(Dropping* dropping);

    void Draw();
    void ApplySecondView();
    int secondViewOpen = 0;
};
