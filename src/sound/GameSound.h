#pragma once

#include "base/GameEvent.h"
#include "geometry/Vector.h"
#include "sound/AudioOutput.h"

#include <array>
#include <memory>
#include <string>

class Car;
class World;

// GameSound: turns what happens in the game into sounds. The shell hands it
// every event as it is reported (a drop at once, the rest of a tick after
// the update) and calls Update once at the end of every tick; it decides
// what plays where and hands that to its AudioOutput. Without an output
// (--no-sound, or no device) every call does nothing. It reads the World but
// never changes it.
//
// Each tick it puts the listener at the bird's eye, facing along its
// heading; lets the wind follow the bird's speed; keeps an engine hum on
// each of the nearest few cars, following them; and holds the crunch while
// the bird is inside a building and the chirp while it heals over a park.
// While a menu is shown the world's sounds pause and its events stay silent;
// jingles and clicks still play. It draws no random numbers.
class GameSound {
public:
    static constexpr int windVoice = 0;
    static constexpr int crunchVoice = 1;
    static constexpr int chirpVoice = 2;
    static constexpr int firstEngineVoice = 3;
    static constexpr int engineVoices = 4;
    static constexpr int maxVolume = 100;

    // Opens the default sound device and loads the sounds from `folder`;
    // without a device the game goes on silently.
    void Open(const std::string& folder, int volume);
    // Uses `output` from now on (nullptr: silence); the volume stays.
    void Attach(std::unique_ptr<AudioOutput> newOutput);
    void Close() { Attach(nullptr); }
    bool HasOutput() const { return output != nullptr; }
    // 0 to 100 percent of full level.
    void SetVolume(int percent);
    void ToggleMute();
    bool IsMuted() const { return muted; }

    // What an event sounds like: the interface's clicks and jingles always,
    // the world's sounds only while no menu pauses it; an Inside event
    // holds the crunch or the chirp for this tick.
    void Play(const GameEvent& event);

    // --- once per tick, at its end
    void Update(const World& world, bool menuShown);

private:
    void ApplyGain();
    void FadeLoop(int voice, SoundId sound, bool wanted, float& gain);
    void Engines(const World& world);

    std::unique_ptr<AudioOutput> output;
    int volume = maxVolume;
    bool muted = false;
    bool paused = false;
    bool insideBuilding = false; // set by an Inside event during a tick, cleared by Update
    bool overPark = false;
    float windGain = 0.0f;
    float crunchGain = 0.0f;
    float chirpGain = 0.0f;
    Vector heading{1.0f, 0.0f, 0.0f};
    // Which car each engine voice follows; only compared, never followed.
    std::array<const Car*, engineVoices> engineCars{};
};

extern GameSound gameSound;
