#pragma once

#include "sound/AudioOutput.h"

#include <map>
#include <utility>
#include <vector>

// An audio layer that plays nothing and remembers what the game asked of it.
class RecordingOutput : public AudioOutput {
public:
    void SetListener(const Point& position, const Vector& heading) override {
        listener = position;
        listenerHeading = heading;
        ++listenerUpdates;
    }
    void PlayAt(const SoundId sound, const Point& position) override {
        placed.emplace_back(sound, position);
    }
    void PlayOnBird(const SoundId sound) override { onBird.push_back(sound); }
    void PlayInterface(const SoundId sound) override { interface.push_back(sound); }
    void SetLoop(const int voice, const Loop& loop) override { loops[voice] = loop; }
    void StopLoop(const int voice) override {
        loops.erase(voice);
        stopped.push_back(voice);
    }
    void SetWorldPaused(const bool paused) override { pauses.push_back(paused); }
    void SetMasterGain(const float gain) override { gains.push_back(gain); }

    Point listener;
    Vector listenerHeading;
    int listenerUpdates = 0;
    std::vector<std::pair<SoundId, Point>> placed;
    std::vector<SoundId> onBird;
    std::vector<SoundId> interface;
    std::map<int, Loop> loops; // the voices playing now
    std::vector<int> stopped;
    std::vector<bool> pauses;
    std::vector<float> gains;
};
