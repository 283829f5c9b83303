#include "sound/GameSound.h"

#include "actors/Car.h"
#include "actors/Fries.h"
#include "city/MapObject.h"
#include "sound/OpenAlOutput.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

GameSound gameSound;

namespace {

static_assert(GameSound::firstEngineVoice + GameSound::engineVoices <= AudioOutput::loopVoices);

// The wind: a whisper when the bird hangs in the air, loud and higher at
// full speed. Its level eases towards the speed's, so key presses do not jump.
constexpr float windQuiet = 0.08f;
constexpr float windLoud = 0.7f;
constexpr float windLowPitch = 0.8f;
constexpr float windPitchRange = 0.5f;
constexpr float windEasing = 0.1f; // of the distance to the target, per tick

// The crunch and the chirp come in within a few ticks and fade out over
// about an eighth of a second after the bird leaves.
constexpr float fadeInStep = 0.34f;
constexpr float fadeOutStep = 0.125f;
constexpr float crunchLevel = 0.9f;
constexpr float chirpLevel = 0.6f;

// The engines: quiet, each voice a little off the others' pitch so that
// several cars do not drone in unison.
constexpr float engineGain = 0.5f;
constexpr float enginePitches[GameSound::engineVoices] = {0.94f, 1.0f, 1.07f, 1.13f};

float StepTowards(const float value, const float target, const float step) {
    return value < target ? std::min(target, value + step) : std::max(target, value - step);
}

} // namespace

void GameSound::Open(const std::string& folder, const int percent) {
    SetVolume(percent);
    Attach(OpenAlOutput::Open(folder));
}

void GameSound::Attach(std::unique_ptr<AudioOutput> newOutput) {
    output = std::move(newOutput);
    paused = false;
    windGain = crunchGain = chirpGain = 0.0f;
    engineCars.fill(nullptr);
    ApplyGain();
}

void GameSound::SetVolume(const int percent) {
    volume = std::clamp(percent, 0, maxVolume);
    ApplyGain();
}

void GameSound::ToggleMute() {
    muted = !muted;
    ApplyGain();
}

void GameSound::ApplyGain() {
    if (output != nullptr) {
        output->SetMasterGain(muted ? 0.0f : static_cast<float>(volume) / maxVolume);
    }
}

void GameSound::Play(const GameEvent& event) {
    if (output == nullptr) {
        return;
    }
    using Kind = GameEvent::Kind;
    switch (event.kind) {
    // The interface is heard behind a menu too.
    case Kind::MissionComplete:
        output->PlayInterface(SoundId::MissionComplete);
        return;
    case Kind::GameOver:
        output->PlayInterface(event.reason == GameEvent::Reason::TimeUp ? SoundId::TimeUp
                                                                        : SoundId::Died);
        return;
    case Kind::MenuAction:
        output->PlayInterface(SoundId::Click);
        return;
    case Kind::Inside:
        insideBuilding = insideBuilding || event.objectKind == MapObject::KindBuilding;
        overPark = overPark || event.objectKind == MapObject::KindPark;
        return;
    default:
        break;
    }
    if (paused) {
        return;
    }
    switch (event.kind) {
    case Kind::Drop:
        output->PlayOnBird(SoundId::Drop);
        break;
    case Kind::PedHit:
        output->PlayAt(SoundId::PedHit, event.place);
        break;
    case Kind::CarHit:
        output->PlayAt(SoundId::CarHit, event.place);
        break;
    case Kind::FriesEaten:
        if (event.friesKind == Fries::KindPoop) {
            output->PlayOnBird(SoundId::FriesPoop);
        } else if (event.friesKind == Fries::KindWideView) {
            output->PlayOnBird(SoundId::FriesWideView);
        } else if (event.friesKind == Fries::KindNormalView) {
            output->PlayOnBird(SoundId::FriesNormalView);
        }
        break;
    default:
        break;
    }
}

void GameSound::Update(const World& world, const bool menuShown) {
    const bool inside = std::exchange(insideBuilding, false);
    const bool park = std::exchange(overPark, false);
    if (output == nullptr) {
        return;
    }
    if (menuShown != paused) {
        paused = menuShown;
        output->SetWorldPaused(paused);
    }
    if (paused) {
        return;
    }

    const Bird& bird = world.GetBird();
    const Vector direction = bird.GetDirection();
    const float horizontal = std::hypot(direction.GetX(), direction.GetY());
    // Straight up or down keeps the last heading.
    if (horizontal > 0.0f) {
        heading = Vector(direction.GetX() / horizontal, direction.GetY() / horizontal, 0.0f);
    }
    output->SetListener(bird.GetEye(), heading);

    const float speed = std::clamp(bird.GetSpeed() / Bird::maxSpeed, 0.0f, 1.0f);
    windGain += (windQuiet + (windLoud - windQuiet) * speed - windGain) * windEasing;
    AudioOutput::Loop wind;
    wind.sound = SoundId::Wind;
    wind.gain = windGain;
    wind.pitch = windLowPitch + windPitchRange * speed;
    output->SetLoop(windVoice, wind);

    FadeLoop(crunchVoice, SoundId::Crunch, inside, crunchGain);
    FadeLoop(chirpVoice, SoundId::Chirp, park, chirpGain);
    Engines(world);
}

void GameSound::FadeLoop(const int voice, const SoundId sound, const bool wanted, float& gain) {
    const float before = gain;
    gain = StepTowards(gain, wanted ? 1.0f : 0.0f, wanted ? fadeInStep : fadeOutStep);
    if (gain > 0.0f) {
        AudioOutput::Loop loop;
        loop.sound = sound;
        loop.gain = gain * (sound == SoundId::Crunch ? crunchLevel : chirpLevel);
        output->SetLoop(voice, loop);
    } else if (before > 0.0f) {
        output->StopLoop(voice);
    }
}

void GameSound::Engines(const World& world) {
    // The nearest cars within an engine's reach, nearest first.
    const Point eye = world.GetBird().GetEye();
    std::vector<std::pair<float, const Car*>> near;
    for (const auto& car : world.GetCars()) {
        const Point& p = car->GetPosition();
        const float distance =
            std::hypot(p.GetX() - eye.GetX(), p.GetY() - eye.GetY(), p.GetZ() - eye.GetZ());
        if (distance < InfoOf(SoundId::Engine).reach) {
            near.emplace_back(distance, car.get());
        }
    }
    const std::size_t heard = std::min<std::size_t>(near.size(), engineVoices);
    std::partial_sort(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(heard), near.end());
    near.resize(heard);

    // A car still among them keeps its voice, so its hum runs on unbroken;
    // the others take the voices left free.
    std::array<const Car*, engineVoices> assigned{};
    for (int v = 0; v < engineVoices; ++v) {
        for (const auto& entry : near) {
            if (engineCars[static_cast<std::size_t>(v)] == entry.second) {
                assigned[static_cast<std::size_t>(v)] = entry.second;
            }
        }
    }
    for (const auto& entry : near) {
        if (std::find(assigned.begin(), assigned.end(), entry.second) != assigned.end()) {
            continue;
        }
        *std::find(assigned.begin(), assigned.end(), nullptr) = entry.second;
    }
    for (int v = 0; v < engineVoices; ++v) {
        const Car* car = assigned[static_cast<std::size_t>(v)];
        if (car != nullptr) {
            AudioOutput::Loop hum;
            hum.sound = SoundId::Engine;
            hum.onBird = false;
            hum.position = car->GetPosition();
            hum.gain = engineGain;
            hum.pitch = enginePitches[v];
            output->SetLoop(firstEngineVoice + v, hum);
        } else if (engineCars[static_cast<std::size_t>(v)] != nullptr) {
            output->StopLoop(firstEngineVoice + v);
        }
        engineCars[static_cast<std::size_t>(v)] = car;
    }
}
